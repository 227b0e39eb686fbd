// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/capture_mode.h"


namespace quorvane {

QString rawValue(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::normal: return QStringLiteral("normal");
    case CaptureMode::repeat: return QStringLiteral("repeat");
    case CaptureMode::code: return QStringLiteral("code");
    case CaptureMode::scanCode: return QStringLiteral("scanCode");
    }
    return {};
}

std::optional<CaptureMode> captureModeFromRawValue(const QString &raw)
{
    for (CaptureMode mode : kAllCaptureModes) {
        if (rawValue(mode) == raw)
            return mode;
    }
    return std::nullopt;
}

QString displayName(CaptureMode mode)
{
    switch (mode) {
    //: Normal capture mode
    //% "Normal"
    case CaptureMode::normal: return qtTrId("capture_mode.normal");
    //: Repeat capture mode
    //% "Repeat"
    case CaptureMode::repeat: return qtTrId("capture_mode.repeat");
    //: Code capture mode
    //% "Code"
    case CaptureMode::code: return qtTrId("capture_mode.code");
    case CaptureMode::scanCode:
        //: Scan Code capture mode
        //% "Scan Code"
        return qtTrId("capture_mode.scan_code");
    }
    return {};
}

} // namespace quorvane
