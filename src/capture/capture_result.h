// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>
#include <QRectF>

namespace quorvane {

// What one interactive screen capture yields.
struct CaptureResult {
    // The selected pixels at the monitor's full resolution.
    QImage image;
    // The selection in points, relative to its monitor's top left.
    QRectF rect;
    // The monitor the selection lies on.
    quint32 displayID = 0;
    // When the result was made.
    QDateTime timestamp;
    // Pixels per point of `image` (the monitor's scale).
    double scaleFactor = 1.0;
};

} // namespace quorvane
