// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_delegate.h"
#include "app/app_resources.h"
#include "app/background_start.h"
#include "app/capture_handlers.h"
#include "app/command_line.h"
#include "app/command_service.h"
#include "app/desktop_service_factory.h"
#include "capture/allocator_settings.h"
#include "capture/capture_coordinator.h"
#include "core/diagnostics.h"
#include "core/language_manager.h"
#include "platform/interface_translations.h"
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"
#include "platform/user_defaults.h"
#include "platform/window_presenter.h"

#include "build_config.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

namespace {

using quorvane::CommandClient;
using quorvane::ProgramCommand;

// Ends the run without closing the windows first. QApplication's own quit closes each
// window, and a closed pin deletes its stored files (or, with unsaved edits, asks and may
// refuse to quit), while a quit must leave the pin to come back at the next start. This
// also covers quit requests made by others, such as the session manager at logout. The
// shut-down sequence still runs, on aboutToQuit.
class QuitWithoutClosingWindows : public QObject {
public:
    using QObject::QObject;

    static void endRun() { QCoreApplication::exit(0); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            endRun();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
}

void printTo(std::FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
}

// Hands `command` to the copy that runs; a start without a command opens its preferences,
// the one window that is always reachable, also where no system tray shows the icon.
int handOver(const CommandClient &client, std::optional<ProgramCommand> command)
{
    const ProgramCommand sent = command.value_or(ProgramCommand::preferences);
    std::optional<quorvane::CaptureOutcome> outcome;
    if (const std::optional<QString> problem =
            client.send(sent, CommandClient::platformDataFromEnvironment(), &outcome)) {
        //: The running copy refused a command given on the command line; %1 is the command, %2 why
        //% "Quorvane is running but did not take the command \"%1\": %2"
        printTo(stderr, qtTrId("command_line.command_refused").arg(quorvane::commandVerb(sent), *problem));
        return 1;
    }
    // A capture's end is told here too: a desktop without a notification server shows nothing.
    if (outcome && outcome->failed) {
        //: What the command line prints when the capture it asked for failed; %1 is why
        //% "Capture failed: %1"
        printTo(stderr, qtTrId("command_line.capture_failed").arg(outcome->message));
        return 1;
    }
    if (outcome && !outcome->message.isEmpty())
        printTo(stdout, outcome->message);
    return 0;
}

// What is answered before any window: the command line, and a copy that already runs.
// Needs no display. Sets `command` to the command to perform once started, and
// `helpWithQtOptions` when the help is to list Qt's options, which needs another application object.
std::optional<int> answerWithoutStarting(int argc, char **argv, std::optional<ProgramCommand> &command,
                                         bool &helpWithQtOptions)
{
    QCoreApplication app(argc, argv);
    setIdentity();
    {
        // The help speaks the interface language, as the program's windows will.
        const quorvane::UserDefaults stored(quorvane::UserDefaults::standardFilePath(),
                                            quorvane::UserDefaults::LookOnly{});
        quorvane::LanguageManager::applyLanguagePreference(stored);
    }
    const quorvane::CommandLineRequest request = quorvane::parseCommandLine(app.arguments());
    switch (request.kind) {
    case quorvane::CommandLineRequest::Kind::helpWithQtOptions:
        helpWithQtOptions = true;
        return std::nullopt;
    case quorvane::CommandLineRequest::Kind::help:
    case quorvane::CommandLineRequest::Kind::version:
        printTo(stdout, request.text);
        return 0;
    case quorvane::CommandLineRequest::Kind::invalid:
        //: The line below a refused command line; %1 is the command that shows the help
        //% "See \"%1\"."
        printTo(stderr, request.text + QLatin1Char('\n') + qtTrId("command_line.see_help").arg(QStringLiteral("quorvane --help")));
        return 2;
    case quorvane::CommandLineRequest::Kind::run:
        break;
    }
    command = request.command;

    // A connection of its own, closed before the program's application object exists.
    const QString connectionName = QStringLiteral("quorvane-command-line");
    std::optional<int> result;
    {
        const CommandClient client(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName));
        if (client.isProgramRunning())
            result = handOver(client, command);
    }
    QDBusConnection::disconnectFromBus(connectionName);
    if (!result && command == ProgramCommand::quit) {
        //: The command line asked a copy to quit, and none runs
        //% "Quorvane is not running."
        printTo(stderr, qtTrId("command_line.not_running"));
        result = 1;
    }
    if (!result && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen")) {
        //: Started where there is no screen, e.g. over ssh
        //% "Quorvane needs a graphical desktop session: no DISPLAY is set."
        printTo(stderr, qtTrId("command_line.no_display"));
        result = 1;
    }
    // A command, as from a script or a terminal, returns with its answer: the program it
    // needs is started apart and handed the command as a running copy would be. Without
    // a session bus nothing could reach that copy, and this start becomes the program.
    if (!result && command) {
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName);
        if (bus.isConnected()) {
            // Qt's own options ("-platform xcb") go with it; the command goes over the bus.
            QStringList options = app.arguments().mid(1);
            options.removeAt(options.lastIndexOf(quorvane::commandVerb(*command)));
            if (const std::optional<QString> problem =
                    quorvane::startProgramInBackground(bus, options, std::chrono::seconds(30))) {
                printTo(stderr, *problem);
                result = 1;
            } else {
                result = handOver(CommandClient(bus), command);
            }
        }
        QDBusConnection::disconnectFromBus(connectionName);
    }
    return result;
}

// Without a session bus the lock file keeps a second copy out; it cannot be reached then.
bool holdLock(quorvane::SingleInstanceGuard &lock)
{
    switch (lock.tryAcquire()) {
    case quorvane::SingleInstanceGuard::Result::acquired:
        return true;
    case quorvane::SingleInstanceGuard::Result::heldByAnother: {
        const qint64 owner = lock.ownerProcessId();
        if (owner > 0) {
            //: A second start without a session bus; %1 is the number of the process that runs
            //% "Quorvane is already running (process %1); without a session bus it cannot be sent a command."
            printTo(stderr, qtTrId("command_line.already_running_process").arg(owner));
        } else {
            //: A second start without a session bus
            //% "Quorvane is already running; without a session bus it cannot be sent a command."
            printTo(stderr, qtTrId("command_line.already_running"));
        }
        return false;
    }
    case quorvane::SingleInstanceGuard::Result::unsafeFolder: {
        const QString folder = QFileInfo(lock.lockPath()).absolutePath();
        //: The program will not start; %1 says what is wrong with the folder of its lock file
        //% "Quorvane cannot start: %1, so another user could keep it from running. Make the folder yours alone (chmod 700) or set XDG_RUNTIME_DIR to a folder that is."
        const QString text = qtTrId("command_line.unsafe_folder")
                                 .arg(quorvane::SingleInstanceGuard::folderProblem(folder).value_or(folder));
        printTo(stderr, text);
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvane"), text);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return false;
    }
    }
    return false;
}

// Qt's own options are known only to a graphical application object; one on no screen at
// all answers without a display.
int printHelpWithQtOptions(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The interface language the command line applied goes with it into this application object.
    quorvane::InterfaceTranslations::installEnglish();
    setIdentity();
    QCommandLineParser parser;
    quorvane::describeCommandLine(parser);
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::optional<ProgramCommand> command;
    bool helpWithQtOptions = false;
    if (const std::optional<int> answered = answerWithoutStarting(argc, argv, command, helpWithQtOptions))
        return *answered;
    if (helpWithQtOptions)
        return printHelpWithQtOptions(argc, argv);

    quorvane::makeFreedMemoryReturnable();

    QApplication app(argc, argv);
    // Texts are looked up by id: without the English table they would read as their ids.
    quorvane::InterfaceTranslations::installEnglish();
    setIdentity();
    QApplication::setDesktopFileName(QStringLiteral("com.corvantis.Quorvane"));
    // The program lives in the status area: closing its last window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    quorvane::registerAppResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.svg")));

    // One copy per session: the one that owns the command interface's bus name, or,
    // without a session bus, the one that holds the lock file.
    quorvane::CommandService commands;
    quorvane::SingleInstanceGuard lock;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        // Another copy may have started since the check above.
        if (!commands.publish(bus))
            return handOver(CommandClient(bus), command);
    } else if (!holdLock(lock)) {
        return 1;
    }

    QuitWithoutClosingWindows quitFilter;
    app.installEventFilter(&quitFilter);
    const auto endRun = &QuitWithoutClosingWindows::endRun;

    // A logout (SIGTERM) or Ctrl+C (SIGINT) ends the program through its normal quit.
    quorvane::TerminationSignals termination;
    QObject::connect(&termination, &quorvane::TerminationSignals::terminationRequested, &app,
                     [endRun](int signalNumber) {
                         quorvane::diag(quorvane::lcApp(), QStringLiteral("Signal %1 received - quitting").arg(signalNumber));
                         endRun();
                     });

    // The factory's facilities outlive the delegate, which owns every service.
    quorvane::DesktopServiceFactory factory;
    // The interface language chosen in an earlier run, before any text is shown.
    quorvane::LanguageManager::applyLanguagePreference(factory.userDefaults());
    quorvane::AppDelegate delegate(factory);
    QObject::connect(&delegate, &quorvane::AppDelegate::terminationRequested, &app, endRun, Qt::QueuedConnection);
    QObject::connect(&app, &QApplication::aboutToQuit, &delegate, &quorvane::AppDelegate::applicationWillTerminate);
    // Queued: the caller's answer goes out at once, even when the command opens a modal
    // alert that waits for the user.
    QObject::connect(&commands, &quorvane::CommandService::activationTokenReceived, &delegate,
                     &quorvane::useActivationToken, Qt::QueuedConnection);
    QObject::connect(&commands, &quorvane::CommandService::commandReceived, &delegate,
                     &quorvane::AppDelegate::perform, Qt::QueuedConnection);
    // A script that asks for a capture while one runs learns it was not started, or that
    // it cancelled the running one.
    commands.setAnswering([&delegate](quorvane::ProgramCommand command) {
        return quorvane::captureCommandAnswer(delegate.services().captureCoordinator(), command);
    });
    // A capture asked for from the command line is answered when it ends, with how it ended.
    commands.answerCapturesWhenDone();
    delegate.captures().setOutcomeListener(
        [&commands](quorvane::ProgramCommand command, const quorvane::CaptureOutcome &outcome) {
            commands.answer(command, outcome);
        });
    // The command this start was given runs once the program is up.
    if (command)
        delegate.perform(*command);
    delegate.applicationDidFinishLaunching();

    quorvane::diag(quorvane::lcApp(), QStringLiteral("[main] Quorvane started (process %1)").arg(QApplication::applicationPid()));
    return app.exec();
}
