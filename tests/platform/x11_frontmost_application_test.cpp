// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11_frontmost_application.h"

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace quorvane;

namespace {

// Plays the window manager: makes windows and announces one of them as the active one.
class FakeWindowManager {
public:
    FakeWindowManager()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_activeWindow = atom("_NET_ACTIVE_WINDOW");
    }
    ~FakeWindowManager()
    {
        xcb_delete_property(m_connection, m_root, m_activeWindow);
        for (xcb_window_t window : m_windows)
            xcb_destroy_window(m_connection, window);
        xcb_flush(m_connection);
        xcb_disconnect(m_connection);
    }

    bool connected() const { return !xcb_connection_has_error(m_connection); }

    xcb_window_t createWindow()
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        m_windows.push_back(window);
        return window;
    }

    void setProperty(xcb_window_t window, const char *name, const char *type, const std::string &value)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom(name), atom(type), 8,
                            uint32_t(value.size()), value.data());
        sync();
    }

    void activate(xcb_window_t window)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_root, m_activeWindow,
                            XCB_ATOM_WINDOW, 32, 1, &window);
        sync();
    }

    void forgetActiveWindow()
    {
        xcb_delete_property(m_connection, m_root, m_activeWindow);
        sync();
    }

private:
    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return value;
    }
    // A round trip, so the probe's own connection sees every change made so far.
    void sync() { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_activeWindow = 0;
    std::vector<xcb_window_t> m_windows;
};

} // namespace

TEST(X11FrontmostApplication, AbsentWithoutAnActiveWindow)
{
    FakeWindowManager wm;
    ASSERT_TRUE(wm.connected());
    X11FrontmostApplication probe;
    wm.forgetActiveWindow();
    EXPECT_EQ(probe.bundleIdentifier(), std::nullopt);

    // A window manager that says no window is active announces the window None.
    wm.activate(XCB_WINDOW_NONE);
    EXPECT_EQ(probe.bundleIdentifier(), std::nullopt);
}

TEST(X11FrontmostApplication, NamesTheActiveWindowByItsClass)
{
    FakeWindowManager wm;
    ASSERT_TRUE(wm.connected());
    const xcb_window_t editor = wm.createWindow();
    wm.setProperty(editor, "WM_CLASS", "STRING", std::string("gedit\0Gedit\0", 12));
    const xcb_window_t anonymous = wm.createWindow();
    wm.setProperty(anonymous, "WM_CLASS", "STRING", std::string("xterm\0\0", 7));
    const xcb_window_t bare = wm.createWindow();

    X11FrontmostApplication probe;
    wm.activate(editor);
    EXPECT_EQ(probe.bundleIdentifier(), QStringLiteral("Gedit"));
    wm.activate(anonymous);
    EXPECT_EQ(probe.bundleIdentifier(), QStringLiteral("xterm"));
    wm.activate(bare);
    EXPECT_EQ(probe.bundleIdentifier(), std::nullopt);
}

TEST(X11FrontmostApplication, PrefersTheDesktopFileIdOverTheClass)
{
    FakeWindowManager wm;
    ASSERT_TRUE(wm.connected());
    const xcb_window_t gtk = wm.createWindow();
    wm.setProperty(gtk, "WM_CLASS", "STRING", std::string("nautilus\0Org.gnome.Nautilus\0", 29));
    wm.setProperty(gtk, "_GTK_APPLICATION_ID", "UTF8_STRING", "org.gnome.Nautilus");
    const xcb_window_t kde = wm.createWindow();
    wm.setProperty(kde, "WM_CLASS", "STRING", std::string("dolphin\0dolphin\0", 16));
    wm.setProperty(kde, "_KDE_NET_WM_DESKTOP_FILE", "UTF8_STRING", "org.kde.dolphin");

    X11FrontmostApplication probe;
    wm.activate(gtk);
    EXPECT_EQ(probe.bundleIdentifier(), QStringLiteral("org.gnome.Nautilus"));
    wm.activate(kde);
    EXPECT_EQ(probe.bundleIdentifier(), QStringLiteral("org.kde.dolphin"));
}

TEST(X11FrontmostApplication, AbsentWhenTheActiveWindowIsGone)
{
    FakeWindowManager wm;
    ASSERT_TRUE(wm.connected());
    X11FrontmostApplication probe;
    wm.activate(0x7ffffff0); // a window id that no client owns
    EXPECT_EQ(probe.bundleIdentifier(), std::nullopt);
}

TEST(X11FrontmostApplication, AbsentWithoutAnXConnection)
{
    FakeWindowManager wm;
    ASSERT_TRUE(wm.connected());
    const xcb_window_t editor = wm.createWindow();
    wm.setProperty(editor, "WM_CLASS", "STRING", std::string("gedit\0Gedit\0", 12));
    wm.activate(editor);
    X11FrontmostApplication probe(nullptr);
    EXPECT_EQ(probe.bundleIdentifier(), std::nullopt);
}
