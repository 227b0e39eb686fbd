#include "platform/screen_access_probe.h"

#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <xcb/xcb.h>

namespace quorvane {

bool ScreenAccessProbe::canReadScreen()
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = x11FirstScreen(connection);
    if (!screen)
        return false;
    const XcbReply<xcb_get_image_reply_t> pixel(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, 1, 1, ~0u),
        nullptr));
    return pixel && xcb_get_image_data_length(pixel.get()) > 0;
}

} // namespace quorvane
