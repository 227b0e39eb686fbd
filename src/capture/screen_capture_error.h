// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class ScreenCaptureErrorKind {
    captureFailed, // carries a message
    permissionDenied,
    invalidRegion,
    displayConfigurationChanged,
    overlayDismissed,
    noActiveDisplay,
    portalMissing, // carries the packages that would provide it
    portalNotAnswering, // the service is there (or being started) but gave no answer in time
    pictureRefused,     // the desktop's screenshot service refused the picture (Wayland)
};

// Failures of the screen capture service. The value is the message of `captureFailed`.
class ScreenCaptureError : public CaseError<ScreenCaptureError, ScreenCaptureErrorKind> {
public:
    using CaseError::CaseError;
    static ErrorText textOf(ScreenCaptureErrorKind kind);
    // The desktop's portal offers no screenshots: names what to install on this desktop.
    static ScreenCaptureError portalMissing();

    // Same case and, for `captureFailed`, the same message.
    bool operator==(const ScreenCaptureError &other) const;
};

} // namespace quorvane
