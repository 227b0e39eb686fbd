// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>

namespace quorvane {

// Whether this program may read the screen, and asking for it.
class ScreenRecordingPermission {
public:
    virtual ~ScreenRecordingPermission() = default;

    // The last known state of the grant; asks nothing.
    virtual bool hasScreenRecordingPermission() const = 0;
    // Asks for the grant when it is missing; true when it is there afterwards. Fails with
    // ScreenCaptureError (`portalMissing`) where no grant could help.
    virtual QFuture<bool> requestScreenRecordingPermission() = 0;
};

} // namespace quorvane
