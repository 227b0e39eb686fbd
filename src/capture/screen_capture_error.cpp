#include "capture/screen_capture_error.h"

namespace quorvane {

ErrorText ScreenCaptureError::textOf(ScreenCaptureErrorKind kind)
{
    switch (kind) {
    case ScreenCaptureErrorKind::captureFailed:
        return {"error.screen_capture.failed", "Screen capture failed: %@",
                "Error when capture operation fails"};
    case ScreenCaptureErrorKind::permissionDenied:
        return {"error.screen_capture.permission_denied",
                "Screen Recording permission is required. Please grant access in your desktop's privacy settings.",
                "Error when screen recording permission is denied"};
    case ScreenCaptureErrorKind::invalidRegion:
        return {"error.screen_capture.invalid_region", "The selected region is invalid or too small.",
                "Error when capture region is invalid"};
    case ScreenCaptureErrorKind::displayConfigurationChanged:
        return {"error.screen_capture.display_changed",
                "Display configuration has changed. Please select a new region.",
                "Error when display configuration changes"};
    case ScreenCaptureErrorKind::overlayDismissed:
        return {"error.screen_capture.dismissed", "Capture was cancelled.",
                "Error when user dismisses capture overlay"};
    case ScreenCaptureErrorKind::noActiveDisplay:
        return {"error.screen_capture.no_display", "No active display found.",
                "Error when no display is available"};
    }
    return {"error.screen_capture.failed", "Screen capture failed: %@",
            "Error when capture operation fails"};
}

bool ScreenCaptureError::operator==(const ScreenCaptureError &other) const
{
    if (kind() != other.kind())
        return false;
    return kind() != ScreenCaptureErrorKind::captureFailed || value() == other.value();
}

} // namespace quorvane
