// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_access_probe.h"

#include "platform/x11_connection.h"
#include "platform/log_categories.h"
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

namespace quorvane {

PortalScreenAccessProbe::PortalScreenAccessProbe(QDBusConnection bus) : m_portal(std::move(bus)) {}

bool PortalScreenAccessProbe::canReadScreen()
{
    const std::optional<uint> version = m_portal.version(PortalInterfaces::screenshot);
    if (!m_asked || m_logged != version) {
        m_asked = true;
        m_logged = version;
        if (version)
            qCInfo(lcPermissions) << "The desktop portal offers screenshots, version" << *version;
        else
            qCWarning(lcPermissions).noquote()
                << "The desktop portal offers no screenshots; install"
                << screenshotPortalPackages(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    }
    return version.has_value();
}

} // namespace quorvane
