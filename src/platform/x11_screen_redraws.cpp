// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_screen_redraws.h"

#include "platform/log_categories.h"
#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPromise>
#include <QScreen>
#include <QTimer>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <optional>

namespace quorvane {

namespace {

// Qt keeps a monitor's native origin and scales its size: the server counts device pixels
// from that origin.
QRegion toDevicePixels(const QRegion &area)
{
    QRegion native;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect bounds = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        for (const QRect &rect : area.intersected(bounds)) {
            const QPointF offset = QPointF(rect.topLeft() - bounds.topLeft()) * ratio;
            native += QRectF(QPointF(bounds.topLeft()) + offset, QSizeF(rect.size()) * ratio).toAlignedRect();
        }
    }
    return native;
}

} // namespace

std::unique_ptr<ScreenRedraws> ScreenRedraws::create()
{
    return std::make_unique<X11ScreenRedraws>();
}

struct X11ScreenRedraws::Watch {
    quint64 serial = 0;
    xcb_damage_damage_t damage = 0;
    // The server reports the whole root as drawn when the watch is made: reports carrying
    // the sequence number of that request are not drawings.
    quint16 createdBy = 0;
    // Reports up to the request sent after the program's own changes are the server's
    // doing for them: each report carries the sequence number of the last request of this
    // connection the server had handled when it drew, and the server handles the
    // changes, fills included, before that request.
    std::optional<quint16> drawingsFrom;
    QRegion undrawn;
    QPromise<void> promise;
};

X11ScreenRedraws::X11ScreenRedraws(QObject *parent)
    : QObject(parent)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!extension || !extension->present)
        return;
    // The extension answers nothing before its version has been asked.
    const XcbReply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    if (!version)
        return;
    m_connection = connection;
    m_notifyEvent = quint8(extension->first_event + XCB_DAMAGE_NOTIFY);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11ScreenRedraws::~X11ScreenRedraws()
{
    while (!m_watches.empty())
        finish(*m_watches.front());
    if (m_connection)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

QFuture<void> X11ScreenRedraws::whenRedrawn(const QRegion &area, std::chrono::milliseconds bound)
{
    const xcb_screen_t *screen = x11FirstScreen(m_connection);
    const QRegion undrawn = toDevicePixels(area);
    if (!screen || undrawn.isEmpty())
        return QtFuture::makeReadyFuture();

    auto &watch = *m_watches.emplace_back(std::make_unique<Watch>());
    watch.serial = ++m_lastSerial;
    watch.undrawn = undrawn;
    watch.damage = xcb_generate_id(m_connection);
    watch.createdBy = quint16(xcb_damage_create(m_connection, watch.damage, screen->root,
                                                XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES)
                                  .sequence);
    xcb_flush(m_connection);
    watch.promise.start();
    QFuture<void> future = watch.promise.future();

    QTimer::singleShot(bound, this, [this, serial = watch.serial] {
        for (const auto &pending : m_watches) {
            if (pending->serial == serial) {
                qCInfo(lcPlatform) << "[ScreenRedraws] part of the screen was not drawn again in time:"
                                   << pending->undrawn.boundingRect();
                finish(*pending);
                return;
            }
        }
    });
    return future;
}

void X11ScreenRedraws::ownChangesRequested()
{
    if (!m_connection || m_watches.empty())
        return;
    // Any request with a sequence number will do; its reply is not needed.
    const unsigned int marker = xcb_get_input_focus(m_connection).sequence;
    xcb_discard_reply(m_connection, marker);
    xcb_flush(m_connection);
    for (const auto &watch : m_watches) {
        if (!watch->drawingsFrom)
            watch->drawingsFrom = quint16(marker);
    }
}

bool X11ScreenRedraws::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || m_watches.empty())
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != m_notifyEvent)
        return false;
    const auto *notify = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
    for (const auto &watch : m_watches) {
        if (watch->damage != notify->damage)
            continue;
        // Sequence numbers wrap at 16 bits: "at or after" is a small forward distance.
        const bool drawnByOwner = watch->drawingsFrom
            ? qint16(quint16(notify->sequence - *watch->drawingsFrom)) >= 0
            : notify->sequence != watch->createdBy;
        if (drawnByOwner) {
            watch->undrawn -= QRect(notify->area.x, notify->area.y, notify->area.width, notify->area.height);
            if (watch->undrawn.isEmpty())
                finish(*watch);
        }
        return true;
    }
    return false;
}

void X11ScreenRedraws::finish(Watch &watch)
{
    xcb_damage_destroy(m_connection, watch.damage);
    xcb_flush(m_connection);
    watch.promise.finish();
    m_watches.remove_if([&watch](const auto &pending) { return pending.get() == &watch; });
}

} // namespace quorvane
