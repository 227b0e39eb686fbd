// Runs the real program: one copy per display, and a clean exit on SIGTERM.
#include "support/event_loop.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString programPath()
{
    return QStringLiteral(QUORVANE_BINARY_DIR) + QStringLiteral("/src/app/quorvane");
}

// The program with its own runtime and configuration folders.
std::unique_ptr<QProcess> startProgram(const QString &home)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home + "/runtime");
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_STATE_HOME", home + "/state");
    env.insert("XDG_CACHE_HOME", home + "/cache");
    // Its progress lines are informational, and those are off unless asked for.
    env.insert("QT_LOGGING_RULES", "quorvane.*.info=true");
    process->setProcessEnvironment(env);
    process->start(programPath(), {});
    return process;
}

} // namespace

TEST(ProgramLifecycleTest, SecondCopyExitsWithAMessageAndTermEndsTheFirstCleanly)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath("runtime")));
    QFile::setPermissions(home.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    auto first = startProgram(home.path());
    ASSERT_TRUE(first->waitForStarted());
    QByteArray output;
    ASSERT_TRUE(quorvane::test::waitUntil([&] {
        output += first->readAllStandardError();
        return output.contains("Quorvane started");
    }, 10000)) << output.constData();
    // It holds its lock in its own runtime folder.
    EXPECT_FALSE(QDir(home.filePath("runtime")).entryList({"quorvane-*.lock"}, QDir::Files).isEmpty());

    auto second = startProgram(home.path());
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(second->readAllStandardError().contains("already running"));
    EXPECT_EQ(first->state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
}
