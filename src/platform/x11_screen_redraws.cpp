// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_screen_redraws.h"

#include "platform/log_categories.h"
#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPromise>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <optional>
#include <vector>

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

// Sequence numbers wrap at 16 bits: "at or after" is a small forward distance.
bool atOrAfter(quint16 sequence, quint16 mark)
{
    return qint16(quint16(sequence - mark)) >= 0;
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
    // Each report carries the sequence number of the last request of this connection the
    // server had handled when the drawing happened. The program's own changes are made
    // while the server serves no one else, so reports before this number are the server's
    // doing for them (its fills), and the rest are drawings.
    std::optional<quint16> drawingsFrom;
    QRegion undrawn;
    // What the server filled with a window's background for the program's changes. Its
    // owner draws what it shows over that background (a terminal its text, not the blank
    // ends of its lines), so such parts count once the owner has drawn over them.
    QRegion filled;
    bool drawnOverFill = false;
    // Set while an echo is on its way: the owners have drawn enough, and a drawing before
    // it comes back means they are still at it.
    std::optional<quint16> echo;
    bool drawnSinceEcho = false;
    QPromise<void> promise;
};

X11ScreenRedraws::X11ScreenRedraws(QObject *parent)
    : QObject(parent)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = x11FirstScreen(connection);
    if (!screen)
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
    static const char echoName[] = "_QUORVANE_REDRAW_ECHO";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof echoName - 1, echoName), nullptr));
    if (!atom)
        return;
    m_connection = connection;
    m_notifyEvent = quint8(extension->first_event + XCB_DAMAGE_NOTIFY);
    m_echoAtom = atom->atom;
    m_echoWindow = xcb_generate_id(connection);
    const uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, m_echoWindow, screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11ScreenRedraws::~X11ScreenRedraws()
{
    while (!m_watches.empty())
        finish(*m_watches.front());
    if (m_connection) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        xcb_destroy_window(m_connection, m_echoWindow);
        xcb_flush(m_connection);
    }
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
                                   << (pending->undrawn - pending->filled).boundingRect()
                                   << "filled:" << pending->filled.boundingRect()
                                   << "drawn over:" << pending->drawnOverFill;
                ++m_waitsRunOut;
                finish(*pending);
                return;
            }
        }
    });
    return future;
}

void X11ScreenRedraws::makeOwnChanges(const std::function<void()> &changes)
{
    if (!m_connection || m_watches.empty()) {
        changes();
        return;
    }
    // Held, the server handles no other program's requests: no window owner or compositor
    // draws between the changes and the mark, so the sequence numbers tell the server's
    // fills from drawings exactly. The changes only send requests; none waits for another
    // program.
    quint16 mark = 0;
    {
        xcb_grab_server(m_connection);
        const auto release = qScopeGuard([this, &mark] {
            mark = quint16(xcb_ungrab_server(m_connection).sequence);
            xcb_flush(m_connection);
        });
        changes();
    }
    for (const auto &watch : m_watches) {
        if (!watch->drawingsFrom)
            watch->drawingsFrom = mark;
    }
}

bool X11ScreenRedraws::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || m_watches.empty())
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_PROPERTY_NOTIFY) {
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->window != m_echoWindow)
            return false;
        echoed(notify->sequence);
        return true;
    }
    if (type != m_notifyEvent)
        return false;
    const auto *notify = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
    for (const auto &watch : m_watches) {
        if (watch->damage == notify->damage) {
            drawn(*watch, QRect(notify->area.x, notify->area.y, notify->area.width, notify->area.height),
                  notify->sequence);
            return true;
        }
    }
    return false;
}

void X11ScreenRedraws::drawn(Watch &watch, const QRect &rect, quint16 sequence)
{
    if (!watch.drawingsFrom) {
        if (sequence == watch.createdBy)
            return;
    } else if (!atOrAfter(sequence, *watch.drawingsFrom)) {
        watch.filled += watch.undrawn.intersected(rect);
        return;
    } else if (watch.filled.intersects(rect)) {
        watch.drawnOverFill = true;
    }
    watch.undrawn -= rect;
    watch.drawnSinceEcho = true;
    settleWhenDrawn(watch);
}

void X11ScreenRedraws::settleWhenDrawn(Watch &watch)
{
    if (watch.echo)
        return;
    const QRegion fillLeft = watch.undrawn.intersected(watch.filled);
    if (!watch.undrawn.subtracted(watch.filled).isEmpty() || (!fillLeft.isEmpty() && !watch.drawnOverFill))
        return;
    // An owner sends what it draws for an exposure in one go: once the server has handled
    // a request sent after the drawing seen so far without reporting more, it is done.
    const quint32 value = quint32(watch.serial);
    watch.echo = quint16(xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_echoWindow, m_echoAtom,
                                             XCB_ATOM_CARDINAL, 32, 1, &value)
                             .sequence);
    watch.drawnSinceEcho = false;
    xcb_flush(m_connection);
}

void X11ScreenRedraws::echoed(quint16 sequence)
{
    std::vector<Watch *> done;
    for (const auto &watch : m_watches) {
        if (!watch->echo || !atOrAfter(sequence, *watch->echo))
            continue;
        watch->echo.reset();
        if (watch->drawnSinceEcho)
            settleWhenDrawn(*watch);
        else
            done.push_back(watch.get());
    }
    for (Watch *watch : done)
        finish(*watch);
}

void X11ScreenRedraws::finish(Watch &watch)
{
    xcb_damage_destroy(m_connection, watch.damage);
    xcb_flush(m_connection);
    watch.promise.finish();
    m_watches.remove_if([&watch](const auto &pending) { return pending.get() == &watch; });
}

} // namespace quorvane
