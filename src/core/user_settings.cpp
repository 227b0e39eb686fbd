// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/user_settings.h"

namespace quorvane {

const UserSettings &UserSettings::defaults()
{
    static const UserSettings record;
    return record;
}

Shortcut UserSettings::shortcut(ShortcutAction action) const
{
    switch (action) {
    case ShortcutAction::quickZarrow: return quickZarrowShortcut;
    case ShortcutAction::repeatZarrow: return repeatZarrowShortcut;
    case ShortcutAction::codeMode: return codeModeShortcut;
    case ShortcutAction::openHistory: return historyShortcut;
    case ShortcutAction::scanCode: return scanCodeShortcut;
    }
    return {};
}

void UserSettings::setShortcut(ShortcutAction action, const Shortcut &value)
{
    switch (action) {
    case ShortcutAction::quickZarrow: quickZarrowShortcut = value; break;
    case ShortcutAction::repeatZarrow: repeatZarrowShortcut = value; break;
    case ShortcutAction::codeMode: codeModeShortcut = value; break;
    case ShortcutAction::openHistory: historyShortcut = value; break;
    case ShortcutAction::scanCode: scanCodeShortcut = value; break;
    }
}

bool UserSettings::hasConflict(const Shortcut &candidate) const
{
    int count = 0;
    for (ShortcutAction action : kAllShortcutActions) {
        if (shortcut(action) == candidate)
            ++count;
    }
    return count > 1;
}

json::Json UserSettings::toJson() const
{
    auto languages = json::Json::array();
    for (const QString &code : preferredLanguages)
        languages.push_back(code.toStdString());
    return json::Json{
        {"launchAtLogin", launchAtLogin},
        {"showDockIcon", showDockIcon},
        {"playSoundOnCapture", playSoundOnCapture},
        {"quickZarrowShortcut", quickZarrowShortcut.toJson()},
        {"repeatZarrowShortcut", repeatZarrowShortcut.toJson()},
        {"codeModeShortcut", codeModeShortcut.toJson()},
        {"historyShortcut", historyShortcut.toJson()},
        {"scanCodeShortcut", scanCodeShortcut.toJson()},
        {"textProcessing", textProcessing.toJson()},
        {"autoDetectLanguage", autoDetectLanguage},
        {"preferredLanguages", languages},
        {"maxHistoryEntries", maxHistoryEntries},
        {"useSystemNotifications", useSystemNotifications},
        {"showPinWidgetAfterCapture", showPinWidgetAfterCapture},
    };
}

UserSettings UserSettings::fromJson(const json::Json &object)
{
    json::requireObject(object, "settings");
    return decode(object, [](const char *, const json::DecodeError &error) { throw error; });
}

UserSettings UserSettings::fromJsonKeepingGoodValues(const json::Json &object, QStringList &resetKeys)
{
    json::requireObject(object, "settings");
    return decode(object, [&resetKeys](const char *key, const json::DecodeError &) {
        resetKeys << QString::fromLatin1(key);
    });
}

UserSettings UserSettings::decode(const json::Json &object,
                                  const std::function<void(const char *, const json::DecodeError &)> &onBadValue)
{
    using namespace json;
    UserSettings s = defaults();
    // Every member is optional: a missing or null one keeps the default, which is how
    // records written by older versions gain the fields added since. Each member is read
    // on its own, so a malformed one need not take the others with it.
    auto read = [&](const char *name, auto &&assign) {
        const Json *v = member(object, name);
        if (!v)
            return;
        try {
            assign(*v);
        } catch (const DecodeError &error) {
            onBadValue(name, error);
        }
    };
    auto readFlag = [&](const char *name, bool &field) {
        read(name, [&](const Json &v) { field = readBool(v, name); });
    };
    auto readShortcut = [&](const char *name, Shortcut &field) {
        read(name, [&](const Json &v) { field = Shortcut::fromJson(v); });
    };
    readFlag("launchAtLogin", s.launchAtLogin);
    readFlag("showDockIcon", s.showDockIcon);
    readFlag("playSoundOnCapture", s.playSoundOnCapture);
    readShortcut("quickZarrowShortcut", s.quickZarrowShortcut);
    readShortcut("repeatZarrowShortcut", s.repeatZarrowShortcut);
    readShortcut("codeModeShortcut", s.codeModeShortcut);
    readShortcut("historyShortcut", s.historyShortcut);
    readShortcut("scanCodeShortcut", s.scanCodeShortcut);
    read("textProcessing", [&](const Json &v) { s.textProcessing = TextProcessingSettings::fromJson(v); });
    readFlag("autoDetectLanguage", s.autoDetectLanguage);
    read("preferredLanguages", [&](const Json &v) {
        s.preferredLanguages = readStringList(v, "preferredLanguages");
    });
    read("maxHistoryEntries", [&](const Json &v) {
        s.maxHistoryEntries = readInteger(v, INT64_MIN, INT64_MAX, "maxHistoryEntries");
    });
    readFlag("useSystemNotifications", s.useSystemNotifications);
    readFlag("showPinWidgetAfterCapture", s.showPinWidgetAfterCapture);
    return s;
}

} // namespace quorvane
