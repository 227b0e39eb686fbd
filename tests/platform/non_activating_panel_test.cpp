#include "platform/non_activating_panel.h"
#include "platform/x11_connection.h"

#include <QTest>

#include <xcb/xcb.h>

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

TEST(NonActivatingPanel, JoinsEveryVirtualDesktop)
{
    ASSERT_NE(x11Connection(), nullptr) << "needs the xcb platform";
    NonActivatingPanel panel;
    panel.setGeometry(500, 20, 360, 80);
    panel.orderFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(propertyWords(panel.winId(), "_NET_WM_DESKTOP", XCB_ATOM_CARDINAL),
              std::vector<quint32>{0xFFFFFFFFu});
}
