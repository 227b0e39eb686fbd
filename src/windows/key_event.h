// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

class QKeyEvent;

namespace quorvane {

// One key press as a shortcut sees it: the stored key code of the physical key (Escape
// is 53) and the modifiers held, in the shortcut's bits (command 0x100, shift 0x200,
// option 0x800, control 0x1000) and no others.
struct KeyEvent {
    quint16 keyCode = 0;
    quint32 modifierFlags = 0;

    bool operator==(const KeyEvent &) const = default;

    // The press of a desktop key event, read from its X keycode and X modifier state;
    // none for keys no shortcut can hold (modifier keys alone, media keys).
    static std::optional<KeyEvent> from(const QKeyEvent &event);
    // The shortcut bits of an X modifier state: Super, Shift, Alt and Control; Caps Lock,
    // Num Lock and the rest are dropped.
    static quint32 carbonModifiers(quint32 nativeModifiers);
};

} // namespace quorvane
