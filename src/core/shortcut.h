// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/json_util.h"
#include "platform/key_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace quorvane {

class KeyNames;

// Modifier bits of a stored shortcut. On Linux command is Super, option is Alt.
namespace ModifierFlag {
inline constexpr quint32 command = KeyTable::commandFlag;
inline constexpr quint32 shift = KeyTable::shiftFlag;
inline constexpr quint32 option = KeyTable::optionFlag;
inline constexpr quint32 control = KeyTable::controlFlag;
} // namespace ModifierFlag

// One key combination: a virtual key code (physical key position, "A" = 0, "S" = 1, ...)
// and modifier flags. Equal when both fields are equal, other flag bits included.
struct Shortcut {
    quint16 keyCode = 0;
    quint32 modifierFlags = 0;

    // How every text names the shortcut: "Ctrl+Alt+Shift+Super+L", the modifiers that are
    // set in that order, then the key's name on the display's current keyboard layout.
    QString displayString() const;
    // The same with the key named by `names`.
    QString displayString(const KeyNames &names) const;
    // True for combinations the desktop or every program relies on, which a global grab would
    // take from them: Super or Ctrl with Q W A C V X Z S O N, Ctrl+Shift+C and V, Alt+Tab,
    // Alt+F4, the Super key itself, and anything without Ctrl, Alt or Super.
    bool isSystemReserved() const;

    bool operator==(const Shortcut &) const = default;

    json::Json toJson() const;
    // Requires "keyCode" (0...65535) and "modifierFlags" (0...4294967295).
    static Shortcut fromJson(const json::Json &object);
};

// The five shortcut slots of the settings.
enum class ShortcutAction { quickZarrow, repeatZarrow, codeMode, openHistory, scanCode };

inline constexpr std::array<ShortcutAction, 5> kAllShortcutActions{
    ShortcutAction::quickZarrow, ShortcutAction::repeatZarrow, ShortcutAction::codeMode,
    ShortcutAction::openHistory, ShortcutAction::scanCode};

// The case name: "quickZarrow", "repeatZarrow", "codeMode", "openHistory", "scanCode".
QString rawValue(ShortcutAction action);
std::optional<ShortcutAction> shortcutActionFromRawValue(const QString &raw);
// The localised label ("Quick Capture", ...).
QString displayName(ShortcutAction action);

} // namespace quorvane
