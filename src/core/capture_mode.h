// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The workflow that made a capture; its raw value is what files store.
enum class CaptureMode { normal, repeat, code, scanCode };

inline constexpr std::array<CaptureMode, 4> kAllCaptureModes{
    CaptureMode::normal, CaptureMode::repeat, CaptureMode::code, CaptureMode::scanCode};

// "normal", "repeat", "code", "scanCode".
QString rawValue(CaptureMode mode);
// The mode of a raw value; none for any other string.
std::optional<CaptureMode> captureModeFromRawValue(const QString &raw);
// The localised label ("Normal", "Repeat", "Code", "Scan Code").
QString displayName(CaptureMode mode);

} // namespace quorvane
