// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_global_shortcuts.h"
#include "platform/portal_interfaces.h"
#include "platform/portal_key_grabber.h"
#include "platform/portal_request.h"
#include "platform/portal_screenshot.h"
#include "platform/screen_access_probe.h"

#include "support/event_loop.h"
#include "support/fake_desktop_portal.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>

using namespace quorvane;
using namespace quorvane::test;

namespace {

struct DesktopPortalTest : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "needs a session bus";
    }

    void TearDown() override
    {
        // The next test starts with no portal on the bus.
        ASSERT_TRUE(waitUntil([] {
            return !QDBusConnection::sessionBus().interface()->isServiceRegistered(PortalRequest::service).value();
        }));
    }

    template <typename T>
    static std::optional<PortalError> failureOf(QFuture<T> future)
    {
        EXPECT_TRUE(waitFor(future, 10000));
        try {
            future.waitForFinished();
        } catch (const PortalError &error) {
            return error;
        }
        return std::nullopt;
    }
};

QImage pattern()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.setPixel(5, 7, qRgb(250, 10, 20));
    return image;
}

} // namespace

TEST_F(DesktopPortalTest, ScreenshotGivesThePortalsPictureWithoutAskingAndRemovesItsFile)
{
    FakeDesktopPortal portal(FakeDesktopPortal::screenshot);
    ASSERT_TRUE(portal.registered);
    portal.screenshots->picture = pattern();

    QFuture<QImage> shot = PortalScreenshot().take();
    ASSERT_TRUE(waitFor(shot, 10000));
    const QImage picture = shot.result();
    EXPECT_EQ(picture.size(), QSize(64, 48));
    EXPECT_EQ(picture.pixel(5, 7), qRgb(250, 10, 20));
    EXPECT_EQ(portal.screenshots->lastOptions.value("interactive"), QVariant(false));
    EXPECT_FALSE(portal.screenshots->lastOptions.value("handle_token").toString().isEmpty());
    EXPECT_FALSE(QFile::exists(portal.screenshots->lastFile));
}

TEST_F(DesktopPortalTest, CancelRefusalAndAMissingPortalAreTellingFailures)
{
    {
        FakeDesktopPortal portal(FakeDesktopPortal::screenshot);
        EXPECT_EQ(PortalInterfaces().version(PortalInterfaces::screenshot), 2u);
        EXPECT_TRUE(PortalScreenAccessProbe().canReadScreen());
        EXPECT_FALSE(PortalScreenAccessProbe().serviceMissing());
        portal.screenshots->responseCode = 1;
        auto error = failureOf(PortalScreenshot().take());
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), PortalError::Kind::cancelled);

        portal.screenshots->responseCode = 2;
        error = failureOf(PortalScreenshot().take());
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), PortalError::Kind::denied);
    }
    ASSERT_TRUE(waitUntil([] {
        return !QDBusConnection::sessionBus().interface()->isServiceRegistered(PortalRequest::service).value();
    }));
    {
        // A portal without the Screenshot interface (only shortcuts) and then none at all:
        // the screen is not readable, for want of a service rather than of a grant.
        FakeDesktopPortal portal(FakeDesktopPortal::globalShortcuts);
        EXPECT_EQ(PortalInterfaces().version(PortalInterfaces::globalShortcuts), 1u);
        EXPECT_EQ(PortalInterfaces().version(PortalInterfaces::screenshot), std::nullopt);
        EXPECT_FALSE(PortalScreenAccessProbe().canReadScreen());
        EXPECT_TRUE(PortalScreenAccessProbe().serviceMissing());
        auto error = failureOf(PortalScreenshot().take());
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), PortalError::Kind::missing);
        EXPECT_EQ(portal.screenshots, nullptr);
    }
    ASSERT_TRUE(waitUntil([] {
        return !QDBusConnection::sessionBus().interface()->isServiceRegistered(PortalRequest::service).value();
    }));
    EXPECT_TRUE(PortalScreenAccessProbe().serviceMissing());
    auto error = failureOf(PortalScreenshot().take());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), PortalError::Kind::missing);

    // What to install depends on the desktop.
    EXPECT_EQ(screenshotPortalPackages(QStringLiteral("sway")), "xdg-desktop-portal-wlr, xdg-desktop-portal-gtk");
    EXPECT_EQ(screenshotPortalPackages(QStringLiteral("ubuntu:GNOME")), "xdg-desktop-portal-gnome");
    EXPECT_EQ(screenshotPortalPackages(QStringLiteral("KDE")), "xdg-desktop-portal-kde");
}

TEST_F(DesktopPortalTest, ShortcutsAreBoundInOneSessionAndTheirPressesArrive)
{
    FakeDesktopPortal portal(FakeDesktopPortal::globalShortcuts);
    ASSERT_TRUE(portal.registered);
    PortalGlobalShortcuts shortcuts;

    const QString trigger = PortalGlobalShortcuts::triggerText(false, false, true, true, QStringLiteral("l"));
    EXPECT_EQ(trigger, "SHIFT+LOGO+l");
    const QList<PortalShortcut> wanted{
        {QStringLiteral("capture"), {{"description", "Capture Text"}, {"preferred_trigger", trigger}}},
        {QStringLiteral("history"), {{"description", "Open History"}}},
    };
    QFuture<QList<PortalShortcut>> bound = shortcuts.bind(wanted);
    ASSERT_TRUE(waitFor(bound, 10000));
    ASSERT_EQ(bound.result().size(), 2);
    EXPECT_EQ(bound.result()[0].id, "capture");
    EXPECT_EQ(bound.result()[0].properties.value("trigger_description"), "Press SHIFT+LOGO+l");
    ASSERT_EQ(portal.shortcuts->lastBound.size(), 2);
    EXPECT_EQ(portal.shortcuts->lastBound[0].properties.value("description"), "Capture Text");

    // Binding again reuses the session.
    QFuture<QList<PortalShortcut>> again = shortcuts.bind(wanted.mid(0, 1));
    ASSERT_TRUE(waitFor(again, 10000));
    EXPECT_EQ(portal.shortcuts->sessionsCreated, 1);

    QSignalSpy activated(&shortcuts, &PortalGlobalShortcuts::activated);
    portal.shortcuts->press(QStringLiteral("history"), QStringLiteral("/org/freedesktop/portal/desktop/session/other"));
    portal.shortcuts->press(QStringLiteral("capture"), portal.shortcuts->sessionPath);
    ASSERT_TRUE(waitUntil([&] { return !activated.isEmpty(); }));
    ASSERT_EQ(activated.size(), 1); // another session's press is not ours
    EXPECT_EQ(activated[0][0].toString(), "capture");
}

TEST_F(DesktopPortalTest, ARefusedBindingAndAPortalWithoutShortcutsFail)
{
    {
        FakeDesktopPortal portal(FakeDesktopPortal::globalShortcuts);
        portal.shortcuts->bindResponseCode = 2;
        PortalGlobalShortcuts shortcuts;
        auto error = failureOf(shortcuts.bind({{QStringLiteral("capture"), {{"description", "Capture Text"}}}}));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), PortalError::Kind::denied);
    }
    ASSERT_TRUE(waitUntil([] {
        return !QDBusConnection::sessionBus().interface()->isServiceRegistered(PortalRequest::service).value();
    }));
    FakeDesktopPortal portal(FakeDesktopPortal::screenshot);
    PortalGlobalShortcuts shortcuts;
    auto error = failureOf(shortcuts.bind({{QStringLiteral("capture"), {{"description", "Capture Text"}}}}));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), PortalError::Kind::unavailable);
}

namespace {

constexpr quint16 kL = 37;
constexpr quint16 kH = 4;
constexpr quint32 kShiftSuper = 0x200 | 0x100;
constexpr quint32 kAltSuper = 0x800 | 0x100;

} // namespace

TEST_F(DesktopPortalTest, KeyGrabsBecomeOneBindingOfTheActionsAndPressesComeBackAsKeys)
{
    FakeDesktopPortal portal(FakeDesktopPortal::globalShortcuts);
    ASSERT_TRUE(portal.registered);
    PortalKeyGrabber grabber;
    EXPECT_TRUE(grabber.canGrab());
    QSignalSpy changed(&grabber, &GlobalKeyGrabber::desktopShortcutsChanged);

    EXPECT_FALSE(grabber.grab(kL, kShiftSuper, {QStringLiteral("quickZarrowCapture"), QStringLiteral("Quick Capture")}));
    EXPECT_FALSE(grabber.grab(kH, kAltSuper, {QStringLiteral("openHistory"), QStringLiteral("Open History")}));
    // Asking whether a combination is free binds nothing.
    EXPECT_FALSE(grabber.grab(kL, 0x1000 | 0x200, {}));
    ASSERT_TRUE(waitUntil([&] { return !changed.isEmpty(); }));
    EXPECT_EQ(portal.shortcuts->bindCalls, 1);
    ASSERT_EQ(portal.shortcuts->lastBound.size(), 2);
    const PortalShortcut &capture = portal.shortcuts->lastBound[1]; // ids in order
    EXPECT_EQ(capture.id, "quickZarrowCapture");
    EXPECT_EQ(capture.properties.value("description"), "Quick Capture");
    EXPECT_EQ(capture.properties.value("preferred_trigger"), "SHIFT+LOGO+l");
    EXPECT_EQ(grabber.ownership(), ShortcutOwnership::desktop);
    EXPECT_EQ(grabber.desktopTriggers().value("quickZarrowCapture"), "Press SHIFT+LOGO+l");

    QSignalSpy pressed(&grabber, &GlobalKeyGrabber::pressed);
    portal.shortcuts->press(QStringLiteral("quickZarrowCapture"), portal.shortcuts->sessionPath);
    ASSERT_TRUE(waitUntil([&] { return !pressed.isEmpty(); }));
    EXPECT_EQ(pressed[0][0].toUInt(), kL);
    EXPECT_EQ(pressed[0][1].toUInt(), kShiftSuper);

    // Given back and taken again (the recorder's suspension): the desktop is not asked
    // again, and a press while given back does not count.
    grabber.release(kL, kShiftSuper);
    portal.shortcuts->press(QStringLiteral("quickZarrowCapture"), portal.shortcuts->sessionPath);
    portal.shortcuts->press(QStringLiteral("openHistory"), portal.shortcuts->sessionPath);
    ASSERT_TRUE(waitUntil([&] { return pressed.size() == 2; }));
    EXPECT_EQ(pressed[1][0].toUInt(), kH);
    EXPECT_FALSE(grabber.grab(kL, kShiftSuper, {QStringLiteral("quickZarrowCapture"), QStringLiteral("Quick Capture")}));
    // A changed combination is bound anew; had the line above asked too, this would be the third.
    EXPECT_FALSE(grabber.grab(kH, kShiftSuper, {QStringLiteral("openHistory"), QStringLiteral("Open History")}));
    ASSERT_TRUE(waitUntil([&] { return portal.shortcuts->bindCalls == 2; }));
    EXPECT_EQ(portal.shortcuts->lastBound[0].properties.value("preferred_trigger"), "SHIFT+LOGO+h");
    ASSERT_TRUE(waitUntil([&] { return changed.size() == 2; }));
    EXPECT_EQ(portal.shortcuts->bindCalls, 2);
}

TEST_F(DesktopPortalTest, WithoutDesktopShortcutsTheGrabberSaysSoAndStillAccepts)
{
    FakeDesktopPortal portal(FakeDesktopPortal::screenshot);
    PortalKeyGrabber grabber;
    QSignalSpy changed(&grabber, &GlobalKeyGrabber::desktopShortcutsChanged);
    // Known from the start, before any shortcut is asked for.
    ASSERT_TRUE(waitUntil([&] { return !changed.isEmpty(); }));
    EXPECT_EQ(grabber.ownership(), ShortcutOwnership::unavailable);
    EXPECT_FALSE(grabber.grab(kL, kShiftSuper, {QStringLiteral("quickZarrowCapture"), QStringLiteral("Quick Capture")}));
    ASSERT_TRUE(waitUntil([&] { return changed.size() == 2; }));
    EXPECT_EQ(grabber.ownership(), ShortcutOwnership::unavailable);
    EXPECT_TRUE(grabber.desktopTriggers().isEmpty());
    // Not a permission the user could grant: the shortcuts pane explains instead.
    EXPECT_TRUE(grabber.canGrab());
}
