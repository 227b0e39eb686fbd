// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/service_factory.h"
#include "core/toast_window.h"
#include "platform/session_type.h"

#include <chrono>
#include <memory>

namespace quorvane {

class AccessibilityAnnouncer;
class ContinuityRuntime;
class AlertPresenter;
class DisplayList;
class FrontmostApplication;
class GlobalKeyGrabber;
class LanguageManager;
class LoginItem;
class MotionPreference;
class Pasteboard;
class PrivacySettingsOpener;
class PortalRegionSelector;
class RegionSelector;
class SelectionOverlay;
class SavePanel;
class ScreenAccessProbe;
class ScreenRedraws;
class SoundPlayer;
class SystemNotifier;
class SwayWindowOpacity;
class WindowConcealer;

// The services of the running program, on the desktop session's own facilities: the X11
// display and key grabs, the session bus's notification server, the sound theme, the
// clipboard, the tray and the user's XDG folders. Owns those facilities. In a Wayland
// session the screen is read through the desktop portal and toasts become notifications.
class DesktopServiceFactory : public ServiceFactory {
public:
    // Opens the facilities at once; must be made after the application object.
    DesktopServiceFactory();
    ~DesktopServiceFactory() override;

    UserDefaults &userDefaults() override;
    bool pinsAfterCapture() const override;
    Pasteboard &pasteboard() override;
    AlertPresenter &alertPresenter() override;
    SavePanel &savePanel() override;
    PrivacySettingsOpener &privacySettingsOpener() override;
    PermissionChecks permissionChecks() override;
    LanguageManager &languageManager() override;

    std::unique_ptr<SettingsStore> makeSettingsStore() override;
    std::unique_ptr<NotificationService> makeNotificationService() override;
    std::unique_ptr<ScreenCaptureService> makeScreenCaptureService() override;
    std::unique_ptr<TextRecognizer> makeOCRService() override;
    // How long recognition engines may go unused before they are released: the stored
    // "RecognitionEngineReleaseSeconds" (a setting without a control, so that a measurement
    // need not wait the full ten minutes), bounded to 1 second...7 days.
    static std::chrono::milliseconds engineRelease(const UserDefaults &userDefaults);
    std::unique_ptr<CodeScanService> makeCodeScanService() override;
    std::unique_ptr<HistoryStore> makeHistoryStore(int maxEntries) override;
    std::unique_ptr<HistoryStore> makeInMemoryHistoryStore(int maxEntries) override;
    std::unique_ptr<PermissionManager> makePermissionManager() override;
    std::unique_ptr<ClipboardService> makeClipboardService() override;
    std::unique_ptr<CaptureCoordinator> makeCaptureCoordinator(const CaptureServices &services) override;
    std::unique_ptr<HotkeyManager> makeHotkeyManager() override;
    PinWidgetManager &pinWidgetManager() override;

    SparkleUpdater &sparkleUpdater() override;
    ActivationPolicy &activationPolicy() override;
    ContinuityRuntime &continuityRuntime() override;
    std::unique_ptr<StatusItem> makeStatusItem() override;

private:
    RegionSelector &regionSelector();
    ToastFactory makeToasts() const;

    SessionType m_session;
    std::unique_ptr<UserDefaults> m_userDefaults;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<SystemNotifier> m_systemNotifier;
    std::unique_ptr<SoundPlayer> m_soundPlayer;
    std::unique_ptr<AccessibilityAnnouncer> m_announcer;
    std::unique_ptr<MotionPreference> m_motionPreference;
    std::unique_ptr<DisplayList> m_displays;
    std::unique_ptr<ScreenAccessProbe> m_screenAccessProbe;
    std::unique_ptr<SelectionOverlay> m_overlay;
    std::unique_ptr<PortalRegionSelector> m_portalSelector;
    std::unique_ptr<ScreenRedraws> m_screenRedraws;
    // Set in a sway session only.
    std::unique_ptr<SwayWindowOpacity> m_swayOpacity;
    std::unique_ptr<WindowConcealer> m_windowConcealer;
    std::unique_ptr<Pasteboard> m_pasteboard;
    std::unique_ptr<PrivacySettingsOpener> m_privacySettings;
    std::unique_ptr<AlertPresenter> m_alerts;
    std::unique_ptr<SavePanel> m_savePanel;
    std::unique_ptr<GlobalKeyGrabber> m_keyGrabber;
    std::unique_ptr<ActivationPolicy> m_activationPolicy;
    std::unique_ptr<FrontmostApplication> m_frontmostApplication;
    std::unique_ptr<LanguageManager> m_languageManager;
    std::unique_ptr<ContinuityRuntime> m_continuityRuntime;
};

} // namespace quorvane
