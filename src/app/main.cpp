#include "app/app_delegate.h"
#include "app/app_resources.h"
#include "app/desktop_service_factory.h"
#include "core/diagnostics.h"
#include "core/language_manager.h"
#include "platform/single_instance_guard.h"
#include "platform/termination_signals.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include <cstdio>

namespace {

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

} // namespace

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

    QuitWithoutClosingWindows quitFilter;
    app.installEventFilter(&quitFilter);
    const auto endRun = &QuitWithoutClosingWindows::endRun;

    // A logout (SIGTERM) or Ctrl+C (SIGINT) ends the program through its normal quit.
    quorvane::TerminationSignals termination;
    QObject::connect(&termination, &quorvane::TerminationSignals::terminationRequested, &app,
                     [endRun](int signalNumber) {
                         quorvane::diag(quorvane::lcApp(), QStringLiteral("🛑 Signal %1 received - quitting").arg(signalNumber));
                         endRun();
                     });

    // The factory's facilities outlive the delegate, which owns every service.
    quorvane::DesktopServiceFactory factory;
    // The interface language chosen in an earlier run, before any text is shown.
    quorvane::LanguageManager::applyLanguagePreference(factory.userDefaults());
    quorvane::AppDelegate delegate(factory);
    QObject::connect(&delegate, &quorvane::AppDelegate::terminationRequested, &app, endRun, Qt::QueuedConnection);
    QObject::connect(&app, &QApplication::aboutToQuit, &delegate, &quorvane::AppDelegate::applicationWillTerminate);
    delegate.applicationDidFinishLaunching();

    quorvane::diag(quorvane::lcApp(), QStringLiteral("🔷 [main] Quorvane started (process %1)").arg(QApplication::applicationPid()));
    return app.exec();
}
