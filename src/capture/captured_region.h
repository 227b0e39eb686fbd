// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QRectF>

namespace quorvane {

// The place of the last successful selection, so a repeat capture can take it again.
struct CapturedRegion {
    // In points, relative to the monitor's top left.
    QRectF rect;
    quint32 displayID = 0;
    // The monitor's pixels per point at the selection.
    double scaleFactor = 1.0;

    bool operator==(const CapturedRegion &) const = default;
};

// Bounds of every active monitor (global points) by monitor id.
using DisplayConfiguration = QMap<quint32, QRectF>;

} // namespace quorvane
