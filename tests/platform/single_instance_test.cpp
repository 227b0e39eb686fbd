#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"

#include "support/event_loop.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace quorvane;

TEST(SingleInstanceGuardTest, SecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quorvane-test.lock");
    auto first = std::make_unique<SingleInstanceGuard>(path);
    ASSERT_TRUE(first->tryAcquire());

    SingleInstanceGuard second(path);
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_EQ(second.ownerProcessId(), QCoreApplication::applicationPid());

    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(SingleInstanceGuardTest, LockLeftByACrashedCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quorvane-test.lock");
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        // A process id that no running process has, on this machine.
        stale.write(QByteArray("2147483000\n") + QCoreApplication::applicationName().toUtf8() + "\n"
                    + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    SingleInstanceGuard guard(path);
    EXPECT_TRUE(guard.tryAcquire());
}

TEST(SingleInstanceGuardTest, DefaultLockIsPerDisplayInTheRuntimeFolder)
{
    QTemporaryDir runtime;
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":7.0");
    EXPECT_EQ(SingleInstanceGuard::defaultLockPath(), runtime.path() + "/quorvane-_7.0.lock");
    qputenv("DISPLAY", display);
    if (!wayland.isEmpty())
        qputenv("WAYLAND_DISPLAY", wayland);
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

TEST(TerminationSignalsTest, TermAndIntArriveAsQtSignalsOnTheMainThread)
{
    TerminationSignals signals_;
    ASSERT_TRUE(signals_.isInstalled());
    QSignalSpy spy(&signals_, &TerminationSignals::terminationRequested);
    std::raise(SIGTERM);
    std::raise(SIGINT);
    ASSERT_TRUE(test::waitUntil([&] { return spy.size() == 2; }));
    EXPECT_EQ(spy.at(0).at(0).toInt(), SIGTERM);
    EXPECT_EQ(spy.at(1).at(0).toInt(), SIGINT);
}
