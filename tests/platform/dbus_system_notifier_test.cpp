// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/json_util.h"
#include "core/notification_service.h"
#include "core/notification_service_error.h"
#include "platform/dbus_system_notifier.h"
#include "platform/x11_display_list.h"
#include "support/event_loop.h"
#include "support/fake_notification_platform.h"
#include "support/fake_notification_server.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

const QString kName = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

// The service wired to the real D-Bus notifier, with a server on its own connection to
// the private session bus when `withServer`.
struct DBusFixture : ::testing::Test {
    QDBusConnection serverBus{QStringLiteral("unused")};
    FakeNotificationServer server;
    std::vector<QUuid> openRequests;
    FakeSoundPlayer sounds;
    FakeAnnouncer announcer;
    FakeMotionPreference motion;
    X11DisplayList displays;
    std::unique_ptr<DBusSystemNotifier> notifier;
    std::unique_ptr<NotificationService> service;

    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected())
            << "needs a session bus: run under dbus-run-session";
    }

    void startServer()
    {
        serverBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                  QStringLiteral("fake-notification-server"));
        ASSERT_TRUE(serverBus.registerObject(kPath, &server,
                                             QDBusConnection::ExportAllSlots
                                                 | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(serverBus.registerService(kName));
    }

    void makeService(ToastFactory toasts = nullptr)
    {
        notifier = std::make_unique<DBusSystemNotifier>(QDBusConnection::sessionBus());
        service = std::make_unique<NotificationService>(*notifier, sounds, announcer, motion,
                                                        toasts ? std::move(toasts) : toastFactory(displays));
        service->setUseSystemNotifications(true);
        QObject::connect(service.get(), &NotificationService::openHistoryWithEntry,
                         [this](const QUuid &captureID) { openRequests.push_back(captureID); });
    }

    // Signals from the server arrive in the order it sent them, so once a click that does
    // open something has arrived, every click sent before it has been handled too.
    void expectOnlyTheMarkerOpens()
    {
        const QUuid marker = QUuid::createUuid();
        const std::size_t posted = server.calls.size();
        service->showSuccess(CaptureMode::normal, marker, std::nullopt);
        ASSERT_TRUE(waitUntil([&] { return server.calls.size() == posted + 1; }));
        emit server.ActionInvoked(server.lastID, QStringLiteral("default"));
        ASSERT_TRUE(waitUntil([&] { return !openRequests.empty(); }));
        ASSERT_EQ(openRequests.size(), 1u);
        EXPECT_EQ(openRequests[0], marker);
    }

    void TearDown() override
    {
        service.reset();
        notifier.reset();
        if (serverBus.isConnected()) {
            serverBus.unregisterService(kName);
            serverBus.unregisterObject(kPath);
            QDBusConnection::disconnectFromBus(serverBus.name());
        }
        // Let the bus tell every connection the name is gone before the next test.
        waitUntil([] {
            return !QDBusConnection::sessionBus().interface()->isServiceRegistered(kName).value();
        });
    }
};

} // namespace

TEST_F(DBusFixture, SuccessNotificationReachesServerAndItsClickOpensHistory)
{
    startServer();
    makeService();
    EXPECT_EQ(notifier->authorization(), SystemNotifier::Authorization::granted);

    const QUuid id = QUuid::createUuid();
    service->showSuccess(CaptureMode::code, id, std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return server.calls.size() == 1; }));
    const FakeNotificationServer::Call &call = server.calls[0];
    EXPECT_EQ(call.appName, "Quorvane");
    EXPECT_EQ(call.summary, "Code Captured");
    EXPECT_EQ(call.body, "Copied to clipboard");
    EXPECT_EQ(call.actions, (QStringList{"default", "Open History"}));
    EXPECT_FALSE(call.hints.contains("suppress-sound"));
    // Beside a toast it is no stand-in: it stays as long as the server keeps notifications.
    EXPECT_FALSE(call.hints.contains("transient"));
    EXPECT_EQ(call.expireTimeout, -1);
    // Servers find the name and icon through the installed desktop entry.
    EXPECT_EQ(call.hints.value("desktop-entry"), QVariant("com.corvantis.Quorvane"));

    emit server.ActionInvoked(server.lastID, QStringLiteral("default"));
    ASSERT_TRUE(waitUntil([&] { return !openRequests.empty(); }));
    ASSERT_EQ(openRequests.size(), 1u);
    EXPECT_EQ(openRequests[0], id);
}

TEST_F(DBusFixture, NotificationsStandingInForToastsReplaceEachOtherAndExpireLikeTheToast)
{
    startServer();
    // A desktop where a window cannot place itself (Wayland) gets no toast windows.
    makeService([](auto &&...) { return std::unique_ptr<ToastWindow>(); });
    service->setUseSystemNotifications(false);
    service->showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return server.calls.size() == 1; }));
    const uint first = server.lastID;
    service->showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));
    ASSERT_TRUE(waitUntil([&] { return server.calls.size() == 2; }));
    for (const FakeNotificationServer::Call &call : server.calls) {
        EXPECT_EQ(call.hints.value("transient"), QVariant(true)) << call.summary.toStdString();
        // As long as the toast would have stayed: at a glance, and not beyond the longest.
        EXPECT_GE(call.expireTimeout, NotificationService::kToastDisplayMs);
        EXPECT_LE(call.expireTimeout, NotificationService::kLongestToastMs);
    }
    EXPECT_EQ(server.calls[0].replacesID, 0u);
    EXPECT_EQ(server.calls[1].replacesID, first);
    EXPECT_EQ(server.calls[0].hints.value("category"), QVariant("x-quorvane.capture.success"));
    EXPECT_EQ(server.calls[1].hints.value("category"), QVariant("x-quorvane.capture.error"));
}

TEST_F(DBusFixture, ErrorNotificationIsSilentWhenAskedAndItsClickOpensNothing)
{
    startServer();
    makeService();
    service->setPlaySounds(false);
    service->showError(NotificationServiceError(NotificationServiceErrorKind::permissionDenied));
    ASSERT_TRUE(waitUntil([&] { return server.calls.size() == 1; }));
    EXPECT_EQ(server.calls[0].summary, "Capture Failed");
    EXPECT_EQ(server.calls[0].body, "Notification permission denied");
    EXPECT_EQ(server.calls[0].hints.value("suppress-sound"), QVariant(true));

    emit server.ActionInvoked(server.lastID, QStringLiteral("default"));
    expectOnlyTheMarkerOpens();
}

TEST_F(DBusFixture, OnlyTheDefaultActionOfAnOpenNotificationCounts)
{
    startServer();
    makeService();
    service->showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ASSERT_TRUE(waitUntil([&] { return server.calls.size() == 1; }));
    const uint ours = server.lastID;

    emit server.ActionInvoked(ours, QStringLiteral("other"));
    emit server.ActionInvoked(ours + 100, QStringLiteral("default"));  // someone else's
    emit server.NotificationClosed(ours, 2);
    emit server.ActionInvoked(ours, QStringLiteral("default"));  // already closed
    expectOnlyTheMarkerOpens();
}

TEST_F(DBusFixture, ServerRefusalFailsThePostWithTheServersError)
{
    startServer();
    server.reject = true;
    makeService();
    QFuture<void> post = service->postSystemNotification("Title", "Body", QUuid::createUuid());
    ASSERT_TRUE(waitFor(post, 10000));
    try {
        post.waitForFinished();
        ADD_FAILURE() << "a refused notification reported success";
    } catch (const SystemNotificationError &error) {
        EXPECT_TRUE(error.message().contains("org.freedesktop.Notifications.Error.Refused"));
    }
}

TEST_F(DBusFixture, WithoutServerNotificationsAreDeniedAndToastsStillShow)
{
    makeService();
    EXPECT_EQ(notifier->authorization(), SystemNotifier::Authorization::denied);
    QFuture<void> post = service->postSystemNotification("Title", "Body", std::nullopt);
    ASSERT_TRUE(waitFor(post));
    try {
        post.waitForFinished();
        ADD_FAILURE() << "a notification without a server reported success";
    } catch (const NotificationServiceError &error) {
        EXPECT_EQ(error.kind(), NotificationServiceErrorKind::permissionDenied);
    }

    service->showSuccess(CaptureMode::normal, QUuid::createUuid(), std::nullopt);
    ASSERT_NE(service->toastWindow(), nullptr);
    EXPECT_TRUE(service->toastWindow()->isVisible());
    EXPECT_EQ(announcer.announced, QStringList{"Text Captured. Copied to clipboard"});
}

