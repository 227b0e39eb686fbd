// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 display list on a real X server.
#include "platform/x11_display_list.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace quorvane;

namespace {

// The RandR output id named `name`, read straight from the server; 0 when none.
quint32 randrOutputNamed(const QString &name)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    quint32 found = 0;
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    auto *resources = xcb_randr_get_screen_resources_current_reply(
        c, xcb_randr_get_screen_resources_current(c, root->root), nullptr);
    if (resources) {
        const xcb_randr_output_t *outputs = xcb_randr_get_screen_resources_current_outputs(resources);
        for (int i = 0; i < xcb_randr_get_screen_resources_current_outputs_length(resources); ++i) {
            auto *info = xcb_randr_get_output_info_reply(
                c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr);
            if (info && QString::fromUtf8(reinterpret_cast<const char *>(xcb_randr_get_output_info_name(info)),
                                          xcb_randr_get_output_info_name_length(info)) == name)
                found = outputs[i];
            std::free(info);
        }
        std::free(resources);
    }
    xcb_disconnect(c);
    return found;
}

TEST(X11DisplayList, MonitorIsIdentifiedByItsRandrOutputAndReportsItsBounds)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const quint32 output = randrOutputNamed(screen->name());
    ASSERT_NE(output, 0u) << "the X server offers no RandR output named " << screen->name().toStdString();

    X11DisplayList displays;
    const QList<DisplayInfo> active = displays.activeDisplays();
    ASSERT_EQ(active.size(), QGuiApplication::screens().size());
    EXPECT_EQ(active.first(), (DisplayInfo{output, screen->geometry(), screen->devicePixelRatio(),
                                           screen->availableGeometry()}));
    EXPECT_EQ(displays.mainDisplayId(), output);
    // Another list of the same desktop names the monitor alike.
    EXPECT_EQ(X11DisplayList().mainDisplayId(), output);
}

TEST(X11DisplayList, GrabKeepsToTheMonitor)
{
    X11DisplayList displays;
    const quint32 id = displays.mainDisplayId();
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();

    const QImage corner = displays.grab(id, QRect(size.width() - 20, size.height() - 10, 50, 50));
    EXPECT_EQ(corner.size(), QSize(20, 10));
    EXPECT_TRUE(displays.grab(id, QRect(size.width() + 10, 0, 10, 10)).isNull());
    EXPECT_TRUE(displays.grab(id ^ 0x5a5a5a5a, QRect(0, 0, 10, 10)).isNull());
}

} // namespace
