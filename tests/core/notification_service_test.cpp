// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/json_util.h"
#include "core/notification_service.h"
#include "core/notification_service_error.h"
#include "core/toast_content_view.h"
#include "support/event_loop.h"
#include "support/fake_notification_platform.h"
#include "support/scoped_interface_language.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

// A service on fakes, with a clock the test moves and a record of every toast made.
struct ServiceFixture : ::testing::Test {
    FakeSystemNotifier notifier;
    FakeSoundPlayer sounds;
    FakeAnnouncer announcer;
    FakeMotionPreference motion;
    FakeDisplayList displays;
    QDateTime now = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);
    std::vector<QPointer<ToastWindow>> made;
    std::vector<QUuid> openRequests;
    std::unique_ptr<NotificationService> service;

    ServiceFixture()
    {
        displays.all = {{.id = 1, .bounds = QRect(0, 0, 1920, 1080), .availableGeometry = QRect(0, 0, 1920, 1080)},
                        {.id = 2, .bounds = QRect(1920, 0, 1280, 1024), .availableGeometry = QRect(1920, 0, 1280, 1024)}};
        displays.mainID = 1;
    }

    // Records what `s` asks to open.
    void watch(NotificationService &s)
    {
        QObject::connect(&s, &NotificationService::openHistoryWithEntry,
                         [this](const QUuid &captureID) { openRequests.push_back(captureID); });
    }

    NotificationService &make()
    {
        ToastFactory real = toastFactory(displays);
        service = std::make_unique<NotificationService>(
            notifier, sounds, announcer, motion,
            [this, real](auto &&...args) {
                auto toast = real(std::forward<decltype(args)>(args)...);
                made.emplace_back(toast.get());
                return toast;
            },
            [this] { return now; });
        watch(*service);
        return *service;
    }

    // Every toast made so far has been closed and released. Releases are deferred
    // deletions, which the test body (outside any event loop) must flush itself.
    bool allToastsGone() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::all_of(made.begin(), made.end(), [](const auto &t) { return t.isNull(); });
    }
};

QString titleOf(const ToastWindow *toast) { return toast->contentView()->title(); }

} // namespace

TEST_F(ServiceFixture, SuccessToastTitlesFollowTheCaptureMode)
{
    NotificationService &s = make();
    const std::vector<std::pair<CaptureMode, QString>> expected{
        {CaptureMode::normal, "Text Captured"},
        {CaptureMode::repeat, "Text Re-captured"},
        {CaptureMode::code, "Code Captured"},
        {CaptureMode::scanCode, "Code Captured"}};
    for (const auto &[mode, title] : expected) {
        now = now.addSecs(10);
        const QUuid id = QUuid::createUuid();
        s.showSuccess(mode, id, 2);
        ToastWindow *toast = s.toastWindow();
        ASSERT_NE(toast, nullptr);
        EXPECT_EQ(titleOf(toast), title);
        EXPECT_EQ(toast->contentView()->message(), "Copied to clipboard");
        EXPECT_EQ(toast->contentView()->type(), ToastType::success);
        EXPECT_EQ(toast->contentView()->captureMode(), mode);
        EXPECT_EQ(toast->captureID(), id);
        EXPECT_TRUE(toast->isVisible());
        EXPECT_EQ(toast->geometry(), QRect(1920 + 460, 20, 360, 80));  // on monitor 2
        EXPECT_TRUE(s.isDismissScheduled());
    }
    EXPECT_EQ(sounds.played, QStringList(4, "complete"));
    EXPECT_EQ(announcer.announced.front(), "Text Captured. Copied to clipboard");
}

TEST_F(ServiceFixture, ErrorToastCarriesDescriptionAndNoRecord)
{
    NotificationService &s = make();
    s.showError(NotificationServiceError(NotificationServiceErrorKind::configurationFailed, "no bus"));
    ToastWindow *toast = s.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(titleOf(toast), "Capture Failed");
    EXPECT_EQ(toast->contentView()->message(), "Failed to configure notifications: no bus");
    EXPECT_EQ(toast->contentView()->type(), ToastType::error);
    EXPECT_EQ(toast->contentView()->captureMode(), std::nullopt);
    EXPECT_EQ(toast->captureID(), std::nullopt);
    EXPECT_EQ(toast->geometry(), QRect(780, 20, 360, 80));  // the main monitor
    EXPECT_EQ(sounds.played, QStringList{"dialog-error"});
    EXPECT_EQ(announcer.announced,
              QStringList{"Error: Capture Failed. Failed to configure notifications: no bus"});
}

TEST_F(ServiceFixture, ShownToastsChangeLanguageWithTheInterface)
{
    NotificationService &s = make();
    s.showError(NotificationServiceError(NotificationServiceErrorKind::configurationFailed, "no bus"));
    ToastWindow *error = s.toastWindow();
    test::ScopedInterfaceLanguage language("de");
    ASSERT_TRUE(waitUntil([&] { return titleOf(error) == "Erfassung fehlgeschlagen"; }));
    EXPECT_EQ(error->contentView()->message(), "Die Benachrichtigungen konnten nicht eingerichtet werden: no bus");

    now = now.addSecs(10);
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ToastWindow *success = s.toastWindow();
    EXPECT_EQ(titleOf(success), "Text erfasst");
    language.english();
    ASSERT_TRUE(waitUntil([&] { return titleOf(success) == "Text Captured"; }));
    EXPECT_EQ(success->contentView()->message(), "Copied to clipboard");
}

TEST_F(ServiceFixture, SoundsStaySilentWhenTurnedOffOrMissing)
{
    NotificationService &s = make();
    s.setPlaySounds(false);
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    s.showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));
    EXPECT_TRUE(sounds.played.isEmpty());

    sounds.available = false;
    NotificationService &silent = make();  // sounds are looked up when the service starts
    sounds.available = true;
    silent.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(announcer.announced.size(), 3);  // the announcement does not depend on sound
}

TEST_F(ServiceFixture, AToastWithinTwoSecondsReplacesTheCurrentOne)
{
    NotificationService &s = make();
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ToastWindow *first = s.toastWindow();
    now = now.addSecs(1);
    s.showSuccess(CaptureMode::code, QUuid::createUuid(), std::nullopt);
    QPointer<ToastWindow> second = s.toastWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second.data(), first);
    EXPECT_EQ(titleOf(second), "Code Captured");

    // The first fades out; its completion must not clear the newer toast.
    ASSERT_TRUE(waitUntil([&] { return made[0].isNull(); }));
    EXPECT_EQ(s.toastWindow(), second.data());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(s.isDismissScheduled());

    // Then the second goes by its own timer.
    ASSERT_TRUE(waitUntil([&] { return s.toastWindow() == nullptr; }));
    EXPECT_TRUE(waitUntil([&] { return allToastsGone(); }));
}

TEST_F(ServiceFixture, ReducedMotionShowsAndRemovesAtOnce)
{
    motion.reduce = true;
    NotificationService &s = make();
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ToastWindow *toast = s.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->windowOpacity(), 1.0);
    s.dismissToast();
    EXPECT_EQ(s.toastWindow(), nullptr);
    EXPECT_FALSE(s.isDismissScheduled());
    EXPECT_TRUE(waitUntil([&] { return allToastsGone(); }));
}

TEST_F(ServiceFixture, ClickingASuccessToastOpensHistoryOnItsRecord)
{
    NotificationService &s = make();
    const QUuid id = QUuid::createUuid();
    s.showSuccess(CaptureMode::normal, id, std::nullopt);
    s.toastWindow()->contentView()->click();

    EXPECT_EQ(openRequests, std::vector<QUuid>{id});
    EXPECT_FALSE(s.isDismissScheduled());
    EXPECT_TRUE(waitUntil([&] { return s.toastWindow() == nullptr; }));
}

TEST_F(ServiceFixture, ClickingAnErrorToastDoesNothing)
{
    NotificationService &s = make();
    s.showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));
    ToastWindow *toast = s.toastWindow();
    toast->contentView()->click();
    EXPECT_TRUE(openRequests.empty());
    EXPECT_EQ(s.toastWindow(), toast);
    EXPECT_TRUE(toast->isVisible());
    EXPECT_TRUE(s.isDismissScheduled());
}

TEST_F(ServiceFixture, WarningToastIsSilentAndOpensNothing)
{
    NotificationService &s = make();
    s.showWarning("History Not Saved", "Captures will not be kept");
    ToastWindow *toast = s.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(titleOf(toast), "History Not Saved");
    EXPECT_EQ(toast->contentView()->message(), "Captures will not be kept");
    EXPECT_EQ(toast->contentView()->type(), ToastType::warning);
    EXPECT_EQ(toast->captureID(), std::nullopt);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(announcer.announced, QStringList{"Warning: History Not Saved. Captures will not be kept"});
    toast->contentView()->click();
    EXPECT_TRUE(openRequests.empty());
}

TEST_F(ServiceFixture, AProgressToastStaysUntilEndedAndItsClickOrNotificationNamesItsAction)
{
    NotificationService &s = make();
    QStringList actions;
    QObject::connect(&s, &NotificationService::warningClicked, [&](const QString &action) { actions << action; });
    s.showProgress("Reading Text…", "Click here to cancel.", "cancel");
    ToastWindow *toast = s.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->contentView()->type(), ToastType::progress); // nothing has gone wrong
    EXPECT_FALSE(s.isDismissScheduled());
    toast->contentView()->click();
    EXPECT_EQ(actions, QStringList{"cancel"});

    // Ending it leaves a toast shown after it alone.
    s.showProgress("Reading Text…", "Click here to cancel.", "cancel");
    s.showWarning("Careful", "Something to know");
    ToastWindow *after = s.toastWindow();
    s.endProgress();
    EXPECT_EQ(s.toastWindow(), after);
    EXPECT_TRUE(after->isVisible());
    s.showProgress("Reading Text…", "Click here to cancel.", "cancel");
    s.endProgress();
    EXPECT_TRUE(waitUntil([&] { return s.toastWindow() == nullptr; }));

    // Without toasts, the notification that stands in for it carries the action.
    service.reset();
    NotificationService bare(notifier, sounds, announcer, motion, [](auto &&...) { return std::unique_ptr<ToastWindow>(); });
    QObject::connect(&bare, &NotificationService::warningClicked, [&](const QString &action) { actions << action; });
    bare.showProgress("Reading Text…", "Click here to cancel.", "cancel");
    ASSERT_EQ(notifier.posted.size(), 1u);
    notifier.click(notifier.posted[0].userInfo);
    ASSERT_TRUE(waitUntil([&] { return actions.size() == 2; }));
}

TEST_F(ServiceFixture, LongToastFitsItsMessageAndStaysLongEnoughToRead)
{
    const QString message = "Quorvane cannot write to its data folder. Captures will not be kept after you quit.";
    NotificationService &s = make();
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    EXPECT_EQ(s.toastDuration(), std::chrono::milliseconds(NotificationService::kToastDisplayMs));

    now = now.addSecs(10);
    s.showWarning("History Not Saved", message);
    ToastWindow *toast = s.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_GE(s.toastDuration(), std::chrono::seconds(5)); // about 100 characters to read
    EXPECT_LE(s.toastDuration(), std::chrono::milliseconds(NotificationService::kLongestToastMs));

    // Every word is drawn, in a toast tall enough for all the lines.
    ToastContentView *content = toast->contentView();
    content->resize(toast->size());
    const QStringList lines = content->messageLines();
    EXPECT_EQ(lines.join(' ').simplified(), message);
    EXPECT_GE(lines.size(), 2);
    EXPECT_GE(toast->height(), content->heightForWidth(toast->width()));
}

TEST_F(ServiceFixture, ManyToastsDismissedTogetherAllCloseSafely)
{
    NotificationService &s = make();
    for (int i = 0; i < 6; ++i) {
        s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
        s.dismissToast();
        s.dismissToast();
    }
    s.showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));
    s.dismissToast();
    EXPECT_TRUE(waitUntil([&] { return allToastsGone(); }));
    EXPECT_EQ(s.toastWindow(), nullptr);

    // Toasts still fading when the service goes away are closed with it.
    for (int i = 0; i < 3; ++i)
        s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    service.reset();
    EXPECT_TRUE(waitUntil([&] { return allToastsGone(); }));
    QTest::qWait(ToastWindow::kFadeMs + 50);  // no fade completion reaches the dead service
}

TEST_F(ServiceFixture, SystemNotificationCarriesRecordIdentifierAndSoundChoice)
{
    NotificationService &s = make();
    s.setUseSystemNotifications(true);
    const QUuid id = QUuid::createUuid();
    s.showSuccess(CaptureMode::repeat, id, std::nullopt);
    s.setPlaySounds(false);
    s.showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));

    ASSERT_EQ(notifier.posted.size(), 2u);
    const SystemNotification &success = notifier.posted[0];
    EXPECT_EQ(success.title, "Text Re-captured");
    EXPECT_EQ(success.body, "Copied to clipboard");
    EXPECT_EQ(success.identifier, json::uuidString(id));
    EXPECT_EQ(success.identifier.size(), 36);
    EXPECT_EQ(success.identifier, success.identifier.toUpper());
    EXPECT_EQ(success.userInfo.value("captureID"), QVariant(json::uuidString(id)));
    EXPECT_TRUE(success.playSound);

    const SystemNotification &failure = notifier.posted[1];
    EXPECT_EQ(failure.title, "Capture Failed");
    EXPECT_EQ(failure.body, "Notification permission denied");
    EXPECT_FALSE(failure.userInfo.contains("captureID"));
    EXPECT_TRUE(json::parseUuid(failure.identifier).has_value());
    EXPECT_NE(failure.identifier, success.identifier);
    EXPECT_FALSE(failure.playSound);
}

// Where a window cannot place itself (a Wayland session) the program makes no toasts: each
// one goes out as a desktop notification with the same words and the same click.
TEST_F(ServiceFixture, WithoutToastsEveryToastBecomesANotification)
{
    service = std::make_unique<NotificationService>(
        notifier, sounds, announcer, motion, [](auto &&...) { return std::unique_ptr<ToastWindow>(); },
        [this] { return now; });
    watch(*service);
    const QUuid id = QUuid::createUuid();
    service->showSuccess(CaptureMode::normal, id, 2);
    service->showWarning("Careful", "Something to know");
    ASSERT_EQ(notifier.posted.size(), 2u);
    EXPECT_EQ(notifier.posted[0].title, "Text Captured");
    EXPECT_EQ(notifier.posted[0].body, "Copied to clipboard");
    EXPECT_EQ(notifier.posted[1].title, "Careful");
    EXPECT_EQ(notifier.posted[1].body, "Something to know");
    EXPECT_EQ(service->toastWindow(), nullptr);
    EXPECT_EQ(sounds.played, QStringList{"complete"});

    notifier.click(notifier.posted[0].userInfo);
    ASSERT_TRUE(waitUntil([&] { return !openRequests.empty(); }));
    EXPECT_EQ(openRequests[0], id);
}

TEST_F(ServiceFixture, WithoutToastsOrANotificationServerTheStandInWindowTellsAndItsClickStillOpensTheRecord)
{
    notifier.answer = SystemNotifier::Authorization::denied;
    service = std::make_unique<NotificationService>(
        notifier, sounds, announcer, motion, [](auto &&...) { return std::unique_ptr<ToastWindow>(); },
        [this] { return now; });
    watch(*service);
    ToastFactory real = toastFactory(displays);
    service->setStandInToasts([&](auto &&...args) {
        auto toast = real(std::forward<decltype(args)>(args)...);
        made.emplace_back(toast.get());
        return toast;
    });
    service->showError(NotificationServiceError(NotificationServiceErrorKind::configurationFailed, "no bus"));
    ASSERT_TRUE(waitUntil([&] { return service->toastWindow() && service->toastWindow()->isVisible(); }));
    EXPECT_EQ(titleOf(service->toastWindow()), "Capture Failed");
    EXPECT_TRUE(service->isDismissScheduled());

    const QUuid id = QUuid::createUuid();
    now = now.addSecs(5);
    service->showSuccess(CaptureMode::normal, id, std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return service->toastWindow() && titleOf(service->toastWindow()) == "Text Captured"; }));
    service->toastWindow()->contentView()->click();
    EXPECT_EQ(openRequests, std::vector<QUuid>{id});
    EXPECT_TRUE(waitUntil([&] { return allToastsGone(); }));
}

TEST_F(ServiceFixture, DeniedNotificationsFailTypedButToastStillShows)
{
    notifier.answer = SystemNotifier::Authorization::denied;
    NotificationService &s = make();
    QFuture<void> refused = s.postSystemNotification("Title", "Body", std::nullopt);
    ASSERT_TRUE(waitFor(refused));
    try {
        refused.waitForFinished();
        ADD_FAILURE() << "a denied notification reported success";
    } catch (const NotificationServiceError &error) {
        EXPECT_EQ(error.kind(), NotificationServiceErrorKind::permissionDenied);
        EXPECT_EQ(error.localizedDescription(), "Notification permission denied");
    }
    EXPECT_TRUE(notifier.posted.empty());

    s.setUseSystemNotifications(true);
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ASSERT_NE(s.toastWindow(), nullptr);
    EXPECT_TRUE(s.toastWindow()->isVisible());
    EXPECT_EQ(sounds.played.size(), 1);
    EXPECT_EQ(announcer.announced.size(), 1);
}

TEST_F(ServiceFixture, ServerFailurePassesThroughAndIsSwallowedByToasts)
{
    notifier.failWith = "org.freedesktop.DBus.Error.NoReply: gone";
    NotificationService &s = make();
    QFuture<void> failed = s.postSystemNotification("Title", "Body", QUuid::createUuid());
    ASSERT_TRUE(waitFor(failed));
    EXPECT_THROW(failed.waitForFinished(), SystemNotificationError);

    s.setUseSystemNotifications(true);
    s.showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    EXPECT_TRUE(waitUntil([&] { return s.toastWindow() && s.toastWindow()->isVisible(); }));
}

TEST_F(ServiceFixture, NotificationClickOpensHistoryOnlyForAValidIdentifier)
{
    make();
    const QUuid id = QUuid::createUuid();
    notifier.click({{"captureID", json::uuidString(id).toLower()}});
    ASSERT_TRUE(waitUntil([&] { return !openRequests.empty(); }));
    EXPECT_EQ(openRequests[0], id);

    openRequests.clear();
    notifier.click({});
    notifier.click({{"captureID", "not-an-id"}});
    notifier.click({{"captureID", QVariant::fromValue(id)}});  // not text
    notifier.click({{"captureID", "{" + json::uuidString(id) + "}"}});
    // Clicks are handled in order: once a valid one has opened, the ones before it are done.
    const QUuid marker = QUuid::createUuid();
    notifier.click({{"captureID", json::uuidString(marker).toLower()}});
    ASSERT_TRUE(waitUntil([&] { return !openRequests.empty(); }));
    ASSERT_EQ(openRequests.size(), 1u);
    EXPECT_EQ(openRequests[0], marker);
}

TEST_F(ServiceFixture, ActionableWarningIsANotificationOrAToastAndItsClickPostsTheAction)
{
    NotificationService &s = make();
    int clicks = 0;
    QObject::connect(&s, &NotificationService::warningClicked, [&](const QString &action) {
        EXPECT_EQ(action, "app.test.fix");
        ++clicks;
    });

    // With a notification server: a notification that stays, silent, no toast.
    s.showActionableWarning("Shortcut not available", "Choose another", "app.test.fix");
    ASSERT_EQ(notifier.posted.size(), 1u);
    EXPECT_EQ(notifier.posted[0].title, "Shortcut not available");
    EXPECT_FALSE(notifier.posted[0].playSound);
    EXPECT_EQ(s.toastWindow(), nullptr);
    notifier.click(notifier.posted[0].userInfo);
    EXPECT_TRUE(waitUntil([&] { return clicks == 1; }));

    // Without one, or when it refuses: a warning toast, whose click does the same.
    notifier.answer = FakeSystemNotifier::Authorization::denied;
    s.showActionableWarning("Shortcut not available", "Choose another", "app.test.fix");
    ASSERT_NE(s.toastWindow(), nullptr);
    EXPECT_EQ(s.toastWindow()->contentView()->type(), ToastType::warning);
    s.toastWindow()->contentView()->click();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(openRequests.empty());
}
