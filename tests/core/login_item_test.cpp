// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg_autostart_login_item.h"
#include "support/child_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;
using Status = LoginItem::Status;

namespace {

// Points XDG_CONFIG_HOME at a fresh folder for one test and puts the old value back.
class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous); }

    QString entryPath() const { return configHome.path() + "/autostart/com.corvantis.Quorvane.desktop"; }
    QString formerEntryPath() const { return configHome.path() + "/autostart/quorvane.desktop"; }

    void writeEntry(const QByteArray &text, const QString &path = {}) const
    {
        ASSERT_TRUE(QDir().mkpath(configHome.path() + "/autostart"));
        QFile file(path.isEmpty() ? entryPath() : path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir configHome;
    QByteArray previous;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(AutostartTest, RegisterCreatesTheUsersEntryAndUnregisterRemovesIt)
{
    EXPECT_EQ(XdgAutostartLoginItem().desktopFilePath(), entryPath());
    XdgAutostartLoginItem item(XdgAutostartLoginItem::standardFilePath(), "/opt/quorvane/bin/quorvane");
    EXPECT_EQ(item.status(), Status::notRegistered);

    item.registerItem();
    EXPECT_EQ(item.status(), Status::enabled);
    const QByteArray text = contents(entryPath());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/quorvane/bin/quorvane\"\n")) << text.constData();

    item.unregisterItem();
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_EQ(item.status(), Status::notRegistered);
    EXPECT_NO_THROW(item.unregisterItem());
}

TEST_F(AutostartTest, EntryOfAnEarlierVersionCountsAndIsReplacedNotDoubled)
{
    writeEntry("[Desktop Entry]\nExec=quorvane\n", formerEntryPath());
    XdgAutostartLoginItem item;
    EXPECT_EQ(item.status(), Status::enabled);

    item.registerItem();
    EXPECT_TRUE(QFile::exists(entryPath()));
    EXPECT_FALSE(QFile::exists(formerEntryPath()));

    writeEntry("[Desktop Entry]\nExec=quorvane\n", formerEntryPath());
    item.unregisterItem();
    EXPECT_FALSE(QFile::exists(entryPath()));
    EXPECT_FALSE(QFile::exists(formerEntryPath()));
    EXPECT_EQ(item.status(), Status::notRegistered);
}

TEST_F(AutostartTest, AnyOlderEntryStartingTheProgramIsReplacedAndOthersAreLeftAlone)
{
    const QString autostart = configHome.path() + "/autostart/";
    writeEntry("[Desktop Entry]\nName=Quorvane\nExec=\"/usr/local/bin/quorvane\" --old\n", autostart + "Quorvane OCR.desktop");
    writeEntry("[Desktop Entry]\nExec=quorvane\n", formerEntryPath());
    writeEntry("[Desktop Entry]\nExec=/usr/bin/quorvane-helper\n", autostart + "helper.desktop");
    writeEntry("[Desktop Entry]\nName=quorvane\nExec=firefox\n", autostart + "browser.desktop");
    XdgAutostartLoginItem item(entryPath(), "/usr/bin/quorvane", formerEntryPath());
    EXPECT_EQ(item.olderEntries().size(), 2);

    item.registerItem();
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files, QDir::Name),
              (QStringList{"browser.desktop", "com.corvantis.Quorvane.desktop", "helper.desktop"}));
    EXPECT_EQ(item.status(), Status::enabled);

    // Switched off, none is left to start it.
    writeEntry("[Desktop Entry]\nExec=/opt/quorvane/quorvane\n", autostart + "manual.desktop");
    EXPECT_EQ(item.status(), Status::enabled);
    item.unregisterItem();
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files, QDir::Name), (QStringList{"browser.desktop", "helper.desktop"}));
    EXPECT_EQ(item.status(), Status::notRegistered);
}

TEST_F(AutostartTest, EntrySwitchedOffByTheDesktopIsNotEnabledUntilRegisteredAgain)
{
    XdgAutostartLoginItem item(entryPath(), "/usr/bin/quorvane");
    writeEntry("[Desktop Entry]\nExec=quorvane\nX-GNOME-Autostart-enabled = false\n");
    EXPECT_EQ(item.status(), Status::notRegistered);
    // The switches count only in the main group.
    writeEntry("[Desktop Entry]\nExec=quorvane\n[Desktop Action other]\nHidden=true\n");
    EXPECT_EQ(item.status(), Status::enabled);

    writeEntry(QByteArray("[Desktop Entry]\nExec=/old/path\nHidden=true\n") + QByteArray(4000, '#'));
    EXPECT_EQ(item.status(), Status::notRegistered);
    item.registerItem();
    EXPECT_EQ(contents(entryPath()), item.desktopEntry()); // nothing of the longer old file is left
    EXPECT_EQ(item.status(), Status::enabled);
}

TEST_F(AutostartTest, ExecutablePathIsQuotedForTheExecLine)
{
    // Spaces, shell characters, a percent sign (field-code marker) and a backslash.
    XdgAutostartLoginItem item(entryPath(), "/home/a b/$x/100%/q\"z\\w");
    const QByteArray text = item.desktopEntry();
    EXPECT_TRUE(text.contains("\nExec=\"/home/a b/\\\\$x/100%%/q\\\\\"z\\\\\\\\w\"\n")) << text.constData();
}

TEST_F(AutostartTest, FailuresAreReportedNotSwallowed)
{
    // A file where the autostart folder should be.
    QFile blocker(configHome.path() + "/autostart");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    XdgAutostartLoginItem blocked(entryPath(), "/usr/bin/quorvane");
    EXPECT_THROW(blocked.registerItem(), LoginItemError);
    EXPECT_EQ(blocked.status(), Status::notRegistered);

    // On a full disk the entry that was there stays whole.
    ASSERT_TRUE(QFile::remove(configHome.path() + "/autostart"));
    writeEntry("[Desktop Entry]\nExec=/usr/bin/quorvane\n");
    XdgAutostartLoginItem full(entryPath(), "/usr/bin/quorvane --with-a-longer-command-line");
    EXPECT_EQ(test::runInChild(
                  [&] {
                      try {
                          full.registerItem();
                      } catch (const LoginItemError &) {
                          return 0;
                      }
                      return 1;
                  },
                  16),
              0);
    EXPECT_EQ(contents(entryPath()), "[Desktop Entry]\nExec=/usr/bin/quorvane\n");

    // A folder that is not empty where the entry should be cannot be removed.
    const QString odd = configHome.path() + "/odd/quorvane.desktop";
    ASSERT_TRUE(QDir().mkpath(odd + "/inside"));
    EXPECT_THROW(XdgAutostartLoginItem(odd, "/usr/bin/quorvane").unregisterItem(), LoginItemError);
}
