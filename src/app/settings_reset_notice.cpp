// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_reset_notice.h"

#include "core/shortcut.h"

#include <utility>

namespace quorvane {

QString settingDisplayName(const QString &key)
{
    // The labels the preferences already show, so the user finds the setting by its name.
    static const std::pair<const char *, const char *> labels[] = {
        {"launchAtLogin", "preferences.general.launch_at_login"},
        {"showDockIcon", "preferences.general.show_dock_icon"},
        {"playSoundOnCapture", "preferences.general.play_sound"},
        {"useSystemNotifications", "preferences.general.use_system_notifications"},
        {"showPinWidgetAfterCapture", "preferences.general.show_pin_widget"},
        {"textProcessing", "preferences.tab.text_formatting"},
        {"autoDetectLanguage", "preferences.languages.auto_detect"},
        {"preferredLanguages", "preferences.tab.languages"},
        {"maxHistoryEntries", "preferences.history.max_entries"},
        {"AppLanguage", "preferences.general.app_language"},
        {"AppleLanguages", "preferences.general.app_language"},
    };
    for (const auto &[name, id] : labels) {
        if (key == QLatin1String(name))
            return qtTrId(id);
    }
    static const std::pair<const char *, ShortcutAction> shortcuts[] = {
        {"quickZarrowShortcut", ShortcutAction::quickZarrow},
        {"repeatZarrowShortcut", ShortcutAction::repeatZarrow},
        {"codeModeShortcut", ShortcutAction::codeMode},
        {"historyShortcut", ShortcutAction::openHistory},
        {"scanCodeShortcut", ShortcutAction::scanCode},
    };
    for (const auto &[name, action] : shortcuts) {
        if (key == QLatin1String(name))
            return displayName(action);
    }
    return key;
}

QString settingsResetMessage(const QStringList &keys)
{
    QStringList names;
    for (const QString &key : keys)
        names << settingDisplayName(key);
    //: Warning message naming the settings whose stored values could not be read; %1 lists their names
    //% "These settings could not be read and are back to their defaults: %1. Every other setting was kept."
    return qtTrId("notification.settings_reset.message").arg(names.join(QStringLiteral(", ")));
}

QString settingsResetTitle()
{
    //: Warning title when some stored settings could not be read
    //% "Settings Reset"
    return qtTrId("notification.settings_reset.title");
}

} // namespace quorvane
