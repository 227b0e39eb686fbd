// SPDX-License-Identifier: GPL-3.0-or-later
// The wait after the program's windows are taken off a Wayland screen.
#include "platform/wayland_screen_redraws.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvane;

// Requests queued now leave for the compositor when the event loop next waits: the wait
// ends a settling time after that, not at once, and not only at its bound.
TEST(WaylandScreenRedrawsTest, EndsWhenTheEventLoopHasSentWhatWasQueued)
{
    WaylandScreenRedraws redraws;
    QElapsedTimer clock;
    clock.start();
    QFuture<void> redrawn = redraws.whenRedrawn(QRegion(0, 0, 10, 10), std::chrono::hours(1));
    EXPECT_FALSE(redrawn.isFinished());
    // A running loop, as the program's: one that waits when it has nothing to do.
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(redrawn);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(redrawn.isFinished());
    EXPECT_GE(clock.elapsed(), WaylandScreenRedraws::settle.count());
}
