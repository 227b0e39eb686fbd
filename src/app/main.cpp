#include "app/app_delegate.h"
#include "app/app_resources.h"
#include "app/desktop_service_factory.h"
#include "core/diagnostics.h"
#include "core/language_manager.h"
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen")) {
        std::fprintf(stderr, "Quorvane needs a graphical desktop session: no DISPLAY is set.\n");
        return 1;
    }

    // One copy per user and display; a second start changes nothing in the first.
    quorvane::SingleInstanceGuard instance;
    if (!instance.tryAcquire()) {
        const qint64 owner = instance.ownerProcessId();
        std::fprintf(stderr, "Quorvane is already running%s; its icon is in the system tray.\n",
                     owner > 0 ? qPrintable(QStringLiteral(" (process %1)").arg(owner)) : "");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("quorvane"));
    // The program lives in the status area: closing its last window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    quorvane::registerAppResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvane.svg")));

    // A logout (SIGTERM) or Ctrl+C (SIGINT) ends the program through its normal quit.
    quorvane::TerminationSignals termination;
    QObject::connect(&termination, &quorvane::TerminationSignals::terminationRequested, &app, [](int signalNumber) {
        quorvane::diag(QStringLiteral("🛑 Signal %1 received - quitting").arg(signalNumber));
        QApplication::quit();
    });

    // The factory's facilities outlive the delegate, which owns every service.
    quorvane::DesktopServiceFactory factory;
    // The interface language chosen in an earlier run, before any text is shown.
    quorvane::LanguageManager::applyLanguagePreference(factory.userDefaults());
    quorvane::AppDelegate delegate(factory);
    QObject::connect(&delegate, &quorvane::AppDelegate::terminationRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&app, &QApplication::aboutToQuit, &delegate, &quorvane::AppDelegate::applicationWillTerminate);
    delegate.applicationDidFinishLaunching();

    quorvane::diag(QStringLiteral("🔷 [main] Quorvane started (process %1)").arg(QApplication::applicationPid()));
    return app.exec();
}
