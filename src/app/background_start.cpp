// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/background_start.h"

#include "app/command_service.h"

#include <QCoreApplication>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <cerrno>
#include <csignal>

namespace quorvane {

std::optional<QString> startProgramInBackground(const QDBusConnection &bus, const QStringList &arguments,
                                                std::chrono::milliseconds timeout)
{
    QEventLoop loop;
    // Watching before the start: the name cannot come up unseen.
    QDBusServiceWatcher watcher(CommandService::serviceName, bus, QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);

    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(arguments);
    // The terminal is the caller's: the program outliving it neither reads from it nor
    // writes into what the user types next.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // The desktop's activation token is for the window the command opens; it goes with the
    // command, not with the start.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
    process.setProcessEnvironment(environment);
    qint64 processId = 0;
    if (!process.startDetached(&processId)) {
        //: A command was given while Quorvane did not run, and it could not be started; %1 says why
        //% "Quorvane could not be started: %1"
        return qtTrId("command_line.start_failed").arg(process.errorString());
    }

    // A copy that ends before taking commands (no screen it can use, a damaged
    // installation) is not waited for until the time is up.
    QTimer exited;
    QObject::connect(&exited, &QTimer::timeout, &loop, [&loop, processId] {
        if (::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH)
            loop.quit();
    });
    exited.start(100);
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    if (!CommandClient(bus).isProgramRunning())
        loop.exec();
    if (CommandClient(bus).isProgramRunning())
        return std::nullopt;
    //: A command was given while Quorvane did not run; the copy started for it ended or did not answer
    //% "Quorvane was started but did not come up to take the command."
    return qtTrId("command_line.start_no_answer");
}

} // namespace quorvane
