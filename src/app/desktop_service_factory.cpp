// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_service_factory.h"

#include "app/sparkle_updater.h"
#include "capture/capture_coordinator.h"
#include "capture/clipboard_service.h"
#include "capture/code_scan_service.h"
#include "capture/continuity_runtime.h"
#include "capture/ocr_service.h"
#include "capture/screen_capture_service.h"
#include "capture/window_concealer.h"
#include "core/diagnostics.h"
#include "core/hotkey_manager.h"
#include "core/language_manager.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "core/toast_window.h"
#include "history/history_store.h"
#include "platform/accessibility_announcer.h"
#include "platform/activation_policy.h"
#include "pins/pin_widget_manager.h"
#include "platform/display_list.h"
#include "platform/file_dialog_save_panel.h"
#include "platform/frontmost_application.h"
#include "platform/global_key_grabber.h"
#include "platform/message_box_alert_presenter.h"
#include "platform/motion_preference.h"
#include "platform/pasteboard.h"
#include "platform/portal_region_selector.h"
#include "platform/privacy_settings_opener.h"
#include "platform/screen_access_probe.h"
#include "platform/screen_redraws.h"
#include "platform/selection_overlay.h"
#include "platform/session_type.h"
#include "platform/sound_player.h"
#include "platform/system_notifier.h"
#include "platform/sway_window_opacity.h"
#include "platform/taskbar_presence.h"
#include "platform/tiling_float.h"
#include "platform/tray_status_item.h"
#include "platform/user_defaults.h"
#include "platform/wayland_display_list.h"
#include "platform/wayland_screen_redraws.h"
#include "platform/xdg_autostart_login_item.h"

#include <QPointer>

#include <algorithm>
#include <chrono>

namespace quorvane {

DesktopServiceFactory::DesktopServiceFactory()
    : m_session(currentSessionType()),
      m_userDefaults(std::make_unique<UserDefaults>(UserDefaults::standardFilePath())),
      m_loginItem(std::make_unique<XdgAutostartLoginItem>()),
      m_systemNotifier(createSystemNotifier()),
      m_soundPlayer(createSoundPlayer()),
      m_announcer(createAccessibilityAnnouncer()),
      m_motionPreference(createMotionPreference()),
      m_displays(m_session == SessionType::wayland ? std::make_unique<WaylandDisplayList>(PortalScreenshot())
                                                    : DisplayList::create()),
      m_screenAccessProbe(m_session == SessionType::wayland ? std::make_unique<PortalScreenAccessProbe>()
                                                            : std::make_unique<ScreenAccessProbe>()),
      m_overlay(std::make_unique<SelectionOverlay>(*m_displays)),
      m_screenRedraws(m_session == SessionType::wayland ? std::make_unique<WaylandScreenRedraws>()
                                                        : ScreenRedraws::create()),
      m_swayOpacity(m_session == SessionType::wayland ? SwayWindowOpacity::fromEnvironment() : nullptr),
      m_windowConcealer(std::make_unique<WindowConcealer>(
          *m_screenRedraws, ConcealedWindows::Selection(),
          m_session == SessionType::wayland ? WindowConcealer::Placement::byTheCompositor
                                            : WindowConcealer::Placement::byThemselves,
          m_swayOpacity ? ConcealedWindows::SeeThrough([opacity = m_swayOpacity.get()](bool seeThrough) {
              return opacity->setOpacity(seeThrough ? 0.0 : 1.0);
          })
                        : ConcealedWindows::SeeThrough())),
      m_pasteboard(Pasteboard::createSystem()),
      m_privacySettings(std::make_unique<DesktopPrivacySettingsOpener>()),
      m_alerts(std::make_unique<MessageBoxAlertPresenter>()),
      m_savePanel(std::make_unique<FileDialogSavePanel>()),
      m_keyGrabber(createGlobalKeyGrabber()),
      m_activationPolicy(std::make_unique<ActivationPolicy>(TaskbarPresence::create())),
      m_frontmostApplication(FrontmostApplication::create()),
      m_continuityRuntime(std::make_unique<ContinuityRuntime>())
{
    // Where the screen is read through the portal, each selection first takes its picture.
    if (m_session == SessionType::wayland) {
        m_portalSelector = std::make_unique<PortalRegionSelector>(*m_displays, *m_overlay);
        diag(lcApp(), QStringLiteral("[DesktopServiceFactory] Wayland session: the screen is read through the "
                                     "desktop portal, toasts are shown as desktop notifications"));
    }
}

RegionSelector &DesktopServiceFactory::regionSelector()
{
    return m_portalSelector ? *m_portalSelector : static_cast<RegionSelector &>(*m_overlay);
}

DesktopServiceFactory::~DesktopServiceFactory() = default;

bool DesktopServiceFactory::pinsAfterCapture() const
{
    return !newWindowsTakeTheKeyboard();
}

UserDefaults &DesktopServiceFactory::userDefaults()
{
    return *m_userDefaults;
}

Pasteboard &DesktopServiceFactory::pasteboard()
{
    return *m_pasteboard;
}

AlertPresenter &DesktopServiceFactory::alertPresenter()
{
    return *m_alerts;
}

SavePanel &DesktopServiceFactory::savePanel()
{
    return *m_savePanel;
}

PrivacySettingsOpener &DesktopServiceFactory::privacySettingsOpener()
{
    return *m_privacySettings;
}

std::unique_ptr<SettingsStore> DesktopServiceFactory::makeSettingsStore()
{
    return std::make_unique<SettingsStore>(*m_userDefaults, *m_loginItem);
}

ToastFactory DesktopServiceFactory::makeToasts() const
{
    // A Wayland window cannot place itself: there the toasts go out as desktop notifications.
    if (m_session == SessionType::wayland)
        return [](auto &&...) { return std::unique_ptr<ToastWindow>(); };
    return toastFactory(*m_displays);
}

std::unique_ptr<NotificationService> DesktopServiceFactory::makeNotificationService()
{
    auto service = std::make_unique<NotificationService>(*m_systemNotifier, *m_soundPlayer, *m_announcer,
                                                         *m_motionPreference, makeToasts());
    // Stock sway runs no notification server: there a toast is a window of the program's own,
    // floated by a tiling compositor rather than tiled beside the user's windows.
    if (m_session == SessionType::wayland) {
        service->setStandInToasts([toasts = toastFactory(*m_displays)](auto &&...arguments) {
            std::unique_ptr<ToastWindow> toast = toasts(std::forward<decltype(arguments)>(arguments)...);
            floatWhenShown(*toast);
            return toast;
        });
    }
    // A portal started on demand may take many seconds to answer a capture's first question.
    if (auto *portal = dynamic_cast<PortalScreenAccessProbe *>(m_screenAccessProbe.get())) {
        portal->setWaitNotice([notifications = QPointer<NotificationService>(service.get())](bool waiting) {
            if (!notifications)
                return;
            if (!waiting) {
                // Off the screen before the portal takes its picture of it.
                notifications->endProgress(true);
                return;
            }
            notifications->showProgress(
                //: Shown while a capture waits for the desktop's screenshot service (the screen portal, Wayland) to answer
                //% "Waiting for the screen portal…"
                qtTrId("notification.portal_waiting.title"),
                //: Under "Waiting for the screen portal…"
                //% "The desktop's screenshot service has not answered yet."
                qtTrId("notification.portal_waiting.message"), QStringLiteral("portal-wait"));
        });
    }
    return service;
}

std::unique_ptr<ScreenCaptureService> DesktopServiceFactory::makeScreenCaptureService()
{
    return std::make_unique<ScreenCaptureService>(*m_screenAccessProbe, *m_displays, regionSelector(),
                                                  *m_windowConcealer);
}

std::chrono::milliseconds DesktopServiceFactory::engineRelease(const UserDefaults &userDefaults)
{
    // Bounded before it becomes a duration: a huge value would overflow on the way to
    // milliseconds.
    const qint64 seconds = userDefaults.integerValue(QStringLiteral("RecognitionEngineReleaseSeconds")).value_or(600);
    return std::chrono::seconds(std::clamp<qint64>(seconds, 1, SettingsStore::maxEngineReleaseSeconds));
}

std::unique_ptr<TextRecognizer> DesktopServiceFactory::makeOCRService()
{
    return std::make_unique<OCRService>(OCRService::defaultDataPath(), QLocale::system(),
                                        engineRelease(*m_userDefaults));
}

std::unique_ptr<CodeScanService> DesktopServiceFactory::makeCodeScanService()
{
    return std::make_unique<CodeScanService>();
}

std::unique_ptr<HistoryStore> DesktopServiceFactory::makeHistoryStore(int maxEntries)
{
    return std::make_unique<HistoryStore>(std::nullopt, maxEntries);
}

std::unique_ptr<HistoryStore> DesktopServiceFactory::makeInMemoryHistoryStore(int maxEntries)
{
    return HistoryStore::makeInMemory(maxEntries);
}

PermissionChecks DesktopServiceFactory::permissionChecks()
{
    ScreenAccessProbe *probe = m_screenAccessProbe.get();
    GlobalKeyGrabber *grabber = m_keyGrabber.get();
    return {[probe] { return probe->canReadScreen(); },
            [grabber] { return grabber->canGrab(); },
            [probe] { return probe->serviceMissing(); },
            [grabber] { return grabber->ownership() == ShortcutOwnership::unavailable; },
            [probe] { return probe->canReadScreenForCapture(); },
            [probe] { return probe->serviceSilent(); }};
}

LanguageManager &DesktopServiceFactory::languageManager()
{
    if (!m_languageManager)
        m_languageManager = std::make_unique<LanguageManager>(*m_userDefaults);
    return *m_languageManager;
}

std::unique_ptr<PermissionManager> DesktopServiceFactory::makePermissionManager()
{
    return std::make_unique<PermissionManager>(permissionChecks(), *m_privacySettings,
                                               *m_alerts);
}

std::unique_ptr<ClipboardService> DesktopServiceFactory::makeClipboardService()
{
    return std::make_unique<ClipboardService>(*m_pasteboard);
}

std::unique_ptr<CaptureCoordinator> DesktopServiceFactory::makeCaptureCoordinator(const CaptureServices &services)
{
    return std::make_unique<CaptureCoordinator>(services.screenSource, services.textRecognizer,
                                                services.codeScanner, services.recorder, services.settings,
                                                services.clipboard, services.toasts, services.permission,
                                                services.pinner, *m_frontmostApplication);
}

std::unique_ptr<HotkeyManager> DesktopServiceFactory::makeHotkeyManager()
{
    return std::make_unique<HotkeyManager>(*m_keyGrabber);
}

PinWidgetManager &DesktopServiceFactory::pinWidgetManager()
{
    return PinWidgetManager::shared();
}

SparkleUpdater &DesktopServiceFactory::sparkleUpdater()
{
    return SparkleUpdater::shared();
}

ActivationPolicy &DesktopServiceFactory::activationPolicy()
{
    return *m_activationPolicy;
}

ContinuityRuntime &DesktopServiceFactory::continuityRuntime()
{
    return *m_continuityRuntime;
}

std::unique_ptr<StatusItem> DesktopServiceFactory::makeStatusItem()
{
    return std::make_unique<TrayStatusItem>();
}

} // namespace quorvane
