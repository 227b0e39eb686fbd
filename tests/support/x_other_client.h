// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"
#include "platform/key_table.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace quorvane::test {

inline constexpr xcb_keysym_t kShiftL = 0xffe1;
inline constexpr xcb_keysym_t kControlL = 0xffe3;
inline constexpr xcb_keysym_t kAltL = 0xffe9;
inline constexpr xcb_keysym_t kSuperL = 0xffeb;
inline constexpr xcb_keysym_t kCapsLock = 0xffe5;
inline constexpr xcb_keysym_t kNumLock = 0xff7f;

// Another X client: types through XTest and can hold grabs of its own.
class OtherClient {
public:
    OtherClient()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_symbols = xcb_key_symbols_alloc(m_connection);
    }
    ~OtherClient()
    {
        xcb_key_symbols_free(m_symbols);
        xcb_disconnect(m_connection);
    }

    xcb_keycode_t keycodeOf(xcb_keysym_t keysym)
    {
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        return code;
    }

    // Holds the modifier keys, taps `xKeycode`, lets go in reverse order.
    void chord(std::initializer_list<xcb_keysym_t> modifiers, xcb_keycode_t xKeycode)
    {
        for (xcb_keysym_t m : modifiers)
            fake(XCB_KEY_PRESS, keycodeOf(m));
        fake(XCB_KEY_PRESS, xKeycode);
        fake(XCB_KEY_RELEASE, xKeycode);
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            fake(XCB_KEY_RELEASE, keycodeOf(*it));
        sync();
    }

    void pressShortcut(const Shortcut &s)
    {
        std::vector<xcb_keysym_t> mods;
        if (s.modifierFlags & 0x1000)
            mods.push_back(kControlL);
        if (s.modifierFlags & 0x800)
            mods.push_back(kAltL);
        if (s.modifierFlags & 0x200)
            mods.push_back(kShiftL);
        if (s.modifierFlags & 0x100)
            mods.push_back(kSuperL);
        for (xcb_keysym_t m : mods)
            fake(XCB_KEY_PRESS, keycodeOf(m));
        const xcb_keycode_t key = *KeyTable::xKeycode(s.keyCode);
        fake(XCB_KEY_PRESS, key);
        fake(XCB_KEY_RELEASE, key);
        for (auto it = mods.rbegin(); it != mods.rend(); ++it)
            fake(XCB_KEY_RELEASE, keycodeOf(*it));
        sync();
    }

    // Taps a lock key, which toggles its lock.
    void toggle(xcb_keysym_t lockKey)
    {
        fake(XCB_KEY_PRESS, keycodeOf(lockKey));
        fake(XCB_KEY_RELEASE, keycodeOf(lockKey));
        sync();
    }

    // The modifier and lock state the server currently has.
    quint16 modifierState()
    {
        xcb_query_pointer_reply_t *reply =
            xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr);
        const quint16 mask = reply ? reply->mask : 0;
        std::free(reply);
        return mask;
    }

    // Grabs one exact modifier combination; true when the server granted it.
    bool grab(xcb_keycode_t xKeycode, quint16 modifiers)
    {
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 0, m_root, modifiers, xKeycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }

    // Lets one grabbed combination go, as the other program does when it quits.
    void ungrab(xcb_keycode_t xKeycode, quint16 modifiers)
    {
        xcb_ungrab_key(m_connection, xKeycode, m_root, modifiers);
        sync();
    }

    xcb_key_symbols_t *symbols() const { return m_symbols; }

private:
    void fake(quint8 type, xcb_keycode_t code)
    {
        xcb_test_fake_input(m_connection, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }
    void sync()
    {
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    xcb_key_symbols_t *m_symbols;
};

// Another X client's window with a white background that draws its content (black) only
// when told: slow to redraw what an Expose asks for, as a busy program is.
class SlowDrawingWindow {
public:
    explicit SlowDrawingWindow(xcb_rectangle_t area) : m_area(area)
    {
        m_connection = xcb_connect(nullptr, nullptr);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        const uint32_t values[] = {screen->white_pixel, 1, XCB_EVENT_MASK_EXPOSURE};
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, area.x, area.y, area.width,
                          area.height, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
        m_gc = xcb_generate_id(m_connection);
        const uint32_t black[] = {screen->black_pixel};
        xcb_create_gc(m_connection, m_gc, m_window, XCB_GC_FOREGROUND, black);
        xcb_map_window(m_connection, m_window);
        sync();
    }
    ~SlowDrawingWindow() { xcb_disconnect(m_connection); }

    // Whether an Expose has arrived since the last call.
    bool exposed()
    {
        bool seen = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            seen = seen || (event->response_type & 0x7f) == XCB_EXPOSE;
            std::free(event);
        }
        return seen;
    }
    void draw() { draw({0, 0, m_area.width, m_area.height}); }
    // Draws `part` (window coordinates) only, as a terminal draws its lines and leaves
    // their blank ends to the background the server filled in.
    void draw(xcb_rectangle_t part)
    {
        xcb_poly_fill_rectangle(m_connection, m_window, m_gc, 1, &part);
        sync();
    }

private:
    void sync() { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    xcb_rectangle_t m_area;
    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    xcb_gcontext_t m_gc;
};

} // namespace quorvane::test
