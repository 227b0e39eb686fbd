// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "platform/xcb_reply.h"

#include <xcb/xcb.h>

namespace quorvane {

xcb_connection_t *x11Connection()
{
    // Under other platforms Qt may still answer for the X11 interface, without a
    // connection behind it: ask only where the platform is xcb.
    if (!qApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    return connection && !xcb_connection_has_error(connection) ? connection : nullptr;
}

const xcb_screen_t *x11FirstScreen(xcb_connection_t *connection)
{
    if (!connection)
        return nullptr;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data : nullptr;
}

bool x11CompositingActive(xcb_connection_t *connection)
{
    if (!connection)
        return false;
    static const char name[] = "_NET_WM_CM_S0";
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr));
    if (!atom)
        return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace quorvane
