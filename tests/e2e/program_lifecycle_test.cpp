// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program: the command line without a display, one copy per session that
// takes commands over the session bus, the notice where no tray shows the icon, and a
// clean exit on SIGTERM.
#include "support/event_loop.h"
#include "support/program_environment.h"

#include "build_config.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <csignal>
#include <cstdlib>
#include <string_view>

namespace {

using quorvane::test::programEnvironment;
using quorvane::test::waitUntil;

const QString busName = QStringLiteral("com.corvantis.Quorvane");

QString programPath()
{
    return QStringLiteral(QUORVANE_BINARY_DIR) + QStringLiteral("/src/app/quorvane");
}

std::unique_ptr<QProcess> startProgram(const QProcessEnvironment &env, const QStringList &arguments = {})
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(programPath(), arguments);
    return process;
}

// Runs one command to its end (the event loop keeps serving meanwhile); its exit code.
int runCommand(const QProcessEnvironment &env, const QStringList &arguments, QByteArray *output = nullptr)
{
    const auto process = startProgram(env, arguments);
    if (!waitUntil([&] { return process->state() == QProcess::NotRunning; }, 15000)) {
        process->kill();
        process->waitForFinished();
        return -1;
    }
    if (output)
        *output = process->readAll();
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

// Whether the process `id` runs; one that ended and waits for a parent to collect it does not.
bool processLives(uint id)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line.at(state) != 'Z';
}

bool programOwnsTheBusName()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(busName).value();
}

struct ShownWindow {
    QString title;
    QRect geometry;
};

xcb_connection_t *xConnection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t rootWindow()
{
    return xcb_setup_roots_iterator(xcb_get_setup(xConnection())).data->root;
}

// The top-level windows the X server shows now (no window manager runs: they are the
// root's children).
QList<ShownWindow> shownWindows()
{
    xcb_connection_t *c = xConnection();
    QList<ShownWindow> shown;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c, xcb_query_tree(c, rootWindow()), nullptr);
    if (!tree)
        return shown;
    const xcb_atom_t utf8Name = [c] {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 12, "_NET_WM_NAME"), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_WM_NAME);
        std::free(reply);
        return atom;
    }();
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (!viewable)
            continue;
        ShownWindow window;
        if (xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr)) {
            window.geometry = QRect(geometry->x, geometry->y, geometry->width, geometry->height);
            std::free(geometry);
        }
        xcb_get_property_reply_t *name = xcb_get_property_reply(
            c, xcb_get_property(c, 0, children[i], utf8Name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        if (name) {
            window.title = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(name)),
                                             xcb_get_property_value_length(name));
            std::free(name);
        }
        shown.append(window);
    }
    std::free(tree);
    return shown;
}

bool showsWindowTitled(const QString &title)
{
    const QList<ShownWindow> windows = shownWindows();
    return std::any_of(windows.begin(), windows.end(), [&](const ShownWindow &w) { return w.title.contains(title); });
}

// The selection overlay: a window over the whole screen.
bool showsOverlay()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QList<ShownWindow> windows = shownWindows();
    return std::any_of(windows.begin(), windows.end(), [&](const ShownWindow &w) { return w.geometry == screen; });
}

// A right click in the middle of the screen, as the user's mouse would make it.
void rightClick()
{
    xcb_connection_t *c = xConnection();
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, rootWindow(), middle.x(), middle.y(), 0);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, 3, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 3, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

// A home whose user has been through the first run (no onboarding window) and chose the
// interface language `language`.
void seenFirstRun(const QString &home, const QByteArray &language = "system")
{
    QDir().mkpath(home + "/config/Quorvane");
    QFile defaults(home + "/config/Quorvane/defaults.json");
    defaults.open(QIODevice::WriteOnly);
    defaults.write(R"({"hasSeenOnboarding": true, "com.corvantis.hasLaunchedBefore": true, "AppLanguage": ")"
                   + language + "\"}");
}

} // namespace

TEST(ProgramLifecycleTest, HelpAndVersionAnswerWithoutADisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
        env.remove(name);
    QByteArray output;
    for (const char *help : {"--help", "--help-all"}) {
        EXPECT_EQ(runCommand(env, {help}, &output), 0) << output.constData();
        for (const char *verb : {"capture", "repeat", "code", "scan", "history", "preferences", "quit"})
            EXPECT_TRUE(output.contains(QByteArray("  ") + verb + " ")) << verb << "\n" << output.constData();
        // Qt's own options only in the longer help.
        EXPECT_EQ(output.contains("--qwindowgeometry"), help == std::string_view("--help-all")) << output.constData();
    }
    EXPECT_EQ(runCommand(env, {"--version"}, &output), 0);
    EXPECT_EQ(output.trimmed(), QByteArray("Quorvane " QUORVANE_VERSION));
    EXPECT_EQ(runCommand(env, {"snapshot"}, &output), 2);
    EXPECT_TRUE(output.contains("Unknown command"));

    // The interface language chosen in Preferences: the program's texts and Qt's own.
    QTemporaryDir home;
    seenFirstRun(home.path(), "de");
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    for (const char *help : {"--help", "--help-all"}) {
        EXPECT_EQ(runCommand(env, {help}, &output), 0);
        const QString german = QString::fromUtf8(output);
        for (const char *text : {"Wandelt jeden Bereich des Bildschirms in Text um.", "Befehle (an das laufende Quorvane",
                                 "  capture       Einen Bildschirmbereich auswählen und seinen Text kopieren",
                                 "Zeigt Hilfe zu den", "Aufruf:"})
            EXPECT_TRUE(german.contains(QString::fromUtf8(text))) << help << " " << text << "\n" << output.constData();
    }
    EXPECT_EQ(runCommand(env, {"snapshot"}, &output), 2);
    EXPECT_TRUE(QString::fromUtf8(output).contains(QStringLiteral("Unbekannter Befehl „snapshot“"))) << output.constData();
    // Started with no screen at all, it says so in the same language.
    EXPECT_EQ(runCommand(env, {}, &output), 1);
    EXPECT_TRUE(output.contains("Quorvane braucht eine grafische Arbeitsumgebung")) << output.constData();

    // A damaged settings file stays where it is, for the program to set aside and tell of.
    QFile damaged(home.filePath("config/Quorvane/defaults.json"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(R"({"AppLanguage": "de", )");
    damaged.close();
    EXPECT_EQ(runCommand(env, {"--help"}, &output), 0);
    // What it still holds is read, as the program reads it.
    EXPECT_TRUE(QString::fromUtf8(output).contains(QStringLiteral("Wandelt jeden Bereich"))) << output.constData();
    EXPECT_EQ(QDir(home.filePath("config/Quorvane")).entryList(QDir::Files).join(" ").toStdString(), "defaults.json");
}

TEST(ProgramLifecycleTest, CommandsStartTheProgramThenReachItOverTheBusAndQuitEndsIt)
{
    ASSERT_FALSE(programOwnsTheBusName());
    QTemporaryDir home;
    seenFirstRun(home.path());
    QDir().mkpath(home.filePath("runtime"));
    QFile::setPermissions(home.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QProcessEnvironment env = programEnvironment(home.path());

    // None runs: the command starts the program apart, hands it the command and returns
    // with its answer, as a script or a terminal expects.
    QByteArray output;
    ASSERT_EQ(runCommand(env, {"history"}, &output), 0) << output.constData();
    EXPECT_TRUE(output.isEmpty()) << output.constData();
    ASSERT_TRUE(programOwnsTheBusName());
    const uint programId = QDBusConnection::sessionBus().interface()->servicePid(busName).value();
    ASSERT_TRUE(waitUntil([&] { return showsWindowTitled("Capture History"); }, 20000));
    // Owning the bus name is the single-instance check: no lock file beside it.
    EXPECT_TRUE(QDir(home.filePath("runtime")).entryList({"quorvane-*.lock"}, QDir::Files).isEmpty());

    // A second start without a command opens the running program's preferences.
    EXPECT_EQ(runCommand(env, {}), 0);
    EXPECT_TRUE(waitUntil([] { return showsWindowTitled("Preferences"); }, 10000));

    // A capture command answers once the capture has ended; one the user called off ended
    // without failing.
    for (const char *capture : {"capture", "code", "scan"}) {
        const auto command = startProgram(env, {capture});
        ASSERT_TRUE(waitUntil(&showsOverlay, 10000)) << capture;
        EXPECT_EQ(command->state(), QProcess::Running) << capture;
        rightClick(); // cancels the selection
        ASSERT_TRUE(waitUntil([] { return !showsOverlay(); }, 10000)) << capture;
        ASSERT_TRUE(waitUntil([&] { return command->state() == QProcess::NotRunning; }, 10000)) << capture;
        EXPECT_EQ(command->exitStatus(), QProcess::NormalExit) << capture;
        EXPECT_EQ(command->exitCode(), 0) << capture;
    }
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->servicePid(busName).value(), programId);

    EXPECT_EQ(runCommand(env, {"quit"}), 0);
    ASSERT_TRUE(waitUntil([&] { return !processLives(programId); }, 15000));
    EXPECT_EQ(runCommand(env, {"quit"}, &output), 1);
    EXPECT_TRUE(output.contains("not running"));
}

TEST(ProgramLifecycleTest, WithoutATrayANoticeExplainsCaptureAndQuitAndTermEndsCleanly)
{
    // No tray host runs here, and the notification server's name is held by one that
    // takes no notification, whatever the machine could start on the bus.
    QDBusConnection refusingServer =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("refusing-notification-server"));
    ASSERT_TRUE(refusingServer.registerService(QStringLiteral("org.freedesktop.Notifications")));
    // In German: the command line's reading of the language leaves the program's own
    // application object its tables.
    QTemporaryDir home;
    seenFirstRun(home.path(), "de");
    auto program = startProgram(programEnvironment(home.path()));
    ASSERT_TRUE(waitUntil([] { return showsWindowTitled(QStringLiteral("Quorvane läuft")); }, 20000));

    ::kill(static_cast<pid_t>(program->processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return program->state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    QDBusConnection::disconnectFromBus(refusingServer.name());
}

TEST(ProgramLifecycleTest, WithoutASessionBusTheLockKeepsOneCopyPerXServerWhateverTheScreen)
{
    QTemporaryDir home;
    seenFirstRun(home.path());
    QDir().mkpath(home.filePath("runtime"));
    QFile::setPermissions(home.filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = programEnvironment(home.path());
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home.filePath("no-bus"));
    const QString display = env.value("DISPLAY").section('.', 0, 0);

    env.insert("DISPLAY", display);
    auto first = startProgram(env);
    ASSERT_TRUE(waitUntil([&] {
        return !QDir(home.filePath("runtime")).entryList({"quorvane-*.lock"}, QDir::Files).isEmpty();
    }, 20000));

    // The same server, named with its screen.
    env.insert("DISPLAY", display + ".0");
    QByteArray output;
    EXPECT_EQ(runCommand(env, {}, &output), 1);
    EXPECT_TRUE(output.contains("already running")) << output.constData();
    EXPECT_EQ(first->state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
    ASSERT_TRUE(waitUntil([&] { return first->state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(first->exitCode(), 0);
}
