// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The five actions reachable through global shortcuts.
enum class HotkeyAction { quickZarrowCapture, repeatZarrow, codeMode, openHistory, scanCode };

inline constexpr std::array<HotkeyAction, 5> kAllHotkeyActions{
    HotkeyAction::quickZarrowCapture, HotkeyAction::repeatZarrow, HotkeyAction::codeMode,
    HotkeyAction::openHistory, HotkeyAction::scanCode};

// The case name: "quickZarrowCapture", "repeatZarrow", "codeMode", "openHistory", "scanCode".
QString rawValue(HotkeyAction action);
std::optional<HotkeyAction> hotkeyActionFromRawValue(const QString &raw);
// The settings slot whose shortcut triggers the action.
ShortcutAction shortcutAction(HotkeyAction action);

} // namespace quorvane
