#include "platform/screen_access_probe.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace quorvane {

bool ScreenAccessProbe::canReadScreen()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    auto *x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return false;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screens.rem <= 0)
        return false;
    xcb_get_image_reply_t *pixel = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screens.data->root, 0, 0, 1, 1, ~0u),
        nullptr);
    const bool read = pixel && xcb_get_image_data_length(pixel) > 0;
    std::free(pixel);
    return read;
}

} // namespace quorvane
