// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "core/json_util.h"
#include "history/free_space_source.h"
#include "history/history_store.h"
#include "support/event_loop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>

namespace quorvane::test {

// A volume whose free space the test decides; none means "cannot be asked".
class FakeFreeSpace final : public FreeSpaceSource {
public:
    explicit FakeFreeSpace(std::optional<qint64> bytes = qint64(1) << 40)
        : m_bytes(bytes.value_or(0)), m_known(bytes.has_value())
    {
    }
    std::optional<qint64> bytesAvailable(const QString &) const override
    {
        if (!m_known)
            return std::nullopt;
        return m_bytes.load();
    }
    void set(qint64 bytes) { m_bytes = bytes; }

private:
    std::atomic<qint64> m_bytes;
    bool m_known;
};

inline CaptureHistoryEntry makeEntry(const QString &text, const QDateTime &timestamp)
{
    CaptureHistoryEntry entry;
    entry.text = text;
    entry.timestamp = timestamp;
    entry.sourceRect = QRectF(1, 2, 30, 40);
    entry.thumbnailData = QByteArray("png-bytes");
    return entry;
}

// A time on whole seconds, as the history file keeps it.
inline QDateTime at(int secondsAfterBase)
{
    return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC).addSecs(secondsAfterBase);
}

inline QByteArray historyJson(const QList<CaptureHistoryEntry> &entries)
{
    json::Json array = json::Json::array();
    for (const CaptureHistoryEntry &entry : entries)
        array.push_back(entry.toJson());
    return json::dump(array);
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The texts of the records a history file holds, in file order.
inline QStringList textsInFile(const QString &path)
{
    QStringList texts;
    for (const json::Json &object : json::parse(readFile(path)))
        texts << CaptureHistoryEntry::fromJson(object).text;
    return texts;
}

inline QStringList textsOf(const QList<CaptureHistoryEntry> &entries)
{
    QStringList texts;
    for (const CaptureHistoryEntry &entry : entries)
        texts << entry.text;
    return texts;
}

// Waits for an operation while the event loop runs; rethrows what it failed with.
template <typename T>
T await(QFuture<T> future)
{
    EXPECT_TRUE(waitFor(future, 60000));
    if constexpr (std::is_void_v<T>)
        future.waitForFinished();
    else
        return future.result();
}

// The HistoryStoreError an operation failed with; none when it succeeded.
template <typename T>
std::optional<HistoryStoreError> failureOf(QFuture<T> future)
{
    EXPECT_TRUE(waitFor(future, 60000));
    try {
        future.waitForFinished();
    } catch (const HistoryStoreError &error) {
        return error;
    }
    return std::nullopt;
}

// Counts a store's `historyDidChange` signals and where they arrived.
class ChangeCounter {
public:
    explicit ChangeCounter(HistoryStore &store)
    {
        QObject::connect(&store, &HistoryStore::historyDidChange, &context, [this] {
            ++count;
            onMainThread = QThread::currentThread() == qApp->thread();
        });
    }
    QObject context; // ties further observers of a test to this counter's lifetime
    int count = 0;
    bool onMainThread = false;
};

// A history folder in a fresh temporary directory, and a store factory over it.
class HistoryFolderTest : public ::testing::Test {
protected:
    QString folder() const { return m_dir.path() + QStringLiteral("/Quorvane"); }
    QString path(const char *name) const { return folder() + QLatin1Char('/') + QLatin1String(name); }
    QString historyPath() const { return path("history.json"); }
    QString backupPath() const { return path("history.backup.json"); }
    QString temporaryPath() const { return path("history.tmp.json"); }

    std::unique_ptr<HistoryStore> makeStore(int maxEntries = 100)
    {
        return std::make_unique<HistoryStore>(folder(), maxEntries, freeSpace);
    }
    // Prepares a folder holding `entries` as its history file.
    void seedHistory(const QList<CaptureHistoryEntry> &entries)
    {
        QDir().mkpath(folder());
        writeFile(historyPath(), historyJson(entries));
    }
    QStringList filesInFolder() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir m_dir;
    std::shared_ptr<FakeFreeSpace> freeSpace = std::make_shared<FakeFreeSpace>();
};

} // namespace quorvane::test
