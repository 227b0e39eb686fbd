// SPDX-License-Identifier: GPL-3.0-or-later
// The notice shown when no system tray shows the icon: nothing while a tray does, a
// desktop notification where a server takes it, otherwise a window that can quit.
#include "app/tray_absence_notice.h"

#include "support/event_loop.h"

#include <QMessageBox>
#include <QPromise>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;
using test::waitUntil;

namespace {

using test::drainEvents;

struct Rig {
    bool trayShown = false;
    bool serverTakesIt = true;
    QStringList notified;
    TrayAbsenceNotice notice{[this] { return trayShown; }, [] { return QStringLiteral("Shift+Super+L"); },
                             [this](const QString &title, const QString &body) {
                                 notified << title + "\n" + body;
                                 QPromise<void> promise;
                                 promise.start();
                                 if (!serverTakesIt)
                                     promise.setException(std::make_exception_ptr(std::runtime_error("no server")));
                                 promise.finish();
                                 return promise.future();
                             },
                             0};
};

} // namespace

TEST(TrayAbsenceNoticeTest, NothingIsSaidWhileATrayShowsTheIcon)
{
    Rig rig;
    rig.trayShown = true;
    rig.notice.start();
    drainEvents();
    EXPECT_TRUE(rig.notified.isEmpty());
    EXPECT_EQ(rig.notice.window(), nullptr);
}

TEST(TrayAbsenceNoticeTest, NotificationExplainsTheShortcutAndHowToQuit)
{
    Rig rig;
    rig.notice.start();
    ASSERT_TRUE(waitUntil([&] { return !rig.notified.isEmpty(); }));
    // The keys stay in their order inside a right-to-left sentence.
    EXPECT_TRUE(rig.notified.first().contains("Press \u2066Shift+Super+L\u2069 to capture text"))
        << rig.notified.first().toStdString();
    EXPECT_TRUE(rig.notified.first().contains("\u201Cquorvane quit\u201D"));
    drainEvents();
    EXPECT_EQ(rig.notice.window(), nullptr);

    // Where the desktop offers no shortcuts, it says which command to bind instead.
    const QString without = TrayAbsenceNotice::message(QString());
    EXPECT_FALSE(without.contains("Press"));
    EXPECT_TRUE(without.contains("\u201Cquorvane capture\u201D")) << without.toStdString();
}

TEST(TrayAbsenceNoticeTest, WithoutANotificationServerAWindowSaysItAndCanQuit)
{
    Rig rig;
    rig.serverTakesIt = false;
    QSignalSpy quit(&rig.notice, &TrayAbsenceNotice::quitRequested);
    rig.notice.start();
    ASSERT_TRUE(waitUntil([&] { return rig.notice.window() && rig.notice.window()->isVisible(); }));
    QMessageBox *window = rig.notice.window();
    EXPECT_TRUE(window->informativeText().contains("Shift+Super+L"));
    EXPECT_EQ(window->textFormat(), Qt::PlainText);

    QPushButton *quitButton = nullptr;
    for (QAbstractButton *button : window->buttons()) {
        if (window->buttonRole(button) == QMessageBox::DestructiveRole)
            quitButton = qobject_cast<QPushButton *>(button);
    }
    ASSERT_NE(quitButton, nullptr);
    // It comes up with the first-launch onboarding, a window that floats above others:
    // the notice stands above it too and leaves it usable.
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QPushButton onboardingButton(QStringLiteral("Next"));
    onboardingButton.setWindowFlag(Qt::WindowStaysOnTopHint);
    onboardingButton.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&onboardingButton));
    QSignalSpy next(&onboardingButton, &QPushButton::clicked);
    // Through the window, as the X server's click arrives: a modal notice would block it.
    QTest::mouseClick(onboardingButton.windowHandle(), Qt::LeftButton, {}, onboardingButton.rect().center());
    EXPECT_EQ(next.size(), 1);

    quitButton->click();
    EXPECT_EQ(quit.size(), 1);
    EXPECT_TRUE(waitUntil([&] { return rig.notice.window() == nullptr; }));
}
