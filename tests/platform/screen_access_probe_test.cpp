// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_access_probe.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace quorvane;

TEST(ScreenAccessProbeTest, ReadsARootPixelOnAnXServer)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server";
    ScreenAccessProbe probe;
    EXPECT_TRUE(probe.canReadScreen());
}
