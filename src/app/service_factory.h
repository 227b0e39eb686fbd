// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/permission_manager.h"

#include <memory>

namespace quorvane {

class ActivationPolicy;
class AlertPresenter;
class CaptureCoordinator;
class CapturePinner;
class CaptureRecorder;
class CaptureSettings;
class CaptureToasts;
class ClipboardService;
class CodeScanService;
class CodeScanner;
class ContinuityRuntime;
class HistoryStore;
class HotkeyManager;
class LanguageManager;
class NotificationService;
class Pasteboard;
class PermissionManager;
class PinWidgetManager;
class PrivacySettingsOpener;
class SavePanel;
class ScreenCaptureService;
class ScreenRecordingPermission;
class ScreenSource;
class SettingsStore;
class SparkleUpdater;
class StatusItem;
class TextClipboard;
class TextRecognizer;
class UserDefaults;

// What a capture coordinator works with, one collaborator per role.
struct CaptureServices {
    ScreenSource &screenSource;
    TextRecognizer &textRecognizer;
    CodeScanner &codeScanner;
    CaptureRecorder &recorder;
    CaptureSettings &settings;
    TextClipboard &clipboard;
    CaptureToasts &toasts;
    ScreenRecordingPermission &permission;
    CapturePinner &pinner;
};

// Makes the services and shell pieces the application delegate owns. The delegate decides
// when each is made and how they are wired; the factory decides what they run on (the
// desktop's facilities in the program, fakes in tests). Everything a factory hands out by
// reference lives as long as the factory, which outlives the delegate.
class ServiceFactory {
public:
    virtual ~ServiceFactory() = default;

    // The user's preferences database. Everything that reads or writes settings uses this
    // one object: a second database over the same file would write over its changes.
    virtual UserDefaults &userDefaults() = 0;
    // The desktop facilities the shell's windows work with.
    virtual Pasteboard &pasteboard() = 0;
    virtual AlertPresenter &alertPresenter() = 0;
    virtual SavePanel &savePanel() = 0;
    virtual PrivacySettingsOpener &privacySettingsOpener() = 0;
    // How the grants are checked, for every permission manager the program makes.
    virtual PermissionChecks permissionChecks() = 0;
    // The owner of the interface language; made on first use.
    virtual LanguageManager &languageManager() = 0;

    // The services, in the order the delegate makes them.
    virtual std::unique_ptr<SettingsStore> makeSettingsStore() = 0;
    virtual std::unique_ptr<NotificationService> makeNotificationService() = 0;
    virtual std::unique_ptr<ScreenCaptureService> makeScreenCaptureService() = 0;
    virtual std::unique_ptr<TextRecognizer> makeOCRService() = 0;
    virtual std::unique_ptr<CodeScanService> makeCodeScanService() = 0;
    // A store in the default history folder; throws HistoryStoreError when that folder
    // cannot be found or made.
    virtual std::unique_ptr<HistoryStore> makeHistoryStore(int maxEntries) = 0;
    // A store whose records are lost at exit; never fails.
    virtual std::unique_ptr<HistoryStore> makeInMemoryHistoryStore(int maxEntries) = 0;
    virtual std::unique_ptr<PermissionManager> makePermissionManager() = 0;
    virtual std::unique_ptr<ClipboardService> makeClipboardService() = 0;
    virtual std::unique_ptr<CaptureCoordinator> makeCaptureCoordinator(const CaptureServices &services) = 0;
    virtual std::unique_ptr<HotkeyManager> makeHotkeyManager() = 0;
    // The process's one pin manager.
    virtual PinWidgetManager &pinWidgetManager() = 0;
    // Whether a pin may come up after a capture: not where a new window takes the keyboard
    // from the one the user was typing in.
    virtual bool pinsAfterCapture() const { return true; }

    // The shell's own pieces.
    virtual SparkleUpdater &sparkleUpdater() = 0;
    virtual ActivationPolicy &activationPolicy() = 0;
    virtual ContinuityRuntime &continuityRuntime() = 0;
    // The item the status menu lives in.
    virtual std::unique_ptr<StatusItem> makeStatusItem() = 0;
};

} // namespace quorvane
