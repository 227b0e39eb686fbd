// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_settings.h"


namespace quorvane {

class ActivationPolicy;
class AlertPresenter;
class GlobalShortcutGate;
class HistoryStore;
class LanguageManager;
class SettingsStore;
class UserDefaults;

// What the preferences window and its panes work with. Everything is the application's
// own instance and outlives the window.
struct PreferencesServices {
    // The shared store every pane reads and writes through.
    SettingsStore &settingsStore;
    // The very object the shared store keeps its record in: a second database over the
    // same file would write over the store's changes.
    UserDefaults &userDefaults;
    // Switched by the Dock-icon setting.
    ActivationPolicy &activationPolicy;
    LanguageManager &languageManager;
    // Asks before the whole history is deleted.
    AlertPresenter &alertPresenter;
    // The program's history, which the history pane counts, trims and clears; none when
    // the program has no history.
    HistoryStore *historyStore = nullptr;
    // Suspended by the shortcut recorders while they record; none leaves the global
    // shortcuts alone.
    GlobalShortcutGate *globalShortcuts = nullptr;

    // The settings as stored, read through a short-lived settings store over
    // `userDefaults`; the panes seed their copies from it before they first show.
    UserSettings storedSettings() const;};

} // namespace quorvane
