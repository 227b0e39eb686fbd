// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_display_list.h"

#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <xcb/randr.h>
#include <xcb/xcb.h>


namespace quorvane {

std::unique_ptr<DisplayList> DisplayList::create()
{
    return std::make_unique<X11DisplayList>();
}

X11DisplayList::X11DisplayList(QObject *parent)
    : QObject(parent)
{
    // Outputs come and go with monitors; read them again after any change.
    auto forget = [this] { m_outputsRead = false; };
    connect(qGuiApp, &QGuiApplication::screenAdded, this, forget);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, forget);
}

QHash<QString, quint32> X11DisplayList::randrOutputs() const
{
    if (m_outputsRead)
        return m_outputsByName;
    m_outputsRead = true;
    m_outputsByName.clear();

    xcb_connection_t *c = x11Connection();
    if (!c)
        return m_outputsByName;
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_randr_id);
    if (!ext || !ext->present)
        return m_outputsByName;

    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(c)); roots.rem;
         xcb_screen_next(&roots)) {
        XcbReply<xcb_randr_get_screen_resources_current_reply_t> resources(
            xcb_randr_get_screen_resources_current_reply(
                c, xcb_randr_get_screen_resources_current(c, roots.data->root), nullptr));
        if (!resources)
            continue;
        const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
        const xcb_randr_output_t *outputs =
            xcb_randr_get_screen_resources_current_outputs(resources.get());
        for (int i = 0; i < count; ++i) {
            XcbReply<xcb_randr_get_output_info_reply_t> info(xcb_randr_get_output_info_reply(
                c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp),
                nullptr));
            if (!info)
                continue;
            const QString name = QString::fromUtf8(
                reinterpret_cast<const char *>(xcb_randr_get_output_info_name(info.get())),
                xcb_randr_get_output_info_name_length(info.get()));
            if (!m_outputsByName.contains(name) && outputs[i] != 0)
                m_outputsByName.insert(name, outputs[i]);
        }
    }
    return m_outputsByName;
}

quint32 X11DisplayList::idOf(QScreen *screen) const
{
    // Qt names an X screen after its RandR output.
    const auto outputs = randrOutputs();
    const auto it = outputs.constFind(screen->name());
    return it != outputs.constEnd() ? it.value() : idFromOutput(*screen);
}

QScreen *X11DisplayList::screenOf(quint32 displayId) const
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (idOf(screen) == displayId)
            return screen;
    }
    return nullptr;
}

QList<DisplayInfo> X11DisplayList::activeDisplays() const
{
    QList<DisplayInfo> displays;
    for (QScreen *screen : QGuiApplication::screens())
        displays.append({idOf(screen), screen->geometry(), screen->devicePixelRatio(),
                         screen->availableGeometry()});
    return displays;
}

quint32 X11DisplayList::mainDisplayId() const
{
    QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? idOf(primary) : 0;
}

QImage X11DisplayList::grab(quint32 displayId, const QRect &rect) const
{
    QScreen *screen = screenOf(displayId);
    if (!screen)
        return {};
    // The part of the rectangle that lies outside the monitor has no pixels to read.
    const QRect area = rect.intersected(QRect(QPoint(0, 0), screen->geometry().size()));
    if (area.isEmpty())
        return {};
    QImage image = grabFromRoot(screen, area);
    if (!image.isNull())
        return image;
    // With window 0 the offset is relative to this screen and in logical pixels; Qt
    // returns device pixels and sets the ratio.
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

QImage X11DisplayList::grabFromRoot(QScreen *screen, const QRect &area) const
{
    // One GetImage of the root window, handed to QImage without a copy: about half the
    // time of QScreen::grabWindow for a 4K monitor. Only for the common layout (one X
    // screen, 24-bit true colour in 32-bit pixels, little-endian); anything else is left
    // to Qt.
    xcb_connection_t *c = x11Connection();
    if (!c)
        return {};
    const xcb_setup_t *setup = xcb_get_setup(c);
    const xcb_screen_iterator_t roots = xcb_setup_roots_iterator(setup);
    if (roots.rem != 1 || roots.data->root_depth != 24
        || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return {};
    bool thirtyTwoBitPixels = false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats)) {
        if (formats.data->depth == 24)
            thirtyTwoBitPixels = formats.data->bits_per_pixel == 32 && formats.data->scanline_pad == 32;
    }
    const xcb_visualtype_t *visual = nullptr;
    for (auto depths = xcb_screen_allowed_depths_iterator(roots.data); depths.rem && !visual;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == roots.data->root_visual) {
                visual = visuals.data;
                break;
            }
        }
    }
    if (!thirtyTwoBitPixels || !visual || visual->red_mask != 0xff0000 || visual->green_mask != 0xff00
        || visual->blue_mask != 0xff)
        return {};

    // Qt keeps a monitor's native origin and scales its size: device pixels are counted
    // from that origin.
    const qreal ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const QRect native(origin + (QPointF(area.topLeft()) * ratio).toPoint(),
                       (QSizeF(area.size()) * ratio).toSize());
    XcbReply<xcb_get_image_reply_t> reply(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, roots.data->root, qint16(native.x()),
                      qint16(native.y()), quint16(native.width()), quint16(native.height()), ~0u),
        nullptr));
    if (!reply)
        return {};
    const qsizetype bytes = qsizetype(native.width()) * native.height() * 4;
    if (reply->depth != 24 || xcb_get_image_data_length(reply.get()) < bytes)
        return {};
    auto *pixels = reinterpret_cast<quint32 *>(xcb_get_image_data(reply.get()));
    // The server leaves the unused top byte at 0; QImage's RGB32 wants it at 0xff.
    for (qsizetype i = 0, n = bytes / 4; i < n; ++i)
        pixels[i] |= 0xff000000u;
    QImage image(reinterpret_cast<uchar *>(pixels), native.width(), native.height(),
                 native.width() * 4, QImage::Format_RGB32,
                 [](void *r) { XcbFree()(r); }, reply.release());
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace quorvane
