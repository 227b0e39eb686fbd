// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/key_table.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

// X keycodes are the kernel's evdev key numbers plus 8.
constexpr quint8 ev(int evdevCode)
{
    return quint8(evdevCode + 8);
}

// Sorted by stored key code so lookups can binary-search.
constexpr std::array kEntries{
    KeyTableEntry{0, ev(30), 0x61},     // A
    KeyTableEntry{1, ev(31), 0x73},     // S
    KeyTableEntry{2, ev(32), 0x64},     // D
    KeyTableEntry{3, ev(33), 0x66},     // F
    KeyTableEntry{4, ev(35), 0x68},     // H
    KeyTableEntry{5, ev(34), 0x67},     // G
    KeyTableEntry{6, ev(44), 0x7a},     // Z
    KeyTableEntry{7, ev(45), 0x78},     // X
    KeyTableEntry{8, ev(46), 0x63},     // C
    KeyTableEntry{9, ev(47), 0x76},     // V
    KeyTableEntry{10, ev(86), 0x3c},    // the extra key beside left Shift on ISO keyboards
    KeyTableEntry{11, ev(48), 0x62},    // B
    KeyTableEntry{12, ev(16), 0x71},    // Q
    KeyTableEntry{13, ev(17), 0x77},    // W
    KeyTableEntry{14, ev(18), 0x65},    // E
    KeyTableEntry{15, ev(19), 0x72},    // R
    KeyTableEntry{16, ev(21), 0x79},    // Y
    KeyTableEntry{17, ev(20), 0x74},    // T
    KeyTableEntry{18, ev(2), 0x31},     // 1
    KeyTableEntry{19, ev(3), 0x32},     // 2
    KeyTableEntry{20, ev(4), 0x33},     // 3
    KeyTableEntry{21, ev(5), 0x34},     // 4
    KeyTableEntry{22, ev(7), 0x36},     // 6
    KeyTableEntry{23, ev(6), 0x35},     // 5
    KeyTableEntry{24, ev(13), 0x3d},    // =
    KeyTableEntry{25, ev(10), 0x39},    // 9
    KeyTableEntry{26, ev(8), 0x37},     // 7
    KeyTableEntry{27, ev(12), 0x2d},    // -
    KeyTableEntry{28, ev(9), 0x38},     // 8
    KeyTableEntry{29, ev(11), 0x30},    // 0
    KeyTableEntry{30, ev(27), 0x5d},    // ]
    KeyTableEntry{31, ev(24), 0x6f},    // O
    KeyTableEntry{32, ev(22), 0x75},    // U
    KeyTableEntry{33, ev(26), 0x5b},    // [
    KeyTableEntry{34, ev(23), 0x69},    // I
    KeyTableEntry{35, ev(25), 0x70},    // P
    KeyTableEntry{36, ev(28), 0xff0d},  // Return
    KeyTableEntry{37, ev(38), 0x6c},    // L
    KeyTableEntry{38, ev(36), 0x6a},    // J
    KeyTableEntry{39, ev(40), 0x27},    // '
    KeyTableEntry{40, ev(37), 0x6b},    // K
    KeyTableEntry{41, ev(39), 0x3b},    // ;
    KeyTableEntry{42, ev(43), 0x5c},    // backslash
    KeyTableEntry{43, ev(51), 0x2c},    // ,
    KeyTableEntry{44, ev(53), 0x2f},    // /
    KeyTableEntry{45, ev(49), 0x6e},    // N
    KeyTableEntry{46, ev(50), 0x6d},    // M
    KeyTableEntry{47, ev(52), 0x2e},    // .
    KeyTableEntry{48, ev(15), 0xff09},  // Tab
    KeyTableEntry{49, ev(57), 0x20},    // Space
    KeyTableEntry{50, ev(41), 0x60},    // `
    KeyTableEntry{51, ev(14), 0xff08},  // Delete (backspace)
    KeyTableEntry{53, ev(1), 0xff1b},   // Escape
    KeyTableEntry{64, ev(187), 0xffce}, // F17
    KeyTableEntry{65, ev(83), 0xffae},  // keypad .
    KeyTableEntry{67, ev(55), 0xffaa},  // keypad *
    KeyTableEntry{69, ev(78), 0xffab},  // keypad +
    KeyTableEntry{75, ev(98), 0xffaf},  // keypad /
    KeyTableEntry{76, ev(96), 0xff8d},  // keypad Enter
    KeyTableEntry{78, ev(74), 0xffad},  // keypad -
    KeyTableEntry{79, ev(188), 0xffcf}, // F18
    KeyTableEntry{80, ev(189), 0xffd0}, // F19
    KeyTableEntry{81, ev(117), 0xffbd}, // keypad =
    KeyTableEntry{82, ev(82), 0xffb0},  // keypad 0
    KeyTableEntry{83, ev(79), 0xffb1},  // keypad 1
    KeyTableEntry{84, ev(80), 0xffb2},  // keypad 2
    KeyTableEntry{85, ev(81), 0xffb3},  // keypad 3
    KeyTableEntry{86, ev(75), 0xffb4},  // keypad 4
    KeyTableEntry{87, ev(76), 0xffb5},  // keypad 5
    KeyTableEntry{88, ev(77), 0xffb6},  // keypad 6
    KeyTableEntry{89, ev(71), 0xffb7},  // keypad 7
    KeyTableEntry{90, ev(190), 0xffd1}, // F20
    KeyTableEntry{91, ev(72), 0xffb8},  // keypad 8
    KeyTableEntry{92, ev(73), 0xffb9},  // keypad 9
    KeyTableEntry{96, ev(63), 0xffc2},  // F5
    KeyTableEntry{97, ev(64), 0xffc3},  // F6
    KeyTableEntry{98, ev(65), 0xffc4},  // F7
    KeyTableEntry{99, ev(61), 0xffc0},  // F3
    KeyTableEntry{100, ev(66), 0xffc5}, // F8
    KeyTableEntry{101, ev(67), 0xffc6}, // F9
    KeyTableEntry{103, ev(87), 0xffc8}, // F11
    KeyTableEntry{105, ev(183), 0xffca}, // F13
    KeyTableEntry{106, ev(186), 0xffcd}, // F16
    KeyTableEntry{107, ev(184), 0xffcb}, // F14
    KeyTableEntry{109, ev(68), 0xffc7}, // F10
    KeyTableEntry{111, ev(88), 0xffc9}, // F12
    KeyTableEntry{113, ev(185), 0xffcc}, // F15
    KeyTableEntry{114, ev(110), 0xff63}, // Insert (the Help position)
    KeyTableEntry{115, ev(102), 0xff50}, // Home
    KeyTableEntry{116, ev(104), 0xff55}, // Page Up
    KeyTableEntry{117, ev(111), 0xffff}, // forward Delete
    KeyTableEntry{118, ev(62), 0xffc1}, // F4
    KeyTableEntry{119, ev(107), 0xff57}, // End
    KeyTableEntry{120, ev(60), 0xffbf}, // F2
    KeyTableEntry{121, ev(109), 0xff56}, // Page Down
    KeyTableEntry{122, ev(59), 0xffbe}, // F1
    KeyTableEntry{123, ev(105), 0xff51}, // left arrow
    KeyTableEntry{124, ev(106), 0xff53}, // right arrow
    KeyTableEntry{125, ev(108), 0xff54}, // down arrow
    KeyTableEntry{126, ev(103), 0xff52}, // up arrow
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const KeyTableEntry &a, const KeyTableEntry &b) {
                                 return a.keyCode < b.keyCode;
                             }));

// Stored modifier bits and the X modifiers they stand for.
constexpr quint32 kCommand = KeyTable::commandFlag;
constexpr quint32 kShift = KeyTable::shiftFlag;
constexpr quint32 kOption = KeyTable::optionFlag;
constexpr quint32 kControl = KeyTable::controlFlag;

// Each modifier flag and the X modifier that carries it, one table for both directions.
struct ModifierPair {
    quint32 flag;
    quint16 xMask;
};
constexpr std::array kModifierPairs{
    ModifierPair{kShift, KeyTable::xShiftMask},
    ModifierPair{kControl, KeyTable::xControlMask},
    ModifierPair{kOption, KeyTable::xMod1Mask},
    ModifierPair{kCommand, KeyTable::xMod4Mask},
};

const KeyTableEntry *findByKeyCode(quint16 keyCode)
{
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), keyCode,
                                     [](const KeyTableEntry &e, quint16 code) { return e.keyCode < code; });
    return it != kEntries.end() && it->keyCode == keyCode ? &*it : nullptr;
}

} // namespace

std::span<const KeyTableEntry> KeyTable::entries()
{
    return kEntries;
}

std::optional<quint8> KeyTable::xKeycode(quint16 keyCode)
{
    if (const auto *e = findByKeyCode(keyCode))
        return e->xKeycode;
    return std::nullopt;
}

std::optional<quint16> KeyTable::keyCodeForXKeycode(quint8 xKeycode)
{
    for (const auto &e : kEntries) {
        if (e.xKeycode == xKeycode)
            return e.keyCode;
    }
    return std::nullopt;
}

std::optional<quint32> KeyTable::keysym(quint16 keyCode)
{
    if (const auto *e = findByKeyCode(keyCode))
        return e->keysym;
    return std::nullopt;
}

std::optional<quint16> KeyTable::keyCodeForKeysym(quint32 keysym)
{
    // Latin upper-case letters share their key with the lower-case ones.
    if (keysym >= 0x41 && keysym <= 0x5a)
        keysym += 0x20;
    for (const auto &e : kEntries) {
        if (e.keysym == keysym)
            return e.keyCode;
    }
    return std::nullopt;
}

quint16 KeyTable::xModifiers(quint32 modifierFlags)
{
    quint16 mask = 0;
    for (const ModifierPair &pair : kModifierPairs) {
        if (modifierFlags & pair.flag)
            mask |= pair.xMask;
    }
    return mask;
}

quint32 KeyTable::modifierFlags(quint16 xState)
{
    quint32 flags = 0;
    for (const ModifierPair &pair : kModifierPairs) {
        if (xState & pair.xMask)
            flags |= pair.flag;
    }
    return flags;
}

quint32 KeyTable::modifierBits(quint32 modifierFlags)
{
    return modifierFlags & (kCommand | kShift | kOption | kControl);
}

} // namespace quorvane
