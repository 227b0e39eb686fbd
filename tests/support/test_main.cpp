// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every test of one binary inside a QApplication, in an environment of its own: the
// user's folders point at a temporary directory so no test reads or writes the real
// configuration, and nothing of the desktop the tests happen to be started from (its
// locale, fonts, theme, session type) changes what they see.
#include "platform/interface_translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void isolateEnvironment(const QString &home)
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const QString path = home + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(name, path.toUtf8());
    }
    qputenv("HOME", home.toUtf8());
    qputenv("QUORVANE_TEST_HOME", home.toUtf8());
    // A test binary that a test starts again as a child inherits a clean environment with
    // the test's deliberate changes (a scale factor, a locale): keep those.
    if (qEnvironmentVariableIsSet("QUORVANE_TEST_ISOLATED"))
        return;
    qputenv("QUORVANE_TEST_ISOLATED", "1");
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    qputenv("XDG_CONFIG_DIRS", "/etc/xdg");

    // One locale whatever the machine's: tests that need another set it themselves.
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    qunsetenv("LANGUAGE");

    // Only the fonts the project installs, matched the same way on every machine.
    qputenv("FONTCONFIG_FILE", QUORVANE_TEST_FONTS_CONF);

    // An X session of no particular desktop, at scale 1, in Qt's own style.
    for (const char *name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP",
                             "DESKTOP_SESSION", "GNOME_DESKTOP_SESSION_ID", "KDE_FULL_SESSION",
                             "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
                             "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI", "QT_LOGGING_RULES",
                             "QT_ACCESSIBILITY"}) {
        qunsetenv(name);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    isolateEnvironment(home.path());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quorvane::InterfaceTranslations::installEnglish();
    return RUN_ALL_TESTS();
}
