// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/phrase.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <nlohmann/json.hpp>

#include <optional>

namespace quorvane {

// A small key-value database of the user's preferences, kept as one JSON file.
// Changes are held in memory and written atomically: at the next turn of the event
// loop, on `synchronize`, or when the object is destroyed.
class UserDefaults : public QObject {
    Q_OBJECT
public:
    // Opens (or starts) the database at `filePath`. An unreadable file (also one too large
    // or too deeply nested, or not a regular file) is moved aside to
    // "<file>.unreadable-<time>" and the database starts with what could still be read
    // from it (`wasSalvaged`), else empty; `loadProblem` says so.
    explicit UserDefaults(const QString &filePath, QObject *parent = nullptr);
    // A look at the values only, for a reader that runs before or beside the program: an
    // unreadable file stays where it is, for the program to set aside and tell of.
    struct LookOnly {};
    UserDefaults(const QString &filePath, LookOnly);
    ~UserDefaults() override;

    // "$XDG_CONFIG_HOME/Quorvane/defaults.json".
    static QString standardFilePath();

    QString filePath() const { return m_path; }
    bool contains(const QString &key) const;

    // Typed reads: absent when the key is missing or holds another type.
    std::optional<bool> boolValue(const QString &key) const;
    std::optional<qint64> integerValue(const QString &key) const;
    std::optional<QString> stringValue(const QString &key) const;
    std::optional<QByteArray> dataValue(const QString &key) const;
    std::optional<QStringList> stringListValue(const QString &key) const;
    // A JSON object kept as it is, so the file stays readable and editable by hand.
    std::optional<nlohmann::json> objectValue(const QString &key) const;
    // The value as stored, whatever its type; null when the key is missing.
    nlohmann::json rawValue(const QString &key) const;

    void setBool(const QString &key, bool value);
    void setInteger(const QString &key, qint64 value);
    void setString(const QString &key, const QString &value);
    void setData(const QString &key, const QByteArray &value);
    void setStringList(const QString &key, const QStringList &value);
    void setObject(const QString &key, const nlohmann::json &object);
    void remove(const QString &key);

    // Writes pending changes now, readable by the user only (folder 0700, file 0600).
    // False when the file could not be written in full; the file on disk is then as it
    // was, `lastError` says why and the changes stay pending.
    bool synchronize();
    const Phrase &lastError() const { return m_lastError; }
    // Non-empty when the file existed but could not be read at creation.
    QString loadProblem() const { return m_loadProblem; }
    // Where an unreadable file was moved at creation; empty when none was.
    QString setAsidePath() const { return m_setAsidePath; }
    // True when the file was damaged and the values read before the damage were kept.
    bool wasSalvaged() const { return m_salvaged; }

private:
    // Reads the file; an unreadable one is moved aside when `setAside` is true.
    void load(bool setAside);
    void store(const QString &key, nlohmann::json value);
    void markDirty();
    const nlohmann::json *find(const QString &key) const;

    QString m_path;
    nlohmann::json m_values = nlohmann::json::object();
    bool m_dirty = false;
    bool m_flushScheduled = false;
    Phrase m_lastError;
    QString m_loadProblem;
    QString m_setAsidePath;
    bool m_salvaged = false;
};

} // namespace quorvane
