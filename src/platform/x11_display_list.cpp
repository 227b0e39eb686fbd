#include "platform/x11_display_list.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace quorvane {

namespace {

template <typename T>
struct FreeDeleter {
    void operator()(T *p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

quint32 fallbackId(const QScreen *screen)
{
    const QByteArray key = (screen->name() + u'\n' + screen->manufacturer() + u'\n'
                            + screen->model() + u'\n' + screen->serialNumber()).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha1);
    quint32 id = 0;
    std::memcpy(&id, digest.constData(), sizeof id);
    return id == 0 ? 1 : id;
}

} // namespace

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

    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c || xcb_connection_has_error(c))
        return m_outputsByName;
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_randr_id);
    if (!ext || !ext->present)
        return m_outputsByName;

    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(c)); roots.rem;
         xcb_screen_next(&roots)) {
        Reply<xcb_randr_get_screen_resources_current_reply_t> resources(
            xcb_randr_get_screen_resources_current_reply(
                c, xcb_randr_get_screen_resources_current(c, roots.data->root), nullptr));
        if (!resources)
            continue;
        const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
        const xcb_randr_output_t *outputs =
            xcb_randr_get_screen_resources_current_outputs(resources.get());
        for (int i = 0; i < count; ++i) {
            Reply<xcb_randr_get_output_info_reply_t> info(xcb_randr_get_output_info_reply(
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
    return it != outputs.constEnd() ? it.value() : fallbackId(screen);
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
        displays.append({idOf(screen), screen->geometry(), screen->devicePixelRatio()});
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
    // With window 0 the offset is relative to this screen and in logical pixels; Qt
    // returns device pixels and sets the ratio.
    const QPixmap pixmap = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return pixmap.toImage();
}

} // namespace quorvane
