// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace quorvane {

class CaptureCoordinator;
class ClipboardService;
class CodeScanService;
class HistoryStore;
class HotkeyManager;
class HotkeyRegistrar;
class NotificationService;
class PermissionManager;
class PinWidgetManager;
class ScreenCaptureService;
struct ServiceAdapters;
class ServiceFactory;
class SettingsStore;
class TextRecognizer;
class RecognitionCancelPrompt;
class ShortcutRefusalNotice;

// Creates the program's services from the factory, hands each the ones it uses, and
// owns them until the end. Everything is null until `setup`. Main thread only.
class AppServices {
public:
    explicit AppServices(ServiceFactory &factory);
    ~AppServices();

    // Makes every service, in dependency order, then tells the user once about a history
    // that lives only in memory, about a settings file that was set aside and about
    // settings whose stored values were reset. Called once.
    void setup();

    // Hands the two notification switches of the settings to the notification service.
    void applyNotificationSettings();
    // Tells the user once that a stored file could not be read and where it was kept.
    void warnSetAside(const QString &message);
    static QString setAsideTitle();

    SettingsStore *settingsStore() const { return m_settingsStore.get(); }
    NotificationService *notificationService() const { return m_notificationService.get(); }
    ScreenCaptureService *screenCaptureService() const { return m_screenCaptureService.get(); }
    TextRecognizer *ocrService() const { return m_ocrService.get(); }
    CodeScanService *codeScanService() const { return m_codeScanService.get(); }
    HistoryStore *historyStore() const { return m_historyStore.get(); }
    PermissionManager *permissionManager() const { return m_permissionManager.get(); }
    ClipboardService *clipboardService() const { return m_clipboardService.get(); }
    CaptureCoordinator *captureCoordinator() const { return m_captureCoordinator.get(); }
    PinWidgetManager *pinWidgetManager() const { return m_pinWidgetManager; }
    HotkeyManager *hotkeyManager() const { return m_hotkeyManager.get(); }
    HotkeyRegistrar *hotkeyRegistrar() const { return m_hotkeyRegistrar.get(); }
    ShortcutRefusalNotice *shortcutNotice() const { return m_shortcutNotice.get(); }
    RecognitionCancelPrompt *cancelPrompt() const { return m_cancelPrompt.get(); }
    // Whether the history lives only in memory because its folder could not be used.
    bool isHistoryInMemory() const { return m_historyInMemory; }

private:
    void makeHistoryStore(int configuredMaximum);
    void warnHistoryNotKept();
    void warnSettingsNotRead();

    ServiceFactory &m_factory;
    bool m_historyInMemory = false;

    // Declared in the order they are made, so they go in reverse: nothing outlives what it uses.
    std::unique_ptr<SettingsStore> m_settingsStore;
    std::unique_ptr<NotificationService> m_notificationService;
    std::unique_ptr<ScreenCaptureService> m_screenCaptureService;
    std::unique_ptr<TextRecognizer> m_ocrService;
    std::unique_ptr<CodeScanService> m_codeScanService;
    std::unique_ptr<HistoryStore> m_historyStore;
    std::unique_ptr<PermissionManager> m_permissionManager;
    std::unique_ptr<ClipboardService> m_clipboardService;
    PinWidgetManager *m_pinWidgetManager = nullptr;
    // The services above in the roles the coordinator asks for.
    std::unique_ptr<ServiceAdapters> m_serviceAdapters;
    std::unique_ptr<CaptureCoordinator> m_captureCoordinator;
    // Outlives the hotkey manager, whose lost registrations it reports.
    std::unique_ptr<ShortcutRefusalNotice> m_shortcutNotice;
    std::unique_ptr<HotkeyManager> m_hotkeyManager;
    std::unique_ptr<HotkeyRegistrar> m_hotkeyRegistrar;
    std::unique_ptr<RecognitionCancelPrompt> m_cancelPrompt;
};

} // namespace quorvane
