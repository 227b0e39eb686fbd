// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/activation_policy.h"
#include "platform/taskbar_presence.h"
#include "core/toast_window.h"

#include "support/fake_notification_platform.h"

#include "support/event_loop.h"

#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace quorvane;

namespace {

struct RecordingPresence : TaskbarPresence {
    struct Call {
        QWindow *window;
        bool listed;
    };
    QList<Call> *calls;
    explicit RecordingPresence(QList<Call> *sink) : calls(sink) {}
    void setListed(QWindow *window, bool listed) override { calls->append({window, listed}); }
};

bool contains(const QList<RecordingPresence::Call> &calls, QWindow *window, bool listed)
{
    return std::any_of(calls.begin(), calls.end(),
                       [&](const auto &c) { return c.window == window && c.listed == listed; });
}

} // namespace

TEST(ActivationPolicyTest, AccessoryKeepsPanelsButNeverTheUsersWindowsOutOfTheTaskbar)
{
    QList<RecordingPresence::Call> calls;
    ActivationPolicy policy(std::make_unique<RecordingPresence>(&calls));
    EXPECT_EQ(policy.activationPolicy(), ActivationPolicyKind::regular);
    policy.setActivationPolicy(ActivationPolicyKind::accessory);

    // History, Preferences, About and Feedback stay reachable with Alt+Tab.
    QWidget window(nullptr, Qt::Window);
    window.show();
    QWidget dialog(nullptr, Qt::Dialog);
    dialog.show();
    QWidget pin(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    pin.show();
    ASSERT_TRUE(test::waitUntil([&] { return contains(calls, pin.windowHandle(), false); }));
    EXPECT_FALSE(contains(calls, window.windowHandle(), false));
    EXPECT_FALSE(contains(calls, dialog.windowHandle(), false));

    // A popup menu is never listed anyway and is left alone.
    QMenu menu;
    menu.addAction("x");
    menu.popup(QPoint(10, 10));
    // A window shown after it is handled after it: once that one is unlisted, the menu
    // has had its turn.
    QWidget marker(nullptr, Qt::Tool);
    marker.show();
    ASSERT_TRUE(test::waitUntil([&] { return contains(calls, marker.windowHandle(), false); }));
    EXPECT_FALSE(contains(calls, menu.windowHandle(), false));
    menu.hide();
}

TEST(ActivationPolicyTest, SwitchingPolicyReappliesToVisibleWindowsAndIsAnnounced)
{
    QList<RecordingPresence::Call> calls;
    ActivationPolicy policy(std::make_unique<RecordingPresence>(&calls));
    QSignalSpy changed(&policy, &ActivationPolicy::activationPolicyChanged);
    QWidget shown(nullptr, Qt::Tool);
    shown.show();
    QWidget hidden(nullptr, Qt::Tool);
    hidden.winId();
    QCoreApplication::processEvents();
    calls.clear(); // nothing is sent for windows shown under the regular policy

    policy.setActivationPolicy(ActivationPolicyKind::accessory);
    EXPECT_TRUE(contains(calls, shown.windowHandle(), false));
    EXPECT_FALSE(contains(calls, hidden.windowHandle(), false));
    policy.setActivationPolicy(ActivationPolicyKind::regular);
    EXPECT_TRUE(contains(calls, shown.windowHandle(), true));
    policy.setActivationPolicy(ActivationPolicyKind::regular);
    EXPECT_EQ(changed.size(), 2); // the same policy again is no change

    // Under the regular policy a newly shown window needs no request.
    calls.clear();
    QWidget later(nullptr, Qt::Tool);
    later.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(calls.isEmpty());
}

TEST(ActivationPolicyTest, ToastsStayOutOfTheTaskbarWhateverThePolicy)
{
    QList<RecordingPresence::Call> calls;
    ActivationPolicy policy(std::make_unique<RecordingPresence>(&calls));
    test::FakeDisplayList displays;
    displays.all = {{.id = 1, .bounds = QRect(0, 0, 800, 600), .availableGeometry = QRect(0, 0, 800, 600)}};
    displays.mainID = 1;
    ToastWindow toast("Text Captured", "Copied to clipboard", ToastType::success, std::nullopt, std::nullopt,
                      std::nullopt, {}, displays);
    toast.show(false);
    ASSERT_TRUE(test::waitUntil([&] { return contains(calls, toast.windowHandle(), false); }));

    calls.clear();
    policy.setActivationPolicy(ActivationPolicyKind::accessory);
    policy.setActivationPolicy(ActivationPolicyKind::regular);
    EXPECT_FALSE(contains(calls, toast.windowHandle(), true));
    EXPECT_TRUE(contains(calls, toast.windowHandle(), false));
}

TEST(X11TaskbarPresenceTest, SendsTheSkipTaskbarAndPagerStateRequestToTheRootWindow)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X server";
    // Listen on the root window like a window manager would (without redirecting maps).
    xcb_connection_t *listener = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(listener));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(listener)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(listener, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(listener);
    auto atom = [&](const char *name) {
        auto *reply = xcb_intern_atom_reply(listener, xcb_intern_atom(listener, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t a = reply->atom;
        std::free(reply);
        return a;
    };

    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    X11TaskbarPresence presence;
    presence.setListed(window.windowHandle(), false);
    presence.setListed(window.windowHandle(), true);

    QList<xcb_client_message_event_t> messages;
    test::waitUntil([&] {
        while (xcb_generic_event_t *event = xcb_poll_for_event(listener)) {
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
                messages.append(*reinterpret_cast<xcb_client_message_event_t *>(event));
            std::free(event);
        }
        return messages.size() >= 2;
    }, 3000);
    ASSERT_EQ(messages.size(), 2);
    const xcb_atom_t state = atom("_NET_WM_STATE");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(messages[i].window, window.winId());
        EXPECT_EQ(messages[i].type, state);
        EXPECT_EQ(messages[i].format, 32);
        EXPECT_EQ(messages[i].data.data32[1], atom("_NET_WM_STATE_SKIP_TASKBAR"));
        EXPECT_EQ(messages[i].data.data32[2], atom("_NET_WM_STATE_SKIP_PAGER"));
    }
    EXPECT_EQ(messages[0].data.data32[0], 1u); // add
    EXPECT_EQ(messages[1].data.data32[0], 0u); // remove
    xcb_disconnect(listener);
}
