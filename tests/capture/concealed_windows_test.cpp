// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the program's windows a screen read hides, and which come back after it.
#include "capture/concealed_windows.h"
#include "capture/window_concealer.h"
#include "platform/screen_redraws.h"
#include "platform/x11_connection.h"
#include "platform/x11_screen_redraws.h"

#include "support/event_loop.h"
#include "support/x_other_client.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstring>

#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// Keeps the area it was asked about; the wait it hands out ends at once.
class RecordingRedraws : public ScreenRedraws {
public:
    QRegion asked;
    QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds) override
    {
        asked = area;
        return QtFuture::makeReadyFuture();
    }
};

std::unique_ptr<QWidget> panelAt(const QRect &geometry)
{
    auto panel = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    panel->setGeometry(geometry);
    panel->show();
    return panel;
}

} // namespace

TEST(ConcealedWindowsTest, HidesWindowsOverTheAreaAndShowsThemAgainUnlessClosedMeanwhile)
{
    const auto pin = panelAt({100, 100, 200, 100});
    const auto toast = panelAt({250, 150, 100, 50});
    const auto elsewhere = panelAt({900, 700, 100, 100});
    const auto skipped = panelAt({120, 120, 50, 50});
    RecordingRedraws redraws;
    {
        ConcealedWindows windows(QRect(0, 0, 300, 300), [&](const QWidget &w) { return &w != skipped.get(); },
                                 redraws);
        EXPECT_TRUE(pin->isVisible());
        windows.conceal(std::chrono::milliseconds(100));
        EXPECT_EQ(redraws.asked, QRegion(100, 100, 200, 100) + QRegion(250, 150, 50, 50));
        EXPECT_FALSE(pin->isVisible());
        EXPECT_FALSE(toast->isVisible());
        EXPECT_TRUE(elsewhere->isVisible());
        EXPECT_TRUE(skipped->isVisible());
        toast->close(); // a toast running out while the screen is read
    }
    EXPECT_TRUE(pin->isVisible());
    EXPECT_FALSE(toast->isVisible());
}

// On Wayland the compositor places the windows and the program does not learn where: every
// one of them may lie over the area.
TEST(ConcealedWindowsTest, WhereTheCompositorPlacesWindowsEveryOneIsHidden)
{
    const auto elsewhere = panelAt({900, 700, 100, 100});
    RecordingRedraws redraws;
    const WindowConcealer placed(redraws, {}, WindowConcealer::Placement::byThemselves);
    placed.windowsOver(QRect(0, 0, 50, 50))->conceal(std::chrono::milliseconds(100));
    EXPECT_TRUE(elsewhere->isVisible());

    const WindowConcealer unknown(redraws, {}, WindowConcealer::Placement::byTheCompositor);
    {
        const auto windows = unknown.windowsOver(QRect(0, 0, 50, 50));
        windows->conceal(std::chrono::milliseconds(100));
        EXPECT_FALSE(elsewhere->isVisible());
    }
    EXPECT_TRUE(elsewhere->isVisible());
}

namespace {

// Tells when an event the program itself caused on the X server has come back to it:
// every event the server sent before it has then been through Qt's native filters.
class EventsCaughtUp : public QAbstractNativeEventFilter {
public:
    EventsCaughtUp()
    {
        m_window.winId();
        xcb_connection_t *connection = x11Connection();
        static const char name[] = "_QUORVANE_TEST_MARKER";
        auto *reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        m_atom = reply->atom;
        std::free(reply);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~EventsCaughtUp() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool wait()
    {
        m_seen = false;
        xcb_connection_t *connection = x11Connection();
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(m_window.winId()), m_atom,
                            XCB_ATOM_CARDINAL, 32, 1, &m_atom);
        xcb_flush(connection);
        return test::waitUntil([&] { return m_seen; });
    }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
            && reinterpret_cast<const xcb_property_notify_event_t *>(event)->atom == m_atom)
            m_seen = true;
        return false;
    }

private:
    QWidget m_window;
    xcb_atom_t m_atom = 0;
    bool m_seen = false;
};

} // namespace

// Without a compositor the server fills what a hidden window uncovers with the background
// of the window beneath at once; the program owning that window draws later.
TEST(ConcealedWindowsTest, TheScreenIsReadOnlyOnceTheWindowBeneathHasDrawnItself)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    ASSERT_FALSE(x11CompositingActive(x11Connection()));
    const QRect area(200, 200, 160, 120);
    test::SlowDrawingWindow beneath({int16_t(area.x()), int16_t(area.y()), uint16_t(area.width()),
                                     uint16_t(area.height())});
    ASSERT_TRUE(test::waitUntil([&] { return beneath.exposed(); }));
    beneath.draw();
    const auto pin = panelAt(area);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pin.get()));
    EventsCaughtUp events;

    X11ScreenRedraws redraws;
    ConcealedWindows windows(area, [](const QWidget &) { return true; }, redraws);
    QFuture<void> redrawn = windows.conceal(std::chrono::seconds(20));
    ASSERT_TRUE(events.wait());
    EXPECT_FALSE(redrawn.isFinished()) << "the background fill counted as the window's drawing";

    ASSERT_TRUE(test::waitUntil([&] { return beneath.exposed(); }));
    beneath.draw();
    ASSERT_TRUE(test::waitUntil([&] { return redrawn.isFinished(); }, 10000));
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    EXPECT_EQ(qGray(shown.pixel(shown.rect().center())), 0);
}

// A terminal redraws only its text; the blank rest shows the background the server filled
// in. Once it has drawn, the wait ends on the drawing, not on its time bound.
TEST(ConcealedWindowsTest, AWindowThatRedrawsOnlyPartOfWhatWasCoveredEndsTheWaitByDrawing)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    ASSERT_FALSE(x11CompositingActive(x11Connection()));
    const QRect area(400, 420, 200, 100);
    test::SlowDrawingWindow beneath({int16_t(area.x()), int16_t(area.y()), uint16_t(area.width()),
                                     uint16_t(area.height())});
    ASSERT_TRUE(test::waitUntil([&] { return beneath.exposed(); }));
    beneath.draw({0, 0, 60, 20});
    const auto pin = panelAt(area);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pin.get()));
    EventsCaughtUp events;

    X11ScreenRedraws redraws;
    ConcealedWindows windows(area, [](const QWidget &) { return true; }, redraws);
    QFuture<void> redrawn = windows.conceal(std::chrono::seconds(60));
    ASSERT_TRUE(events.wait());
    EXPECT_FALSE(redrawn.isFinished()) << "the background fill counted as the window's drawing";

    ASSERT_TRUE(test::waitUntil([&] { return beneath.exposed(); }));
    // One short line of text at the top left; the rest stays the filled background.
    beneath.draw({0, 0, 60, 20});
    ASSERT_TRUE(test::waitUntil([&] { return redrawn.isFinished(); }, 30000));
    EXPECT_EQ(redraws.waitsRunOut(), 0);
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    EXPECT_EQ(qGray(shown.pixel(10, 10)), 0);
    EXPECT_EQ(qGray(shown.pixel(150, 70)), 255);
}
