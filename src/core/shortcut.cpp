#include "core/shortcut.h"

#include "platform/l10n.h"

#include <QHash>

namespace quorvane {

namespace {
const QHash<quint16, QString> &keyNames()
{
    static const QHash<quint16, QString> names = [] {
        static const std::pair<quint16, const char *> pairs[] = {
            {0, "A"}, {1, "S"}, {2, "D"}, {3, "F"}, {4, "H"}, {5, "G"}, {6, "Z"}, {7, "X"},
            {8, "C"}, {9, "V"}, {11, "B"}, {12, "Q"}, {13, "W"}, {14, "E"}, {15, "R"},
            {16, "Y"}, {17, "T"}, {18, "1"}, {19, "2"}, {20, "3"}, {21, "4"}, {22, "6"},
            {23, "5"}, {24, "="}, {25, "9"}, {26, "7"}, {27, "-"}, {28, "8"}, {29, "0"},
            {30, "]"}, {31, "O"}, {32, "U"}, {33, "["}, {34, "I"}, {35, "P"}, {37, "L"},
            {38, "J"}, {39, "'"}, {40, "K"}, {41, ";"}, {42, "\\"}, {43, ","}, {44, "/"},
            {45, "N"}, {46, "M"}, {47, "."}, {50, "`"}, {36, "↩"}, {48, "⇥"},
            {49, "Space"}, {51, "⌫"}, {53, "⎋"}, {123, "←"}, {124, "→"}, {125, "↓"},
            {126, "↑"},
        };
        QHash<quint16, QString> table;
        for (const auto &[code, name] : pairs)
            table.insert(code, QString::fromUtf8(name));
        return table;
    }();
    return names;
}
} // namespace

QString Shortcut::keyName(quint16 code)
{
    return keyNames().value(code);
}

QString Shortcut::displayString() const
{
    QString text;
    if (modifierFlags & ModifierFlag::control)
        text += QStringLiteral("⌃");
    if (modifierFlags & ModifierFlag::option)
        text += QStringLiteral("⌥");
    if (modifierFlags & ModifierFlag::shift)
        text += QStringLiteral("⇧");
    if (modifierFlags & ModifierFlag::command)
        text += QStringLiteral("⌘");
    return text + keyName(keyCode);
}

bool Shortcut::isSystemReserved() const
{
    static constexpr quint16 reservedKeys[] = {12, 13, 0, 8, 9, 7, 6, 1, 31, 45};
    if (modifierFlags != ModifierFlag::command)
        return false;
    for (quint16 key : reservedKeys) {
        if (key == keyCode)
            return true;
    }
    return false;
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
        return L10n::text("shortcut.quick_zarrow", "Quick Zarrow", "Quick Zarrow shortcut");
    case ShortcutAction::repeatZarrow:
        return L10n::text("shortcut.repeat_zarrow", "Repeat Zarrow", "Repeat Zarrow shortcut");
    case ShortcutAction::codeMode:
        return L10n::text("shortcut.code_mode", "Code Mode", "Code Mode shortcut");
    case ShortcutAction::openHistory:
        return L10n::text("shortcut.open_history", "Open History", "Open History shortcut");
    case ShortcutAction::scanCode:
        return L10n::text("shortcut.scan_code", "Scan Code", "Scan Code shortcut");
    }
    return {};
}

} // namespace quorvane
