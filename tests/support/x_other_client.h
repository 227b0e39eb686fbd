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


} // namespace quorvane::test
