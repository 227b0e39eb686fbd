// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland_display_list.h"

#include "core/future_outcome.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace quorvane {

WaylandDisplayList::WaylandDisplayList(PortalScreenshot portal, QObject *parent)
    : QObject(parent)
    , m_portal(std::move(portal))
{
}

QList<DisplayInfo> WaylandDisplayList::activeDisplays() const
{
    QList<DisplayInfo> displays;
    for (QScreen *screen : QGuiApplication::screens())
        displays.append({idFromOutput(*screen), screen->geometry(), screen->devicePixelRatio(),
                         screen->availableGeometry()});
    return displays;
}

quint32 WaylandDisplayList::mainDisplayId() const
{
    QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? idFromOutput(*primary) : 0;
}

QImage WaylandDisplayList::grab(quint32 displayId, const QRect &rect) const
{
    if (m_desktop.isNull())
        return {};
    const QList<DisplayInfo> displays = activeDisplays();
    QRect desktop;
    for (const DisplayInfo &d : displays)
        desktop |= d.bounds;
    const std::optional<DisplayInfo> target = display(displayId);
    if (!target || desktop.isEmpty())
        return {};
    const QRect area = rect.intersected(QRect(QPoint(0, 0), target->bounds.size()));
    if (area.isEmpty())
        return {};
    // The portal gives one picture of the bounding box of all monitors at its own
    // resolution (the wlroots, GNOME and KDE backends alike); the logical layout, stretched
    // to that picture, says where each lies. A picture of another shape cannot be placed.
    const qreal pictureScale = qreal(m_desktop.width()) / desktop.width();
    if (std::abs(m_desktop.height() - desktop.height() * pictureScale) > pictureScale + 1)
        return {};
    const QRectF inPicture(QPointF(target->bounds.topLeft() - desktop.topLeft() + area.topLeft()) * pictureScale,
                           QSizeF(area.size()) * pictureScale);
    QImage image = m_desktop.copy(inPicture.toAlignedRect());
    const QSize wanted = (QSizeF(area.size()) * target->scale).toSize();
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(target->scale);
    return image;
}

QFuture<void> WaylandDisplayList::refresh()
{
    return finishedOnThreadOf(this, m_portal.take()).then(this, [this](const QImage &picture) { m_desktop = picture; });
}

} // namespace quorvane
