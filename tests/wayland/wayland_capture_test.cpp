// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a real Wayland session: a headless sway with two monitors,
// xdg-desktop-portal with the GTK backend and then also the wlroots one and PipeWire (which
// that backend needs) on the test's private bus, a window showing known words, the program
// as a Wayland client, and a pointer and keyboard the compositor drives. Without the
// wlroots backend a capture says what to install; with it, and with waybar's tray and
// mako's notifications, "Capture Text" in the menu waybar draws at the icon freezes the
// desktop through the portal, the drag selects the words on the program's own overlay, the
// words reach the Wayland clipboard (read with wl-paste) and the history, and the
// notification that stands in for the toast expires; the pin after it leaves the keyboard
// alone and `quorvane repeat` reads them again, `quorvane preferences` with a launcher's
// activation token brings the window forward, and a left click on the icon captures.
#include "platform/user_defaults.h"
#include "support/event_loop.h"
#include "support/fake_notification_server.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <csignal>
#include <unistd.h>

namespace {

using quorvane::test::waitUntil;

const QSize kOutput(1280, 720);

QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+"))).toUpper();
}

bool busHas(const QString &name)
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(name).value();
}

// One process of the session, its output collected as it comes; killed at the end.
struct Child {
    Child(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
    {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process, &QProcess::readyRead, [this] { output += process.readAll(); });
        process.start(program, arguments);
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    bool printed(const QByteArray &text, int timeoutMs = 20000)
    {
        return waitUntil([&] { return output.contains(text); }, timeoutMs);
    }
    void send(const QByteArray &line) { process.write(line + '\n'); }

    QProcess process;
    QByteArray output;
};

// The headless session: compositor, PipeWire and the portal, each waited for.
class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &[tool, package] : {std::pair{"sway", "sway"}, std::pair{"pipewire", "pipewire"},
                                            std::pair{"wl-paste", "wl-clipboard"}, std::pair{"grim", "grim"},
                                            std::pair{"waybar", "waybar"}, std::pair{"mako", "mako-notifier"}}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (scripts/install-deps installs " << package << ")";
        }
        for (const QString &file : {portalProgram, wlrProgram, gtkProgram, gtkPortalFile}) {
            if (!QFile::exists(file))
                GTEST_SKIP() << file.toStdString() << " is missing (scripts/install-deps installs it)";
        }
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        ASSERT_TRUE(base.isValid());
        // The wlroots backend writes every picture to /tmp/out.png, whatever session asks:
        // sessions of this test on one machine take turns.
        machineTurn.setStaleLockTime(0); // stale only when its holder is gone
        ASSERT_TRUE(machineTurn.lock());
        startCompositor();
    }

    void startCompositor()
    {
        const QString runtime = base.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile config(base.filePath(QStringLiteral("sway.conf")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        // Two monitors side by side; the window titled "Beside" goes to the second.
        config.write(QStringLiteral("output HEADLESS-1 resolution %1x%2 position 0 0\n"
                                    "output HEADLESS-2 resolution %1x%2 position %1 0\n"
                                    "for_window [title=\"^Beside\"] move container to output HEADLESS-2\n"
                                    "default_border none\nxwayland disable\n")
                         .arg(kOutput.width())
                         .arg(kOutput.height())
                         .toUtf8()
                     + extraConfig);
        config.close();

        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), base.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_HEADLESS_OUTPUTS"), QStringLiteral("2"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        // Its bar finds the program's tray icon on the test's bus.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
        QString program = QStringLiteral("sway");
        QStringList arguments{QStringLiteral("-c"), config.fileName()};
        // sway refuses to run as root (CI's user): there it runs as nobody, in a runtime
        // folder that user owns; root still reaches its sockets.
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(QFile::encodeName(runtime).constData(), 65534, 65534), 0);
            QFile::setPermissions(base.path(), QFile::permissions(base.path()) | QFileDevice::ExeOther);
            arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                    QStringLiteral("--clear-groups"), program} + arguments;
            program = QStringLiteral("setpriv");
        }
        compositor = std::make_unique<Child>(program, arguments, env);
        const QString socket = runtime + QStringLiteral("/wayland-1");
        ASSERT_TRUE(waitUntil([&] {
            return QFile::exists(socket) || compositor->process.state() == QProcess::NotRunning;
        }, 10000) && QFile::exists(socket))
            << "sway did not start: " << compositor->output.constData();

        session = QProcessEnvironment::systemEnvironment();
        session.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        session.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
        session.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
        session.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        session.remove(QStringLiteral("DISPLAY"));
        // Programs in a sway session find its IPC socket here, as sway's own children do.
        const QDir runtimeDir(runtime);
        ASSERT_TRUE(waitUntil([&] { return !runtimeDir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).isEmpty(); },
                              10000));
        session.insert(QStringLiteral("SWAYSOCK"),
                       runtimeDir.filePath(runtimeDir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System).first()));
    }

    // The portal with the backends a user's sway session has from scripts/install-deps:
    // the wlroots one takes the pictures, the GTK one offers the Access dialogs without
    // which xdg-desktop-portal 1.16 offers no Screenshot. Without `screenshots` the wlroots
    // one is missing, as on a desktop where it is not installed: the portal reads only the
    // GTK backend's own file.
    // `late`: only the backends start; the portal itself is started by the bus when first
    // asked, `late` seconds later, as a slow start of it would be.
    void startPortal(bool screenshots, int late = 0)
    {
        if (!gtk) {
            gtk = std::make_unique<Child>(gtkProgram, QStringList(), session);
            ASSERT_TRUE(waitUntil([] { return busHas(QStringLiteral("org.freedesktop.impl.portal.desktop.gtk")); },
                                  10000))
                << "the GTK portal backend did not start: " << gtk->output.constData();
        }
        QProcessEnvironment env = session;
        if (screenshots) {
            // The wlroots backend does not start without a PipeWire daemon (for screencasts).
            pipewire = std::make_unique<Child>(QStringLiteral("pipewire"), QStringList(), session);
            const QString pipewireSocket =
                session.value(QStringLiteral("XDG_RUNTIME_DIR")) + QStringLiteral("/pipewire-0");
            ASSERT_TRUE(waitUntil([&] { return QFile::exists(pipewireSocket); }, 10000))
                << "PipeWire did not start: " << pipewire->output.constData();
            wlr = std::make_unique<Child>(wlrProgram, QStringList(), session);
            ASSERT_TRUE(waitUntil([] { return busHas(QStringLiteral("org.freedesktop.impl.portal.desktop.wlr")); },
                                  10000))
                << "the wlroots portal backend did not start: " << wlr->output.constData();
        } else {
            const QString portals = base.filePath(QStringLiteral("gtk-only"));
            ASSERT_TRUE(QDir().mkpath(portals));
            ASSERT_TRUE(QFile::copy(gtkPortalFile, portals + QStringLiteral("/gtk.portal")));
            env.insert(QStringLiteral("XDG_DESKTOP_PORTAL_DIR"), portals);
        }
        if (late > 0) {
            setPortalDelay(QString::number(late));
            return;
        }
        if (portal) {
            portal.reset();
            ASSERT_TRUE(waitUntil([] { return !busHas(QStringLiteral("org.freedesktop.portal.Desktop")); }, 10000));
        }
        portal = std::make_unique<Child>(portalProgram, QStringList(), env);
        ASSERT_TRUE(waitUntil([] { return busHas(QStringLiteral("org.freedesktop.portal.Desktop")); }, 10000))
            << "xdg-desktop-portal did not start: " << portal->output.constData();
    }

    // What the bus's portal start waits for: nothing (an empty delay) means it fails at once.
    void setPortalDelay(const QString &seconds)
    {
        qDBusRegisterMetaType<QMap<QString, QString>>();
        QMap<QString, QString> activation;
        for (const QString &name : session.keys())
            activation.insert(name, session.value(name));
        activation.insert(QStringLiteral("QUORVANE_TEST_PORTAL_DELAY"), seconds);
        QDBusMessage update = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
        update << QVariant::fromValue(activation);
        ASSERT_EQ(QDBusConnection::sessionBus().call(update).type(), QDBusMessage::ReplyMessage);
    }

    void TearDown() override
    {
        setPortalDelay(QString());
        // Clients first, the compositor last.
        clients.clear();
        input.reset();
        portal.reset();
        // A portal the bus started when first asked, and a notification server the test
        // played, would otherwise answer the next test on this bus.
        const QString portalName = QStringLiteral("org.freedesktop.portal.Desktop");
        const QDBusReply<uint> started = QDBusConnection::sessionBus().interface()->servicePid(portalName);
        if (started.isValid() && ::kill(pid_t(started.value()), SIGTERM) == 0) {
            EXPECT_TRUE(waitUntil([&] { return !busHas(portalName); }, 10000));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("notification-server"));
        wlr.reset();
        gtk.reset();
        pipewire.reset();
        compositor.reset();
    }

    Child &startClient(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
    {
        QProcessEnvironment clientEnv = env;
        clientEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        clients.push_back(std::make_unique<Child>(program, arguments, clientEnv));
        return *clients.back();
    }

    // What the compositor shows now, read with grim as any screenshot tool would.
    QImage screen()
    {
        QProcess grim;
        grim.setProcessEnvironment(session);
        grim.start(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-")});
        if (!grim.waitForFinished(10000))
            return {};
        return QImage::fromData(grim.readAllStandardOutput(), "PPM");
    }
    // Waits until the screen shows `colour` at `point` (or, with `is` false, another one).
    bool screenShowsAt(QPoint point, QRgb colour, bool is = true)
    {
        return waitUntil([&] {
            const QImage shown = screen();
            return !shown.isNull() && ((shown.pixel(point) & 0xffffff) == colour) == is;
        }, 15000);
    }

    // Asks sway over its IPC socket, as swaymsg does; answers its reply.
    QByteArray swaymsg(const QStringList &arguments)
    {
        QProcess message;
        QProcessEnvironment env = session;
        const QDir runtime(session.value(QStringLiteral("XDG_RUNTIME_DIR")));
        const QStringList sockets = runtime.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        if (sockets.isEmpty())
            return {};
        env.insert(QStringLiteral("SWAYSOCK"), runtime.filePath(sockets.first()));
        message.setProcessEnvironment(env);
        message.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-r")} + arguments);
        if (!message.waitForFinished(10000))
            return {};
        return message.readAllStandardOutput();
    }
    // The program's windows in sway's tree, by title: floating, focused or urgent, and
    // the border sway draws ("none", "normal" with a title bar, …).
    struct Window {
        bool floating = false;
        bool focused = false;
        bool urgent = false;
        QRect rect;
        QString border;
    };
    QMap<QString, Window> windows()
    {
        QMap<QString, Window> found;
        std::function<void(const QJsonObject &, bool)> walk = [&](const QJsonObject &node, bool floating) {
            if (node.value(QStringLiteral("app_id")).toString() == QStringLiteral("com.corvantis.Quorvane"))
                found.insert(node.value(QStringLiteral("name")).toString(),
                             {floating, node.value(QStringLiteral("focused")).toBool(),
                              node.value(QStringLiteral("urgent")).toBool(), rectOf(node),
                              node.value(QStringLiteral("border")).toString()});
            for (const QJsonValue &child : node.value(QStringLiteral("nodes")).toArray())
                walk(child.toObject(), floating);
            for (const QJsonValue &child : node.value(QStringLiteral("floating_nodes")).toArray())
                walk(child.toObject(), true);
        };
        walk(QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})).object(), false);
        return found;
    }
    static QRect rectOf(const QJsonObject &node)
    {
        const QJsonObject rect = node.value(QStringLiteral("rect")).toObject();
        return QRect(rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
                     rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt());
    }
    // The title of the window that has the keyboard, whoever's it is.
    QString focusedWindow()
    {
        QString focused;
        std::function<void(const QJsonObject &)> walk = [&](const QJsonObject &node) {
            if (node.value(QStringLiteral("focused")).toBool() && node.contains(QStringLiteral("app_id")))
                focused = node.value(QStringLiteral("name")).toString();
            for (const char *children : {"nodes", "floating_nodes"}) {
                for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
                    walk(child.toObject());
            }
        };
        walk(QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})).object());
        return focused;
    }
    // Every window in sway's tree with its output, place and full-screen state, for a
    // failure to show what the compositor made of the program's windows.
    QByteArray layout()
    {
        QByteArray lines;
        std::function<void(const QJsonObject &, const QString &)> walk = [&](const QJsonObject &node, QString output) {
            if (node.value(QStringLiteral("type")).toString() == QStringLiteral("output"))
                output = node.value(QStringLiteral("name")).toString();
            if (node.contains(QStringLiteral("app_id")))
                lines += QStringLiteral("%1 \"%2\" on %3 at %4 full screen %5\n")
                             .arg(node.value(QStringLiteral("app_id")).toString(), node.value(QStringLiteral("name")).toString(),
                                  output, QDebug::toString(rectOf(node)))
                             .arg(node.value(QStringLiteral("fullscreen_mode")).toInt())
                             .toUtf8();
            for (const char *children : {"nodes", "floating_nodes"}) {
                for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
                    walk(child.toObject(), output);
            }
        };
        walk(QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})).object(), QString());
        return lines;
    }
    // The titles of the program's windows the compositor floats rather than tiles.
    QStringList floatingWindows()
    {
        QStringList titles;
        const QMap<QString, Window> all = windows();
        for (auto window = all.begin(); window != all.end(); ++window) {
            if (window->floating)
                titles.append(window.key());
        }
        return titles;
    }

    QString clipboard()
    {
        QProcess paste;
        paste.setProcessEnvironment(session);
        paste.start(QStringLiteral("wl-paste"), {QStringLiteral("--no-newline")});
        if (!paste.waitForFinished(10000))
            return {};
        return QString::fromUtf8(paste.readAllStandardOutput());
    }

    // The seat's pointer and keyboard, the pointer left on the first monitor; and the
    // program's environment: its own folders, as a user past the first run.
    void startInputAndPrepareProgram()
    {
        input = std::make_unique<Child>(QStringLiteral(QUORVANE_VIRTUAL_INPUT),
                                        QStringList{QString::number(2 * kOutput.width()), QString::number(kOutput.height())},
                                        session);
        ASSERT_TRUE(input->printed("ready")) << input->output.constData();
        ASSERT_TRUE(point("move 20 250"));
        home = base.filePath(QStringLiteral("home"));
        {
            quorvane::UserDefaults defaults(home + QStringLiteral("/config/Quorvane/defaults.json"));
            defaults.setBool(QStringLiteral("hasSeenOnboarding"), true);
            defaults.setBool(QStringLiteral("com.corvantis.hasLaunchedBefore"), true);
            defaults.synchronize();
        }
        programEnv = session;
        for (const auto &[name, folder] : {std::pair{"XDG_CONFIG_HOME", "config"}, std::pair{"XDG_DATA_HOME", "data"},
                                           std::pair{"XDG_STATE_HOME", "state"}, std::pair{"XDG_CACHE_HOME", "cache"}})
            programEnv.insert(QString::fromLatin1(name), home + u'/' + QString::fromLatin1(folder));
        programEnv.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quorvane.*.info=true"));
    }
    // One step of the pointer or keyboard ("move X Y", "press", "key q", …), once the
    // compositor has handled it.
    bool point(const QByteArray &step)
    {
        const int answers = int(input->output.count("ok"));
        input->send(step);
        return waitUntil([&] { return input->output.count("ok") > answers; }, 10000);
    }
    bool pointAt(QPoint at) { return point(QStringLiteral("move %1 %2").arg(at.x()).arg(at.y()).toLatin1()); }

    const QString portalProgram = QStringLiteral("/usr/libexec/xdg-desktop-portal");
    const QString wlrProgram = QStringLiteral("/usr/libexec/xdg-desktop-portal-wlr");
    const QString gtkProgram = QStringLiteral("/usr/libexec/xdg-desktop-portal-gtk");
    const QString gtkPortalFile = QStringLiteral("/usr/share/xdg-desktop-portal/portals/gtk.portal");
    QByteArray extraConfig; // added to sway's configuration
    QLockFile machineTurn{QStringLiteral("/tmp/quorvane-wayland-test.lock")};
    QTemporaryDir base;
    QProcessEnvironment session;
    std::unique_ptr<Child> compositor, pipewire, wlr, gtk, portal;
    std::vector<std::unique_ptr<Child>> clients;
    std::unique_ptr<Child> input;
    QString home;
    QProcessEnvironment programEnv;
};

QJsonArray historyRecords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isArray() ? document.array() : document.object().value(QStringLiteral("entries")).toArray();
}

// The smallest rectangle around the points of `area` for which `chosen` holds.
QRect pointsWhere(const QRect &area, const std::function<bool(QPoint)> &chosen)
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (chosen({x, y}))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

bool dark(const QImage &image, QPoint point)
{
    return qGray(image.pixel(point)) < 100;
}

// What mako shows now, as its own `makoctl list` reads it.
QList<QVariantMap> makoNotifications()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/fr/emersion/Mako"),
        QStringLiteral("fr.emersion.Mako"), QStringLiteral("ListNotifications")));
    QList<QVariantMap> shown;
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        reply.arguments().first().value<QDBusArgument>() >> shown;
    return shown;
}

} // namespace

TEST_F(WaylandSession, WithoutAScreenshotBackendACaptureNamesWhatToInstallWithItTheTraysMenuCapturesTheWordsTheNotificationExpiresARepeatReadsThemAgainAndACommandBringsPreferencesForward)
{
    // Alone on the output, the words' window is tiled over all of it: white, words centred.
    // Another fills a second monitor: the wlroots backend's picture holds both, and the
    // selection still finds the words on the first.
    startClient(QStringLiteral(QUORVANE_WAYLAND_WORDS), {QStringLiteral("Quorvane reads 2468")}, session);
    const QPoint blank(640, 100);
    ASSERT_TRUE(screenShowsAt(blank, 0xffffff)) << "the words never reached the screen";
    startClient(QStringLiteral(QUORVANE_WAYLAND_WORDS), {QStringLiteral("Beside")}, session);
    const QPoint besideBlank(kOutput.width() + 640, 100);
    ASSERT_TRUE(screenShowsAt(besideBlank, 0xffffff)) << "the second monitor's words never reached the screen";

    startInputAndPrepareProgram();
    if (HasFatalFailure())
        return;
    const QProcessEnvironment &env = programEnv;
    // The desktop's notification server, where the toasts go in a Wayland session.
    quorvane::test::FakeNotificationServer notifications;
    QDBusConnection notificationBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                                    QStringLiteral("notification-server"));
    ASSERT_TRUE(notificationBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                                               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    ASSERT_TRUE(notificationBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    // First the session lacks the wlroots backend: the portal runs but takes no pictures.
    startPortal(false);
    if (HasFatalFailure())
        return;
    const QString quorvane = QStringLiteral(QUORVANE_BINARY_DIR "/src/app/quorvane");
    Child &program = startClient(quorvane, {}, env);
    ASSERT_TRUE(program.printed("Quorvane started")) << program.output.constData();
    ASSERT_TRUE(program.output.contains("Wayland session")) << program.output.constData();
    EXPECT_TRUE(program.printed("offers no screenshots; install xdg-desktop-portal-wlr, xdg-desktop-portal-gtk"))
        << program.output.constData();

    // A capture says what is missing and what to install, rather than that the screen
    // could not be read, in a notification that stands in for a toast: it goes when the
    // toast would have, out of the desktop's notification history.
    {
        Child command(quorvane, {QStringLiteral("capture")}, env);
        const auto missing = [&] {
            return std::find_if(notifications.calls.begin(), notifications.calls.end(), [](const auto &call) {
                return call.body.contains(QStringLiteral("Install xdg-desktop-portal-wlr, xdg-desktop-portal-gtk"));
            });
        };
        ASSERT_TRUE(waitUntil([&] { return missing() != notifications.calls.end(); }, 10000))
            << program.output.constData();
        EXPECT_GT(missing()->expireTimeout, 0);
        EXPECT_EQ(missing()->hints.value(QStringLiteral("transient")), QVariant(true));
        ASSERT_TRUE(waitUntil([&] { return command.process.state() == QProcess::NotRunning; }, 10000));
    }

    // No tray shows the icon yet and sway offers no global shortcuts: the notice that says
    // so names the command to bind rather than a shortcut that does nothing.
    const auto notice = [&] {
        return std::find_if(notifications.calls.begin(), notifications.calls.end(),
                            [](const auto &call) { return call.summary == QStringLiteral("Quorvane Is Running"); });
    };
    ASSERT_TRUE(waitUntil([&] { return notice() != notifications.calls.end(); }, 10000));
    EXPECT_TRUE(notice()->body.contains(QStringLiteral("\u201Cquorvane capture\u201D"))) << notice()->body.toStdString();
    EXPECT_FALSE(notice()->body.contains(QStringLiteral("Press"))) << notice()->body.toStdString();

    // With the packages scripts/install-deps installs, the same session captures.
    startPortal(true);
    if (HasFatalFailure())
        return;
    // A real notification server takes over, with only its own settings: a notification
    // stays until it expires by itself.
    ASSERT_TRUE(notificationBus.unregisterService(QStringLiteral("org.freedesktop.Notifications")));
    QFile makoConfig(base.filePath(QStringLiteral("mako.conf")));
    ASSERT_TRUE(makoConfig.open(QIODevice::WriteOnly));
    makoConfig.write("default-timeout=0\n");
    makoConfig.close();
    Child &mako = startClient(QStringLiteral("mako"), {QStringLiteral("--config"), makoConfig.fileName()}, session);
    ASSERT_TRUE(waitUntil([] { return busHas(QStringLiteral("org.freedesktop.Notifications")); }, 10000))
        << mako.output.constData();

    // A tray starts after the program, as at a login where the bar comes up late; the
    // icon appears in it. The bar is white, so that what the icon and its menu draw shows.
    QDir().mkpath(base.filePath(QStringLiteral("waybar")));
    QFile barConfig(base.filePath(QStringLiteral("waybar/config")));
    QFile barStyle(base.filePath(QStringLiteral("waybar/style.css")));
    ASSERT_TRUE(barConfig.open(QIODevice::WriteOnly) && barStyle.open(QIODevice::WriteOnly));
    const int barHeight = 30;
    barConfig.write(QStringLiteral(R"({"output": "HEADLESS-1", "position": "top", "height": %1, )"
                                   R"("modules-right": ["tray"], "tray": {"icon-size": 20}})")
                        .arg(barHeight)
                        .toUtf8());
    barStyle.write("window#waybar { background: #ffffff; }\n");
    barConfig.close();
    barStyle.close();
    Child &bar = startClient(QStringLiteral("waybar"), {QStringLiteral("--config"), barConfig.fileName(),
                                                        QStringLiteral("--style"), barStyle.fileName()}, session);
    const QRect barEnd(kOutput.width() - 200, 0, 200, barHeight);
    QRect icon;
    ASSERT_TRUE(waitUntil([&] {
        const QImage shown = screen();
        icon = shown.isNull() ? QRect() : pointsWhere(barEnd, [&](QPoint p) { return qGray(shown.pixel(p)) < 200; });
        return !icon.isEmpty();
    }, 20000)) << "no icon in the tray\n" << bar.output.constData() << program.output.constData();

    // A right click on it: the tray draws the program's menu at the icon; "Capture Text",
    // its first row, freezes the desktop and brings up the overlay, dimmed.
    ASSERT_TRUE(pointAt(icon.center()));
    const QImage beforeMenu = screen();
    ASSERT_FALSE(beforeMenu.isNull());
    ASSERT_TRUE(point("press right"));
    ASSERT_TRUE(point("release right"));
    const QRect nearIcon(kOutput.width() - 500, 0, 500, 400);
    QRect menuText;
    ASSERT_TRUE(waitUntil([&] {
        const QImage shown = screen();
        menuText = shown.isNull() ? QRect() : pointsWhere(nearIcon, [&](QPoint p) {
            return dark(shown, p) && !dark(beforeMenu, p);
        });
        return menuText.width() > 60 && menuText.height() > 60; // rows of text, not a frame
    }, 10000)) << "the tray drew no menu\n" << bar.output.constData();
    EXPECT_LE(menuText.top(), icon.bottom() + 40) << "the menu is not at the icon";
    ASSERT_TRUE(pointAt(menuText.topLeft() + QPoint(10, 4)));
    ASSERT_TRUE(point("press"));
    ASSERT_TRUE(point("release"));
    ASSERT_TRUE(screenShowsAt(blank, 0xffffff, false)) << "the selection overlay never came up\n"
                                                       << layout().constData() << program.output.constData();
    // The second monitor is frozen and dimmed at once too, while the pointer stays on the first.
    EXPECT_TRUE(screenShowsAt(besideBlank, 0xffffff, false)) << "the second monitor shows the live desktop\n"
                                                             << layout().constData();

    for (const char *step : {"move 20 250", "press", "move 600 300", "move 1260 470", "release"})
        ASSERT_TRUE(point(step)) << step;

    // The success toast comes as a notification, clickable to open the record; it goes
    // away by itself when the toast would have.
    QVariantMap captured;
    ASSERT_TRUE(waitUntil([&] {
        for (const QVariantMap &shown : makoNotifications()) {
            if (shown.value(QStringLiteral("summary")).toString() == QStringLiteral("Text Captured"))
                captured = shown;
        }
        return !captured.isEmpty();
    }, 30000)) << program.output.constData();
    EXPECT_EQ(captured.value(QStringLiteral("body")).toString(), QStringLiteral("Copied to clipboard"));
    EXPECT_EQ(captured.value(QStringLiteral("category")).toString(), QStringLiteral("x-quorvane.capture.success"));
    using Actions = QMap<QString, QString>;
    EXPECT_TRUE(qdbus_cast<Actions>(captured.value(QStringLiteral("actions"))).contains(QStringLiteral("default")));
    EXPECT_TRUE(waitUntil([&] {
        const QList<QVariantMap> shown = makoNotifications();
        return std::none_of(shown.begin(), shown.end(), [&](const QVariantMap &notification) {
            return notification.value(QStringLiteral("id")) == captured.value(QStringLiteral("id"));
        });
    }, 15000)) << "the notification never expired";

    ASSERT_TRUE(waitUntil([&] { return squeezed(clipboard()).contains("QUORVANEREADS2468"); }, 30000))
        << "clipboard: " << clipboard().toStdString() << "\n" << program.output.constData();
    const QString history = home + QStringLiteral("/data/Quorvane/history.json");
    ASSERT_TRUE(waitUntil([&] { return historyRecords(history).size() == 1; }, 10000));
    EXPECT_TRUE(squeezed(historyRecords(history)[0].toObject().value(QStringLiteral("text")).toString())
                    .contains("QUORVANEREADS2468"));
    // No X11 helper can name the application in front here: the record names none.
    EXPECT_FALSE(historyRecords(history)[0].toObject().contains(QStringLiteral("sourceAppBundleID")));

    // The pin that comes up after the capture leaves the keyboard with the words' window.
    // A repeat reads the same words again.
    EXPECT_TRUE(waitUntil([&] { return floatingWindows() == QStringList{QStringLiteral("Pinned Capture")}; }, 10000))
        << floatingWindows().join(u',').toStdString();
    EXPECT_TRUE(waitUntil([&] { return focusedWindow() == QStringLiteral("Quorvane reads 2468"); }, 10000))
        << "the keyboard is with " << focusedWindow().toStdString();
    Child repeat(quorvane, {QStringLiteral("repeat")}, env);
    ASSERT_TRUE(waitUntil([&] { return repeat.process.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(repeat.process.exitCode(), 0) << repeat.output.constData();
    ASSERT_TRUE(waitUntil([&] { return historyRecords(history).size() == 2; }, 30000)) << program.output.constData();
    EXPECT_TRUE(squeezed(historyRecords(history)[0].toObject().value(QStringLiteral("text")).toString())
                    .contains("QUORVANEREADS2468"))
        << historyRecords(history)[0].toObject().value(QStringLiteral("text")).toString().toStdString();

    // The history window floats too.
    Child openHistory(quorvane, {QStringLiteral("history")}, env);
    EXPECT_TRUE(waitUntil([&] { return floatingWindows().contains(QStringLiteral("Capture History")); }, 10000))
        << floatingWindows().join(u',').toStdString();

    // Preferences opened from a launcher and left open on a workspace the user has since
    // left: the launcher's `quorvane preferences`, with the activation token it got for
    // the command, brings the window forward as sway's policy has it (stock: marked urgent,
    // its workspace flagged).
    const auto launched = [&] {
        QProcess launcher;
        launcher.setProcessEnvironment(session);
        launcher.start(QStringLiteral(QUORVANE_ACTIVATION_TOKEN), {QStringLiteral("com.corvantis.Quorvane")});
        launcher.waitForFinished(10000);
        QProcessEnvironment withToken = env;
        withToken.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"),
                         QString::fromUtf8(launcher.readAllStandardOutput().trimmed()));
        return withToken;
    };
    {
        Child open(quorvane, {QStringLiteral("preferences")}, launched());
        ASSERT_TRUE(waitUntil([&] { return windows().value(QStringLiteral("Preferences")).focused; }, 10000));
    }
    swaymsg({QStringLiteral("workspace"), QStringLiteral("elsewhere")});
    ASSERT_TRUE(waitUntil([&] { return !windows().value(QStringLiteral("Preferences")).focused; }, 10000));
    // Qt asks for activation itself as the window first takes the focus, and that may land
    // after the user left: a command without a token, answered once the program has
    // handled what came before, lets it land, and the mark it may have left is cleared.
    {
        Child settle(quorvane, {QStringLiteral("history")}, env);
        ASSERT_TRUE(waitUntil([&] { return settle.process.state() == QProcess::NotRunning; }, 10000));
    }
    swaymsg({QStringLiteral("[app_id=\"^com.corvantis.Quorvane$\" title=\"^Preferences$\"]"), QStringLiteral("urgent"),
             QStringLiteral("disable")});
    ASSERT_TRUE(waitUntil([&] { return !windows().value(QStringLiteral("Preferences")).urgent; }, 10000));
    Child preferences(quorvane, {QStringLiteral("preferences")}, launched());
    EXPECT_TRUE(waitUntil([&] {
        const Window window = windows().value(QStringLiteral("Preferences"));
        return window.urgent || window.focused;
    }, 10000)) << "Preferences did not come forward\n" << program.output.constData();

    // Where the tray draws the menu, a left click on the icon is the quick capture.
    const QImage beforeClick = screen();
    ASSERT_FALSE(beforeClick.isNull());
    ASSERT_TRUE(pointAt(icon.center()));
    ASSERT_TRUE(point("press"));
    ASSERT_TRUE(point("release"));
    EXPECT_TRUE(screenShowsAt(besideBlank, beforeClick.pixel(besideBlank) & 0xffffff, false))
        << "a left click on the icon brought up no overlay\n" << program.output.constData();

    // Recognised text is counted in the program's output, never quoted.
    EXPECT_FALSE(squeezed(QString::fromUtf8(program.output)).contains("READS2468")) << program.output.constData();
}

// Stock sway as Debian ships it: its own bar, title bars on windows and no notification server.
class StockSwaySession : public WaylandSession {
protected:
    StockSwaySession()
    {
        extraConfig = "default_border normal\ndefault_floating_border normal\nbar {\n  position top\n}\n";
    }
};

TEST_F(StockSwaySession, WithoutANotificationServerResultsAreShownAndPrintedTheKeyboardStaysWithTheUserAndARepeatSetsTheClipboard)
{
    const QString words = QStringLiteral("Quorvane reads 2468");
    Child &wordsWindow = startClient(QStringLiteral(QUORVANE_WAYLAND_WORDS), {words}, session);
    const QPoint blank(640, 150);
    ASSERT_TRUE(screenShowsAt(blank, 0xffffff)) << "the words never reached the screen";
    startInputAndPrepareProgram();
    if (HasFatalFailure())
        return;
    const QProcessEnvironment &env = programEnv;
    ASSERT_FALSE(busHas(QStringLiteral("org.freedesktop.Notifications")));
    const QString quorvane = QStringLiteral(QUORVANE_BINARY_DIR "/src/app/quorvane");
    Child &program = startClient(quorvane, {}, env);
    ASSERT_TRUE(program.printed("Quorvane started")) << program.output.constData();

    // No portal yet: the failure comes up in the program's own window, floating, and the
    // command that asked for the capture says so and fails.
    {
        Child command(quorvane, {QStringLiteral("capture")}, env);
        ASSERT_TRUE(waitUntil([&] { return command.process.state() == QProcess::NotRunning; }, 20000));
        EXPECT_NE(command.process.exitCode(), 0);
        EXPECT_TRUE(command.output.contains("xdg-desktop-portal")) << command.output.constData();
        // That window floats without a title bar and leaves the keyboard with the words' window.
        Window notice;
        EXPECT_TRUE(waitUntil([&] {
            notice = windows().value(QStringLiteral("Quorvane Notice"));
            return notice.floating;
        }, 10000)) << "no window told of the failure: " << windows().keys().join(u',').toStdString() << "\n"
                   << program.output.constData();
        EXPECT_FALSE(notice.focused);
        EXPECT_EQ(notice.border.toStdString(), "none");
        EXPECT_EQ(focusedWindow().toStdString(), words.toStdString());
    }

    // With the portal, which starts only when first asked and answers 10 s later, a capture
    // from the command line: the program says that it waits, the words reach the clipboard,
    // the command prints so, and the keyboard is back with the words' window.
    startPortal(true, 10);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(waitUntil([&] { return windows().isEmpty(); }, 15000)) << windows().keys().join(u',').toStdString();
    Child capture(quorvane, {QStringLiteral("capture")}, env);
    EXPECT_TRUE(waitUntil([&] { return !windows().isEmpty(); }, 8000) && !busHas(QStringLiteral("org.freedesktop.portal.Desktop")))
        << "nothing said that the capture waits for the portal\n" << program.output.constData();
    ASSERT_TRUE(waitUntil([] { return busHas(QStringLiteral("org.freedesktop.portal.Desktop")); }, 30000));
    ASSERT_TRUE(screenShowsAt(blank, 0xffffff, false)) << "the selection overlay never came up\n"
                                                       << program.output.constData();
    for (const char *step : {"move 20 250", "press", "move 600 300", "move 1260 470", "release"})
        ASSERT_TRUE(point(step)) << step;
    ASSERT_TRUE(waitUntil([&] { return capture.process.state() == QProcess::NotRunning; }, 30000))
        << program.output.constData();
    EXPECT_EQ(capture.process.exitCode(), 0) << capture.output.constData();
    EXPECT_TRUE(capture.output.contains("Copied to clipboard")) << capture.output.constData();
    EXPECT_TRUE(squeezed(clipboard()).contains("QUORVANEREADS2468")) << clipboard().toStdString();
    // The pin comes up where the pointer ended the selection, floating without a title bar,
    // and what the user types next still goes into the words' window.
    Window pin;
    EXPECT_TRUE(waitUntil([&] {
        pin = windows().value(QStringLiteral("Pinned Capture"));
        return pin.floating && focusedWindow() == words;
    }, 15000)) << "the keyboard is with " << focusedWindow().toStdString() << "; the program shows "
               << windows().keys().join(u',').toStdString();
    EXPECT_FALSE(pin.focused);
    EXPECT_EQ(pin.border.toStdString(), "none");
    EXPECT_TRUE(pin.rect.contains(QPoint(1260, 470))) << QDebug::toString(pin.rect).toStdString();
    ASSERT_TRUE(point("key q"));
    EXPECT_TRUE(wordsWindow.printed("typed q", 10000)) << "the key went elsewhere than the words' window";
    EXPECT_EQ(focusedWindow().toStdString(), words.toStdString());

    // sway's own bar hands a right click on the tray icon to the program, whose menu opens
    // at the pointer as a menu does: floating, without a title bar, with the keyboard;
    // Escape closes it, and so does turning to another window.
    const int barHeight = QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_workspaces")}))
                              .array()
                              .first()
                              .toObject()
                              .value(QStringLiteral("rect"))
                              .toObject()
                              .value(QStringLiteral("y"))
                              .toInt();
    ASSERT_GT(barHeight, 0);
    QRect icon;
    ASSERT_TRUE(waitUntil([&] {
        const QImage shown = screen();
        // The bar is black; at its end only the tray draws.
        icon = shown.isNull() ? QRect() : pointsWhere(QRect(kOutput.width() - 100, 0, 100, barHeight), [&](QPoint p) {
            return qGray(shown.pixel(p)) > 60;
        });
        return !icon.isEmpty();
    }, 20000)) << "no icon in sway's bar\n" << program.output.constData();
    // Open once sway has given it the keyboard and the program has heard so.
    const auto openMenu = [&] {
        const qsizetype heard = program.output.count("The tray menu has the keyboard");
        Window menu;
        const bool opened = pointAt(icon.center()) && point("press right") && point("release right")
            && waitUntil([&] {
                   menu = windows().value(QStringLiteral("Quorvane Menu"));
                   return menu.focused && program.output.count("The tray menu has the keyboard") > heard;
               }, 10000);
        return std::pair{opened, menu};
    };
    const auto [opened, menu] = openMenu();
    ASSERT_TRUE(opened) << "no menu took the keyboard: " << windows().keys().join(u',').toStdString() << "\n"
                        << program.output.constData();
    EXPECT_TRUE(menu.floating);
    EXPECT_EQ(menu.border.toStdString(), "none");
    EXPECT_TRUE(menu.rect.contains(icon.center())) << QDebug::toString(menu.rect).toStdString();
    const auto menuGone = [&] { return waitUntil([&] { return !windows().contains(QStringLiteral("Quorvane Menu")); }, 10000); };
    ASSERT_TRUE(point("key Escape"));
    EXPECT_TRUE(menuGone()) << "Escape left the menu open";
    ASSERT_TRUE(openMenu().first);
    ASSERT_TRUE(pointAt({100, 300}) && point("press") && point("release"));
    EXPECT_TRUE(menuGone()) << "a click into another window left the menu open";
    EXPECT_TRUE(waitUntil([&] { return focusedWindow() == words; }, 10000)) << focusedWindow().toStdString();
    // A click into the pin gives it the keyboard, for editing its text.
    ASSERT_TRUE(pointAt(pin.rect.center()) && point("press") && point("release"));
    EXPECT_TRUE(waitUntil([&] { return focusedWindow() == QStringLiteral("Pinned Capture"); }, 10000))
        << focusedWindow().toStdString();
    ASSERT_TRUE(pointAt({100, 300}) && point("press") && point("release"));
    ASSERT_TRUE(waitUntil([&] { return focusedWindow() == words; }, 10000)) << focusedWindow().toStdString();

    // Another program copies; the history window is open. A repeat puts the words on the
    // clipboard again, and the history window comes back floating where it was.
    {
        QProcess copy;
        copy.setProcessEnvironment(session);
        copy.start(QStringLiteral("wl-copy"), {QStringLiteral("something else")});
        ASSERT_TRUE(copy.waitForFinished(10000));
    }
    ASSERT_TRUE(waitUntil([&] { return clipboard() == QStringLiteral("something else"); }, 10000));
    Child openHistory(quorvane, {QStringLiteral("history")}, env);
    ASSERT_TRUE(waitUntil([&] { return windows().value(QStringLiteral("Capture History")).floating; }, 10000))
        << windows().keys().join(u',').toStdString();
    // Qt draws the window's first frames with a title bar of its own until the compositor's
    // answer to the decoration it asked for arrives: its place counts once sway draws the
    // title bar instead and a command, answered when the program has handled what came
    // before, leaves it as it was.
    ASSERT_TRUE(waitUntil([&] { return windows().value(QStringLiteral("Capture History")).border == QStringLiteral("normal"); },
                          10000))
        << windows().value(QStringLiteral("Capture History")).border.toStdString();
    QRect historyPlace;
    ASSERT_TRUE(waitUntil([&] {
        const QRect before = windows().value(QStringLiteral("Capture History")).rect;
        Child settle(quorvane, {QStringLiteral("history")}, env);
        if (!waitUntil([&] { return settle.process.state() == QProcess::NotRunning; }, 10000))
            return false;
        historyPlace = windows().value(QStringLiteral("Capture History")).rect;
        return historyPlace == before;
    }, 20000));
    Child repeat(quorvane, {QStringLiteral("repeat")}, env);
    ASSERT_TRUE(waitUntil([&] { return repeat.process.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(repeat.process.exitCode(), 0) << repeat.output.constData();
    EXPECT_TRUE(squeezed(clipboard()).contains("QUORVANEREADS2468")) << clipboard().toStdString();
    EXPECT_TRUE(waitUntil([&] {
        const Window history = windows().value(QStringLiteral("Capture History"));
        return history.floating && history.rect == historyPlace;
    }, 10000)) << "the history window came back elsewhere: "
               << QDebug::toString(windows().value(QStringLiteral("Capture History")).rect).toStdString()
               << " rather than " << QDebug::toString(historyPlace).toStdString() << "\n"
               << program.output.constData();
}
