// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/screen_capture_error.h"

#include "platform/portal_interfaces.h"

namespace quorvane {

ErrorText ScreenCaptureError::textOf(ScreenCaptureErrorKind kind)
{
    switch (kind) {
    case ScreenCaptureErrorKind::captureFailed:
        //: Error when capture operation fails
        //% "Screen capture failed: %1"
        return {QT_TRID_NOOP("error.screen_capture.failed")};
    case ScreenCaptureErrorKind::permissionDenied:
        //: Error when the screen access permission is denied
        //% "Screen access is required. Please grant access in your desktop's privacy settings."
        return {QT_TRID_NOOP("error.screen_capture.permission_denied")};
    case ScreenCaptureErrorKind::invalidRegion:
        //: Error when capture region is invalid
        //% "The selected region is invalid or too small."
        return {QT_TRID_NOOP("error.screen_capture.invalid_region")};
    case ScreenCaptureErrorKind::displayConfigurationChanged:
        //: Error when display configuration changes
        //% "Display configuration has changed. Please select a new region."
        return {QT_TRID_NOOP("error.screen_capture.display_changed")};
    case ScreenCaptureErrorKind::overlayDismissed:
        //: Error when user dismisses capture overlay
        //% "Capture was cancelled."
        return {QT_TRID_NOOP("error.screen_capture.dismissed")};
    case ScreenCaptureErrorKind::noActiveDisplay:
        //: Error when no display is available
        //% "No active display found."
        return {QT_TRID_NOOP("error.screen_capture.no_display")};
    case ScreenCaptureErrorKind::portalMissing:
        //: Error when the desktop offers no screenshot service (Wayland); %1 lists Debian package names
        //% "This desktop offers no screenshot service to read the screen with. Install %1, then log out and in again."
        return {QT_TRID_NOOP("error.screen_capture.portal_missing")};
    case ScreenCaptureErrorKind::portalNotAnswering:
        //: Error when the desktop's screenshot service (the screen portal, Wayland) is there but gave no answer in time
        //% "The screen portal did not answer in time. It may still be starting: try again in a moment."
        return {QT_TRID_NOOP("error.screen_capture.portal_not_answering")};
    case ScreenCaptureErrorKind::pictureRefused:
        //: Error when the desktop's screenshot service (Wayland) refused to give a picture of the screen; such desktops may have no privacy settings at all
        //% "The desktop refused to give Quorvane a picture of the screen. Capture again and allow it if the desktop asks."
        return {QT_TRID_NOOP("error.screen_capture.picture_refused")};
    }
    //: Error when capture operation fails
    //% "Screen capture failed: %1"
    return {QT_TRID_NOOP("error.screen_capture.failed")};
}

ScreenCaptureError ScreenCaptureError::portalMissing()
{
    return ScreenCaptureError(ScreenCaptureErrorKind::portalMissing,
                              screenshotPortalPackages(qEnvironmentVariable("XDG_CURRENT_DESKTOP")));
}

bool ScreenCaptureError::operator==(const ScreenCaptureError &other) const
{
    if (kind() != other.kind())
        return false;
    return kind() != ScreenCaptureErrorKind::captureFailed || value() == other.value();
}

} // namespace quorvane
