// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QRect>

#include <memory>
#include <optional>

class QScreen;

namespace quorvane {

// One active monitor. Every part of the program (captures, the selection overlay,
// toasts) numbers monitors through a DisplayList, so an id recorded by one names the
// same monitor for the others.
struct DisplayInfo {
    // Stable 32-bit identifier; never 0.
    quint32 id = 0;
    // Bounds in Qt's global logical coordinates (points, origin top left).
    QRect bounds;
    // Device pixels per point.
    qreal scale = 1.0;
    // The part of `bounds` not covered by panels and docks, where windows are placed.
    QRect availableGeometry;

    bool operator==(const DisplayInfo &) const = default;
};

// The active monitors and the pixels they show. Main thread only.
class DisplayList {
public:
    virtual ~DisplayList() = default;

    // Every active monitor, the primary one first.
    virtual QList<DisplayInfo> activeDisplays() const = 0;
    // Identifier of the primary monitor; 0 when there is no monitor at all.
    virtual quint32 mainDisplayId() const = 0;
    // Pixels of `rect` (points, relative to the monitor's top left) at the monitor's full
    // resolution, with the image's device pixel ratio set to its scale; a null image when
    // the monitor is gone or its pixels cannot be read.
    virtual QImage grab(quint32 displayId, const QRect &rect) const = 0;
    // Brings what grab() reads up to date with the screen. Ready at once where grab()
    // reads the screen itself; where it cuts from a picture taken through the desktop
    // portal, takes a new one and fails with PortalError when the portal gives none.
    virtual QFuture<void> refresh();

    // The active monitor numbered `displayId`, if there is one.
    std::optional<DisplayInfo> display(quint32 displayId) const;

    // The monitors of the running desktop.
    static std::unique_ptr<DisplayList> create();

    // An id for `screen` made from its output's name, maker, model and serial: as stable
    // as those are, and never 0. The one scheme wherever the desktop gives no id of its own.
    static quint32 idFromOutput(const QScreen &screen);
};

} // namespace quorvane
