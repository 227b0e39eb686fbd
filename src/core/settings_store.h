// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_store_error.h"
#include "core/user_settings.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quorvane {

class LoginItem;
class UserDefaults;

// The one owner of the current `UserSettings`: loads them from the user defaults,
// validates and applies changes field by field, saves them (half a second after the
// last ordinary change, at once after a shortcut change) and announces every save
// (`settingsDidChange`). Main thread only.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    static constexpr const char *settingsKey = "com.corvantis.user_settings";
    static constexpr const char *versionKey = "com.corvantis.settings_version";
    // Where a stored record that cannot be decoded is kept before the defaults replace it.
    static constexpr const char *unreadableSettingsKey = "com.corvantis.user_settings.unreadable";
    static constexpr qint64 currentSchemaVersion = 1;
    static constexpr int saveDebounceMs = 500;

    // Loads the stored record (or the defaults); writes nothing.
    SettingsStore(UserDefaults &userDefaults, LoginItem &loginItem, QObject *parent = nullptr);
    ~SettingsStore() override;

    // The current record.
    const UserSettings &settings() const;
    // Replaces the whole record as an interface binding does: no validation, and the
    // debounced save restarts.
    void setSettings(const UserSettings &settings);
    // The pending debounced save, or null when none is pending.
    const QTimer *saveDebouncer() const;
    // True once the record has been loaded or defaulted.
    bool isLoaded() const;
    // The record's keys ("maxHistoryEntries", ...), and the other keys of the user
    // defaults ("hasSeenOnboarding", ...), whose stored values could not be read or were
    // out of range at load and took their defaults, and the shortcuts that took another
    // default so that no two slots share one; empty when every stored value was kept.
    const QStringList &resetKeys() const { return m_resetKeys; }

    // Saves now; throws SettingsStoreError (persistenceFailed) when nothing could be written.
    void save();

    // Field updates: sanitise, refuse a record with a duplicated shortcut
    // (shortcutConflict), then publish and schedule a save.
    void setShowDockIcon(bool value);
    void setPlaySoundOnCapture(bool value);
    void setUseSystemNotifications(bool value);
    void setShowPinWidgetAfterCapture(bool value);
    void setAutoDetectLanguage(bool value);
    void setTextProcessing(const TextProcessingSettings &value);
    void setPreferredLanguages(const QStringList &value);

    // Validates `shortcut` for the slot of `action`, stores it and saves at once.
    // Throws validationFailed (reserved), shortcutConflict or persistenceFailed; after
    // persistenceFailed the slot holds its previous shortcut again.
    void updateShortcut(const Shortcut &shortcut, ShortcutAction action);
    // Whether `updateShortcut` would accept `shortcut` for the slot; no side effects.
    bool isShortcutAvailable(const Shortcut &shortcut, ShortcutAction action) const;
    // Throws invalidValue outside 1...1000.
    void setMaxHistoryEntries(qint64 value);
    // Registers or removes the login item, then stores the field; throws
    // launchItemConfigurationFailed. The field and the login item never disagree.
    void setLaunchAtLogin(bool enabled);
    // Restarts the half-second wait before the next save.
    void scheduleSave();
    // Reads the stored schema version; run once, on the event loop, after creation.
    void checkSchemaVersion();

    // `maxHistoryEntries` clamped to 1...1000; `autoDetectLanguage` forced on when no
    // language is chosen.
    static UserSettings sanitized(UserSettings settings);
    // Gives every slot that shares its shortcut with an earlier one (a slot in `resetKeys`
    // gives way first) the first default, from its own on, that no other slot holds;
    // there always is one, as there are as many defaults as slots. The key of each slot
    // changed is added to `resetKeys`.
    static void resolveDuplicatedShortcuts(UserSettings &settings, QStringList &resetKeys);
    // The record's member name for a shortcut slot ("quickZarrowShortcut", ...).
    static QString shortcutKey(ShortcutAction action);

    // Stored beside the record, read by other parts of the program: a value of another
    // type, or a number out of its range, is removed (kept under unreadableValuesKey) and
    // named in `resetKeys`, so every reader sees the default.
    static constexpr const char *unreadableValuesKey = "com.corvantis.unreadable_values";
    static constexpr qint64 maxEngineReleaseSeconds = 7 * 24 * 3600;

signals:
    // Emitted with the new record before `settings()` returns it.
    void settingsWillChange(const quorvane::UserSettings &newSettings);
    // Emitted once `settings()` returns the new record.
    void settingsChanged(const quorvane::UserSettings &settings);
    // Emitted after every successful save.
    void settingsDidChange();
    // A save, also a delayed one nobody waits for, wrote nothing: `reason` says why, in
    // the interface language. The settings in memory stay in force for this session.
    void saveFailed(const QString &reason);

private:
    void load();
    void checkOtherKeys(QStringList &resetKeys);
    // Every member name of the stored record.
    static QStringList recordKeys();
    void publish(const UserSettings &settings);
    void applyFieldUpdate(const std::function<void(UserSettings &)> &change);
    // Refuses a candidate in which a shortcut that differs from the current record's is
    // shared by two slots.
    void throwOnDuplicatedShortcut(const UserSettings &candidate) const;
    void storeLaunchAtLogin(bool value);
    void storeMaxHistoryEntries(qint64 value);
    void storeShortcut(ShortcutAction action, const Shortcut &shortcut);

    UserDefaults &m_userDefaults;
    LoginItem &m_loginItem;
    UserSettings m_settings;
    QTimer m_saveDebouncer;
    bool m_isLoaded = false;
    QStringList m_resetKeys;
};

} // namespace quorvane
