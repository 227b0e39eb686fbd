#include "app/app_delegate.h"

#include "app/app_services.h"
#include "app/first_launch_manager.h"
#include "app/first_launch_tooltip.h"
#include "app/hotkey_registrar.h"
#include "app/menu_bar_controller.h"
#include "app/onboarding_window.h"
#include "app/permission_request_flow.h"
#include "app/service_factory.h"
#include "app/shortcut_refusal_notice.h"
#include "app/sparkle_updater.h"
#include "app/tray_absence_notice.h"
#include "app/shell_windows.h"
#include "capture/capture_coordinator.h"
#include "capture/capture_coordinator_error.h"
#include "capture/clipboard_service.h"
#include "capture/code_scan_service.h"
#include "capture/continuity_manager.h"
#include "capture/continuity_pasteboard.h"
#include "capture/continuity_runtime.h"
#include "capture/ocr_service.h"
#include "capture/screen_capture_error.h"
#include "capture/screen_capture_service.h"
#include "core/diagnostics.h"
#include "core/future_outcome.h"
#include "core/hotkey_manager.h"
#include "core/localized_error.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "core/text_utils.h"
#include "history/history_store.h"
#include "pins/pin_widget_manager.h"
#include "platform/activation_policy.h"
#include "platform/l10n.h"
#include "platform/notification_center.h"
#include "platform/status_item.h"
#include "platform/user_defaults.h"
#include "windows/onboarding_view.h"

#include <QDateTime>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include <execinfo.h>

#include <cstdlib>
#include <utility>

namespace quorvane {

namespace {

// Width of the thumbnail recorded with an imported image, in pixels.
constexpr int kThumbnailWidth = 256;

// The frames of the current call stack, one per line.
QStringList callStackSymbols()
{
    void *frames[64];
    const int count = ::backtrace(frames, 64);
    QStringList lines;
    if (char **symbols = ::backtrace_symbols(frames, count)) {
        for (int i = 0; i < count; ++i)
            lines << QString::fromLocal8Bit(symbols[i]);
        std::free(symbols);
    }
    return lines;
}

QString sizeText(const QImage &image)
{
    const QSizeF points = image.deviceIndependentSize();
    return QStringLiteral("%1x%2").arg(points.width()).arg(points.height());
}

} // namespace

AppDelegate::AppDelegate(ServiceFactory &factory, QObject *parent)
    : QObject(parent), m_factory(factory), m_services(factory), m_windows(factory, m_services)
{
}

AppDelegate::~AppDelegate()
{
    // The windows show the services: they go first.
    delete m_onboardingWindow.data();
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
    diag(lcApp(), QStringLiteral("✅ Updater initialized - background check started"));

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

    diag(lcApp(), QStringLiteral("✅ Quorvane launched successfully"));
    diag(lcApp(), QStringLiteral("   Services: ✓ ScreenCapture ✓ OCR ✓ CodeScan ✓ History ✓ Settings ✓ Notifications "
                        "✓ Permissions ✓ Clipboard ✓ CaptureCoordinator"));

    m_running = true;
    for (ProgramCommand command : std::exchange(m_pendingCommands, {}))
        perform(command);
}

void AppDelegate::setupTrayAbsenceNotice()
{
    m_trayAbsenceNotice = std::make_unique<TrayAbsenceNotice>(
        [this] { return m_menuBarController && m_menuBarController->statusItem()->hasButton(); },
        [this] { return m_services.settingsStore()->settings().quickZarrowShortcut.displayString(); },
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
    diag(lcApp(), QStringLiteral("🛑 Quit requested"));
    emit terminationRequested();
}

void AppDelegate::setupServices()
{
    m_services.setup();
    // Images handed over through the import bridge come to this delegate.
    ContinuityManager::shared().bridgeView().setDelegate(this);
    diag(lcApp(), QStringLiteral("✅ All services initialized"));
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
    controller->onAbout = [self] {
        if (self)
            self->openAbout();
    };
    controller->onImageFromiPhone = [self](const QImage &image) {
        if (self)
            self->handleImportedImage(image);
    };
    connect(&m_factory.continuityRuntime(), &ContinuityRuntime::imageFileUnreadable, this,
            [this](const ImageImportError &error) {
                if (m_services.notificationService())
                    m_services.notificationService()->showError(error, std::nullopt);
            });
    m_menuBarController = std::move(controller);
    applyShortcutTexts();
}

void AppDelegate::applyShortcutTexts()
{
    if (!m_services.settingsStore())
        return;
    const UserSettings &settings = m_services.settingsStore()->settings();
    if (m_menuBarController)
        m_menuBarController->setShortcuts(settings);
    m_windows.setShortcuts(settings);
    if (m_onboardingView)
        m_onboardingView->setCaptureShortcut(settings.quickZarrowShortcut);
    if (m_permissionFlow)
        m_permissionFlow->setCaptureShortcut(settings.quickZarrowShortcut);
}

void AppDelegate::setupHotkeys()
{
    if (m_terminating) {
        diag(lcApp(), QStringLiteral("⌨️ [setupHotkeys] Quitting - no hotkey is registered"));
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

void AppDelegate::logShortcuts() const
{
    const UserSettings &settings = m_services.settingsStore()->settings();
    diag(lcApp(), QStringLiteral("⌨️ [QuorvaneApp] Current settings shortcuts:"));
    diag(lcApp(), QStringLiteral("   - quickZarrowShortcut: %1").arg(settings.quickZarrowShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - repeatZarrowShortcut: %1").arg(settings.repeatZarrowShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - codeModeShortcut: %1").arg(settings.codeModeShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - historyShortcut: %1").arg(settings.historyShortcut.displayString()));
    diag(lcApp(), QStringLiteral("   - scanCodeShortcut: %1").arg(settings.scanCodeShortcut.displayString()));
}

void AppDelegate::setupNotificationObservers()
{
    NotificationCenter &center = m_factory.notificationCenter();

    // Every save re-binds the five hotkeys, whatever changed, and hands the two
    // notification switches to the notification service so they work at once.
    center.addObserver(QString::fromLatin1(SettingsStore::didChangeNotification), this, [this](const QVariantMap &) {
        diag(lcApp(), QStringLiteral("⌨️ [QuorvaneApp] SettingsDidChange notification received"));
        logShortcuts();
        m_services.applyNotificationSettings();
        if (m_terminating) {
            // The quit-time save: the hotkeys are about to be released for good.
            diag(lcApp(), QStringLiteral("⌨️ [QuorvaneApp] Quitting - hotkeys are not registered again"));
            return;
        }
        applyShortcutTexts();
        QTimer::singleShot(0, this, [this] {
            diag(lcApp(), QStringLiteral("⌨️ [QuorvaneApp] Calling setupHotkeys() to re-register with fresh callbacks..."));
            setupHotkeys();
            diag(lcApp(), QStringLiteral("⌨️ [QuorvaneApp] setupHotkeys() completed"));
        });
    });

    // A grant made while the program runs binds the hotkeys without a restart; a
    // withdrawn grant leaves them as they are.
    center.addObserver(QString::fromLatin1(PermissionManager::accessibilityPermissionChangedNotification), this,
                       [this](const QVariantMap &userInfo) {
                           const QVariant granted = userInfo.value(QString::fromLatin1(PermissionManager::grantedKey));
                           if (granted.typeId() != QMetaType::Bool || !granted.toBool())
                               return;
                           QTimer::singleShot(0, this, [this] { setupHotkeys(); });
                       });

    // Each unreadable history file is set aside once, by whichever store finds it.
    center.addObserver(QString::fromLatin1(HistoryStore::historyFileSetAsideNotification), this,
                       [this](const QVariantMap &userInfo) {
                           m_services.warnSetAside(L10n::format(
                               "notification.history_set_aside.message",
                               "The history file could not be read and was kept as %@. Captures were "
                               "restored from the backup where there was one.",
                               "Warning message when the history file was set aside",
                               {userInfo.value(QStringLiteral("path")).toString()}));
                       });

    // A click on the notice of a refused shortcut.
    center.addObserver(ShortcutRefusalNotice::openShortcutsNotification, this,
                       [this](const QVariantMap &) { m_windows.openShortcutsPreferences(); });

    // A click on a success toast.
    center.addObserver(NotificationService::openHistoryWithEntryNotification, this, [this](const QVariantMap &userInfo) {
        const QVariant captureID = userInfo.value(NotificationService::captureIDKey);
        if (captureID.typeId() != QMetaType::QUuid)
            return;
        openHistory(captureID.value<QUuid>());
    });
}

// --- Capture handlers ------------------------------------------------------------------

// Nothing here checks whether a capture runs: the coordinator refuses an overlapping
// request itself, and that refusal arrives below as a failure.

void AppDelegate::handleCaptureText()
{
    diag(lcApp(), QStringLiteral("🎯 === CAPTURE WORKFLOW START ==="));
    diag(lcApp(), QStringLiteral("📍 Location: QuorvaneApp.handleCaptureText()"));
    diag(lcApp(), QStringLiteral("⏰ Timestamp: %1").arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs)));
    if (!m_services.captureCoordinator())
        return;
    diag(lcApp(), QStringLiteral("   Coordinator state: isCaptureInProgress=%1")
             .arg(m_services.captureCoordinator()->isCaptureInProgress() ? QStringLiteral("true") : QStringLiteral("false")));
    m_services.notificationService()->dismissToast();
    finishWorkflow(
        m_services.captureCoordinator()->performQuickZarrowCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("✅ Capture completed successfully!"));
            diag(lcApp(), QStringLiteral("   Duration: %1s").arg(result.duration, 0, 'f', 3));
            diag(lcApp(), QStringLiteral("   Text length: %1 characters").arg(graphemeCount(result.text)));
            diagText(QStringLiteral("   Text preview: \"%1...\"").arg(graphemePrefix(result.text, 50)));
            diag(lcApp(), QStringLiteral("   History entry ID: %1").arg(result.historyEntry.id.toString(QUuid::WithoutBraces)));
        },
        [this](const std::exception_ptr &error) { reportQuickCaptureFailure(error); },
        [] { diag(lcApp(), QStringLiteral("=== CAPTURE WORKFLOW END (Success) ===")); });
}

void AppDelegate::handleRepeatZarrow()
{
    diag(lcApp(), QStringLiteral("🔁 Repeat Zarrow requested"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(
        m_services.captureCoordinator()->performRepeatCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("✅ Repeat capture completed in %1s").arg(result.duration, 0, 'f', 3));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("❌ Repeat capture failed: %1").arg(describeError(error)));
        });
}

void AppDelegate::handleCodeModeCapture()
{
    diag(lcApp(), QStringLiteral("💻 Code Mode Capture requested"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(
        m_services.captureCoordinator()->performCodeModeCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("✅ Code capture completed in %1s").arg(result.duration, 0, 'f', 3));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("❌ Code capture failed: %1").arg(describeError(error)));
        });
}

void AppDelegate::handleScanCode()
{
    // Worded for the hotkey, also when the menu asked.
    diag(lcApp(), QStringLiteral("🔍 Scan Code capture requested (hotkey)"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(
        m_services.captureCoordinator()->performScanCodeCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("✅ Scan Code capture completed in %1s with payload length %2")
                     .arg(result.duration, 0, 'f', 3)
                     .arg(graphemeCount(result.text)));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("❌ Scan Code capture failed: %1").arg(describeError(error)));
        });
}

void AppDelegate::finishWorkflow(QFuture<CaptureWorkflowResult> workflow,
                                 std::function<void(const CaptureWorkflowResult &)> reportSuccess,
                                 std::function<void(const std::exception_ptr &)> reportFailure,
                                 std::function<void()> afterMenuRefresh)
{
    // Whatever the user is told about a failure, the coordinator has told already.
    whenFinished(workflow, &m_tasks,
                 [this, reportSuccess, reportFailure, afterMenuRefresh](const QFuture<CaptureWorkflowResult> &finished) {
                     const FutureOutcome<CaptureWorkflowResult> outcome = outcomeOf(finished);
                     if (!outcome.value) {
                         reportFailure(outcome.error);
                         return;
                     }
                     reportSuccess(*outcome.value);
                     refreshMenu();
                     if (afterMenuRefresh)
                         afterMenuRefresh();
                 });
}

void AppDelegate::refreshMenu()
{
    if (m_menuBarController)
        m_menuBarController->refreshMenu();
}

void AppDelegate::reportQuickCaptureFailure(const std::exception_ptr &error) const
{
    QString kind = QStringLiteral("Unexpected Error");
    QString typeName = QStringLiteral("unknown");
    QString description = QStringLiteral("The capture ended without a result");
    QString domainAndCode = QStringLiteral("none");
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const ScreenCaptureError &e) {
            kind = QStringLiteral("ScreenCaptureError");
            typeName = demangledTypeName(typeid(e));
            description = e.localizedDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key())).arg(int(e.kind()));
        } catch (const CaptureCoordinatorError &e) {
            kind = QStringLiteral("CaptureCoordinatorError");
            typeName = demangledTypeName(typeid(e));
            description = e.localizedDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key())).arg(int(e.kind()));
        } catch (const LocalizedError &e) {
            typeName = demangledTypeName(typeid(e));
            description = e.localizedDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key()), e.value());
        } catch (const std::exception &e) {
            typeName = demangledTypeName(typeid(e));
            description = QString::fromLocal8Bit(e.what());
        } catch (...) {
        }
    }
    diagWarning(lcApp(), QStringLiteral("❌ CAPTURE FAILED: %1").arg(kind));
    diagWarning(lcApp(), QStringLiteral("   Error type: %1").arg(typeName));
    diagWarning(lcApp(), QStringLiteral("   Error description: %1").arg(description));
    diagWarning(lcApp(), QStringLiteral("   Error domain / code: %1").arg(domainAndCode));
    if (kind == QLatin1String("Unexpected Error")) {
        diag(lcApp(), QStringLiteral("   Error user info: none"));
        diag(lcApp(), QStringLiteral("   Call stack symbols:"));
        for (const QString &symbol : callStackSymbols())
            diag(lcApp(), QStringLiteral("   %1").arg(symbol));
    }
    diag(lcApp(), QStringLiteral("=== CAPTURE WORKFLOW END (%1) ===").arg(kind));
}

// --- Imported images ---------------------------------------------------------------------

void AppDelegate::didReceiveImage(const QImage &image)
{
    handleImportedImage(image);
}

void AppDelegate::handleImportedImage(const QImage &image)
{
    diag(lcApp(), QStringLiteral("📷 Image import: received image, size=%1").arg(sizeText(image)));
    if (image.isNull()) {
        diagWarning(lcApp(), QStringLiteral("❌ Image import: the image is empty"));
        return;
    }
    if (!m_services.ocrService() || !m_services.clipboardService() || !m_services.historyStore() || !m_services.settingsStore())
        return;

    const UserSettings settings = m_services.settingsStore()->settings();
    std::optional<QStringList> languages;
    if (!settings.autoDetectLanguage)
        languages = settings.preferredLanguages;

    // Recognise, copy, record: a failed copy (an empty text, say) records nothing.
    QFuture<CaptureHistoryEntry> recorded =
        m_services.ocrService()->recognizeText(image, languages, CaptureMode::normal, settings.textProcessing)
            .then(&m_tasks,
                  [this, image](const QString &text) {
                      m_services.clipboardService()->copyText(text);
                      CaptureHistoryEntry entry;
                      entry.id = QUuid::createUuid();
                      entry.timestamp = QDateTime::currentDateTimeUtc();
                      entry.text = text;
                      entry.sourceRect = QRectF(0, 0, 0, 0);
                      entry.captureMode = CaptureMode::normal;
                      try {
                          entry.thumbnailData = HistoryStore::generateThumbnail(image, kThumbnailWidth);
                      } catch (const std::exception &error) {
                          diagWarning(lcApp(), QStringLiteral("⚠️ Image import: no thumbnail: %1").arg(describeError(error)));
                      }
                      return m_services.historyStore()->addEntry(entry).then([entry] { return entry; });
                  })
            .unwrap();

    whenFinished(recorded, &m_tasks, [this](const QFuture<CaptureHistoryEntry> &finished) {
        const FutureOutcome<CaptureHistoryEntry> outcome = outcomeOf(finished);
        if (!outcome.value) {
            importFailed(outcome.error);
            return;
        }
        m_services.notificationService()->showSuccess(CaptureMode::normal, outcome.value->id, std::nullopt);
        diag(lcApp(), QStringLiteral("✅ Image import recognition completed, text length=%1").arg(graphemeCount(outcome.value->text)));
    });
}

void AppDelegate::importFailed(const std::exception_ptr &error)
{
    if (!error) {
        diagWarning(lcApp(), QStringLiteral("❌ Image import recognition failed: the import ended without a result"));
        return;
    }
    diagWarning(lcApp(), QStringLiteral("❌ Image import recognition failed: %1").arg(describeError(error)));
    try {
        std::rethrow_exception(error);
    } catch (const LocalizedError &localized) {
        m_services.notificationService()->showError(localized, std::nullopt);
    } catch (...) {
        // Only the services' own errors have a text for the user.
    }
}

bool AppDelegate::validRequestor(const std::optional<QString> &sendType,
                                 const std::optional<QString> &returnType) const
{
    diag(lcApp(), QStringLiteral("📱 AppDelegate.validRequestor(sendType=%1, returnType=%2)")
             .arg(sendType.value_or(QStringLiteral("nil")), returnType.value_or(QStringLiteral("nil"))));
    if (sendType || !returnType)
        return false;
    if (!continuity::imageTypes().contains(*returnType))
        return false;
    diag(lcApp(), QStringLiteral("📱 AppDelegate: returning self as valid requestor for image type"));
    return true;
}

bool AppDelegate::readSelection(const QMimeData &pasteboard)
{
    diag(lcApp(), QStringLiteral("📱 AppDelegate.readSelection called"));
    diag(lcApp(), QStringLiteral("📱 Clipboard data types: %1").arg(pasteboard.formats().join(QStringLiteral(", "))));

    if (const QImage image = continuity::imageFromPasteboard(pasteboard); !image.isNull()) {
        handleImportedImage(image);
        diag(lcApp(), QStringLiteral("📱 AppDelegate: delivered imported image, size=%1").arg(sizeText(image)));
        return true;
    }
    for (const QString &mimeType : continuity::imageTypes()) {
        const QImage image = continuity::imageFromData(pasteboard, mimeType);
        if (image.isNull())
            continue;
        handleImportedImage(image);
        diag(lcApp(), QStringLiteral("📱 AppDelegate: delivered image via data method, type=%1").arg(mimeType));
        return true;
    }
    diagWarning(lcApp(), QStringLiteral("⚠️ AppDelegate: no supported image on the clipboard"));
    return false;
}

// --- Windows and first launch ------------------------------------------------------------

void AppDelegate::openHistory(std::optional<QUuid> entry)
{
    diag(lcApp(), QStringLiteral("📖 Open History requested"));
    // The window always opens on the full list: the toast's record is not selected.
    Q_UNUSED(entry);
    m_windows.openHistory();
}

void AppDelegate::openPreferences()
{
    m_windows.openPreferences();
}

void AppDelegate::openFeedback()
{
    m_windows.openFeedback();
}

void AppDelegate::openAbout()
{
    m_windows.openAbout();
}

void AppDelegate::checkFirstLaunch()
{
    UserDefaults &defaults = m_factory.userDefaults();
    if (!defaults.boolValue(hasSeenOnboardingKey).value_or(false)) {
        QTimer::singleShot(0, this, [this] {
            if (!m_terminating)
                showOnboarding();
        });
        return;
    }
    if (defaults.boolValue(FirstLaunchManager::hasLaunchedKey).value_or(false))
        return;

    // Onboarding seen, tooltip not yet shown.
    QTimer::singleShot(firstLaunchTooltipDelayMs, this, [this] {
        if (!m_terminating && m_menuBarController)
            m_menuBarController->showFirstLaunchTooltip();
    });
    QTimer::singleShot(permissionSummaryDelayMs, this, [this] {
        if (m_terminating || !m_services.permissionManager())
            return;
        const QList<PermissionType> missing = m_services.permissionManager()->missingPermissions();
        if (missing.isEmpty())
            return;
        QStringList names;
        for (PermissionType type : missing)
            names << displayName(type);
        diagWarning(lcApp(), QStringLiteral("⚠️ Missing permissions: %1").arg(names.join(QStringLiteral(", "))));
        m_services.permissionManager()->showPermissionSummaryAlert();
    });
}

QWidget *AppDelegate::onboardingWindow() const
{
    return m_onboardingWindow.data();
}

void AppDelegate::showOnboarding()
{
    diag(lcApp(), QStringLiteral("📱 Showing onboarding flow"));
    if (m_onboardingWindow && !m_onboardingWindow->isHidden()) {
        ShellWindows::present(*m_onboardingWindow, ShellWindows::Placement::asItIs);
        return;
    }
    auto *window = new OnboardingWindow;
    window->setWindowTitle(L10n::text("onboarding.window.title", "Welcome to Quorvane", "Onboarding window title"));
    QPointer<AppDelegate> self(this);
    // The view writes its flag into the very database the rest of the program reads.
    auto *content = new OnboardingView(
        m_factory.userDefaults(),
        PermissionsPageServices{m_factory.permissionChecks(), m_factory.notificationCenter(),
                                m_factory.privacySettingsOpener(), m_factory.alertPresenter()},
        [self] {
            if (self)
                self->handleOnboardingCompleted();
        });
    window->setContent(content);
    m_onboardingView = content;
    connect(window, &OnboardingWindow::closedByUser, this, &AppDelegate::handleOnboardingWindowClosed);
    m_onboardingWindow = window;
    ShellWindows::present(*window, ShellWindows::Placement::centred);
}

void AppDelegate::handleOnboardingCompleted()
{
    // The program's own close: not a skip.
    if (m_onboardingWindow)
        m_onboardingWindow->closeAfterCompletion();
    m_onboardingWindow = nullptr;

    UserDefaults &defaults = m_factory.userDefaults();
    defaults.setBool(hasSeenOnboardingKey, true);
    defaults.synchronize();

    QTimer::singleShot(onboardingPermissionFlowDelayMs, this, [this] { requestPermissionsAfterOnboarding(); });
    QTimer::singleShot(onboardingTooltipDelayMs, this, [this] {
        if (!m_terminating && m_menuBarController)
            m_menuBarController->showFirstLaunchTooltip();
    });
    diag(lcApp(), QStringLiteral("✅ Onboarding completed"));
}

void AppDelegate::handleOnboardingWindowClosed()
{
    UserDefaults &defaults = m_factory.userDefaults();
    defaults.setBool(hasSeenOnboardingKey, true);
    defaults.synchronize();
    diag(lcApp(), QStringLiteral("⚠️ User skipped onboarding via close button"));
    m_onboardingWindow = nullptr;
    // Not from inside the window's close: the flow may show modal alerts.
    QTimer::singleShot(0, this, [this] { requestPermissionsAfterOnboarding(); });
}

void AppDelegate::requestPermissionsAfterOnboarding()
{
    if (m_terminating || !m_services.permissionManager())
        return;
    if (!m_permissionFlow) {
        QPointer<AppDelegate> self(this);
        m_permissionFlow = std::make_unique<PermissionRequestFlow>(
            *m_services.permissionManager(), m_factory.alertPresenter(), m_factory.privacySettingsOpener(), [self] {
                if (self)
                    self->setupHotkeys();
            });
        applyShortcutTexts();
    }
    m_permissionFlow->start();
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
            diag(lcApp(), QStringLiteral("💾 Settings saved"));
        } catch (const std::exception &error) {
            diagWarning(lcApp(), QStringLiteral("⚠️ Settings not saved at quit: %1").arg(describeError(error)));
        }
    }

    // Releasing every combination also leaves the hotkey manager disabled.
    if (m_services.hotkeyRegistrar())
        m_services.hotkeyRegistrar()->unregisterAll();

    m_trayAbsenceNotice.reset();
    m_menuBarController.reset(); // takes the icon out of the status area
    diag(lcApp(), QStringLiteral("👋 Quorvane terminated"));
}

} // namespace quorvane
