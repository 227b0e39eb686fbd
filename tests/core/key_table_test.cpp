// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_names.h"
#include "platform/key_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace quorvane;

// The grabber turns a stored key into an X keycode and the recorder turns that keycode
// back: a key that does not come back is recorded as another key or as none, and two
// keys sharing an X keycode would be grabbed together. The portal names keys by keysym,
// so those are distinct too. (That every X keycode is the key its keysym says is checked
// against the X server's own keymap in GlobalHotkeyTest.)
TEST(KeyTable, EveryNamedKeyIsGrabbedAndRecordedAsItselfAndNoOtherIs)
{
    std::set<quint32> keysyms;
    int named = 0;
    for (quint16 code = 0; code < 256; ++code) {
        const auto xKeycode = KeyTable::xKeycode(code);
        ASSERT_EQ(xKeycode.has_value(), !UsKeyNames().name(code).isEmpty()) << "key code " << code;
        if (!xKeycode)
            continue;
        ++named;
        EXPECT_EQ(KeyTable::keyCodeForXKeycode(*xKeycode), code);
        EXPECT_TRUE(keysyms.insert(KeyTable::keysym(code).value_or(0)).second) << "key code " << code;
    }
    EXPECT_EQ(named, int(KeyTable::entries().size()));
    // Modifier keys pressed on their own are no key to record.
    EXPECT_FALSE(KeyTable::keyCodeForXKeycode(50).has_value());  // left Shift
    EXPECT_FALSE(KeyTable::keyCodeForXKeycode(133).has_value()); // left Super
}

TEST(KeyTable, EveryModifierCombinationComesBackWhateverTheLocks)
{
    const quint32 flags[] = {KeyTable::commandFlag, KeyTable::shiftFlag, KeyTable::optionFlag, KeyTable::controlFlag};
    const quint16 locks = KeyTable::xLockMask | KeyTable::xMod2Mask; // Caps Lock and Num Lock
    for (int combination = 0; combination < 16; ++combination) {
        quint32 bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= combination & (1 << i) ? flags[i] : 0;
        // Bits of the stored word that are no modifier are neither grabbed nor compared.
        const quint16 state = KeyTable::xModifiers(bits | 0x10400);
        EXPECT_EQ(state & locks, 0) << combination;
        EXPECT_EQ(KeyTable::modifierFlags(state | locks), bits) << combination;
        EXPECT_EQ(KeyTable::modifierBits(bits | 0x10400), bits) << combination;
    }
}
