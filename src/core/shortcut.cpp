// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shortcut.h"

#include "platform/key_names.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace quorvane {

QString Shortcut::displayString() const
{
    return displayString(*currentKeyNames());
}

QString Shortcut::displayString(const KeyNames &names) const
{
    // The modifiers as the toolkit's table of the interface language names them ("Strg",
    // "Umschalt" in German), as every Qt program on the desktop shows them. That table
    // has no Super (Qt says Meta), which desktops leave untranslated. The names go through
    // a helper so that our own translation files do not gather Qt's texts.
    const auto qtName = [](const char *name) { return QCoreApplication::translate("QShortcut", name); };
    QStringList parts;
    if (modifierFlags & ModifierFlag::control)
        parts << qtName("Ctrl");
    if (modifierFlags & ModifierFlag::option)
        parts << qtName("Alt");
    if (modifierFlags & ModifierFlag::shift)
        parts << qtName("Shift");
    if (modifierFlags & ModifierFlag::command)
        parts << QStringLiteral("Super");
    if (const QString key = names.name(keyCode); !key.isEmpty())
        parts << key;
    return parts.join(QLatin1Char('+'));
}

bool Shortcut::isSystemReserved() const
{
    // Key codes of the keys named in the table below.
    enum : quint16 { a = 0, s = 1, z = 6, x = 7, c = 8, v = 9, q = 12, w = 13, o = 31, n = 45, tab = 48, f4 = 118 };
    // The modifier keys themselves (right and left Super, Shift, Caps Lock, Alt, Ctrl, Fn).
    constexpr quint16 firstModifierKey = 54, lastModifierKey = 63;
    static constexpr quint16 editingKeys[] = {q, w, a, c, v, x, z, s, o, n};

    const quint32 bits = modifierFlags
        & (ModifierFlag::command | ModifierFlag::shift | ModifierFlag::option | ModifierFlag::control);
    // Without Ctrl, Alt or Super a grab would take a key that types text.
    if (!(bits & (ModifierFlag::command | ModifierFlag::option | ModifierFlag::control)))
        return true;
    if (keyCode >= firstModifierKey && keyCode <= lastModifierKey)
        return true;
    const bool editingKey = std::find(std::begin(editingKeys), std::end(editingKeys), keyCode) != std::end(editingKeys);
    if (editingKey && (bits == ModifierFlag::command || bits == ModifierFlag::control))
        return true;
    if ((keyCode == c || keyCode == v) && bits == (ModifierFlag::control | ModifierFlag::shift))
        return true; // a terminal's copy and paste
    return bits == ModifierFlag::option && (keyCode == tab || keyCode == f4);
}

json::Json Shortcut::toJson() const
{
    return json::Json{{"keyCode", keyCode}, {"modifierFlags", modifierFlags}};
}

Shortcut Shortcut::fromJson(const json::Json &object)
{
    json::requireObject(object, "shortcut");
    Shortcut s;
    s.keyCode = quint16(json::readInteger(json::requireMember(object, "keyCode"), 0, 65535, "keyCode"));
    s.modifierFlags = quint32(
        json::readInteger(json::requireMember(object, "modifierFlags"), 0, 4294967295LL, "modifierFlags"));
    return s;
}

QString rawValue(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::quickZarrow: return QStringLiteral("quickZarrow");
    case ShortcutAction::repeatZarrow: return QStringLiteral("repeatZarrow");
    case ShortcutAction::codeMode: return QStringLiteral("codeMode");
    case ShortcutAction::openHistory: return QStringLiteral("openHistory");
    case ShortcutAction::scanCode: return QStringLiteral("scanCode");
    }
    return {};
}

std::optional<ShortcutAction> shortcutActionFromRawValue(const QString &raw)
{
    for (ShortcutAction action : kAllShortcutActions) {
        if (rawValue(action) == raw)
            return action;
    }
    return std::nullopt;
}

QString displayName(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::quickZarrow:
        //: Name of the shortcut that starts a text capture
        //% "Quick Capture"
        return qtTrId("shortcut.quick_zarrow");
    case ShortcutAction::repeatZarrow:
        //: Name of the shortcut that captures the last region again
        //% "Repeat Capture"
        return qtTrId("shortcut.repeat_zarrow");
    case ShortcutAction::codeMode:
        //: Code Mode shortcut
        //% "Code Mode"
        return qtTrId("shortcut.code_mode");
    case ShortcutAction::openHistory:
        //: Open History shortcut
        //% "Open History"
        return qtTrId("shortcut.open_history");
    case ShortcutAction::scanCode:
        //: Scan Code shortcut
        //% "Scan Code"
        return qtTrId("shortcut.scan_code");
    }
    return {};
}

} // namespace quorvane
