#include "core/capture_mode.h"

#include "platform/l10n.h"

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
    case CaptureMode::normal: return L10n::text("capture_mode.normal", "Normal", "Normal capture mode");
    case CaptureMode::repeat: return L10n::text("capture_mode.repeat", "Repeat", "Repeat capture mode");
    case CaptureMode::code: return L10n::text("capture_mode.code", "Code", "Code capture mode");
    case CaptureMode::scanCode:
        return L10n::text("capture_mode.scan_code", "Scan Code", "Scan Code capture mode");
    }
    return {};
}

} // namespace quorvane
