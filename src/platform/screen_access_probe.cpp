#include "platform/screen_access_probe.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace quorvane {

bool ScreenAccessProbe::canReadScreen()
{
    // Without an X connection (Wayland, offscreen) nothing here can read the screen.
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return false;
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const xcb_screen_iterator_t roots = xcb_setup_roots_iterator(setup);
    if (!roots.rem)
        return false;
    const xcb_get_image_cookie_t cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, roots.data->root, 0, 0, 1, 1, ~0u);
    xcb_generic_error_t *error = nullptr;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, &error);
    const bool readable = reply && !error && xcb_get_image_data_length(reply) > 0;
    std::free(reply);
    std::free(error);
    return readable;
}

} // namespace quorvane
