// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"

#include "support/event_loop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    ASSERT_EQ(first->tryAcquire(), SingleInstanceGuard::Result::acquired);

    SingleInstanceGuard second(path);
    EXPECT_EQ(second.tryAcquire(), SingleInstanceGuard::Result::heldByAnother);
    EXPECT_EQ(second.ownerProcessId(), QCoreApplication::applicationPid());

    first.reset();
    EXPECT_EQ(second.tryAcquire(), SingleInstanceGuard::Result::acquired);
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
    EXPECT_EQ(guard.tryAcquire(), SingleInstanceGuard::Result::acquired);
}

TEST(SingleInstanceGuardTest, LockIsKeyedOnTheXServerNotTheScreen)
{
    const QString local = SingleInstanceGuard::lockFileName(":91");
    EXPECT_EQ(SingleInstanceGuard::lockFileName(":91.0"), local);
    EXPECT_EQ(SingleInstanceGuard::lockFileName(":91.1"), local);
    EXPECT_EQ(SingleInstanceGuard::lockFileName("unix:91.0"), local);
    EXPECT_NE(SingleInstanceGuard::lockFileName(":9"), local);
    EXPECT_NE(SingleInstanceGuard::lockFileName(":910"), local);
    EXPECT_NE(SingleInstanceGuard::lockFileName("otherhost:91"), local);
    EXPECT_EQ(SingleInstanceGuard::lockFileName("otherhost:91.0"), SingleInstanceGuard::lockFileName("otherhost:91"));
}

// The environment of one test, put back afterwards.
struct SessionEnvironment {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray display = qgetenv("DISPLAY");
    ~SessionEnvironment()
    {
        for (auto [name, value] : {std::pair{"XDG_RUNTIME_DIR", runtime}, {"WAYLAND_DISPLAY", wayland}, {"DISPLAY", display}}) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
};

TEST(SingleInstanceGuardTest, WithoutARuntimeFolderTheLockLiesInAPrivateFolderOfTheUsersOwn)
{
    SessionEnvironment restore;
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":91.0");
    const QString path = SingleInstanceGuard::defaultLockPath();
    EXPECT_EQ(path, qEnvironmentVariable("XDG_CACHE_HOME") + "/Quorvane/" + SingleInstanceGuard::lockFileName(":91"));

    SingleInstanceGuard guard;
    ASSERT_EQ(guard.tryAcquire(), SingleInstanceGuard::Result::acquired);
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(QFileInfo(QFileInfo(path).absolutePath()).permissions() & others);
}

TEST(SingleInstanceGuardTest, AFolderOthersMayWriteToIsRefused)
{
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared");
    ASSERT_TRUE(QDir().mkpath(shared));
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(shared, ownerOnly | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    SingleInstanceGuard guard(shared + "/quorvane-x11-local-91.lock");
    EXPECT_EQ(guard.tryAcquire(), SingleInstanceGuard::Result::unsafeFolder);
    EXPECT_FALSE(QFile::exists(guard.lockPath()));

    QFile::setPermissions(shared, ownerOnly | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup);
    EXPECT_EQ(guard.tryAcquire(), SingleInstanceGuard::Result::unsafeFolder);
    // The temporary folder everyone shares belongs to root and is open to all.
    EXPECT_TRUE(SingleInstanceGuard::folderProblem(QStringLiteral("/tmp")).has_value());

    QFile::setPermissions(shared, ownerOnly);
    EXPECT_EQ(guard.tryAcquire(), SingleInstanceGuard::Result::acquired);
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
