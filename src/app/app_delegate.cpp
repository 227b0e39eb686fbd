// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_delegate.h"

#include "app/hotkey_registrar.h"
#include "app/menu_bar_controller.h"
#include "app/service_factory.h"
#include "app/shortcut_refusal_notice.h"
#include "app/sparkle_updater.h"
#include "app/tray_absence_notice.h"
#include "capture/continuity_runtime.h"
#include "core/diagnostics.h"
#include "core/hotkey_manager.h"
#include "core/localized_error.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "history/history_store.h"
#include "history/set_aside_message.h"
#include "pins/pin_widget_manager.h"
#include "platform/activation_policy.h"
#include "platform/session_type.h"
#include "platform/status_item.h"
#include "platform/user_defaults.h"

#include <QPointer>
#include <QTimer>

#include <utility>

namespace quorvane {

AppDelegate::AppDelegate(ServiceFactory &factory, QObject *parent)
    : QObject(parent), m_factory(factory), m_services(factory), m_windows(factory, m_services),
      m_firstLaunch(factory, m_services, firstLaunchHooks()),
      m_captures(m_services,
                 [this] {
                     if (m_menuBarController)
                         m_menuBarController->refreshMenu();
                 })
{
}

AppDelegate::~AppDelegate() = default;

FirstLaunchFlow::Hooks AppDelegate::firstLaunchHooks()
{
    // The flow is a member: it never calls back into a delegate that is gone.
    return {
        [this] { return m_terminating; },
        [this] { showOnboarding(); },
        [this] { requestPermissionsAfterOnboarding(); },
        [this] {
            if (m_menuBarController)
                m_menuBarController->showFirstLaunchTooltip();
        },
        [this] { setupHotkeys(); },
    };
}

// --- Start-up -------------------------------------------------------------------------

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_launched)
        return;
    m_launched = true;

    setupServices();

    m_sparkleUpdater = &m_factory.sparkleUpdater();
    m_sparkleUpdater->checkForUpdatesInBackground();
    diag(lcApp(), QStringLiteral("Updater initialized - background check started"));

    // The stored choice holds from the first moment, not only once it is switched.
    const bool showDockIcon = m_services.settingsStore()->settings().showDockIcon;
    m_factory.activationPolicy().setActivationPolicy(showDockIcon ? ActivationPolicyKind::regular
                                                                  : ActivationPolicyKind::accessory);
    diag(lcApp(), QStringLiteral("ℹ️ [AppDelegate] Activation policy: %1")
             .arg(showDockIcon ? QStringLiteral("regular (taskbar entry shown)") : QStringLiteral("accessory")));

    setupMenuBar();
    setupTrayAbsenceNotice();
    setupHotkeys();
    setupNotificationObservers();
    checkFirstLaunch();
    // The pin of the previous run comes back where it was.
    m_services.pinWidgetManager()->restorePin();

    diag(lcApp(), QStringLiteral("Quorvane launched successfully"));
    diag(lcApp(), QStringLiteral("   Services: ScreenCapture, OCR, CodeScan, History, Settings, Notifications, "
                        "Permissions, Clipboard, CaptureCoordinator"));

    m_running = true;
    for (ProgramCommand command : std::exchange(m_pendingCommands, {}))
        perform(command);
}

void AppDelegate::setupTrayAbsenceNotice()
{
    m_trayAbsenceNotice = std::make_unique<TrayAbsenceNotice>(
        [this] { return m_menuBarController && m_menuBarController->statusItem()->hasButton(); },
        [this] {
            const HotkeyManager *hotkeys = m_services.hotkeyManager();
            if (hotkeys && hotkeys->ownership() == ShortcutOwnership::unavailable)
                return QString();
            return m_services.settingsStore()->settings().quickZarrowShortcut.displayString();
        },
        [this](const QString &title, const QString &body) {
            return m_services.notificationService()->postSystemNotification(title, body, std::nullopt);
        });
    connect(m_trayAbsenceNotice.get(), &TrayAbsenceNotice::quitRequested, this, &AppDelegate::requestQuit);
    m_trayAbsenceNotice->start();
}

void AppDelegate::perform(ProgramCommand command)
{
    if (!m_running) {
        m_pendingCommands.push_back(command);
        return;
    }
    if (m_terminating)
        return;
    switch (command) {
    case ProgramCommand::capture: handleCaptureText(); break;
    case ProgramCommand::repeat: handleRepeatZarrow(); break;
    case ProgramCommand::code: handleCodeModeCapture(); break;
    case ProgramCommand::scan: handleScanCode(); break;
    case ProgramCommand::history: openHistory(); break;
    case ProgramCommand::preferences: openPreferences(); break;
    case ProgramCommand::quit: requestQuit(); break;
    }
}

void AppDelegate::requestQuit()
{
    diag(lcApp(), QStringLiteral("Quit requested"));
    // A pin the disk did not take lives only in memory: the user decides whether it goes.
    if (m_services.pinWidgetManager() && !m_services.pinWidgetManager()->mayQuit()) {
        diag(lcApp(), QStringLiteral("Quit cancelled: the pin is not saved"));
        return;
    }
    emit terminationRequested();
}

void AppDelegate::setupServices()
{
    m_services.setup();
    diag(lcApp(), QStringLiteral("All services initialized"));
}

void AppDelegate::setupMenuBar()
{
    auto controller = std::make_unique<MenuBarController>(m_factory.makeStatusItem(), m_factory.userDefaults(),
                                                          m_sparkleUpdater ? *m_sparkleUpdater
                                                                           : m_factory.sparkleUpdater(),
                                                          m_factory.continuityRuntime());
    QPointer<AppDelegate> self(this);
    controller->onCaptureText = [self] {
        if (self)
            self->handleCaptureText();
    };
    controller->onScanCode = [self] {
        if (self)
            self->handleScanCode();
    };
    controller->onOpenHistory = [self] {
        if (self)
            self->openHistory();
    };
    controller->onOpenPreferences = [self] {
        if (self)
            self->openPreferences();
    };
    controller->onQuit = [self] {
        if (self)
            self->requestQuit();
    };
    controller->onSendFeedback = [self] {
        if (self)
            self->openFeedback();
    };
    // Where the user looks at the shortcuts, one another program held may be free by now.
    controller->onMenuOpening = [self] {
        if (self)
            self->retryRefusedShortcuts();
    };
    controller->onAbout = [self] {
        if (self)
            self->openAbout();
    };
    controller->onImageFromiPhone = [self](const QImage &image) {
        if (self)
            self->handleImportedImage(image);
    };
    if (currentSessionType() == SessionType::wayland) {
        // As a toast: it goes when a toast would have, and stands in a window of the program's
        // own where no notification server runs.
        controller->onFirstLaunchNote = [self](const QString &title, const QString &body) {
            if (self && self->m_services.notificationService())
                self->m_services.notificationService()->showWarning(title, body);
        };
    }
    connect(&m_factory.continuityRuntime(), &ContinuityRuntime::importFailed, this,
            [this](const ImageImportError &error) {
                if (m_services.notificationService())
                    m_services.notificationService()->showError(error, std::nullopt);
            });
    m_menuBarController = std::move(controller);
    applyShortcutTexts();
    applyRefusedShortcuts();
    if (HotkeyManager *hotkeys = m_services.hotkeyManager())
        connect(hotkeys, &HotkeyManager::refusalsChanged, this, &AppDelegate::applyRefusedShortcuts, Qt::UniqueConnection);
}

void AppDelegate::applyRefusedShortcuts()
{
    HotkeyManager *hotkeys = m_services.hotkeyManager();
    if (!m_menuBarController || !hotkeys)
        return;
    QList<ShortcutAction> refused;
    for (const HotkeyAction action : hotkeys->refusedActions())
        refused << shortcutAction(action);
    m_menuBarController->setRefusedShortcuts(refused);
}

void AppDelegate::applyShortcutTexts()
{
    if (!m_services.settingsStore())
        return;
    const UserSettings &settings = m_services.settingsStore()->settings();
    const HotkeyManager *hotkeys = m_services.hotkeyManager();
    const bool offered = !hotkeys || hotkeys->ownership() != ShortcutOwnership::unavailable;
    if (m_menuBarController)
        m_menuBarController->setShortcuts(settings, offered);
    m_windows.setShortcuts(settings);
    m_firstLaunch.setCaptureShortcut(offered ? std::optional(settings.quickZarrowShortcut) : std::nullopt);
}

void AppDelegate::openHistory(std::optional<QUuid> entry)
{
    diag(lcApp(), QStringLiteral("Open History requested"));
    // The window always opens on the full list: the toast's record is not selected.
    Q_UNUSED(entry);
    m_windows.openHistory();
}

void AppDelegate::setupHotkeys()
{
    if (m_terminating) {
        diag(lcApp(), QStringLiteral("[setupHotkeys] Quitting - no hotkey is registered"));
        return;
    }
    if (!m_services.hotkeyRegistrar())
        return;
    QPointer<AppDelegate> self(this);
    const auto call = [self](void (AppDelegate::*handler)()) {
        return [self, handler] {
            if (self)
                (self.data()->*handler)();
        };
    };
    const HotkeyRegistrar::Callbacks callbacks{
        {HotkeyAction::quickZarrowCapture, call(&AppDelegate::handleCaptureText)},
        {HotkeyAction::repeatZarrow, call(&AppDelegate::handleRepeatZarrow)},
        {HotkeyAction::codeMode, call(&AppDelegate::handleCodeModeCapture)},
        {HotkeyAction::openHistory,
         [self] {
             if (self)
                 self->openHistory();
         }},
        {HotkeyAction::scanCode, call(&AppDelegate::handleScanCode)},
    };
    const HotkeyRegistrar::Outcome outcome = m_services.hotkeyRegistrar()->registerAll(callbacks);
    // Pressing a shortcut that was never taken does nothing: the user is told why.
    if (!outcome.failures.isEmpty()) {
        const HotkeyAction action = outcome.failures.first().first;
        m_services.shortcutNotice()->report(action, m_services.settingsStore()->settings().shortcut(shortcutAction(action)));
    }
}

void AppDelegate::retryRefusedShortcuts()
{
    const HotkeyManager *hotkeys = m_services.hotkeyManager();
    if (hotkeys && !hotkeys->refusedActions().isEmpty())
        setupHotkeys();
}

void AppDelegate::openPreferences()
{
    retryRefusedShortcuts();
    m_windows.openPreferences();
}

void AppDelegate::logShortcuts() const
{
    const UserSettings &settings = m_services.settingsStore()->settings();
    diag(lcApp(), QStringLiteral("[QuorvaneApp] Current settings shortcuts:"));
    diag(lcApp(), QStringLiteral("   - quickZarrowShortcut: %1").arg(settings.quickZarrowShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - repeatZarrowShortcut: %1").arg(settings.repeatZarrowShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - codeModeShortcut: %1").arg(settings.codeModeShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - historyShortcut: %1").arg(settings.historyShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - scanCodeShortcut: %1").arg(settings.scanCodeShortcut.displayString()));
}

void AppDelegate::setupNotificationObservers()
{
    // Every save re-binds the five hotkeys, whatever changed, and hands the two
    // notification switches to the notification service so they work at once.
    connect(m_services.settingsStore(), &SettingsStore::settingsDidChange, this, [this] {
        diag(lcApp(), QStringLiteral("[QuorvaneApp] SettingsDidChange notification received"));
        logShortcuts();
        m_services.applyNotificationSettings();
        if (m_terminating) {
            // The quit-time save: the hotkeys are about to be released for good.
            diag(lcApp(), QStringLiteral("[QuorvaneApp] Quitting - hotkeys are not registered again"));
            return;
        }
        applyShortcutTexts();
        QTimer::singleShot(0, this, [this] {
            diag(lcApp(), QStringLiteral("[QuorvaneApp] Calling setupHotkeys() to re-register with fresh callbacks..."));
            setupHotkeys();
            diag(lcApp(), QStringLiteral("[QuorvaneApp] setupHotkeys() completed"));
        });
    });

    // A grant made while the program runs binds the hotkeys without a restart; a
    // withdrawn grant leaves them as they are.
    connect(m_services.permissionManager(), &PermissionManager::accessibilityPermissionChanged, this,
            [this](bool granted) {
                if (granted)
                    QTimer::singleShot(0, this, [this] { setupHotkeys(); });
            });

    // Each unreadable history file is set aside once.
    // A desktop notification stays until dismissed and opens the History window, whose
    // banner keeps saying it after any toast that would replace this one.
    static const QString openHistoryAction = QStringLiteral("app.corvantis.openHistory");
    const auto warnHistorySetAside = [this](const HistoryStore::SetAside &setAside) {
        m_services.notificationService()->showActionableWarning(AppServices::setAsideTitle(),
                                                                setAsideMessage(setAside), openHistoryAction);
    };
    connect(m_services.historyStore(), &HistoryStore::historyFileSetAside, this, [warnHistorySetAside](const QString &path) {
        warnHistorySetAside({HistoryStore::SetAsideKind::file, path});
    });
    connect(m_services.historyStore(), &HistoryStore::recordsSetAside, this, [warnHistorySetAside](const QString &path) {
        warnHistorySetAside({HistoryStore::SetAsideKind::records, path});
    });
    connect(m_services.notificationService(), &NotificationService::warningClicked, this,
            [this](const QString &action) {
                if (action == openHistoryAction)
                    openHistory(std::nullopt);
            });

    // An unreadable pin is set aside once, at the start.
    connect(m_services.pinWidgetManager(), &PinWidgetManager::pinFileSetAside, this, [this](const QString &path) {
        //: Warning message when the stored pinned capture could not be read; %1 is where it was kept
        //% "The pinned capture could not be read and was kept as %1."
        m_services.warnSetAside(qtTrId("notification.pin_set_aside.message").arg(path));
    });

    // Where the desktop turns out to offer no shortcuts, the menu stops promising them.
    if (m_services.hotkeyManager())
        connect(m_services.hotkeyManager(), &HotkeyManager::desktopShortcutsChanged, this,
                [this] { applyShortcutTexts(); });

    // A click on the notice of a refused shortcut.
    connect(m_services.shortcutNotice(), &ShortcutRefusalNotice::openShortcutsPreferences, this,
            [this] {
                retryRefusedShortcuts();
                m_windows.openShortcutsPreferences();
            });

    // A click on a success toast.
    connect(m_services.notificationService(), &NotificationService::openHistoryWithEntry, this,
            [this](const QUuid &captureID) { openHistory(captureID); });
}

// --- Shut-down ---------------------------------------------------------------------------

void AppDelegate::applicationWillTerminate()
{
    if (m_terminating)
        return;
    m_terminating = true;

    // Saved here and now, before anything is released: the event loop has stopped, so
    // work queued for later would never run. Its "SettingsDidChange" binds nothing.
    if (m_services.settingsStore()) {
        try {
            m_services.settingsStore()->save();
            diag(lcApp(), QStringLiteral("Settings saved"));
        } catch (const std::exception &error) {
            diagWarning(lcApp(), QStringLiteral("Settings not saved at quit: %1").arg(logDescription(error)));
        }
    }

    // A pin change still waiting for its pause is written before the program ends.
    if (m_services.pinWidgetManager()) {
        m_services.pinWidgetManager()->flushPendingSave();
        if (m_services.pinWidgetManager()->isUnwritten())
            diagWarning(lcApp(), QStringLiteral("The pin's latest changes could not be written: %1")
                                     .arg(m_services.pinWidgetManager()->unwrittenReason()));
    }

    // Releasing every combination also leaves the hotkey manager disabled.
    if (m_services.hotkeyRegistrar())
        m_services.hotkeyRegistrar()->unregisterAll();

    m_trayAbsenceNotice.reset();
    m_menuBarController.reset(); // takes the icon out of the status area
    diag(lcApp(), QStringLiteral("Quorvane terminated"));
}

} // namespace quorvane
