// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_access_probe.h"

#include "platform/x11_connection.h"
#include "platform/log_categories.h"
#include "platform/xcb_reply.h"

#include <QTimer>

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
    return ask(2000);
}

bool PortalScreenAccessProbe::canReadScreenForCapture()
{
    // The local event loop the question turns lets this timer fire while it waits.
    QTimer notice;
    notice.setSingleShot(true);
    bool noticed = false;
    QObject::connect(&notice, &QTimer::timeout, [this, &noticed] {
        noticed = true;
        if (m_waitNotice)
            m_waitNotice(true);
    });
    notice.start(kWaitNoticeAfterMs);
    const bool offered = ask(kCapturePatienceMs);
    notice.stop();
    if (noticed && m_waitNotice)
        m_waitNotice(false);
    return offered;
}

bool PortalScreenAccessProbe::ask(int timeoutMs)
{
    const std::optional<uint> version = m_portal.version(PortalInterfaces::screenshot, timeoutMs, &m_silent);
    if (m_silent) {
        qCWarning(lcPermissions) << "The desktop portal did not answer within" << timeoutMs << "ms";
        return false;
    }
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
