// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 facilities on a platform without an X connection (this binary runs offscreen):
// each must stand down rather than reach for a connection that is not there.
#include "platform/global_key_grabber.h"
#include "platform/screen_access_probe.h"
#include "platform/x11_connection.h"
#include "platform/x11_display_list.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using namespace quorvane;

TEST(X11WithoutServer, FacilitiesReportNothingInsteadOfCrashing)
{
    ASSERT_NE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    EXPECT_EQ(x11Connection(), nullptr);
    EXPECT_EQ(x11FirstScreen(nullptr), nullptr);
    EXPECT_FALSE(ScreenAccessProbe().canReadScreen());
    EXPECT_FALSE(createGlobalKeyGrabber(nullptr)->canGrab());
}

TEST(X11WithoutServer, MonitorsKeepNonZeroIdsThatAgreeAcrossLists)
{
    X11DisplayList displays;
    const QList<DisplayInfo> active = displays.activeDisplays();
    ASSERT_EQ(active.size(), QGuiApplication::screens().size());
    for (const DisplayInfo &display : active)
        EXPECT_NE(display.id, 0u);
    EXPECT_EQ(active.first().id, displays.mainDisplayId());
    EXPECT_EQ(active.first().availableGeometry, QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(X11DisplayList().activeDisplays(), active);
    EXPECT_EQ(displays.display(displays.mainDisplayId()), active.first());
    EXPECT_EQ(displays.display(active.first().id ^ 0x5a5a5a5a), std::nullopt);
}
