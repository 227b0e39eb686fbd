// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quorvane {

// What the pin panel shows below its toolbar.
enum class PinViewMode { image, text };

// "image" or "text", as the pin's file stores it.
QString rawValue(PinViewMode mode);
// The mode of a raw value; none for any other string.
std::optional<PinViewMode> pinViewModeFromRawValue(const QString &raw);

} // namespace quorvane
