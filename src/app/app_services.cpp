// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_services.h"

#include "app/recognition_cancel_prompt.h"

#include "app/hotkey_registrar.h"
#include "app/recognition_cancel_prompt.h"
#include "app/service_factory.h"
#include "app/settings_reset_notice.h"
#include "app/shortcut_refusal_notice.h"
#include "capture/capture_coordinator.h"
#include "capture/clipboard_service.h"
#include "capture/code_scan_service.h"
#include "capture/ocr_service.h"
#include "capture/screen_capture_service.h"
#include "capture/service_adapters.h"
#include "core/diagnostics.h"
#include "core/hotkey_manager.h"
#include "core/localized_error.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "history/history_store.h"
#include "pins/pin_widget_manager.h"
#include "platform/user_defaults.h"

namespace quorvane {

namespace {
// The maximum of the second attempt when the configured one could not be used.
constexpr int kFallbackHistoryMaximum = 100;
} // namespace

AppServices::AppServices(ServiceFactory &factory) : m_factory(factory) {}

AppServices::~AppServices() = default;

void AppServices::setup()
{
    m_settingsStore = m_factory.makeSettingsStore();
    m_notificationService = m_factory.makeNotificationService();
    m_screenCaptureService = m_factory.makeScreenCaptureService();
    m_ocrService = m_factory.makeOCRService();
    m_codeScanService = m_factory.makeCodeScanService();
    makeHistoryStore(int(m_settingsStore->settings().maxHistoryEntries));
    m_permissionManager = m_factory.makePermissionManager();
    m_clipboardService = m_factory.makeClipboardService();
    // The coordinator pins through the shared pin manager, so that is taken first.
    m_pinWidgetManager = &m_factory.pinWidgetManager();
    m_serviceAdapters = std::make_unique<ServiceAdapters>(*m_historyStore, *m_pinWidgetManager, *m_notificationService,
                                                          *m_permissionManager, *m_settingsStore,
                                                          m_factory.pinsAfterCapture());
    m_captureCoordinator = m_factory.makeCaptureCoordinator(
        {*m_screenCaptureService, *m_ocrService, *m_codeScanService, m_serviceAdapters->recorder,
         m_serviceAdapters->settings, *m_clipboardService, m_serviceAdapters->toasts,
         m_serviceAdapters->permission, m_serviceAdapters->pinner});
    m_shortcutNotice = std::make_unique<ShortcutRefusalNotice>(*m_notificationService);
    m_hotkeyManager = m_factory.makeHotkeyManager();
    m_hotkeyRegistrar = std::make_unique<HotkeyRegistrar>(*m_hotkeyManager, *m_settingsStore);
    QObject::connect(m_hotkeyManager.get(), &HotkeyManager::registrationLost, m_hotkeyManager.get(),
                     [notice = m_shortcutNotice.get()](HotkeyAction action, const Shortcut &shortcut) {
                         notice->report(action, shortcut);
                     });
    CaptureCoordinator *coordinator = m_captureCoordinator.get();
    m_cancelPrompt = std::make_unique<RecognitionCancelPrompt>(*m_notificationService, *m_hotkeyManager,
                                                               [coordinator] { coordinator->cancelRecognition(); });
    QObject::connect(coordinator, &CaptureCoordinator::recognitionRunningChanged, m_cancelPrompt.get(),
                     &RecognitionCancelPrompt::setRecognitionRunning);
    applyNotificationSettings();
    if (m_historyInMemory)
        warnHistoryNotKept();
    warnSettingsNotRead();
}

void AppServices::warnSettingsNotRead()
{
    // One notice, whether the file was set aside, some of its values were reset, or both.
    const UserDefaults &userDefaults = m_factory.userDefaults();
    const QStringList reset = m_settingsStore->resetKeys();
    const QString aside = userDefaults.setAsidePath();
    if (!aside.isEmpty() && userDefaults.wasSalvaged()) {
        //: Warning message when the settings file was damaged but some settings could still be read from it
        //% "The settings file was damaged and was kept as %1. The settings it still held are in use."
        QString message = qtTrId("notification.settings_salvaged.message").arg(aside);
        if (!reset.isEmpty())
            message += QLatin1Char(' ') + settingsResetMessage(reset);
        warnSetAside(message);
    } else if (!aside.isEmpty()) {
        //: Warning message when the settings file was set aside
        //% "The settings file could not be read, so the defaults are in use. It was kept as %1."
        warnSetAside(qtTrId("notification.settings_set_aside.message").arg(aside));
    } else if (!reset.isEmpty()) {
        m_notificationService->showWarning(settingsResetTitle(), settingsResetMessage(reset));
    }
}

void AppServices::makeHistoryStore(int configuredMaximum)
{
    try {
        m_historyStore = m_factory.makeHistoryStore(configuredMaximum);
        return;
    } catch (const std::exception &error) {
        diagWarning(lcApp(), QStringLiteral("Failed to initialize history store: %1. Using defaults.").arg(logDescription(error)));
    }
    try {
        m_historyStore = m_factory.makeHistoryStore(kFallbackHistoryMaximum);
        return;
    } catch (const std::exception &error) {
        diagWarning(lcApp(), QStringLiteral("Second history store attempt failed: %1").arg(logDescription(error)));
    }
    diagWarning(lcApp(), QStringLiteral("CRITICAL: Cannot use the data folder. Using in-memory history store."));
    diagWarning(lcApp(), QStringLiteral("   History will be lost when app quits."));
    m_historyStore = m_factory.makeInMemoryHistoryStore(configuredMaximum);
    m_historyInMemory = true;
}

void AppServices::warnHistoryNotKept()
{
    // Said once, at launch: every capture of this session is lost at quit.
    m_notificationService->showWarning(
        //: Warning title when the capture history cannot be written to disk
        //% "History Not Saved"
        qtTrId("notification.history_in_memory.title"),
        //: Warning message when the capture history lives only in memory
        //% "Quorvane cannot write to its data folder. Captures will not be kept after you quit."
        qtTrId("notification.history_in_memory.message"));
}

QString AppServices::setAsideTitle()
{
    //: Warning title when a stored file could not be read and was kept under another name
    //% "File Set Aside"
    return qtTrId("notification.file_set_aside.title");
}

void AppServices::warnSetAside(const QString &message)
{
    m_notificationService->showWarning(setAsideTitle(), message);
}

void AppServices::applyNotificationSettings()
{
    if (!m_notificationService || !m_settingsStore)
        return;
    const UserSettings &settings = m_settingsStore->settings();
    m_notificationService->setUseSystemNotifications(settings.useSystemNotifications);
    m_notificationService->setPlaySounds(settings.playSoundOnCapture);
}

} // namespace quorvane
