// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/taskbar_presence.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace quorvane {

namespace {

class NoTaskbarPresence : public TaskbarPresence {
public:
    void setListed(QWindow *, bool) override {}
};

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

} // namespace

std::unique_ptr<TaskbarPresence> TaskbarPresence::create()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return std::make_unique<X11TaskbarPresence>();
    return std::make_unique<NoTaskbarPresence>();
}

void X11TaskbarPresence::setListed(QWindow *window, bool listed)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!window || !x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return;

    // A mapped window's state is changed by asking the window manager (EWMH "_NET_WM_STATE").
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window->winId());
    event.type = atom(connection, "_NET_WM_STATE");
    event.data.data32[0] = listed ? 0 : 1; // remove : add
    event.data.data32[1] = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    event.data.data32[2] = atom(connection, "_NET_WM_STATE_SKIP_PAGER");
    event.data.data32[3] = 1; // the request comes from an ordinary application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

} // namespace quorvane
