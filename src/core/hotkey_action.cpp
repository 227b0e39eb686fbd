// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hotkey_action.h"

namespace quorvane {

QString rawValue(HotkeyAction action)
{
    switch (action) {
    case HotkeyAction::quickZarrowCapture: return QStringLiteral("quickZarrowCapture");
    case HotkeyAction::repeatZarrow: return QStringLiteral("repeatZarrow");
    case HotkeyAction::codeMode: return QStringLiteral("codeMode");
    case HotkeyAction::openHistory: return QStringLiteral("openHistory");
    case HotkeyAction::scanCode: return QStringLiteral("scanCode");
    }
    return {};
}

std::optional<HotkeyAction> hotkeyActionFromRawValue(const QString &raw)
{
    for (HotkeyAction action : kAllHotkeyActions) {
        if (rawValue(action) == raw)
            return action;
    }
    return std::nullopt;
}

ShortcutAction shortcutAction(HotkeyAction action)
{
    switch (action) {
    case HotkeyAction::quickZarrowCapture: return ShortcutAction::quickZarrow;
    case HotkeyAction::repeatZarrow: return ShortcutAction::repeatZarrow;
    case HotkeyAction::codeMode: return ShortcutAction::codeMode;
    case HotkeyAction::openHistory: return ShortcutAction::openHistory;
    case HotkeyAction::scanCode: return ShortcutAction::scanCode;
    }
    return ShortcutAction::quickZarrow;
}

} // namespace quorvane
