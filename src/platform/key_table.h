// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

namespace quorvane {

// One physical key: its stored key code (a position on the ANSI layout: A = 0, S = 1, ...),
// the X keycode of that position under the evdev keycodes every current X server uses,
// and the keysym the key is labelled with on a US keyboard (lower case, Num Lock on; the
// standard X layout gives F13 to F20 media keysyms instead).
struct KeyTableEntry {
    quint16 keyCode;
    quint8 xKeycode;
    quint32 keysym;
};

// Translates stored shortcuts to X key events and back. Shared by the global key grabber
// and the shortcut recorder, so a shortcut recorded on one key is grabbed on the same key.
// Modifiers: command = Super (Mod4), option = Alt (Mod1), control = Ctrl, shift = Shift.
class KeyTable {
public:
    // Stored modifier flags: command (Super), shift, option (Alt), control (Ctrl).
    static constexpr quint32 commandFlag = 0x100;
    static constexpr quint32 shiftFlag = 0x200;
    static constexpr quint32 optionFlag = 0x800;
    static constexpr quint32 controlFlag = 0x1000;

    // X modifier mask bits.
    static constexpr quint16 xShiftMask = 0x0001;
    static constexpr quint16 xLockMask = 0x0002;
    static constexpr quint16 xControlMask = 0x0004;
    static constexpr quint16 xMod1Mask = 0x0008;
    static constexpr quint16 xMod2Mask = 0x0010;
    static constexpr quint16 xMod4Mask = 0x0040;

    // Every key the table knows, in ascending key-code order.
    static std::span<const KeyTableEntry> entries();

    // The X keycode of a stored key code; none for a code with no key.
    static std::optional<quint8> xKeycode(quint16 keyCode);
    // The stored key code of an X keycode; none for keys outside the table (modifiers, media keys).
    static std::optional<quint16> keyCodeForXKeycode(quint8 xKeycode);

    // The US-layout keysym of a stored key code.
    static std::optional<quint32> keysym(quint16 keyCode);
    // The stored key code that produces `keysym` on a US layout; upper-case letters count
    // as their key.
    static std::optional<quint16> keyCodeForKeysym(quint32 keysym);

    // The X modifier mask of stored modifier flags; bits other than the four modifiers are dropped.
    static quint16 xModifiers(quint32 modifierFlags);
    // The stored modifier flags of an X modifier state; lock and other modifiers are dropped.
    static quint32 modifierFlags(quint16 xState);
    // The four modifier bits of stored flags (command, shift, option, control).
    static quint32 modifierBits(quint32 modifierFlags);
};

} // namespace quorvane
