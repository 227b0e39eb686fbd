// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/app_services.h"
#include "app/capture_handlers.h"
#include "app/first_launch_flow.h"
#include "app/program_command.h"
#include "app/shell_windows.h"

#include <QObject>
#include <QUuid>

#include <memory>
#include <optional>
#include <vector>

namespace quorvane {

class MenuBarController;
class ServiceFactory;
class SparkleUpdater;
class TrayAbsenceNotice;

// The spine of the running program: has the services made (AppServices), puts the status
// item up, binds the global hotkeys, and connects menu rows, hotkeys and in-process
// notifications to the capture handlers (CaptureHandlers), the windows (ShellWindows) and
// the first-launch flow (FirstLaunchFlow); takes everything down again at quit. Main
// thread only.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // Nothing is made before `applicationDidFinishLaunching`.
    explicit AppDelegate(ServiceFactory &factory, QObject *parent = nullptr);
    ~AppDelegate() override;

    // Start-up: services, updater, activation policy, status item, hotkeys, observers,
    // first-launch check, in that order. Called once.
    void applicationDidFinishLaunching();
    // Shut-down: saves the settings (before anything is released), unregisters the
    // hotkeys, removes the status item. Runs once; later calls do nothing.
    void applicationWillTerminate();
    // Performs a command from outside the program (the command line, the session bus):
    // a capture, a window, or quitting. One that comes before the launch has finished
    // is performed right after it.
    void perform(ProgramCommand command);
    // Closing the last window never ends the program.
    bool applicationShouldTerminateAfterLastWindowClosed() const { return false; }

    // The start-up steps, each called once at launch. `setupHotkeys` also runs again on
    // every settings save and when the key-grab permission is granted; once shut-down
    // has begun it registers nothing.
    void setupServices();
    void setupMenuBar();
    void setupHotkeys();
    // Registers the hotkeys again when one was refused (another program held it, and may
    // have let it go since).
    void retryRefusedShortcuts();
    void setupNotificationObservers();

    // The capture handlers: each prints its request, runs one capture workflow and, after
    // a success, refreshes the status menu. They return at once.
    virtual void handleCaptureText() { m_captures.handleCaptureText(); }
    virtual void handleRepeatZarrow() { m_captures.handleRepeatZarrow(); }
    virtual void handleCodeModeCapture() { m_captures.handleCodeModeCapture(); }
    virtual void handleScanCode() { m_captures.handleScanCode(); }
    // Recognises an image brought in from outside the screen (see CaptureHandlers).
    virtual void handleImportedImage(const QImage &image) { m_captures.handleImportedImage(image); }
    // The capture and import workflows.
    CaptureHandlers &captures() { return m_captures; }

    // The windows. Each is built when none is open and otherwise only brought forward;
    // either way it then takes the focus. They return at once.
    // The capture history, always on the full list; `entry` is the record whose toast was
    // clicked, if any.
    virtual void openHistory(std::optional<QUuid> entry = std::nullopt);
    // Tries the shortcuts another program held once more first: the user is about to see them.
    virtual void openPreferences();
    virtual void openFeedback() { m_windows.openFeedback(); }
    virtual void openAbout() { m_windows.openAbout(); }
    // The first-launch flow (see FirstLaunchFlow); the program's own steps, which it
    // calls back.
    virtual void checkFirstLaunch() { m_firstLaunch.checkFirstLaunch(); }
    virtual void showOnboarding() { m_firstLaunch.showOnboarding(); }
    virtual void requestPermissionsAfterOnboarding() { m_firstLaunch.requestPermissionsAfterOnboarding(); }

    // The open onboarding window; null while closed.
    QWidget *onboardingWindow() const { return m_firstLaunch.onboardingWindow(); }
    // The history, preferences, feedback and about windows.
    ShellWindows &windows() { return m_windows; }

    // True once shut-down has begun.
    bool isTerminating() const { return m_terminating; }

    // The services; null before `setupServices`.
    AppServices &services() { return m_services; }
    MenuBarController *menuBarController() const { return m_menuBarController.get(); }
    SparkleUpdater *sparkleUpdater() const { return m_sparkleUpdater; }

signals:
    // The user chose to quit; the application should end (and then call
    // `applicationWillTerminate`).
    void terminationRequested();

private:
    FirstLaunchFlow::Hooks firstLaunchHooks();
    void setupTrayAbsenceNotice();
    // The user asked to quit (menu, notice window, command).
    void requestQuit();
    void logShortcuts() const;
    // Every text that names a global shortcut shows the user's current one.
    void applyShortcutTexts();
    // Marks the menu rows whose shortcut could not be taken.
    void applyRefusedShortcuts();

    ServiceFactory &m_factory;
    bool m_launched = false;
    bool m_terminating = false;

    AppServices m_services;
    SparkleUpdater *m_sparkleUpdater = nullptr;
    std::unique_ptr<MenuBarController> m_menuBarController;
    std::unique_ptr<TrayAbsenceNotice> m_trayAbsenceNotice;
    // Commands that came while launching; performed once it is done.
    std::vector<ProgramCommand> m_pendingCommands;
    bool m_running = false;

    // The windows; they are taken down before the services they show.
    ShellWindows m_windows;
    FirstLaunchFlow m_firstLaunch;

    // Declared last, so it goes first: nothing finishing while the services are being
    // taken down reaches the delegate.
    CaptureHandlers m_captures;
};

} // namespace quorvane
