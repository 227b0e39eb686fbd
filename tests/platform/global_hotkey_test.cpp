// SPDX-License-Identifier: GPL-3.0-or-later
// Global shortcuts on a real X server: key presses are injected with XTest from a
// separate client, as a user's keyboard would produce them.
#include "core/hotkey_error.h"
#include "core/hotkey_manager.h"
#include "platform/global_key_grabber.h"
#include "platform/key_table.h"
#include "support/event_loop.h"
#include "support/x_other_client.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

using namespace quorvane;
using namespace quorvane::test;

namespace {

const Shortcut kShiftCommandL{37, 0x300};
const Shortcut kOptionCommandH{4, 0x900};

class GlobalHotkeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        grabber = createGlobalKeyGrabber();
        ASSERT_TRUE(grabber->canGrab());
        manager = std::make_unique<HotkeyManager>(*grabber);
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

    std::unique_ptr<GlobalKeyGrabber> grabber;
    std::unique_ptr<HotkeyManager> manager;
    OtherClient keyboard;
};

} // namespace

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
