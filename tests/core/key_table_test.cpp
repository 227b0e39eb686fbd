#include "platform/key_names.h"
#include "platform/key_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace quorvane;

TEST(KeyTable, EveryKeyHasANameAnXKeyAndMapsBack)
{
    int named = 0;
    for (quint16 code = 0; code < 256; ++code) {
        if (UsKeyNames().name(code).isEmpty())
            continue;
        ++named;
        const auto xKeycode = KeyTable::xKeycode(code);
        ASSERT_TRUE(xKeycode.has_value()) << "key code " << code;
        EXPECT_EQ(KeyTable::keyCodeForXKeycode(*xKeycode), code);
        const auto keysym = KeyTable::keysym(code);
        ASSERT_TRUE(keysym.has_value());
        EXPECT_EQ(KeyTable::keyCodeForKeysym(*keysym), code);
    }
    // Every key the recorder accepts can be named.
    EXPECT_EQ(named, int(KeyTable::entries().size()));
}

TEST(KeyTable, XKeycodesAndKeysymsAreUnique)
{
    std::set<quint8> xKeycodes;
    std::set<quint32> keysyms;
    for (const KeyTableEntry &e : KeyTable::entries()) {
        EXPECT_TRUE(xKeycodes.insert(e.xKeycode).second) << "X keycode " << int(e.xKeycode);
        EXPECT_TRUE(keysyms.insert(e.keysym).second) << "keysym " << e.keysym;
    }
}

TEST(KeyTable, MapsPhysicalPositionsToEvdevKeycodes)
{
    // Positions, not characters: these are the X keycodes of a standard PC keyboard.
    EXPECT_EQ(KeyTable::xKeycode(37), 46);  // L
    EXPECT_EQ(KeyTable::xKeycode(0), 38);   // A
    EXPECT_EQ(KeyTable::xKeycode(12), 24);  // Q
    EXPECT_EQ(KeyTable::xKeycode(29), 19);  // 0
    EXPECT_EQ(KeyTable::xKeycode(36), 36);  // Return
    EXPECT_EQ(KeyTable::xKeycode(49), 65);  // Space
    EXPECT_EQ(KeyTable::xKeycode(51), 22);  // Delete (backspace)
    EXPECT_EQ(KeyTable::xKeycode(53), 9);   // Escape
    EXPECT_EQ(KeyTable::xKeycode(123), 113); // left arrow
    EXPECT_EQ(KeyTable::xKeycode(126), 111); // up arrow
    EXPECT_EQ(KeyTable::xKeycode(122), 67);  // F1
    EXPECT_EQ(KeyTable::xKeycode(111), 96);  // F12
    EXPECT_EQ(KeyTable::xKeycode(83), 87);   // keypad 1
    EXPECT_EQ(KeyTable::xKeycode(76), 104);  // keypad Enter
}

TEST(KeyTable, KeysOutsideTheTableHaveNoMapping)
{
    for (quint16 code : {quint16(52), quint16(54), quint16(55), quint16(56), quint16(59), quint16(127),
                         quint16(0xffff)})
        EXPECT_FALSE(KeyTable::xKeycode(code).has_value()) << code;
    EXPECT_FALSE(KeyTable::keyCodeForXKeycode(50).has_value()); // left Shift
    EXPECT_FALSE(KeyTable::keyCodeForXKeycode(133).has_value()); // left Super
    EXPECT_FALSE(KeyTable::keyCodeForKeysym(0xffe1).has_value()); // Shift_L
}

TEST(KeyTable, UpperCaseLetterKeysymsFindTheirKey)
{
    EXPECT_EQ(KeyTable::keyCodeForKeysym(0x4c), 37); // "L"
    EXPECT_EQ(KeyTable::keyCodeForKeysym(0x6c), 37); // "l"
    EXPECT_EQ(KeyTable::keysym(37), 0x6cu);
}

TEST(KeyTable, TranslatesModifiersBothWays)
{
    EXPECT_EQ(KeyTable::xModifiers(0x300), KeyTable::xShiftMask | KeyTable::xMod4Mask);
    EXPECT_EQ(KeyTable::xModifiers(0x1800), KeyTable::xControlMask | KeyTable::xMod1Mask);
    // Bits that are no modifier are dropped.
    EXPECT_EQ(KeyTable::xModifiers(0x400 | 0x10000), 0);

    const quint16 lockedState = KeyTable::xShiftMask | KeyTable::xMod4Mask | KeyTable::xLockMask
        | KeyTable::xMod2Mask;
    EXPECT_EQ(KeyTable::modifierFlags(lockedState), 0x300u);
    EXPECT_EQ(KeyTable::modifierFlags(KeyTable::xModifiers(0x1B00)), 0x1B00u);
    EXPECT_EQ(KeyTable::modifierBits(0xFFFFFFFF), 0x1B00u);
}
