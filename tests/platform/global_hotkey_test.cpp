// Global shortcuts on a real X server: key presses are injected with XTest from a
// separate client, as a user's keyboard would produce them.
#include "core/hotkey_error.h"
#include "core/hotkey_manager.h"
#include "platform/global_key_grabber.h"
#include "platform/key_table.h"
#include "platform/notification_center.h"
#include "support/event_loop.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

using namespace quorvane;

namespace {

constexpr xcb_keysym_t kShiftL = 0xffe1;
constexpr xcb_keysym_t kControlL = 0xffe3;
constexpr xcb_keysym_t kAltL = 0xffe9;
constexpr xcb_keysym_t kSuperL = 0xffeb;
constexpr xcb_keysym_t kCapsLock = 0xffe5;
constexpr xcb_keysym_t kNumLock = 0xff7f;

const Shortcut kShiftCommandL{37, 0x300};
const Shortcut kOptionCommandH{4, 0x900};

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

class GlobalHotkeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        grabber = createGlobalKeyGrabber();
        ASSERT_TRUE(grabber->canGrab());
        manager = std::make_unique<HotkeyManager>(*grabber, center);
        ASSERT_TRUE(manager->hasAccessibilityPermission());
    }

    void TearDown() override
    {
        manager.reset();
        grabber.reset();
    }

    HotkeyManager::Callback counting(int &counter)
    {
        return [&counter] { ++counter; };
    }

    NotificationCenter center;
    std::unique_ptr<GlobalKeyGrabber> grabber;
    std::unique_ptr<HotkeyManager> manager;
    OtherClient keyboard;
};

} // namespace

TEST_F(GlobalHotkeyTest, XdotoolKeyPressFiresTheRegisteredAction)
{
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "xdotool is not installed";
    int quick = 0;
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(quick));
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "super+shift+l"}), 0);
    EXPECT_TRUE(test::waitUntil([&] { return quick == 1; }));
}

TEST_F(GlobalHotkeyTest, EachRegisteredCombinationFiresItsOwnAction)
{
    int quick = 0;
    int history = 0;
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(quick));
    manager->registerHotkey(kOptionCommandH, HotkeyAction::openHistory, counting(history));
    keyboard.pressShortcut(kOptionCommandH);
    ASSERT_TRUE(test::waitUntil([&] { return history == 1; }));
    keyboard.pressShortcut(kShiftCommandL);
    ASSERT_TRUE(test::waitUntil([&] { return quick == 1; }));
    EXPECT_EQ(history, 1);
}

TEST_F(GlobalHotkeyTest, UnregisteringStopsTheAction)
{
    int quick = 0;
    int history = 0;
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(quick));
    manager->registerHotkey(kOptionCommandH, HotkeyAction::openHistory, counting(history));
    keyboard.pressShortcut(kShiftCommandL);
    ASSERT_TRUE(test::waitUntil([&] { return quick == 1; }));

    manager->unregisterHotkey(HotkeyAction::quickZarrowCapture);
    keyboard.pressShortcut(kShiftCommandL);
    // Key events arrive in order: once the later press has fired, the earlier one is done.
    keyboard.pressShortcut(kOptionCommandH);
    ASSERT_TRUE(test::waitUntil([&] { return history == 1; }));
    EXPECT_EQ(quick, 1);
}

TEST_F(GlobalHotkeyTest, AnExtraModifierDoesNotFire)
{
    int quick = 0;
    int history = 0;
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(quick));
    manager->registerHotkey(kOptionCommandH, HotkeyAction::openHistory, counting(history));
    keyboard.chord({kControlL, kShiftL, kSuperL}, *KeyTable::xKeycode(37));
    keyboard.pressShortcut(kOptionCommandH);
    ASSERT_TRUE(test::waitUntil([&] { return history == 1; }));
    EXPECT_EQ(quick, 0);
}

TEST_F(GlobalHotkeyTest, FiresWithCapsLockOn)
{
    int quick = 0;
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, counting(quick));
    keyboard.toggle(kCapsLock);
    ASSERT_TRUE(keyboard.modifierState() & KeyTable::xLockMask);
    keyboard.pressShortcut(kShiftCommandL);
    const bool fired = test::waitUntil([&] { return quick == 1; });
    keyboard.toggle(kCapsLock);
    EXPECT_TRUE(fired);
    EXPECT_FALSE(keyboard.modifierState() & KeyTable::xLockMask);
}

TEST_F(GlobalHotkeyTest, FiresWithNumLockAndCapsLockOn)
{
    int scan = 0;
    const Shortcut commandShiftC{8, 0x300};
    manager->registerHotkey(commandShiftC, HotkeyAction::scanCode, counting(scan));
    keyboard.toggle(kNumLock);
    ASSERT_TRUE(keyboard.modifierState() & KeyTable::xMod2Mask);
    keyboard.pressShortcut(commandShiftC);
    const bool numLockFired = test::waitUntil([&] { return scan == 1; });
    keyboard.toggle(kCapsLock);
    keyboard.pressShortcut(commandShiftC);
    const bool bothFired = test::waitUntil([&] { return scan == 2; });
    keyboard.toggle(kCapsLock);
    keyboard.toggle(kNumLock);
    EXPECT_TRUE(numLockFired);
    EXPECT_TRUE(bothFired);
    EXPECT_EQ(keyboard.modifierState() & (KeyTable::xMod2Mask | KeyTable::xLockMask), 0);
}

TEST_F(GlobalHotkeyTest, CombinationHeldByAnotherClientIsARegistrationError)
{
    OtherClient other;
    const xcb_keycode_t l = *KeyTable::xKeycode(37);
    const quint16 shiftSuper = KeyTable::xShiftMask | KeyTable::xMod4Mask;
    ASSERT_TRUE(other.grab(l, shiftSuper));

    try {
        manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, [] {});
        FAIL() << "a combination another client holds was registered";
    } catch (const HotkeyError &error) {
        EXPECT_EQ(error.kind(), HotkeyErrorKind::registrationFailed);
        EXPECT_TRUE(error.localizedDescription().contains("another program"));
    }
    EXPECT_FALSE(manager->isEnabled());
    // The lock variants this program did get were given back, so nothing of the shortcut
    // is left half-working and the other client can take them.
    EXPECT_TRUE(other.grab(l, shiftSuper | KeyTable::xLockMask));
    EXPECT_TRUE(other.grab(l, shiftSuper | KeyTable::xMod2Mask));
}

TEST_F(GlobalHotkeyTest, DestroyingTheManagerGivesTheCombinationsBack)
{
    manager->registerHotkey(kShiftCommandL, HotkeyAction::quickZarrowCapture, [] {});
    OtherClient other;
    const xcb_keycode_t l = *KeyTable::xKeycode(37);
    const quint16 shiftSuper = KeyTable::xShiftMask | KeyTable::xMod4Mask;
    EXPECT_FALSE(other.grab(l, shiftSuper));
    manager.reset();
    EXPECT_TRUE(other.grab(l, shiftSuper));
    EXPECT_TRUE(other.grab(l, shiftSuper | KeyTable::xLockMask | KeyTable::xMod2Mask));
}

TEST_F(GlobalHotkeyTest, KeyTableMatchesTheServersUsKeymap)
{
    for (const KeyTableEntry &e : KeyTable::entries()) {
        // The standard layout gives the F13 to F20 positions media keysyms; the position is
        // what counts for them.
        if (e.keysym >= 0xffca && e.keysym <= 0xffd1)
            continue;
        // Keypad digits give their navigation keysym first and the digit with Num Lock.
        const xcb_keysym_t plain = xcb_key_symbols_get_keysym(keyboard.symbols(), e.xKeycode, 0);
        const xcb_keysym_t shifted = xcb_key_symbols_get_keysym(keyboard.symbols(), e.xKeycode, 1);
        EXPECT_TRUE(plain == e.keysym || shifted == e.keysym)
            << "key code " << e.keyCode << " X keycode " << int(e.xKeycode) << " gives " << std::hex << plain
            << "/" << shifted << ", table says " << e.keysym;
    }
}
