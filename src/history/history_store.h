// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "history/free_space_source.h"
#include "history/history_codec.h"
#include "history/history_files.h"
#include "history/history_store_error.h"

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUuid>

#include <memory>
#include <optional>

namespace quorvane {

// The capture history: records newest first, bounded to a maximum, mirrored in
// "history.json" of one folder. Every operation runs on the store's own one-thread
// executor, one at a time, and reports through its future; failures arrive as
// HistoryStoreError. The file is read on first use; every change rewrites it whole. The
// program keeps one store over its history folder and hands it to every window that needs it:
// the store assumes no other writer, so a second store over the same folder would undo
// the first's changes.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    static constexpr int minimumMaxEntries = 1;
    static constexpr int maximumMaxEntries = 1000;
    // A save is refused when the volume has less free space than this.
    static constexpr qint64 requiredFreeBytes = 10'000'000;

    // `folder` absent means the default folder (defaultFolder()). `maxEntries` is clamped
    // to 1...1000. Creates the folder (mode 0700); reads nothing. Throws
    // HistoryStoreError::storageAccessFailed when the folder cannot be found, made or written.
    // Its signals are emitted on the application's main thread, so a caller waiting there
    // must keep its event loop running.
    HistoryStore(std::optional<QString> folder, int maxEntries,
                 std::shared_ptr<const FreeSpaceSource> freeSpace =
                     std::make_shared<StorageInfoFreeSpaceSource>());
    // Waits for the operations already handed to the executor.
    ~HistoryStore() override;

    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // "$XDG_DATA_HOME/Quorvane"; empty when the system names no data folder.
    static QString defaultFolder();

    // A store that keeps its records in memory only: it reads and writes no file and
    // needs no folder (storageFolder() is empty), so nothing is left after exit. Does not fail.
    static std::unique_ptr<HistoryStore> makeInMemory(int maxEntries);

    // PNG of `image` scaled to `width` pixels, height in proportion (1 to 32768 pixels).
    // Thread-safe. Throws HistoryStoreError::thumbnailGenerationFailed.
    static QByteArray generateThumbnail(const QImage &image, int width);

    const QString &storageFolder() const { return m_files.folder(); }
    QString historyFilePath() const { return m_files.historyPath(); }
    QString backupFilePath() const { return m_files.backupPath(); }

    // Stores `entry` first (stamped now when its time cannot be written), drops the
    // oldest beyond the maximum (unless the history already held more, which only a
    // lower maximum set by `setMaxEntries` trims), saves, then emits `historyDidChange` on the main
    // thread; the future finishes after that. When the save fails the entry stays
    // in memory and nothing is emitted.
    QFuture<void> addEntry(CaptureHistoryEntry entry);
    // The records newest first; all of them when `limit` is absent or below 1.
    virtual QFuture<QList<CaptureHistoryEntry>> getEntries(std::optional<int> limit = std::nullopt);
    // Removes the first record with `id` and saves; entryNotFound when there is none.
    virtual QFuture<void> deleteEntry(QUuid id);
    // Outside 1...1000: invalidMaxEntries, nothing changes. Drops the oldest records
    // beyond the new maximum; only then saves and emits `historyDidChange`.
    QFuture<void> setMaxEntries(int maxEntries);
    // Reads the history file unless already read. A record that does not decode is
    // written, as it stood, to a file of its own (`recordsSetAside`) and the others load;
    // a file that is no JSON array, or one that can never be read (no regular file, too
    // large, not this user's to read), is set aside (`historyFileSetAside`) and the backup
    // takes its place; a read that may work later fails with storageAccessFailed.
    QFuture<void> ensureLoaded();
    // Empties the history, saves and emits `historyDidChange`. The previous history
    // stays in "history.backup.json".
    QFuture<void> clearAll();
    // Removes the records with these `ids` (those already gone are skipped), saves and
    // emits `historyDidChange`. The previous history stays in "history.backup.json".
    QFuture<void> deleteEntries(const QList<QUuid> &ids);
    // The records held in memory now, without loading.
    QFuture<QList<CaptureHistoryEntry>> entries();

    // What a load kept aside: the whole file, or only records that could not be read.
    enum class SetAsideKind { file, records };
    struct SetAside {
        SetAsideKind kind;
        QString path;
    };
    // Everything this store has kept aside so far, oldest first, so that a window opened
    // later can still say so. Thread-safe.
    QList<SetAside> setAsideSoFar() const;

signals:
    // The records changed (added, trimmed or cleared).
    void historyDidChange();
    // One record was deleted. Apart from the change above: the History window, which made
    // the deletion itself, keeps its list, while counts elsewhere follow.
    void entryDeleted();
    // Emitted once for every file that could not be read (or held captures deleted by
    // hand) and was kept under a new name, `path`.
    void historyFileSetAside(const QString &path);
    // Emitted once for every load that found records it could not read (a newer
    // version's, or damaged by hand): they were written, as they stood, to `path`, and
    // every other record was loaded.
    void recordsSetAside(const QString &path);

private:
    enum class BackupStep { refresh, keep };
    struct InMemory {};
    HistoryStore(InMemory, int maxEntries);

    // The steps below run on the executor thread only.
    void ensureLoadedNow();
    void loadFromDisk();
    void saveToDisk(BackupStep backup = BackupStep::refresh);
    void recoverFromCorruption();
    void recoverFromUnreadableFile();
    // Replaces the records with those of the backup (none without one) and saves them.
    void recoverFromBackup();
    void setLeftoversAside() const;
    // Writes `rejected` to a file of its own and saves the history without them, so
    // that they are kept aside once. Throws storageAccessFailed when they cannot be kept.
    void keepRejectedAside(const QList<QByteArray> &rejected);
    void announceSetAside(const QString &path, SetAsideKind kind = SetAsideKind::file);
    // Saves, or puts `previous` back when the save fails.
    void saveOrUndo(QList<EncodedEntry> previous);
    void trimTo(int limit);

    HistoryFiles m_files;
    std::shared_ptr<const FreeSpaceSource> m_freeSpace;

    QList<EncodedEntry> m_entries; // newest first, each with its text in the file
    int m_maxEntries;
    bool m_isLoaded = false;
    bool m_inMemory = false;
    bool m_historyUnreadableForGood = false; // set by the last load that could not read the file
    mutable QMutex m_setAsideMutex;
    QList<SetAside> m_setAside; // guarded by m_setAsideMutex

    QObject m_mainThreadContext; // continuations that must run on the main thread
    QThreadPool m_executor;      // declared last: stopped before anything it uses goes
};

} // namespace quorvane
