// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/non_activating_panel.h"
#include "platform/x11_connection.h"
#include "core/toast_window.h"

#include "support/event_loop.h"
#include "support/fake_notification_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// The 32-bit words of `property` (of `type`) on `window`; empty when it is not set.
std::vector<quint32> propertyWords(WId window, const char *property, xcb_atom_t type)
{
    xcb_connection_t *connection = x11Connection();
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, std::strlen(property), property), nullptr);
    if (!atom)
        return {};
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(window), atom->atom, type, 0, 16),
        nullptr);
    std::free(atom);
    std::vector<quint32> words;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        words.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return words;
}

} // namespace

// Window managers decide focus on map from these two hints: WM_HINTS with input false
// (never give this window the keyboard) and a user time of 0 (do not activate on map).
TEST(NonActivatingPanel, TellsTheWindowManagerNotToFocusIt)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    NonActivatingPanel panel;
    panel.setGeometry(500, 20, 360, 80);
    panel.orderFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    const std::vector<quint32> hints = propertyWords(panel.winId(), "WM_HINTS", XCB_ATOM_WM_HINTS);
    ASSERT_GE(hints.size(), 2u);
    EXPECT_TRUE(hints[0] & 1u) << "the input hint is set";
    EXPECT_EQ(hints[1], 0u) << "and says the window takes no input";
    EXPECT_EQ(propertyWords(panel.winId(), "_NET_WM_USER_TIME", XCB_ATOM_CARDINAL),
              std::vector<quint32>{0});
}

TEST(X11Compositing, IsSeenFromTheOwnerOfTheScreensCompositingSelection)
{
    xcb_connection_t *connection = x11Connection();
    ASSERT_NE(connection, nullptr) << "needs the xcb platform";
    ASSERT_FALSE(x11CompositingActive(connection)) << "the test's X server runs no compositing manager";

    QWidget owner;
    owner.winId();
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen("_NET_WM_CM_S0"), "_NET_WM_CM_S0"), nullptr);
    ASSERT_NE(atom, nullptr);
    xcb_set_selection_owner(connection, xcb_window_t(owner.winId()), atom->atom, XCB_CURRENT_TIME);
    EXPECT_TRUE(x11CompositingActive(connection));
    xcb_set_selection_owner(connection, XCB_NONE, atom->atom, XCB_CURRENT_TIME);
    std::free(atom);
    EXPECT_FALSE(x11CompositingActive(connection));
}

// Without a compositing manager, the transparent pixels around a toast's rounded card
// would show black; the toast is cut to its card, so the window beneath shows there.
TEST(NonActivatingPanel, ToastCornersShowWhatLiesBeneathWithoutACompositor)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    ASSERT_FALSE(x11CompositingActive(x11Connection()));
    QScreen *screen = QGuiApplication::primaryScreen();
    test::FakeDisplayList displays;
    displays.all = {{.id = 1, .bounds = screen->geometry(), .availableGeometry = screen->availableGeometry()}};
    displays.mainID = 1;
    ToastWindow toast("History Not Saved", "Captures will not be kept after you quit.", ToastType::warning,
                      std::nullopt, std::nullopt, std::nullopt, {}, displays);

    QWidget backdrop(nullptr, Qt::FramelessWindowHint);
    backdrop.setAutoFillBackground(true);
    backdrop.setPalette(QPalette(Qt::white));
    backdrop.setGeometry(toast.geometry().adjusted(-20, -20, 20, 20));
    backdrop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    toast.show(false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&toast));

    const QRect frame = toast.geometry();
    const QList<QPoint> corners = {{1, 1}, {frame.width() - 2, 1}, {1, frame.height() - 2},
                                   {frame.width() - 2, frame.height() - 2}};
    QImage shown;
    const bool light = test::waitUntil([&] {
        shown = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
        return std::all_of(corners.begin(), corners.end(),
                           [&](const QPoint &p) { return qGray(shown.pixel(p)) > 200; });
    }, 3000);
    EXPECT_TRUE(light) << "corner pixel " << qGray(shown.pixel(corners[0]));
    // The card itself is still drawn.
    EXPECT_LT(qGray(shown.pixel(frame.width() / 2, frame.height() / 2)), 255);
}

TEST(NonActivatingPanel, JoinsEveryVirtualDesktopAlsoWhenItsNativeWindowIsRemade)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    NonActivatingPanel panel;
    panel.setGeometry(500, 20, 360, 80);
    panel.orderFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(propertyWords(panel.winId(), "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL),
              std::vector<quint32>{0xFFFFFFFFu});

    // New flags (the pin's stay-on-top switch) ...
    // (Qt makes the new native window while showing, once the window is on the screen.)
    panel.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    panel.orderFront();
    EXPECT_TRUE(test::waitUntil([&] {
        return propertyWords(panel.windowHandle()->winId(), "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL)
            == std::vector<quint32>{0xFFFFFFFFu};
    }, 3000));

    // ... and a platform window Qt makes anew.
    QWindow *handle = panel.windowHandle();
    handle->destroy();
    handle->create();
    EXPECT_EQ(propertyWords(handle->winId(), "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL),
              std::vector<quint32>{0xFFFFFFFFu});
}
