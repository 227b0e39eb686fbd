#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

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

} // namespace quorvane
