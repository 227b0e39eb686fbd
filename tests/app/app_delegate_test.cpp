// SPDX-License-Identifier: GPL-3.0-or-later
// The application delegate over a factory of fakes: real settings store, hotkey manager,
// permission manager, history store and status menu; fake desktop underneath.
#include "app/app_delegate.h"
#include "app/first_launch_manager.h"
#include "app/first_launch_tooltip.h"
#include "app/menu_bar_controller.h"
#include "app/recognition_cancel_prompt.h"
#include "app/service_factory.h"
#include "app/shortcut_refusal_notice.h"
#include "app/sparkle_updater.h"
#include "capture/capture_coordinator.h"
#include "capture/capture_coordinator_error.h"
#include "capture/clipboard_service.h"
#include "capture/code_scan_service.h"
#include "capture/continuity_runtime.h"
#include "capture/code_scan_error.h"
#include "capture/ocr_error.h"
#include "capture/text_recognizer.h"
#include "capture/screen_capture_service.h"
#include "core/hotkey_manager.h"
#include "core/language_manager.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "core/text_utils.h"
#include "history/history_store.h"
#include "history/history_empty_state_view.h"
#include "history/history_view.h"
#include "app/onboarding_window.h"
#include "windows/about_window_controller.h"
#include "windows/feedback_window_controller.h"
#include "windows/onboarding_view.h"
#include "windows/history_preferences_view.h"
#include "windows/preferences_view.h"
#include "windows/shortcuts_preferences_view.h"
#include "windows/shortcut_recorder_view.h"
#include "platform/activation_policy.h"
#include "platform/alert_presenter.h"
#include "platform/frontmost_application.h"
#include "platform/global_key_grabber.h"
#include "capture/screen_capture_error.h"
#include "platform/login_item.h"
#include "platform/pasteboard.h"
#include "platform/privacy_settings_opener.h"
#include "platform/region_selector.h"
#include "platform/save_panel.h"
#include "platform/screen_access_probe.h"
#include "platform/status_item.h"
#include "platform/taskbar_presence.h"
#include "app/desktop_service_factory.h"
#include "platform/user_defaults.h"

#include "support/conceal_nothing.h"
#include "support/event_loop.h"
#include "support/log_capture.h"
#include "support/fake_key_grabber.h"
#include "support/fake_notification_platform.h"
#include "support/inactive_pin_widget_manager.h"
#include "support/x_other_client.h"
#include "updater_fakes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorvane;

namespace {

struct NoLoginItem : LoginItem {
    Status status() const override { return Status::notRegistered; }
    void registerItem() override {}
    void unregisterItem() override {}
};

struct FakeStatusItem : StatusItem {
    QIcon shownIcon;
    QString tip;
    QPointer<QMenu> attached;
    int menusAttached = 0;

    bool hasButton() const override { return true; }
    void setIcon(const QIcon &icon) override { shownIcon = icon; }
    QIcon icon() const override { return shownIcon; }
    void setToolTip(const QString &text) override { tip = text; }
    QString toolTip() const override { return tip; }
    void setMenu(QMenu *menu) override
    {
        attached = menu;
        if (menu)
            ++menusAttached;
    }
    QMenu *menu() const override { return attached; }
    QRect buttonGeometry() const override { return QRect(1800, 0, 24, 24); }
};

using test::CountingUpdater;

struct IdleRuntime : ContinuityRuntime {
    void showContinuityItem(ImageHandler handler, std::optional<QPoint>) override { kept = std::move(handler); }
    ImageHandler kept;
};

struct RecordingTaskbar : TaskbarPresence {
    void setListed(QWindow *, bool) override {}
};

struct OpenProbe : ScreenAccessProbe {
    bool canReadScreen() override { return true; }
};

struct NoSelector : RegionSelector {
    bool select(const QList<DisplayInfo> &, Completion done) override
    {
        done(NoSelection::dismissed);
        return true;
    }
};

struct RecordingPasteboard : Pasteboard {
    QList<QList<Representation>> writes;
    QStringList write(const QList<Representation> &representations) override
    {
        writes.append(representations);
        QStringList types;
        for (const Representation &r : representations)
            types << r.mimeType;
        return types;
    }
};

struct NoPrivacyPage : PrivacySettingsOpener {
    bool hasPrivacyPage() const override { return false; }
    QString openPrivacyPage() override { return QStringLiteral("none"); }
};

struct RecordingAlerts : AlertPresenter {
    QList<Alert> shown;
    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        return -1;
    }
};

struct CountingPins : InactivePinWidgetManager {
    int restores = 0;
    void restorePin() override { ++restores; }
};

struct NoSavePanel : SavePanel {
    std::optional<QString> run(const SavePanelRequest &) override { return std::nullopt; }
};

// Answers every recognition with `text` (or `failure`) and notes what it was asked.
struct ScriptedOCR : TextRecognizer {
    QFuture<QString> recognizeText(const QImage &image, const std::optional<QStringList> &languages, CaptureMode mode,
                                   const TextProcessingSettings &options) override
    {
        images.append(image);
        asked.append({languages, mode});
        Q_UNUSED(options);
        if (failure)
            return QtFuture::makeExceptionalFuture<QString>(std::make_exception_ptr(*failure));
        return QtFuture::makeReadyFuture(text);
    }
    void prepare(const std::optional<QStringList> &, CaptureMode) override {}
    void cancelRecognition() override { ++cancels; }
    QString text = QStringLiteral("Imported words");
    int cancels = 0;
    std::optional<OCRError> failure;
    QList<QImage> images;
    QList<std::pair<std::optional<QStringList>, CaptureMode>> asked;
};

struct NoFrontmostApplication : FrontmostApplication {
    std::optional<QString> bundleIdentifier() const override { return std::nullopt; }
};

// Each workflow waits on a promise the test settles; `calls` lists the workflows asked for.
struct ScriptedCoordinator : CaptureCoordinator {
    ScriptedCoordinator(const CaptureServices &s, FrontmostApplication &frontmost,
                        std::function<int()> dismissals)
        : CaptureCoordinator(s.screenSource, s.textRecognizer, s.codeScanner, s.recorder, s.settings, s.clipboard,
                             s.toasts, s.permission, s.pinner, frontmost),
          toastsDismissed(std::move(dismissals))
    {
    }
    QFuture<CaptureWorkflowResult> performQuickZarrowCapture() override { return next("quick"); }
    QFuture<CaptureWorkflowResult> performRepeatCapture() override { return next("repeat"); }
    QFuture<CaptureWorkflowResult> performCodeModeCapture() override { return next("code"); }
    QFuture<CaptureWorkflowResult> performScanCodeCapture() override { return next("scan"); }

    QFuture<CaptureWorkflowResult> next(const QString &name)
    {
        calls << name;
        dismissedBeforeCall << toastsDismissed();
        pending = std::make_shared<QPromise<CaptureWorkflowResult>>();
        pending->start();
        promises.push_back(pending);
        return pending->future();
    }
    void succeed()
    {
        pending->addResult(CaptureWorkflowResult{QStringLiteral("text"), CaptureHistoryEntry{}, 0.25});
        pending->finish();
    }
    template <typename Error>
    void fail(const Error &error)
    {
        pending->setException(std::make_exception_ptr(error));
        pending->finish();
    }

    std::function<int()> toastsDismissed;
    QStringList calls;
    QList<int> dismissedBeforeCall;
    std::shared_ptr<QPromise<CaptureWorkflowResult>> pending; // the latest
    std::vector<std::shared_ptr<QPromise<CaptureWorkflowResult>>> promises;
};

// Records toasts instead of showing them.
struct RecordingNotificationService : NotificationService {
    RecordingNotificationService(test::FakeSystemNotifier &notifier,
                                 test::FakeSoundPlayer &sounds, test::FakeAnnouncer &announcer,
                                 test::FakeMotionPreference &motion)
        : NotificationService(notifier, sounds, announcer, motion,
                              [](auto &&...) { return std::unique_ptr<ToastWindow>(); })
    {
    }
    void showSuccess(CaptureMode mode, const QUuid &captureID, std::optional<quint32> displayID) override
    {
        successes.append({mode, captureID});
        Q_UNUSED(displayID);
    }
    void showError(const LocalizedError &error, std::optional<quint32>) override
    {
        errors.append(error.localizedDescription());
    }
    void showWarning(const QString &title, const QString &message, std::optional<quint32>) override
    {
        warnings.append(title + QStringLiteral(": ") + message);
    }
    void showActionableWarning(const QString &title, const QString &message, const QString &click) override
    {
        actionable.append(title + QStringLiteral(": ") + message + QStringLiteral(" -> ") + click);
    }
    void dismissToast() override { ++dismissals; }
    void showProgress(const QString &title, const QString &message, const QString &click) override
    {
        progress.append(title + QStringLiteral(": ") + message + QStringLiteral(" -> ") + click);
    }
    void endProgress(bool) override { ++progressEnded; }

    QList<std::pair<CaptureMode, QUuid>> successes;
    QStringList progress;
    int progressEnded = 0;
    QStringList actionable;
    QStringList errors;
    QStringList warnings;
    int dismissals = 0;
};

// A grabber that notes in the factory's log when the first combination is taken.
struct LoggingGrabber : test::FakeKeyGrabber {
    QStringList *log = nullptr;
    std::optional<GrabError> grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose) override
    {
        if (log && !log->contains("grab"))
            log->append("grab");
        return FakeKeyGrabber::grab(keyCode, modifierFlags, purpose);
    }
};

QString defaultsFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath("config/defaults.json");
    if (!bytes.isEmpty() && QDir().mkpath(dir.filePath("config"))) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    return path;
}

// Fakes for every desktop facility; `made` lists what the delegate asked for, in order.
struct FakeFactory : ServiceFactory {
    // `storedDefaults`, when given, is the settings file an earlier run left.
    explicit FakeFactory(const QByteArray &storedDefaults = {})
        : defaults(defaultsFile(dir, storedDefaults)),
          policy(std::make_unique<RecordingTaskbar>())
    {
        grabber.log = &made;
    }

    UserDefaults &userDefaults() override { return defaults; }
    Pasteboard &pasteboard() override { return clipboard; }
    AlertPresenter &alertPresenter() override { return alerts; }
    SavePanel &savePanel() override { return saving; }
    PrivacySettingsOpener &privacySettingsOpener() override { return privacy; }
    LanguageManager &languageManager() override { return languages; }
    PermissionChecks permissionChecks() override
    {
        return {[this] { return screenGranted; }, [this] { return grabber.permitted; }};
    }

    std::unique_ptr<SettingsStore> makeSettingsStore() override
    {
        made << "settings";
        return std::make_unique<SettingsStore>(defaults, loginItem);
    }
    std::unique_ptr<NotificationService> makeNotificationService() override
    {
        made << "notifications";
        auto service = std::make_unique<RecordingNotificationService>(notifier, sounds, announcer, motion);
        notifications = service.get();
        return service;
    }
    std::unique_ptr<ScreenCaptureService> makeScreenCaptureService() override
    {
        made << "screenCapture";
        return std::make_unique<ScreenCaptureService>(probe, displays, selector, concealer);
    }
    std::unique_ptr<TextRecognizer> makeOCRService() override
    {
        made << "ocr";
        auto service = std::make_unique<ScriptedOCR>();
        ocr = service.get();
        return service;
    }
    std::unique_ptr<CodeScanService> makeCodeScanService() override
    {
        made << "codeScan";
        return std::make_unique<CodeScanService>();
    }
    std::unique_ptr<HistoryStore> makeHistoryStore(int maxEntries) override
    {
        made << QStringLiteral("history(%1)").arg(maxEntries);
        if (historyFailures > 0) {
            --historyFailures;
            throw HistoryStoreError::storageAccessFailed(QStringLiteral("read-only disk"));
        }
        return std::make_unique<HistoryStore>(dir.filePath("data/Quorvane"), maxEntries);
    }
    std::unique_ptr<HistoryStore> makeInMemoryHistoryStore(int maxEntries) override
    {
        made << QStringLiteral("inMemoryHistory(%1)").arg(maxEntries);
        return HistoryStore::makeInMemory(maxEntries);
    }
    std::unique_ptr<PermissionManager> makePermissionManager() override
    {
        made << "permissions";
        return std::make_unique<PermissionManager>(permissionChecks(), privacy, alerts);
    }
    std::unique_ptr<ClipboardService> makeClipboardService() override
    {
        made << "clipboard";
        return std::make_unique<ClipboardService>(clipboard);
    }
    std::unique_ptr<CaptureCoordinator> makeCaptureCoordinator(const CaptureServices &services) override
    {
        made << "coordinator";
        auto coordinator = std::make_unique<ScriptedCoordinator>(services, frontmost,
                                                                 [this] { return notifications->dismissals; });
        this->coordinator = coordinator.get();
        return coordinator;
    }
    PinWidgetManager &pinWidgetManager() override
    {
        made << "pins";
        return pins;
    }
    std::unique_ptr<HotkeyManager> makeHotkeyManager() override
    {
        made << "hotkeys";
        return std::make_unique<HotkeyManager>(displayGrabber ? *displayGrabber : grabber);
    }
    SparkleUpdater &sparkleUpdater() override
    {
        made << "updater";
        return updater;
    }
    ActivationPolicy &activationPolicy() override
    {
        made << "activationPolicy";
        return policy;
    }
    ContinuityRuntime &continuityRuntime() override { return runtime; }
    std::unique_ptr<StatusItem> makeStatusItem() override
    {
        made << "statusItem";
        auto item = std::make_unique<FakeStatusItem>();
        statusItem = item.get();
        return item;
    }

    QTemporaryDir dir;
    UserDefaults defaults;
    LanguageManager languages{defaults};
    NoLoginItem loginItem;
    LoggingGrabber grabber;
    // When set, the hotkeys take their keys on the real display instead.
    GlobalKeyGrabber *displayGrabber = nullptr;
    test::FakeSystemNotifier notifier;
    test::FakeSoundPlayer sounds;
    test::FakeAnnouncer announcer;
    test::FakeMotionPreference motion;
    test::FakeDisplayList displays;
    OpenProbe probe;
    NoSelector selector;
    test::ConcealNothing concealer;
    RecordingPasteboard clipboard;
    NoPrivacyPage privacy;
    RecordingAlerts alerts;
    NoSavePanel saving;
    ActivationPolicy policy;
    CountingUpdater updater;
    IdleRuntime runtime;
    NoFrontmostApplication frontmost;
    CountingPins pins;

    bool screenGranted = true;
    int historyFailures = 0;
    QStringList made;
    RecordingNotificationService *notifications = nullptr;
    ScriptedOCR *ocr = nullptr;
    ScriptedCoordinator *coordinator = nullptr;
    FakeStatusItem *statusItem = nullptr;
};

// The delegate with its window operations recorded instead of opened.
struct RecordingDelegate : AppDelegate {
    using AppDelegate::AppDelegate;
    void openHistory(std::optional<QUuid> entry) override { opened << (entry ? entry->toString() : "history"); }
    void openPreferences() override { opened << "preferences"; }
    void openFeedback() override { opened << "feedback"; }
    void openAbout() override { opened << "about"; }
    void showOnboarding() override { opened << "onboarding"; }
    QStringList opened;
};

// Settings written to the factory's defaults before the delegate starts, as a previous run would.
void storeSettings(FakeFactory &factory, const std::function<void(UserSettings &)> &change)
{
    SettingsStore store(factory.defaults, factory.loginItem);
    UserSettings settings = store.settings();
    change(settings);
    store.setSettings(settings);
    store.save();
}

void markOnboardingSeen(FakeFactory &factory, bool tooltipShown)
{
    factory.defaults.setBool(OnboardingView::hasSeenOnboardingKey, true);
    if (tooltipShown)
        factory.defaults.setBool(FirstLaunchManager::hasLaunchedKey, true);
}

bool holds(const test::FakeKeyGrabber &grabber, const Shortcut &shortcut)
{
    return grabber.holds(shortcut.keyCode, shortcut.modifierFlags);
}

using test::drainEvents;

QAction *menuRow(FakeFactory &factory, const QString &name)
{
    for (QAction *action : factory.statusItem->menu()->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

} // namespace

TEST(AppDelegateStartUp, MakesTheServicesInOrderThenUpdaterPolicyMenuAndHotkeys)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    EXPECT_EQ(factory.made, (QStringList{"settings", "notifications", "screenCapture", "ocr", "codeScan", "history(100)", "permissions",
                                         "clipboard", "pins", "coordinator", "hotkeys", "updater", "activationPolicy", "statusItem",
                                         "grab"}));
    EXPECT_EQ(factory.updater.backgroundChecks, 1);
    EXPECT_EQ(factory.pins.restores, 1);
    EXPECT_EQ(factory.policy.activationPolicy(), ActivationPolicyKind::accessory);
    ASSERT_NE(delegate.menuBarController(), nullptr);
    EXPECT_EQ(factory.statusItem->menu(), delegate.menuBarController()->menu());
    const UserSettings &settings = delegate.services().settingsStore()->settings();
    for (HotkeyAction action : kAllHotkeyActions)
        EXPECT_TRUE(holds(factory.grabber, settings.shortcut(shortcutAction(action)))) << rawValue(action).toStdString();
    EXPECT_FALSE(delegate.services().isHistoryInMemory());
    EXPECT_TRUE(factory.notifications->warnings.isEmpty());

    // A second launch call changes nothing.
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(factory.updater.backgroundChecks, 1);
}

TEST(AppDelegateStartUp, StoredChoicesApplyFromTheFirstMoment)
{
    FakeFactory factory;
    storeSettings(factory, [](UserSettings &s) {
        s.showDockIcon = true;
        s.playSoundOnCapture = false;
        s.useSystemNotifications = true;
        s.maxHistoryEntries = 250;
    });
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    EXPECT_EQ(factory.policy.activationPolicy(), ActivationPolicyKind::regular);
    EXPECT_FALSE(delegate.services().notificationService()->playSounds());
    EXPECT_TRUE(delegate.services().notificationService()->useSystemNotifications());
    EXPECT_TRUE(factory.made.contains("history(250)"));
}

TEST(AppDelegateStartUp, HistoryFallsBackToAHundredEntriesBeforeMemory)
{
    FakeFactory factory;
    storeSettings(factory, [](UserSettings &s) { s.maxHistoryEntries = 400; });
    factory.historyFailures = 1;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    EXPECT_TRUE(factory.made.contains("history(400)"));
    EXPECT_TRUE(factory.made.contains("history(100)"));
    EXPECT_FALSE(factory.made.join(' ').contains("inMemory"));
    EXPECT_FALSE(delegate.services().isHistoryInMemory());
    EXPECT_TRUE(factory.notifications->warnings.isEmpty());
}

TEST(AppDelegateStartUp, InMemoryHistoryIsAnnouncedOnceWithAWarning)
{
    FakeFactory factory;
    storeSettings(factory, [](UserSettings &s) { s.maxHistoryEntries = 400; });
    factory.historyFailures = 2;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    const int first = int(factory.made.indexOf("history(400)"));
    EXPECT_EQ(factory.made.mid(first, 3), (QStringList{"history(400)", "history(100)", "inMemoryHistory(400)"}));
    EXPECT_TRUE(delegate.services().isHistoryInMemory());
    ASSERT_NE(delegate.services().historyStore(), nullptr);
    ASSERT_EQ(factory.notifications->warnings.size(), 1);
    EXPECT_TRUE(factory.notifications->warnings[0].contains("will not be kept"));

    // Settings saves later in the session say nothing more.
    delegate.services().settingsStore()->save();
    drainEvents();
    EXPECT_EQ(factory.notifications->warnings.size(), 1);
}

TEST(AppDelegateStartUp, FilesSetAsideAreToldOnceWithWhereTheyWent)
{
    FakeFactory factory("{ not json");
    ASSERT_FALSE(factory.defaults.loadProblem().isEmpty());
    QDir().mkpath(factory.dir.filePath("data/Quorvane"));
    QFile history(factory.dir.filePath("data/Quorvane/history.json"));
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    history.write("[{ not json");
    history.close();

    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    test::waitFor(delegate.services().historyStore()->getEntries());
    // The history's notice stays until dismissed (a desktop notification) and opens the
    // History window, which keeps saying it after any later toast.
    ASSERT_TRUE(test::waitUntil([&] { return factory.notifications->actionable.size() == 1; }));
    ASSERT_EQ(factory.notifications->warnings.size(), 1);
    EXPECT_TRUE(factory.notifications->warnings[0].contains("defaults.json.unreadable-"));
    const QStringList corrupted = QDir(factory.dir.filePath("data/Quorvane")).entryList({"history.corrupted.*"});
    ASSERT_EQ(corrupted.size(), 1);
    EXPECT_TRUE(factory.notifications->actionable[0].contains(corrupted[0]));
    EXPECT_TRUE(factory.notifications->actionable[0].endsWith("app.corvantis.openHistory"));
    drainEvents();
    test::waitFor(delegate.services().historyStore()->getEntries());
    EXPECT_EQ(factory.notifications->warnings.size(), 1);
    EXPECT_EQ(factory.notifications->actionable.size(), 1);
}

TEST(AppDelegateStartUp, AnUnreadableSettingIsNamedOnceAndTheOthersApply)
{
    FakeFactory factory(R"({"com.corvantis.user_settings": {"maxHistoryEntries": "1000", "showDockIcon": true}})");
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    EXPECT_EQ(factory.policy.activationPolicy(), ActivationPolicyKind::regular);
    EXPECT_TRUE(factory.made.contains("history(100)"));
    drainEvents();
    ASSERT_EQ(factory.notifications->warnings.size(), 1);
    EXPECT_TRUE(factory.notifications->warnings[0].contains("Maximum history entries"));
    EXPECT_FALSE(factory.notifications->warnings[0].contains("Show pins")) << "only what was reset is named";

    // Values beside the record are named too, and a number is bounded before any arithmetic.
    FakeFactory beside(R"({"hasSeenOnboarding": "yes", "AppLanguage": 7,
                           "RecognitionEngineReleaseSeconds": 9223372036854775807})");
    const UserDefaults stored(beside.defaults.filePath(), UserDefaults::LookOnly{});
    EXPECT_EQ(DesktopServiceFactory::engineRelease(stored), std::chrono::days(7));
    RecordingDelegate started(beside);
    started.applicationDidFinishLaunching();
    drainEvents();
    ASSERT_EQ(beside.notifications->warnings.size(), 1);
    for (const char *name : {"hasSeenOnboarding", "App Language", "RecognitionEngineReleaseSeconds"})
        EXPECT_TRUE(beside.notifications->warnings[0].contains(name)) << name;
    EXPECT_EQ(DesktopServiceFactory::engineRelease(beside.defaults), std::chrono::minutes(10));
    beside.defaults.setInteger("RecognitionEngineReleaseSeconds", -5);
    EXPECT_EQ(DesktopServiceFactory::engineRelease(beside.defaults), std::chrono::seconds(1));
}

TEST(AppDelegateHotkeys, WithoutGrabPermissionNothingIsBoundUntilTheGrantArrives)
{
    FakeFactory factory;
    factory.grabber.permitted = false;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    EXPECT_TRUE(factory.grabber.held.empty());

    // A withdrawal is not a grant.
    factory.grabber.permitted = true;
    emit delegate.services().permissionManager()->accessibilityPermissionChanged(false);
    drainEvents();
    EXPECT_TRUE(factory.grabber.held.empty());

    // The permission manager's own poll notices the grant and announces it.
    delegate.services().permissionManager()->refreshPermissionStatus();
    ASSERT_TRUE(test::waitUntil([&] { return factory.grabber.held.size() == 5; }));

    // A withdrawn grant leaves the hotkeys bound.
    factory.grabber.permitted = false;
    delegate.services().permissionManager()->refreshPermissionStatus();
    drainEvents();
    EXPECT_EQ(factory.grabber.held.size(), 5u);
}

TEST(AppDelegateObservers, SettingsSaveRebindsHotkeysAndRefreshesNotificationSwitches)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    SettingsStore &store = *delegate.services().settingsStore();
    NotificationService &notifications = *delegate.services().notificationService();
    ASSERT_TRUE(notifications.playSounds());
    ASSERT_FALSE(notifications.useSystemNotifications());

    const Shortcut before = store.settings().quickZarrowShortcut;
    const Shortcut after{37, 0x1200}; // ⌃⇧L
    store.updateShortcut(after, ShortcutAction::quickZarrow);
    ASSERT_TRUE(test::waitUntil([&] { return holds(factory.grabber, after); }));
    EXPECT_FALSE(holds(factory.grabber, before));
    EXPECT_EQ(factory.grabber.held.size(), 5u);

    store.setPlaySoundOnCapture(false);
    store.setUseSystemNotifications(true);
    store.save();
    EXPECT_FALSE(notifications.playSounds());
    EXPECT_TRUE(notifications.useSystemNotifications());
}

TEST(AppDelegateMenu, RowsReachTheDelegateAndQuitAsksToTerminate)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    QSignalSpy quit(&delegate, &AppDelegate::terminationRequested);

    for (const char *row : {"handleOpenHistory", "handleOpenPreferences", "handleSendFeedback", "handleAbout"})
        menuRow(factory, row)->trigger();
    EXPECT_EQ(delegate.opened, (QStringList{"history", "preferences", "feedback", "about"}));
    EXPECT_EQ(quit.count(), 0);
    menuRow(factory, "handleQuit")->trigger();
    EXPECT_EQ(quit.count(), 1);
    // Asking is all the row does: the shut-down comes from the application.
    EXPECT_FALSE(delegate.isTerminating());
    EXPECT_EQ(factory.grabber.held.size(), 5u);
}

TEST(AppDelegateFirstLaunch, FirstRunShowsTheOnboardingOnceThenThePermissionsAndTheTooltip)
{
    FakeFactory factory;
    {
        AppDelegate delegate(factory);
        delegate.applicationDidFinishLaunching();
        ASSERT_TRUE(test::waitUntil([&] { return delegate.onboardingWindow() != nullptr; }));
        QPointer<QWidget> window = delegate.onboardingWindow();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), "Welcome to Quorvane");
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(delegate.menuBarController()->tooltipPopover(), nullptr);

        // Skipping the pages completes the onboarding: the window goes, the flag is stored,
        // the grants are checked (both held: the hotkeys are bound again), then the tooltip.
        const int grabsBefore = factory.grabber.grabCalls;
        auto *view = qobject_cast<OnboardingView *>(static_cast<OnboardingWindow *>(window.data())->content());
        ASSERT_NE(view, nullptr);
        view->skip();
        EXPECT_EQ(delegate.onboardingWindow(), nullptr);
        EXPECT_TRUE(test::waitUntil([&] { return window.isNull(); }));
        EXPECT_TRUE(factory.defaults.boolValue("hasSeenOnboarding").value_or(false));
        ASSERT_TRUE(test::waitUntil([&] { return factory.grabber.grabCalls > grabsBefore; }));
        ASSERT_TRUE(test::waitUntil([&] { return delegate.menuBarController()->tooltipPopover() != nullptr; }));
        EXPECT_TRUE(factory.alerts.shown.isEmpty());
        delegate.applicationWillTerminate();
    }
    // The next launch is an ordinary one.
    AppDelegate again(factory);
    again.applicationDidFinishLaunching();
    drainEvents();
    EXPECT_EQ(again.onboardingWindow(), nullptr);
}

TEST(AppDelegateFirstLaunch, ClosingTheOnboardingCountsAsSeenAndAsksForMissingGrantsWithoutTooltip)
{
    FakeFactory factory;
    factory.grabber.permitted = false;
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ASSERT_TRUE(test::waitUntil([&] { return delegate.onboardingWindow() != nullptr; }));

    delegate.onboardingWindow()->close();
    EXPECT_EQ(delegate.onboardingWindow(), nullptr);
    EXPECT_TRUE(factory.defaults.boolValue("hasSeenOnboarding").value_or(false));
    // The permission flow starts at once with the missing key-grab grant.
    ASSERT_TRUE(test::waitUntil([&] { return !factory.alerts.shown.isEmpty(); }));
    EXPECT_EQ(factory.alerts.shown[0].messageText, "Global Shortcuts Permission Required");
    test::waitUntil([] { return false; }, FirstLaunchFlow::onboardingTooltipDelayMs + 300);
    EXPECT_EQ(delegate.menuBarController()->tooltipPopover(), nullptr);
    EXPECT_FALSE(factory.defaults.boolValue(FirstLaunchManager::hasLaunchedKey).value_or(false));
}

TEST(AppDelegateFirstLaunch, SeenOnboardingBringsTheTooltipThenTheMissingPermissions)
{
    FakeFactory factory;
    markOnboardingSeen(factory, false);
    factory.screenGranted = false;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    ASSERT_TRUE(test::waitUntil([&] { return delegate.menuBarController()->tooltipPopover() != nullptr; }));
    EXPECT_TRUE(factory.defaults.boolValue(FirstLaunchManager::hasLaunchedKey).value_or(false));
    EXPECT_TRUE(factory.alerts.shown.isEmpty()); // the summary comes later than the tooltip
    ASSERT_TRUE(test::waitUntil([&] { return !factory.alerts.shown.isEmpty(); }));
    EXPECT_EQ(factory.alerts.shown.size(), 1);
    EXPECT_FALSE(delegate.opened.contains("onboarding"));
}

TEST(AppDelegateShutDown, SavesBeforeReleasingHotkeysThenRemovesTheIcon)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    drainEvents();

    // A change whose debounced save has not run yet.
    UserSettings changed = delegate.services().settingsStore()->settings();
    changed.maxHistoryEntries = 321;
    delegate.services().settingsStore()->setSettings(changed);

    QList<size_t> heldAtSave;
    QObject::connect(delegate.services().settingsStore(), &SettingsStore::settingsDidChange,
                     [&] { heldAtSave.append(factory.grabber.held.size()); });
    QPointer<QMenu> menu = factory.statusItem->menu();

    delegate.applicationWillTerminate();
    EXPECT_TRUE(delegate.isTerminating());
    EXPECT_EQ(heldAtSave, QList<size_t>{5}); // saved while every hotkey was still bound
    EXPECT_TRUE(factory.grabber.held.empty());
    EXPECT_FALSE(delegate.services().hotkeyManager()->isEnabled());
    EXPECT_EQ(delegate.menuBarController(), nullptr);
    EXPECT_TRUE(menu.isNull());

    // Written to disk at once: a fresh reader finds the change.
    UserDefaults reread(factory.defaults.filePath());
    NoLoginItem noLogin;
    EXPECT_EQ(SettingsStore(reread, noLogin).settings().maxHistoryEntries, 321);

    // The save's notification, and any later one, bind nothing again.
    drainEvents();
    delegate.services().settingsStore()->save();
    emit delegate.services().permissionManager()->accessibilityPermissionChanged(true);
    drainEvents();
    EXPECT_TRUE(factory.grabber.held.empty());

    // A second call does nothing.
    delegate.applicationWillTerminate();
    EXPECT_EQ(heldAtSave.size(), 2); // only the explicit save above
}

TEST(AppDelegateShutDown, UnregistersEveryActionEvenWhenSomeWereNeverBound)
{
    FakeFactory factory;
    const UserSettings defaults = UserSettings::defaults();
    factory.grabber.takenElsewhere.insert({defaults.codeModeShortcut.keyCode, 0xA00});
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ASSERT_EQ(factory.grabber.held.size(), 4u);

    delegate.applicationWillTerminate();
    EXPECT_TRUE(factory.grabber.held.empty());
    for (HotkeyAction action : kAllHotkeyActions)
        EXPECT_FALSE(delegate.services().hotkeyManager()->registeredShortcut(action).has_value());
}

namespace {

QImage sampleImage(int width = 640, int height = 200)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QList<CaptureHistoryEntry> storedEntries(AppDelegate &delegate)
{
    auto entries = delegate.services().historyStore()->getEntries();
    EXPECT_TRUE(test::waitFor(entries));
    return entries.result();
}

} // namespace

TEST(AppDelegateImport, ImportedImageIsRecognisedCopiedRecordedAndAnnounced)
{
    FakeFactory factory;
    storeSettings(factory, [](UserSettings &s) {
        s.autoDetectLanguage = false;
        s.preferredLanguages = {"de-DE", "en-US"};
    });
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    const int menusBefore = factory.statusItem->menusAttached;

    delegate.handleImportedImage(sampleImage());
    ASSERT_TRUE(test::waitUntil([&] { return !factory.notifications->successes.isEmpty(); }));

    ASSERT_EQ(factory.ocr->asked.size(), 1);
    EXPECT_EQ(factory.ocr->asked[0].first, (QStringList{"de-DE", "en-US"}));
    EXPECT_EQ(factory.ocr->asked[0].second, CaptureMode::normal);
    ASSERT_EQ(factory.clipboard.writes.size(), 1);
    EXPECT_EQ(factory.clipboard.writes[0].value(0).data, QByteArray("Imported words"));

    const QList<CaptureHistoryEntry> entries = storedEntries(delegate);
    ASSERT_EQ(entries.size(), 1);
    const CaptureHistoryEntry &entry = entries[0];
    EXPECT_EQ(entry.text, "Imported words");
    EXPECT_EQ(entry.captureMode, CaptureMode::normal);
    EXPECT_EQ(entry.sourceRect, QRectF(0, 0, 0, 0));
    EXPECT_FALSE(entry.displayID.has_value());
    EXPECT_FALSE(entry.sourceAppBundleID.has_value());
    EXPECT_EQ(QImage::fromData(entry.thumbnailData).width(), 256);

    EXPECT_EQ(factory.notifications->successes[0], std::make_pair(CaptureMode::normal, entry.id));
    EXPECT_TRUE(factory.notifications->errors.isEmpty());
    // An import is not a capture: the menu stays as it was.
    EXPECT_EQ(factory.statusItem->menusAttached, menusBefore);
}

TEST(AppDelegateImport, ImagesFromTheTrayImportMenuReachTheImportWorkflow)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    const QList<QAction *> rows = delegate.menuBarController()->menu()->actions();
    const auto importRow = std::find_if(rows.begin(), rows.end(), [](QAction *row) {
        return row->objectName() == QStringLiteral("handleImportFromiPhone");
    });
    ASSERT_NE(importRow, rows.end());
    (*importRow)->trigger();
    ASSERT_TRUE(factory.runtime.kept);
    factory.runtime.kept(sampleImage());
    ASSERT_TRUE(test::waitUntil([&] { return !factory.notifications->successes.isEmpty(); }));
    EXPECT_EQ(storedEntries(delegate).value(0).text, "Imported words");
}

TEST(AppDelegateImport, AutomaticDetectionAsksForNoLanguages)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    delegate.handleImportedImage(sampleImage());
    ASSERT_TRUE(test::waitUntil([&] { return !factory.notifications->successes.isEmpty(); }));
    EXPECT_EQ(factory.ocr->asked.value(0).first, std::nullopt);
}

TEST(AppDelegateImport, EmptyTextShowsAnErrorAndLeavesClipboardAndHistoryAlone)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    factory.ocr->text.clear();

    delegate.handleImportedImage(sampleImage());
    ASSERT_TRUE(test::waitUntil([&] { return !factory.notifications->errors.isEmpty(); }));
    EXPECT_TRUE(factory.clipboard.writes.isEmpty());
    EXPECT_TRUE(storedEntries(delegate).isEmpty());
    EXPECT_TRUE(factory.notifications->successes.isEmpty());
}

TEST(AppDelegateImport, RecognitionFailureShowsItsOwnError)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    factory.ocr->failure = OCRError(OCRErrorKind::noTextDetected);

    delegate.handleImportedImage(sampleImage());
    ASSERT_TRUE(test::waitUntil([&] { return !factory.notifications->errors.isEmpty(); }));
    EXPECT_EQ(factory.notifications->errors[0], OCRError(OCRErrorKind::noTextDetected).localizedDescription());
    EXPECT_TRUE(storedEntries(delegate).isEmpty());
}

TEST(AppDelegateImport, UnreadableImageFileOrClipboardShowsAnError)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    const ImageImportError file("scan.tiff", "Unsupported image format");
    const ImageImportError clipboard(ImageImportErrorKind::unreadableClipboard);
    emit factory.runtime.importFailed(file);
    emit factory.runtime.importFailed(clipboard);
    EXPECT_EQ(factory.notifications->errors,
              (QStringList{file.localizedDescription(), clipboard.localizedDescription()}));
}

TEST(AppDelegateImport, ImageWithoutPixelsEndsQuietly)
{
    FakeFactory factory;
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    delegate.handleImportedImage(QImage());
    drainEvents();
    EXPECT_TRUE(factory.ocr->asked.isEmpty());
    EXPECT_TRUE(factory.notifications->errors.isEmpty());
    EXPECT_TRUE(storedEntries(delegate).isEmpty());
}

TEST(AppDelegateCaptures, HotkeysRowsAndRightClickReachTheirWorkflows)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    const UserSettings &settings = delegate.services().settingsStore()->settings();
    ScriptedCoordinator &coordinator = *factory.coordinator;

    for (const Shortcut &shortcut : {settings.quickZarrowShortcut, settings.repeatZarrowShortcut,
                                     settings.codeModeShortcut, settings.scanCodeShortcut}) {
        factory.grabber.press(shortcut.keyCode, shortcut.modifierFlags);
        ASSERT_TRUE(test::waitUntil([&] { return coordinator.pending != nullptr; }));
        coordinator.fail(CaptureCoordinatorError::captureInProgress());
        coordinator.pending.reset();
    }
    ASSERT_EQ(coordinator.calls.size(), 4);
    factory.grabber.press(settings.historyShortcut.keyCode, settings.historyShortcut.modifierFlags);
    ASSERT_TRUE(test::waitUntil([&] { return !delegate.opened.isEmpty(); }));
    EXPECT_EQ(delegate.opened, QStringList{"history"});
    menuRow(factory, "handleCaptureText")->trigger();
    menuRow(factory, "handleScanCode")->trigger();
    emit factory.statusItem->plainClicked();
    ASSERT_TRUE(test::waitUntil([&] { return coordinator.calls.size() == 7; }));
    EXPECT_EQ(coordinator.calls, (QStringList{"quick", "repeat", "code", "scan", "quick", "scan", "quick"}));
}

TEST(AppDelegateCaptures, OnlyASuccessfulCaptureRefreshesTheMenuAndACancelIsNoFailure)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ScriptedCoordinator &coordinator = *factory.coordinator;
    const std::vector<void (AppDelegate::*)()> handlers{&AppDelegate::handleCaptureText, &AppDelegate::handleRepeatZarrow,
                                                        &AppDelegate::handleCodeModeCapture, &AppDelegate::handleScanCode};

    for (auto handler : handlers) {
        const int menus = factory.statusItem->menusAttached;
        (delegate.*handler)();
        coordinator.fail(CaptureCoordinatorError::captureInProgress());
        drainEvents();
        EXPECT_EQ(factory.statusItem->menusAttached, menus) << coordinator.calls.join(',').toStdString();

        (delegate.*handler)();
        coordinator.pending->finish(); // dropped without a result
        drainEvents();
        EXPECT_EQ(factory.statusItem->menusAttached, menus);

        // A dismissed selection, or a recognition or scan called off, is no failure: silent by
        // default, "cancelled" at info level.
        for (const QString &rules : {QString(), QStringLiteral("quorvane.*.info=true")})
        for (const int step : {0, 1, 2}) {
            test::LogCapture log(rules);
            (delegate.*handler)();
            if (step == 0)
                coordinator.fail(ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed));
            else if (step == 1)
                coordinator.fail(OCRError(OCRErrorKind::cancelled));
            else
                coordinator.fail(CodeScanError(CodeScanErrorKind::cancelled));
            drainEvents();
            EXPECT_EQ(log.quoting("cancelled").size(), rules.isEmpty() ? 0 : 1) << log.messages().join('\n').toStdString();
            EXPECT_EQ(log.messages().filter("fail", Qt::CaseInsensitive).size(), 0);
        }
        EXPECT_EQ(factory.statusItem->menusAttached, menus);

        (delegate.*handler)();
        coordinator.succeed();
        ASSERT_TRUE(test::waitUntil([&] { return factory.statusItem->menusAttached == menus + 1; }))
            << coordinator.calls.join(',').toStdString();
    }
    // The failures' toasts are the coordinator's: the delegate shows none of its own.
    EXPECT_TRUE(factory.notifications->errors.isEmpty());
}

TEST(AppDelegateCaptures, ASlowRecognitionOffersEscapeAndAToastThatCallItOff)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    RecordingNotificationService &notifications = *factory.notifications;
    CaptureCoordinator &coordinator = *factory.coordinator;
    const QString shown = "Reading Text…: Click here or press Escape to cancel. -> " + RecognitionCancelPrompt::clickAction;

    // A recognition that ends within its moment shows nothing and takes no key.
    emit coordinator.recognitionRunningChanged(true);
    emit coordinator.recognitionRunningChanged(false);
    EXPECT_FALSE(factory.grabber.holds(53, 0));

    emit coordinator.recognitionRunningChanged(true);
    ASSERT_TRUE(test::waitUntil([&] { return !notifications.progress.isEmpty(); }));
    EXPECT_EQ(notifications.progress, QStringList{shown});
    ASSERT_TRUE(factory.grabber.holds(53, 0));
    factory.grabber.press(53, 0);
    emit notifications.warningClicked(RecognitionCancelPrompt::clickAction);
    ASSERT_TRUE(test::waitUntil([&] { return factory.ocr->cancels == 2; }));

    // Escape goes back to the windows, the toast goes, and a late click cancels nothing.
    emit coordinator.recognitionRunningChanged(false);
    EXPECT_FALSE(factory.grabber.holds(53, 0));
    EXPECT_EQ(notifications.progressEnded, 1);
    emit notifications.warningClicked(RecognitionCancelPrompt::clickAction);
    drainEvents();
    EXPECT_EQ(factory.ocr->cancels, 2);
}

// A desktop that binds shortcuts itself (a Wayland portal) would list Escape as one of
// the program's shortcuts: it is never asked for there.
struct DesktopOwnedGrabber : test::FakeKeyGrabber {
    ShortcutOwnership ownership() const override { return ShortcutOwnership::desktop; }
};

TEST(RecognitionCancelPrompt, WhereEscapeCannotBeTakenTheToastSaysHowElseToCancel)
{
    test::FakeSystemNotifier notifier;
    test::FakeSoundPlayer sounds;
    test::FakeAnnouncer announcer;
    test::FakeMotionPreference motion;
    test::FakeKeyGrabber taken;
    taken.takenElsewhere.insert({53, 0});
    DesktopOwnedGrabber desktop;
    for (test::FakeKeyGrabber *grabber : {&taken, static_cast<test::FakeKeyGrabber *>(&desktop)}) {
        RecordingNotificationService notifications(notifier, sounds, announcer, motion);
        HotkeyManager hotkeys(*grabber);
        int cancels = 0;
        RecognitionCancelPrompt prompt(notifications, hotkeys, [&] { ++cancels; }, std::chrono::milliseconds(0));

        prompt.setRecognitionRunning(true);
        ASSERT_TRUE(test::waitUntil([&] { return prompt.isShown(); }));
        EXPECT_EQ(notifications.progress, QStringList{"Reading Text…: Click here or use the same shortcut again to cancel. -> "
                                                      + RecognitionCancelPrompt::clickAction});
        EXPECT_TRUE(grabber->held.empty());
        emit notifications.warningClicked(RecognitionCancelPrompt::clickAction);
        EXPECT_EQ(cancels, 1);
        prompt.setRecognitionRunning(false);
        EXPECT_EQ(notifications.progressEnded, 1);
    }
    EXPECT_EQ(desktop.grabCalls, 0);
}

TEST(AppDelegateCaptures, QuickCaptureClearsALeftoverToastFirst)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    RecordingDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ScriptedCoordinator &coordinator = *factory.coordinator;

    delegate.handleCaptureText();
    delegate.handleRepeatZarrow();
    EXPECT_EQ(coordinator.dismissedBeforeCall, (QList<int>{1, 1}));
}

namespace {

int visibleHistoryWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<HistoryView *>(widget) && widget->isVisible();
    return count;
}

} // namespace

TEST(AppDelegateWindows, HistoryWindowIsReusedWhileOpenAndBuiltAfreshOnceClosed)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    QPointer<QWidget> first;
    {
        AppDelegate delegate(factory);
        delegate.applicationDidFinishLaunching();

        menuRow(factory, "handleOpenHistory")->trigger();
        first = delegate.windows().historyWindow();
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(first->isVisible());
        EXPECT_EQ(first->windowTitle(), "Capture History");
        EXPECT_EQ(first->size(), QSize(900, 600));
        // At least the floor, and wide enough for the detail pane's actions from the start.
        EXPECT_EQ(first->minimumHeight(), 500);
        EXPECT_GE(first->minimumWidth(), 800);

        // The hotkey finds the window open and only brings it forward.
        const Shortcut history = delegate.services().settingsStore()->settings().historyShortcut;
        factory.grabber.press(history.keyCode, history.modifierFlags);
        drainEvents();
        EXPECT_EQ(delegate.windows().historyWindow(), first.data());
        EXPECT_EQ(visibleHistoryWindows(), 1);

        // Closed by the user: the next request builds a new window, even before the old
        // one is gone.
        first->close();
        delegate.openHistory();
        ASSERT_NE(delegate.windows().historyWindow(), nullptr);
        EXPECT_NE(delegate.windows().historyWindow(), first.data());
        EXPECT_TRUE(test::waitUntil([&] { return first.isNull(); }));
        EXPECT_EQ(visibleHistoryWindows(), 1);
        first = delegate.windows().historyWindow();
    }
    // The window does not outlive the store it shows.
    EXPECT_TRUE(first.isNull());
}

TEST(AppDelegateWindows, ToastClickOpensTheHistoryWindowOnce)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    NotificationService &notifications = *delegate.services().notificationService();
    const QUuid click = QUuid::createUuid();
    emit notifications.openHistoryWithEntry(click);
    QPointer<QWidget> window = delegate.windows().historyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    emit notifications.openHistoryWithEntry(click);
    EXPECT_EQ(delegate.windows().historyWindow(), window.data());
    EXPECT_EQ(visibleHistoryWindows(), 1);
}

TEST(AppDelegateWindows, FeedbackWindowIsKeptAndAboutWindowReusedWhileOpen)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    menuRow(factory, "handleSendFeedback")->trigger();
    ASSERT_NE(delegate.windows().feedbackWindowController(), nullptr);
    QPointer<QWidget> feedback = delegate.windows().feedbackWindowController()->window();
    EXPECT_TRUE(feedback->isVisible());
    // Closed by the user, it comes back as the same window.
    feedback->close();
    menuRow(factory, "handleSendFeedback")->trigger();
    EXPECT_EQ(delegate.windows().feedbackWindowController()->window(), feedback.data());
    EXPECT_TRUE(feedback->isVisible());

    menuRow(factory, "handleAbout")->trigger();
    QPointer<QWidget> about = AboutWindowController::window();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    delegate.openAbout();
    EXPECT_EQ(AboutWindowController::window(), about.data());
    about->close();
}

TEST(AppDelegateWindows, PreferencesWindowIsReusedAndWorksOnTheApplicationsOwnSettings)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    menuRow(factory, "handleOpenPreferences")->trigger();
    QPointer<QWidget> window = delegate.windows().preferencesWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Preferences");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // not resizable
    delegate.openPreferences();
    EXPECT_EQ(delegate.windows().preferencesWindow(), window.data());

    // The panes write into the very database the settings store keeps, and the history
    // pane works on the application's own history.
    const qsizetype storesBefore = factory.made.filter("history(").size();
    static_cast<PreferencesView *>(window.data())->setSelectedTab(PreferencesTab::history);
    EXPECT_EQ(factory.defaults.integerValue("preferences.selected_tab"), 4);
    EXPECT_EQ(static_cast<PreferencesView *>(window.data())->historyPane()->historyStore(),
              delegate.services().historyStore());
    EXPECT_EQ(factory.made.filter("history(").size(), storesBefore);

    window->close();
    delegate.openPreferences();
    EXPECT_NE(delegate.windows().preferencesWindow(), window.data());
    EXPECT_TRUE(delegate.windows().preferencesWindow()->isVisible());
}

TEST(AppDelegateWindows, HistoryPaneCountsTheHistoryTheProgramKeepsInMemory)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    factory.historyFailures = 2;
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ASSERT_TRUE(delegate.services().isHistoryInMemory());
    CaptureHistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.timestamp = QDateTime::currentDateTimeUtc();
    entry.text = QStringLiteral("kept in memory");
    ASSERT_TRUE(test::waitFor(delegate.services().historyStore()->addEntry(entry)));

    delegate.openPreferences();
    auto *preferences = qobject_cast<PreferencesView *>(delegate.windows().preferencesWindow());
    ASSERT_NE(preferences, nullptr);
    preferences->setSelectedTab(PreferencesTab::history);
    EXPECT_TRUE(test::waitUntil([&] { return preferences->historyPane()->currentEntryCount() == 1; }));
}

TEST(AppDelegateHotkeys, AShortcutAnotherProgramHoldsIsToldOnceAndItsClickOpensTheShortcutsPane)
{
    test::OtherClient other;
    const quint16 shiftSuper = KeyTable::xShiftMask | KeyTable::xMod4Mask;
    ASSERT_TRUE(other.grab(*KeyTable::xKeycode(37), shiftSuper)); // the default quick capture
    std::unique_ptr<GlobalKeyGrabber> display = createGlobalKeyGrabber();
    FakeFactory factory;
    factory.displayGrabber = display.get();
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();

    const QString notice = "Quick Capture shortcut not available: " + leftToRightRun("Shift+Super+L")
                           + " is already used by another program. Choose another shortcut in Preferences. -> "
                           + ShortcutRefusalNotice::clickAction;
    EXPECT_EQ(factory.notifications->actionable, QStringList{notice});
    // Once per run: the next registration, refused again, says nothing more.
    delegate.services().settingsStore()->save();
    drainEvents();
    EXPECT_EQ(factory.notifications->actionable.size(), 1);

    // Its menu row and its field in the pane are marked; the others are not.
    EXPECT_FALSE(menuRow(factory, "handleCaptureText")->icon().isNull());
    EXPECT_TRUE(menuRow(factory, "handleOpenHistory")->icon().isNull());

    emit delegate.services().notificationService()->warningClicked(ShortcutRefusalNotice::clickAction);
    auto *preferences = qobject_cast<PreferencesView *>(delegate.windows().preferencesWindow());
    ASSERT_NE(preferences, nullptr);
    EXPECT_EQ(preferences->selectedTab(), PreferencesTab::shortcuts);
    ShortcutRecorderView *quick = preferences->shortcutsPane()->recorder(ShortcutAction::quickZarrow);
    ASSERT_TRUE(test::waitUntil([&] { return !quick->isValid(); }));
    EXPECT_EQ(quick->validationError(), "This shortcut is already used by another program");
    EXPECT_TRUE(preferences->shortcutsPane()->recorder(ShortcutAction::openHistory)->isValid());
}

TEST(AppDelegateHotkeys, AShortcutAnotherProgramLetGoIsTakenWhenTheMenuOrPreferencesOpen)
{
    test::OtherClient other;
    const quint16 shiftSuper = KeyTable::xShiftMask | KeyTable::xMod4Mask;
    const xcb_keycode_t capture = *KeyTable::xKeycode(37); // the default quick capture, Shift+Super+L
    const xcb_keycode_t history = *KeyTable::xKeycode(4);  // the default history, Alt+Super+H
    const quint16 altSuper = KeyTable::xMod1Mask | KeyTable::xMod4Mask;
    ASSERT_TRUE(other.grab(capture, shiftSuper));
    ASSERT_TRUE(other.grab(history, altSuper));
    std::unique_ptr<GlobalKeyGrabber> display = createGlobalKeyGrabber();
    FakeFactory factory;
    factory.displayGrabber = display.get();
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    HotkeyManager &hotkeys = *delegate.services().hotkeyManager();
    ASSERT_EQ(hotkeys.refusedActions(), (QList{HotkeyAction::quickZarrowCapture, HotkeyAction::openHistory}));

    // Still held: opening Preferences changes nothing.
    delegate.openPreferences();
    drainEvents();
    EXPECT_EQ(hotkeys.refusedActions().size(), 2);

    other.ungrab(history, altSuper);
    delegate.openPreferences();
    drainEvents();
    EXPECT_EQ(hotkeys.refusedActions(), QList{HotkeyAction::quickZarrowCapture});

    other.ungrab(capture, shiftSuper);
    emit factory.statusItem->menu()->aboutToShow();
    drainEvents();
    EXPECT_TRUE(hotkeys.refusedActions().isEmpty());
    EXPECT_TRUE(menuRow(factory, "handleCaptureText")->icon().isNull());
    // Taken for good: the other program cannot have it back.
    EXPECT_FALSE(other.grab(capture, shiftSuper));
    // Said once, at the start.
    EXPECT_EQ(factory.notifications->actionable.size(), 1);
}

TEST(AppDelegateObservers, TextsNamingTheCaptureShortcutFollowAChange)
{
    FakeFactory factory;
    markOnboardingSeen(factory, false);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    ASSERT_TRUE(test::waitUntil([&] { return delegate.menuBarController()->tooltipPopover() != nullptr; }));
    FirstLaunchTooltip *tooltip = delegate.menuBarController()->tooltipPopover();
    EXPECT_EQ(tooltip->shortcutText(), "Shift+Super+L");
    delegate.openHistory();
    auto *history = static_cast<HistoryView *>(delegate.windows().historyWindow());
    auto *subtitle = history->emptyState()->findChild<QLabel *>("emptySubtitle");
    ASSERT_NE(subtitle, nullptr);
    EXPECT_EQ(subtitle->text(), "Press " + leftToRightRun("Shift+Super+L") + " to capture text from your screen");

    delegate.services().settingsStore()->updateShortcut({37, 0x1200}, ShortcutAction::quickZarrow);
    EXPECT_EQ(tooltip->shortcutText(), "Ctrl+Shift+L");
    EXPECT_EQ(subtitle->text(), "Press " + leftToRightRun("Ctrl+Shift+L") + " to capture text from your screen");
    EXPECT_EQ(menuRow(factory, "handleCaptureText")->text(), "Capture Text\t" + leftToRightRun("Ctrl+Shift+L"));
}

TEST(AppDelegateObservers, OnboardingOpenedLaterNamesTheCurrentCaptureShortcut)
{
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    AppDelegate delegate(factory);
    delegate.applicationDidFinishLaunching();
    delegate.services().settingsStore()->updateShortcut({37, 0x1200}, ShortcutAction::quickZarrow);
    delegate.showOnboarding();
    ASSERT_TRUE(test::waitUntil([&] { return delegate.onboardingWindow() != nullptr; }));
    QStringList texts;
    for (const QLabel *label : delegate.onboardingWindow()->findChildren<QLabel *>())
        texts << label->text();
    const QString all = texts.join('\n');
    EXPECT_TRUE(all.contains("Ctrl+Shift+L")) << all.toStdString();
    EXPECT_FALSE(all.contains("Shift+Super+L")) << all.toStdString();
}

TEST(AppDelegateCommands, EachCommandReachesItsHandlerOnceTheLaunchHasFinished)
{
    struct CommandDelegate : RecordingDelegate {
        using RecordingDelegate::RecordingDelegate;
        void handleCaptureText() override { opened << "capture"; }
        void handleRepeatZarrow() override { opened << "repeat"; }
        void handleCodeModeCapture() override { opened << "code"; }
        void handleScanCode() override { opened << "scan"; }
    };
    FakeFactory factory;
    markOnboardingSeen(factory, true);
    CommandDelegate delegate(factory);
    QSignalSpy quit(&delegate, &AppDelegate::terminationRequested);

    // The command a start was given waits for the services.
    delegate.perform(ProgramCommand::history);
    EXPECT_TRUE(delegate.opened.isEmpty());
    delegate.applicationDidFinishLaunching();
    EXPECT_EQ(delegate.opened, QStringList{"history"});

    delegate.opened.clear();
    for (ProgramCommand command : allProgramCommands())
        delegate.perform(command);
    EXPECT_EQ(delegate.opened, (QStringList{"capture", "repeat", "code", "scan", "history", "preferences"}));
    EXPECT_EQ(quit.size(), 1);
}
