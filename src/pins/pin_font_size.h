// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The size of the pin's text.
enum class PinFontSize { small, medium, large };

inline constexpr std::array<PinFontSize, 3> kAllPinFontSizes{PinFontSize::small, PinFontSize::medium,
                                                             PinFontSize::large};

// "small", "medium" or "large", as the pin's file stores it.
QString rawValue(PinFontSize size);
// The size of a raw value; none for any other string.
std::optional<PinFontSize> pinFontSizeFromRawValue(const QString &raw);
// 12, 14 or 18.
int pointSize(PinFontSize size);
// The next size of the cycle small, medium, large, small.
PinFontSize nextFontSize(PinFontSize size);

} // namespace quorvane
