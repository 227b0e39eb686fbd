// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display_list.h"
#include "platform/portal_screenshot.h"

#include <QObject>

namespace quorvane {

// Monitors of a Wayland session, where a window may not read the screen: they are listed
// from Qt's screens (ids from each output's name, maker, model and serial) and their
// pixels cut from the last picture of the whole desktop the portal gave. refresh() takes a
// new one; until the first, grab() has nothing to give.
class WaylandDisplayList : public QObject, public DisplayList {
    Q_OBJECT
public:
    explicit WaylandDisplayList(PortalScreenshot portal, QObject *parent = nullptr);

    QList<DisplayInfo> activeDisplays() const override;
    quint32 mainDisplayId() const override;
    // Cut from the picture of the last refresh(), scaled to the monitor's scale where the
    // portal's picture has another; null before the first picture or off the monitor.
    QImage grab(quint32 displayId, const QRect &rect) const override;
    QFuture<void> refresh() override;

private:
    PortalScreenshot m_portal;
    // The whole desktop, its top left at the top left of the monitors' bounding box.
    QImage m_desktop;
};

} // namespace quorvane
