// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_defaults.h"

#include "platform/atomic_save.h"
#include "platform/bounded_file.h"
#include "platform/bounded_json.h"
#include "platform/log_categories.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace quorvane {

namespace {
// Binary values are kept as {"data": "<base64>"} so the file stays valid UTF-8 JSON.
constexpr const char *kDataMember = "data";
// Far above what the settings take; a larger file is not one of ours.
constexpr qsizetype kMaxFileBytes = 4 << 20;
} // namespace

UserDefaults::UserDefaults(const QString &filePath, QObject *parent)
    : QObject(parent), m_path(filePath)
{
    load(true);
}

UserDefaults::UserDefaults(const QString &filePath, LookOnly) : m_path(filePath)
{
    load(false);
}

UserDefaults::~UserDefaults()
{
    if (m_dirty)
        synchronize();
}

QString UserDefaults::standardFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quorvane/defaults.json");
}

void UserDefaults::load(bool setAside)
{
    const BoundedRead file = readStoredFile(m_path, kMaxFileBytes);
    QString problem;
    if (!file.ok()) {
        if (file.error().failure == BoundedRead::Failure::missing)
            return;
        problem = file.error().reason;
    } else {
        nlohmann::json parsed = parseBoundedJson(file.bytes(), kMaxFileBytes);
        if (!parsed.is_discarded() && parsed.is_object()) {
            m_values = std::move(parsed);
            return;
        }
        problem = QStringLiteral("not a JSON object of bounded depth");
        // The file stays set aside as it is; what it still holds is not lost meanwhile.
        nlohmann::json salvaged = salvageBoundedJsonObject(file.bytes(), kMaxFileBytes);
        if (!salvaged.is_discarded() && !salvaged.empty()) {
            m_values = std::move(salvaged);
            m_salvaged = true;
        }
    }
    if (!setAside)
        return;
    // Keep the bytes for whoever wants to look at them; start afresh beside them.
    const QString aside = m_path + QStringLiteral(".unreadable-")
                          + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"));
    const bool moved = QFile::rename(m_path, aside);
    if (moved)
        m_setAsidePath = aside;
    m_loadProblem = moved
        ? QStringLiteral("%1 could not be read (%2); it was moved to %3").arg(m_path, problem, aside)
        : QStringLiteral("%1 could not be read (%2) and could not be moved aside").arg(m_path, problem);
    qCWarning(lcSettings).noquote() << "[UserDefaults]" << m_loadProblem;
}

const nlohmann::json *UserDefaults::find(const QString &key) const
{
    const auto it = m_values.find(key.toStdString());
    return it == m_values.end() ? nullptr : &*it;
}

bool UserDefaults::contains(const QString &key) const
{
    return find(key) != nullptr;
}

std::optional<bool> UserDefaults::boolValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v || !v->is_boolean())
        return std::nullopt;
    return v->get<bool>();
}

std::optional<qint64> UserDefaults::integerValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v)
        return std::nullopt;
    if (v->is_number_integer())
        return v->get<qint64>();
    if (v->is_number_unsigned() && v->get<quint64>() <= quint64(INT64_MAX))
        return qint64(v->get<quint64>());
    return std::nullopt;
}

std::optional<QString> UserDefaults::stringValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v || !v->is_string())
        return std::nullopt;
    return QString::fromStdString(v->get<std::string>());
}

std::optional<QByteArray> UserDefaults::dataValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v || !v->is_object())
        return std::nullopt;
    const auto member = v->find(kDataMember);
    if (member == v->end() || !member->is_string())
        return std::nullopt;
    const auto &text = member->get_ref<const std::string &>();
    auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(text),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

std::optional<QStringList> UserDefaults::stringListValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v || !v->is_array())
        return std::nullopt;
    QStringList list;
    for (const auto &item : *v) {
        if (!item.is_string())
            return std::nullopt;
        list << QString::fromStdString(item.get<std::string>());
    }
    return list;
}

std::optional<nlohmann::json> UserDefaults::objectValue(const QString &key) const
{
    const auto *v = find(key);
    if (!v || !v->is_object())
        return std::nullopt;
    return *v;
}

nlohmann::json UserDefaults::rawValue(const QString &key) const
{
    const auto *v = find(key);
    return v ? *v : nlohmann::json();
}

void UserDefaults::setBool(const QString &key, bool value) { store(key, value); }
void UserDefaults::setInteger(const QString &key, qint64 value) { store(key, value); }
void UserDefaults::setString(const QString &key, const QString &value) { store(key, value.toStdString()); }

void UserDefaults::setData(const QString &key, const QByteArray &value)
{
    store(key, nlohmann::json{{kDataMember, value.toBase64().toStdString()}});
}

void UserDefaults::setStringList(const QString &key, const QStringList &value)
{
    auto array = nlohmann::json::array();
    for (const QString &s : value)
        array.push_back(s.toStdString());
    store(key, std::move(array));
}

void UserDefaults::setObject(const QString &key, const nlohmann::json &object)
{
    store(key, object);
}

void UserDefaults::remove(const QString &key)
{
    if (m_values.erase(key.toStdString()) > 0)
        markDirty();
}

void UserDefaults::store(const QString &key, nlohmann::json value)
{
    m_values[key.toStdString()] = std::move(value);
    markDirty();
}

void UserDefaults::markDirty()
{
    m_dirty = true;
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_flushScheduled = false;
            if (m_dirty)
                synchronize();
        });
    }
}

bool UserDefaults::synchronize()
{
    if (!m_dirty)
        return true;
    const QString folder = QFileInfo(m_path).absolutePath();
    // The settings name the user's shortcuts and languages: theirs alone, like the data folder.
    if (!QDir().mkpath(folder)) {
        m_lastError = cannotCreateFolder(folder);
        return false;
    }
    if (!QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        const int systemError = errno;
        // Typically a folder made by a run as another user (sudo): it is there, but not ours.
        const QFileInfo info(folder);
        m_lastError = info.ownerId() != ::getuid()
                          //: The settings could not be saved; %1 is their folder, %2 the name of the user who owns it
                          //% "The folder %1 belongs to the user %2, so Quorvane cannot keep its settings there private."
                          ? Phrase::text(QT_TRID_NOOP("settings_file.folder_of_another_user"), {folder, info.owner()})
                          //: The settings could not be saved; %1 is their folder, %2 the system's reason
                          //% "Cannot make the folder %1 private: %2"
                          : Phrase::text(QT_TRID_NOOP("settings_file.cannot_restrict_folder"),
                                         {folder, QString::fromLocal8Bit(std::strerror(systemError))});
        return false;
    }
    const std::string text = m_values.dump(2) + "\n";
    // A link at the file's place is replaced, never written through: it could point at
    // any file of the user's.
    if (const auto failure = replaceWithNewFile(m_path, QByteArray::fromStdString(text), 0600)) {
        m_lastError = *failure;
        qCWarning(lcSettings).noquote() << "[UserDefaults] could not write" << m_path << ":" << m_lastError.english();
        return false;
    }
    m_lastError = {};
    m_dirty = false;
    return true;
}

} // namespace quorvane
