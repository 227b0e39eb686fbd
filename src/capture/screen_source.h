// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capture_result.h"
#include "capture/captured_region.h"

#include <QFuture>
#include <QImage>
#include <QRectF>

#include <optional>

namespace quorvane {

// Where a capture's pixels come from: the user's selection, or the last selected region
// read again. Failures arrive as ScreenCaptureError.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;

    // Lets the user select a region and returns its pixels; remembers the region.
    virtual QFuture<CaptureResult> showCaptureOverlay() = 0;
    // The pixels of `rect` (points) on monitor `displayID`, or on the main monitor.
    virtual QFuture<QImage> captureRegion(const QRectF &rect, std::optional<quint32> displayID) = 0;
    // The region of the last successful selection; none before the first.
    virtual std::optional<CapturedRegion> lastCapturedRegion() const = 0;
    // Forgets that region, so the next repeat needs a new selection.
    virtual void clearLastCapturedRegion() = 0;
};

} // namespace quorvane
