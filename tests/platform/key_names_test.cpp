// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shortcut.h"
#include "platform/key_names.h"
#include "platform/key_table.h"

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

constexpr quint32 kCommand = 0x100, kShift = 0x200, kOption = 0x800, kControl = 0x1000;

QString shown(quint16 keyCode, quint32 modifiers, const KeyNames &names)
{
    return Shortcut{keyCode, modifiers}.displayString(names);
}

} // namespace

TEST(KeyNamesTest, UsLayoutNamesEveryKeyTheLinuxWay)
{
    const auto us = XkbKeyNames::fromLayout(QStringLiteral("us"));
    ASSERT_TRUE(us);
    EXPECT_EQ(shown(37, kControl | kOption | kShift | kCommand, *us), "Ctrl+Alt+Shift+Super+L");
    EXPECT_EQ(shown(16, kCommand, *us), "Super+Y");
    EXPECT_EQ(shown(41, kControl, *us), "Ctrl+;");
    EXPECT_EQ(shown(96, kCommand, *us), "Super+F5");
    EXPECT_EQ(shown(36, kShift | kCommand, *us), "Shift+Super+Return");
    EXPECT_EQ(shown(87, kOption, *us), "Alt+Keypad 5");
    EXPECT_EQ(shown(123, kControl, *us), "Ctrl+Left");
    for (const KeyTableEntry &entry : KeyTable::entries())
        EXPECT_FALSE(us->name(entry.keyCode).isEmpty()) << "key code " << entry.keyCode;
}

TEST(KeyNamesTest, GermanLayoutNamesKeysByWhatTheyType)
{
    const auto de = XkbKeyNames::fromLayout(QStringLiteral("de"));
    ASSERT_TRUE(de);
    // The same physical keys, and so the same stored shortcuts, carry German labels.
    EXPECT_EQ(shown(16, kCommand, *de), "Super+Z");
    EXPECT_EQ(shown(6, kControl | kOption, *de), "Ctrl+Alt+Y");
    EXPECT_EQ(shown(41, kCommand, *de), QString::fromUtf8("Super+Ö"));
    EXPECT_EQ(shown(33, kCommand, *de), QString::fromUtf8("Super+Ü"));
    EXPECT_EQ(shown(27, kCommand, *de), QString::fromUtf8("Super+ß"));
    EXPECT_EQ(shown(50, kCommand, *de), "Super+^"); // a dead key
    // Keys that print nothing keep their usual names.
    EXPECT_EQ(shown(96, kCommand, *de), "Super+F5");
    EXPECT_EQ(shown(49, kShift | kCommand, *de), "Shift+Super+Space");
    for (const KeyTableEntry &entry : KeyTable::entries())
        EXPECT_FALSE(de->name(entry.keyCode).isEmpty()) << "key code " << entry.keyCode;
}

TEST(KeyNamesTest, DisplayNamesComeFromTheRunningServer)
{
    ASSERT_TRUE(XkbKeyNames::fromDisplay());
    EXPECT_EQ(Shortcut({37, kShift | kCommand}).displayString(), "Shift+Super+L");
}
