// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"

#include "core/diagnostics.h"
#include "core/language_manager.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"

#include <algorithm>
#include <exception>

namespace quorvane {

namespace {
constexpr qint64 kMinHistoryEntries = 1;
constexpr qint64 kMaxHistoryEntries = 1000;
} // namespace

SettingsStore::SettingsStore(UserDefaults &userDefaults, LoginItem &loginItem, QObject *parent)
    : QObject(parent),
      m_userDefaults(userDefaults),
      m_loginItem(loginItem)
{
    m_saveDebouncer.setSingleShot(true);
    m_saveDebouncer.setInterval(saveDebounceMs);
    connect(&m_saveDebouncer, &QTimer::timeout, this, [this] {
        try {
            save();
        } catch (const SettingsStoreError &) {
            // Nobody waits for a debounced save; `save` has written the diagnostic.
        }
    });

    load();
    m_isLoaded = true;
    QTimer::singleShot(0, this, [this] { checkSchemaVersion(); });
}

SettingsStore::~SettingsStore() = default;

const UserSettings &SettingsStore::settings() const
{
    return m_settings;
}

void SettingsStore::setSettings(const UserSettings &settings)
{
    publish(settings);
}

const QTimer *SettingsStore::saveDebouncer() const
{
    return m_saveDebouncer.isActive() ? &m_saveDebouncer : nullptr;
}

bool SettingsStore::isLoaded() const
{
    return m_isLoaded;
}

UserSettings SettingsStore::sanitized(UserSettings settings)
{
    settings.maxHistoryEntries =
        std::clamp(settings.maxHistoryEntries, kMinHistoryEntries, kMaxHistoryEntries);
    if (settings.preferredLanguages.isEmpty())
        settings.autoDetectLanguage = true;
    return settings;
}

void SettingsStore::load()
{
    UserSettings loaded = UserSettings::defaults();
    QStringList resetKeys;
    std::optional<json::Json> decoded;
    if (m_userDefaults.contains(settingsKey)) {
        // The record is a plain object; earlier versions kept it as base64 data, and a
        // value of another type is no record either but its text is worth keeping.
        const std::optional<QByteArray> data = m_userDefaults.dataValue(settingsKey);
        const std::optional<json::Json> object =
            data ? std::nullopt : m_userDefaults.objectValue(settingsKey);
        std::optional<QByteArray> kept = data;
        if (object)
            kept = json::dump(*object);
        else if (!data) {
            if (const auto text = m_userDefaults.stringValue(settingsKey))
                kept = text->toUtf8();
        }
        try {
            if (data)
                decoded = json::parse(*data);
            else if (object)
                decoded = *object;
            else
                throw json::DecodeError("the stored value is not a record");
            loaded = UserSettings::fromJsonKeepingGoodValues(*decoded, resetKeys);
            // Clamped below, and said: the user did not choose the bound it takes.
            if (loaded.maxHistoryEntries < kMinHistoryEntries || loaded.maxHistoryEntries > kMaxHistoryEntries)
                resetKeys << QStringLiteral("maxHistoryEntries");
            loaded = sanitized(loaded);
        } catch (const std::exception &error) {
            diagWarning(lcSettings(), QStringLiteral("[SettingsStore.load] Stored settings cannot be read (%1)")
                                          .arg(logDescription(error)));
            decoded.reset();
            loaded = UserSettings::defaults();
        }
        if (!decoded)
            resetKeys = recordKeys();
        // The next save drops what could not be read; the user may want to see what it was.
        if (!resetKeys.isEmpty() && kept)
            m_userDefaults.setData(unreadableSettingsKey, *kept);
    }
    // A damaged file kept only what came before the damage: whatever is missing was lost
    // with it, not left out by an older version.
    if (m_userDefaults.wasSalvaged()) {
        for (const QString &key : recordKeys()) {
            if (!resetKeys.contains(key) && (!decoded || !json::member(*decoded, key.toStdString())))
                resetKeys << key;
        }
    }
    resolveDuplicatedShortcuts(loaded, resetKeys);
    checkOtherKeys(resetKeys);
    if (!resetKeys.isEmpty())
        diagWarning(lcSettings(), QStringLiteral("[SettingsStore.load] Settings reset to their defaults: %1; "
                                                 "the stored record is kept under %2")
                                      .arg(resetKeys.join(QStringLiteral(", ")),
                                           QString::fromLatin1(unreadableSettingsKey)));
    m_resetKeys = resetKeys;
    // Nothing is written at start-up, so the record is set without scheduling a save.
    m_settings = loaded;
}

QString SettingsStore::shortcutKey(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::quickZarrow: return QStringLiteral("quickZarrowShortcut");
    case ShortcutAction::repeatZarrow: return QStringLiteral("repeatZarrowShortcut");
    case ShortcutAction::codeMode: return QStringLiteral("codeModeShortcut");
    case ShortcutAction::openHistory: return QStringLiteral("historyShortcut");
    case ShortcutAction::scanCode: return QStringLiteral("scanCodeShortcut");
    }
    return {};
}

void SettingsStore::resolveDuplicatedShortcuts(UserSettings &settings, QStringList &resetKeys)
{
    const auto holder = [&settings](const Shortcut &shortcut, ShortcutAction except) {
        for (const ShortcutAction other : kAllShortcutActions) {
            if (other != except && settings.shortcut(other) == shortcut)
                return std::optional<ShortcutAction>(other);
        }
        return std::optional<ShortcutAction>();
    };
    // A slot that was reset gives way to one the user set; else the later slot does.
    const auto givesWay = [&](ShortcutAction a, ShortcutAction b) {
        const bool aReset = resetKeys.contains(shortcutKey(a));
        const bool bReset = resetKeys.contains(shortcutKey(b));
        if (aReset != bReset)
            return aReset ? a : b;
        return a < b ? b : a;
    };
    for (const ShortcutAction action : kAllShortcutActions) {
        const std::optional<ShortcutAction> other = holder(settings.shortcut(action), action);
        if (!other)
            continue;
        const ShortcutAction moved = givesWay(action, *other);
        const auto first = std::find(kAllShortcutActions.begin(), kAllShortcutActions.end(), moved);
        for (std::size_t i = 0; i < kAllShortcutActions.size(); ++i) {
            const ShortcutAction source =
                kAllShortcutActions[(std::size_t(first - kAllShortcutActions.begin()) + i) % kAllShortcutActions.size()];
            const Shortcut candidate = UserSettings::defaults().shortcut(source);
            if (!holder(candidate, moved)) {
                settings.setShortcut(moved, candidate);
                break;
            }
        }
        if (!resetKeys.contains(shortcutKey(moved)))
            resetKeys << shortcutKey(moved);
    }
}

void SettingsStore::checkOtherKeys(QStringList &resetKeys)
{
    // Read by other parts of the program with a default for a missing value: one of the
    // wrong type or out of range would fall back to it silently.
    enum class Type { flag, text, texts, integer };
    struct Key {
        const char *name;
        Type type;
        qint64 minimum = 0;
        qint64 maximum = 0;
    };
    static const Key keys[] = {
        {"hasSeenOnboarding", Type::flag},
        {"com.corvantis.hasLaunchedBefore", Type::flag},
        {LanguageManager::userDefaultsKey, Type::text},
        {LanguageManager::appleLanguagesKey, Type::texts},
        {"RecognitionEngineReleaseSeconds", Type::integer, 1, maxEngineReleaseSeconds},
        {versionKey, Type::integer, 0, INT32_MAX},
    };
    std::optional<json::Json> kept = m_userDefaults.objectValue(unreadableValuesKey);
    bool added = false;
    for (const Key &key : keys) {
        const QString name = QString::fromLatin1(key.name);
        if (!m_userDefaults.contains(name))
            continue;
        bool readable = false;
        switch (key.type) {
        case Type::flag: readable = m_userDefaults.boolValue(name).has_value(); break;
        case Type::text: readable = m_userDefaults.stringValue(name).has_value(); break;
        case Type::texts: readable = m_userDefaults.stringListValue(name).has_value(); break;
        case Type::integer: {
            const std::optional<qint64> value = m_userDefaults.integerValue(name);
            readable = value && *value >= key.minimum && *value <= key.maximum;
            break;
        }
        }
        if (readable)
            continue;
        if (!kept)
            kept = json::Json::object();
        (*kept)[key.name] = m_userDefaults.rawValue(name);
        added = true;
        m_userDefaults.remove(name);
        resetKeys << name;
    }
    if (added)
        m_userDefaults.setObject(unreadableValuesKey, *kept);
}

QStringList SettingsStore::recordKeys()
{
    QStringList keys;
    const json::Json record = UserSettings::defaults().toJson();
    for (const auto &[key, value] : record.items())
        keys << QString::fromStdString(key);
    return keys;
}

void SettingsStore::checkSchemaVersion()
{
    // Version 1 is the only schema; older records are completed key by key on decoding.
    const std::optional<qint64> stored = m_userDefaults.integerValue(versionKey);
    Q_UNUSED(stored);
}

void SettingsStore::publish(const UserSettings &settings)
{
    const UserSettings next = settings;
    emit settingsWillChange(next);
    m_settings = next;
    emit settingsChanged(m_settings);
    scheduleSave();
}

void SettingsStore::scheduleSave()
{
    m_saveDebouncer.start();
}

void SettingsStore::save()
{
    m_saveDebouncer.stop();
    const UserSettings toStore = sanitized(m_settings);

    json::Json record;
    try {
        record = toStore.toJson();
    } catch (const std::exception &error) {
        diagWarning(lcSettings(), QStringLiteral("[SettingsStore.save] Cannot encode the settings: %1").arg(logDescription(error)));
        const SettingsStoreError failure(SettingsStoreError::Kind::persistenceFailed, errorPhrase(error));
        emit saveFailed(failure.localizedDescription());
        throw failure;
    }

    m_userDefaults.setObject(settingsKey, record);
    m_userDefaults.setInteger(versionKey, currentSchemaVersion);
    // A write that never reached the disk is a failure, not a save.
    if (!m_userDefaults.synchronize()) {
        const Phrase reason = m_userDefaults.lastError();
        diagWarning(lcSettings(), QStringLiteral("[SettingsStore.save] Cannot write the settings: %1").arg(reason.english()));
        const SettingsStoreError failure(SettingsStoreError::Kind::persistenceFailed, reason);
        emit saveFailed(failure.localizedDescription());
        throw failure;
    }

    if (toStore != m_settings)
        publish(toStore);
    emit settingsDidChange();
}

void SettingsStore::throwOnDuplicatedShortcut(const UserSettings &candidate) const
{
    // Only a shortcut being changed can be refused: a clash the record already held must
    // not make every other change fail where nothing says why.
    for (const ShortcutAction action : kAllShortcutActions) {
        const Shortcut shortcut = candidate.shortcut(action);
        if (shortcut != m_settings.shortcut(action) && candidate.hasConflict(shortcut))
            throw SettingsStoreError(shortcut);
    }
}

void SettingsStore::applyFieldUpdate(const std::function<void(UserSettings &)> &change)
{
    UserSettings candidate = m_settings;
    change(candidate);
    candidate = sanitized(std::move(candidate));
    throwOnDuplicatedShortcut(candidate);
    publish(candidate);
}

void SettingsStore::setShowDockIcon(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.showDockIcon = value; });
}

void SettingsStore::setPlaySoundOnCapture(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.playSoundOnCapture = value; });
}

void SettingsStore::setUseSystemNotifications(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.useSystemNotifications = value; });
}

void SettingsStore::setShowPinWidgetAfterCapture(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.showPinWidgetAfterCapture = value; });
}

void SettingsStore::setAutoDetectLanguage(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.autoDetectLanguage = value; });
}

void SettingsStore::setTextProcessing(const TextProcessingSettings &value)
{
    applyFieldUpdate([&value](UserSettings &s) { s.textProcessing = value; });
}

void SettingsStore::setPreferredLanguages(const QStringList &value)
{
    applyFieldUpdate([&value](UserSettings &s) { s.preferredLanguages = value; });
}

void SettingsStore::storeLaunchAtLogin(bool value)
{
    applyFieldUpdate([value](UserSettings &s) { s.launchAtLogin = value; });
}

void SettingsStore::storeMaxHistoryEntries(qint64 value)
{
    applyFieldUpdate([value](UserSettings &s) { s.maxHistoryEntries = value; });
}

void SettingsStore::storeShortcut(ShortcutAction action, const Shortcut &shortcut)
{
    applyFieldUpdate([action, shortcut](UserSettings &s) { s.setShortcut(action, shortcut); });
}

void SettingsStore::updateShortcut(const Shortcut &shortcut, ShortcutAction action)
{
    diag(lcSettings(), QStringLiteral("[SettingsStore.updateShortcut] %1: %2")
             .arg(displayName(action), shortcut.displayString()));
    if (shortcut.isSystemReserved()) {
        throw SettingsStoreError(SettingsStoreError::Kind::validationFailed,
                                 //: Why a shortcut cannot be stored; %1 is the key combination
                                 //% "Shortcut %1 is reserved by the system"
                                 Phrase::text(QT_TRID_NOOP("error.settings_store.reason.reserved_shortcut"),
                                              {shortcut.displayString()}));
    }
    UserSettings candidate = m_settings;
    candidate.setShortcut(action, shortcut);
    if (candidate.hasConflict(shortcut))
        throw SettingsStoreError(shortcut);
    const Shortcut previous = m_settings.shortcut(action);
    storeShortcut(action, shortcut);
    try {
        save();
    } catch (const SettingsStoreError &) {
        // The global shortcuts follow saved settings only, so the old one stays active:
        // the slot holds it again, and everything showing the slot says so.
        storeShortcut(action, previous);
        throw;
    }
}

bool SettingsStore::isShortcutAvailable(const Shortcut &shortcut, ShortcutAction action) const
{
    if (shortcut.isSystemReserved())
        return false;
    UserSettings candidate = m_settings;
    candidate.setShortcut(action, shortcut);
    return !candidate.hasConflict(shortcut);
}

void SettingsStore::setMaxHistoryEntries(qint64 value)
{
    if (value < kMinHistoryEntries || value > kMaxHistoryEntries) {
        throw SettingsStoreError(SettingsStoreError::Kind::invalidValue,
                                 //: Why a history size cannot be stored; %1 is the number asked for
                                 //% "Max history entries must be between 1 and 1000, got %1"
                                 Phrase::text(QT_TRID_NOOP("error.settings_store.reason.history_size"), {QString::number(value)}));
    }
    storeMaxHistoryEntries(value);
}

void SettingsStore::setLaunchAtLogin(bool enabled)
{
    using Kind = SettingsStoreError::Kind;

    // Refuse first what storing the field would refuse, so the login item is only
    // touched when the field can follow it.
    UserSettings candidate = m_settings;
    candidate.launchAtLogin = enabled;
    try {
        throwOnDuplicatedShortcut(sanitized(candidate));
    } catch (const SettingsStoreError &error) {
        throw SettingsStoreError(Kind::launchItemConfigurationFailed, error.description());
    }

    const bool registered = m_loginItem.status() == LoginItem::Status::enabled;
    bool changedItem = false;
    try {
        if (enabled && !registered) {
            m_loginItem.registerItem();
            changedItem = true;
        } else if (!enabled && registered) {
            m_loginItem.unregisterItem();
            changedItem = true;
        }
    } catch (const std::exception &error) {
        diagWarning(lcSettings(), QStringLiteral("[SettingsStore.setLaunchAtLogin] %1").arg(logDescription(error)));
        throw SettingsStoreError(Kind::launchItemConfigurationFailed, errorPhrase(error));
    }

    try {
        storeLaunchAtLogin(enabled);
    } catch (const std::exception &error) {
        // Put the login item back as it was, so it agrees with the unchanged field.
        if (changedItem) {
            try {
                if (enabled)
                    m_loginItem.unregisterItem();
                else
                    m_loginItem.registerItem();
            } catch (const std::exception &undoError) {
                diagWarning(lcSettings(), QStringLiteral("[SettingsStore.setLaunchAtLogin] Cannot restore the login item: %1")
                         .arg(logDescription(undoError)));
            }
        }
        throw SettingsStoreError(Kind::launchItemConfigurationFailed, errorPhrase(error));
    }
}

} // namespace quorvane
