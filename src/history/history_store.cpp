// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_store.h"

#include "core/async_run.h"

#include "core/diagnostics.h"
#include "core/json_util.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPromise>
#include <QSet>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <exception>
#include <type_traits>
#include <utility>

namespace quorvane {

namespace {

constexpr int maximumThumbnailHeight = 32768;

void sortNewestFirst(QList<EncodedEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const EncodedEntry &a, const EncodedEntry &b) {
        return a.entry.timestamp > b.entry.timestamp;
    });
}

// One record per id, the newest: a file edited or merged by hand may repeat one, and a
// record deleted by id must not come back from its twin.
void dropRepeatedIds(QList<EncodedEntry> &newestFirst)
{
    QSet<QUuid> seen;
    newestFirst.removeIf([&seen](const EncodedEntry &e) {
        if (seen.contains(e.entry.id))
            return true;
        seen.insert(e.entry.id);
        return false;
    });
}

QList<CaptureHistoryEntry> recordsOf(const QList<EncodedEntry> &entries, qsizetype count)
{
    QList<CaptureHistoryEntry> records;
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        records.append(entries[i].entry);
    return records;
}

} // namespace

HistoryStore::HistoryStore(std::optional<QString> folder, int maxEntries,
                           std::shared_ptr<const FreeSpaceSource> freeSpace)
    : m_files([&folder] {
          if (folder)
              return *folder;
          const QString base = defaultFolder();
          if (base.isEmpty())
              throw HistoryStoreError::storageAccessFailed(
                  //: Why the history cannot be kept: no data folder is known
                  //% "Cannot access the data folder"
                  Phrase::text(QT_TRID_NOOP("error.history.reason.no_data_folder")));
          return base;
      }()),
      m_freeSpace(freeSpace ? std::move(freeSpace) : std::make_shared<StorageInfoFreeSpaceSource>()),
      m_maxEntries(std::clamp(maxEntries, minimumMaxEntries, maximumMaxEntries))
{
    HistoryFiles::createFolder(m_files.folder());
    // A folder that exists but cannot be written would fail every capture later; the
    // caller can still fall back to a history in memory now.
    HistoryFiles::checkWritable(m_files.folder());
    if (QCoreApplication *app = QCoreApplication::instance())
        m_mainThreadContext.moveToThread(app->thread());
    m_executor.setMaxThreadCount(1);
}

HistoryStore::~HistoryStore()
{
    m_executor.waitForDone();
}

QString HistoryStore::defaultFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return base + QStringLiteral("/Quorvane");
}

HistoryStore::HistoryStore(InMemory, int maxEntries)
    : m_files(QString()),
      m_freeSpace(std::make_shared<StorageInfoFreeSpaceSource>()),
      m_maxEntries(std::clamp(maxEntries, minimumMaxEntries, maximumMaxEntries)),
      m_isLoaded(true),
      m_inMemory(true)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        m_mainThreadContext.moveToThread(app->thread());
    m_executor.setMaxThreadCount(1);
}

std::unique_ptr<HistoryStore> HistoryStore::makeInMemory(int maxEntries)
{
    return std::unique_ptr<HistoryStore>(new HistoryStore(InMemory{}, maxEntries));
}

QByteArray HistoryStore::generateThumbnail(const QImage &image, int width)
{
    const int w = image.width();
    const int h = image.height();
    if (image.isNull() || w < 1 || h < 1)
        throw HistoryStoreError::thumbnailGenerationFailed(
            QStringLiteral("Invalid image dimensions: %1x%2").arg(w).arg(h));
    if (width < 1)
        throw HistoryStoreError::thumbnailGenerationFailed(QStringLiteral("Cannot create the drawing surface"));

    // A sliver of a selection would otherwise ask for a bitmap of gigabytes.
    const double proportional = std::trunc(double(h) / double(w) * double(width));
    const int height = int(std::clamp(proportional, 1.0, double(maximumThumbnailHeight)));

    QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (source.isNull())
        throw HistoryStoreError::thumbnailGenerationFailed(QStringLiteral("Cannot create the drawing surface"));
    if (!source.colorSpace().isValid())
        source.setColorSpace(QColorSpace(QColorSpace::SRgb));

    const QImage scaled =
        source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull() || scaled.width() != width || scaled.height() != height)
        throw HistoryStoreError::thumbnailGenerationFailed(
            QStringLiteral("Cannot create resized image"));

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(scaled) || png.isEmpty())
        throw HistoryStoreError::thumbnailGenerationFailed(QStringLiteral("Cannot convert to PNG"));
    return png;
}

QFuture<void> HistoryStore::addEntry(CaptureHistoryEntry entry)
{
    // A time the file cannot hold would make the whole file undecodable at the next
    // launch; the record was just made, so now is its time.
    if (!json::parseIsoDate(json::isoDateString(entry.timestamp)))
        entry.timestamp = QDateTime::currentDateTimeUtc();
    return runAsync(m_executor, [this, entry = std::move(entry)] {
                      ensureLoadedNow();
               // A history above its maximum (one set lower elsewhere, or reset because its
               // stored value was unreadable) is trimmed only when the user lowers it.
               const int limit = m_entries.size() > m_maxEntries ? maximumMaxEntries : m_maxEntries;
               m_entries.prepend(EncodedEntry{entry, {}});
               trimTo(limit);
               saveToDisk();
           })
        .then(&m_mainThreadContext, [this] { emit historyDidChange(); });
}

QFuture<QList<CaptureHistoryEntry>> HistoryStore::getEntries(std::optional<int> limit)
{
    return runAsync(m_executor, [this, limit] {
        ensureLoadedNow();
        if (!limit || *limit < 1 || *limit >= m_entries.size())
            return recordsOf(m_entries, m_entries.size());
        return recordsOf(m_entries, *limit);
    });
}

QFuture<void> HistoryStore::deleteEntry(QUuid id)
{
    return runAsync(m_executor, [this, id] {
               ensureLoadedNow();
               QList<EncodedEntry> previous = m_entries;
               if (m_entries.removeIf([&id](const EncodedEntry &e) { return e.entry.id == id; }) == 0)
                   throw HistoryStoreError::entryNotFound(id);
               saveOrUndo(std::move(previous));
           })
        .then(&m_mainThreadContext, [this] { emit entryDeleted(); });
}

QFuture<void> HistoryStore::setMaxEntries(int maxEntries)
{
    return runAsync(m_executor, [this, maxEntries] {
               if (maxEntries < minimumMaxEntries || maxEntries > maximumMaxEntries)
                   throw HistoryStoreError::invalidMaxEntries(maxEntries);
                      ensureLoadedNow();
               m_maxEntries = maxEntries;
               if (m_entries.size() <= m_maxEntries)
                   return false;
               QList<EncodedEntry> previous = m_entries;
               trimTo(m_maxEntries);
               saveOrUndo(std::move(previous));
               return true;
           })
        .then(&m_mainThreadContext, [this](bool trimmed) {
            if (trimmed)
                emit historyDidChange();
        });
}

QFuture<void> HistoryStore::ensureLoaded()
{
    return runAsync(m_executor, [this] {
        ensureLoadedNow();
    });
}

QFuture<void> HistoryStore::clearAll()
{
    return runAsync(m_executor, [this] {
               ensureLoadedNow();
               QList<EncodedEntry> previous = std::exchange(m_entries, {});
               saveOrUndo(std::move(previous));
           })
        .then(&m_mainThreadContext, [this] { emit historyDidChange(); });
}

QFuture<void> HistoryStore::deleteEntries(const QList<QUuid> &ids)
{
    return runAsync(m_executor, [this, ids] {
               ensureLoadedNow();
               QList<EncodedEntry> previous = m_entries;
               m_entries.removeIf([&ids](const EncodedEntry &e) { return ids.contains(e.entry.id); });
               saveOrUndo(std::move(previous));
           })
        .then(&m_mainThreadContext, [this] { emit historyDidChange(); });
}

QFuture<QList<CaptureHistoryEntry>> HistoryStore::entries()
{
    return runAsync(m_executor, [this] { return recordsOf(m_entries, m_entries.size()); });
}

void HistoryStore::ensureLoadedNow()
{
    if (m_isLoaded)
        return;
    try {
        loadFromDisk();
    } catch (const HistoryStoreError &error) {
        diagWarning(lcHistory(), QStringLiteral("[HistoryStore.ensureLoaded] ") + error.englishDescription());
        if (error.kind() == HistoryStoreErrorKind::corruptedFile)
            recoverFromCorruption();
        else if (m_historyUnreadableForGood)
            recoverFromUnreadableFile();
        else
            throw;
    }
    m_isLoaded = true;
}

void HistoryStore::loadFromDisk()
{
    QList<EncodedEntry> loaded;
    QList<QByteArray> rejected;
    if (HistoryFiles::exists(m_files.historyPath()))
        loaded = HistoryCodec::decode(HistoryFiles::read(m_files.historyPath(), &m_historyUnreadableForGood),
                                      &rejected);
    else
        setLeftoversAside();
    sortNewestFirst(loaded);
    dropRepeatedIds(loaded);
    // Loading never trims to the configured maximum: that may have been reset for being
    // unreadable, and the captures it would drop are the user's.
    if (loaded.size() > maximumMaxEntries)
        loaded.resize(maximumMaxEntries);
    m_entries = std::move(loaded);
    if (!rejected.isEmpty())
        keepRejectedAside(rejected);
}

void HistoryStore::keepRejectedAside(const QList<QByteArray> &rejected)
{
    // A record this version cannot read costs only itself: it is written out exactly as it
    // stood, and the history is saved without it so that the next start does not keep it
    // aside a second time. The backup made by that save still holds the file as it was.
    const QString aside = m_files.writeAside(HistoryCodec::joinRejected(rejected), "rejected");
    if (aside.isEmpty()) {
        m_entries.clear();
        throw HistoryStoreError::storageAccessFailed(
            QStringLiteral("Cannot keep %1 unreadable records aside").arg(rejected.size()));
    }
    diagWarning(lcHistory(), QStringLiteral("[HistoryStore.loadFromDisk] %1 unreadable records kept as %2")
                                 .arg(rejected.size())
                                 .arg(aside));
    try {
        saveToDisk();
    } catch (const HistoryStoreError &) {
        // Kept aside already; the next change saves the history.
    }
    announceSetAside(aside, SetAsideKind::records);
}

void HistoryStore::setLeftoversAside() const
{
    // Saves replace "history.json" by a rename, so it is never missing half way through
    // one: without it the user removed the history, and a backup or temporary file beside
    // it holds captures they meant to delete. They are kept under a dated name, not read.
    for (const auto &[path, label] : {std::pair{m_files.backupPath(), "backup.set-aside"},
                                      std::pair{m_files.temporaryPath(), "tmp.set-aside"}}) {
        if (!HistoryFiles::exists(path))
            continue;
        if (m_files.moveAside(path, label).isEmpty())
            diagWarning(lcHistory(), QStringLiteral("[HistoryStore.loadFromDisk] Could not set %1 aside")
                     .arg(QFileInfo(path).fileName()));
    }
}

void HistoryStore::recoverFromUnreadableFile()
{
    // A file this user cannot open (owned by another, or no file at all) cannot be kept by
    // a link or a copy; it is moved aside whole, so the saves that follow can replace it.
    const QString aside = m_files.moveAside(m_files.historyPath(), "unreadable");
    if (aside.isEmpty())
        throw HistoryStoreError::storageAccessFailed(
            //: Why the history cannot be kept: its file can neither be read nor set aside; %1 is its path
            //% "Cannot read or move %1"
            Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_set_aside"), {m_files.historyPath()}));
    recoverFromBackup();
    announceSetAside(aside);
}

void HistoryStore::recoverFromCorruption()
{
    // Keep the corrupt file under its dated name but leave it in place until the recovered
    // history has replaced it: if that save fails, the next load recovers again from the
    // backup instead of finding no history at all. The save keeps the backup as it is.
    const QString aside = m_files.linkHistoryAside();
    if (aside.isEmpty())
        diagWarning(lcHistory(), QStringLiteral("[HistoryStore.recoverFromCorruption] Could not keep the "
                            "corrupted history aside"));

    try {
        recoverFromBackup();
    } catch (const HistoryStoreError &) {
        if (!aside.isEmpty())
            QFile::remove(aside);
        throw;
    }
    if (!aside.isEmpty())
        announceSetAside(aside);
}

void HistoryStore::recoverFromBackup()
{
    std::optional<QList<EncodedEntry>> recovered;
    if (HistoryFiles::exists(m_files.backupPath())) {
        try {
            QList<QByteArray> rejected;
            recovered = HistoryCodec::decode(HistoryFiles::read(m_files.backupPath()), &rejected);
            if (!rejected.isEmpty()) {
                if (const QString aside = m_files.writeAside(HistoryCodec::joinRejected(rejected), "rejected");
                    !aside.isEmpty())
                    announceSetAside(aside, SetAsideKind::records);
            }
        } catch (const HistoryStoreError &error) {
            diagWarning(lcHistory(), QStringLiteral("[HistoryStore.recoverFromCorruption] Backup unusable: ")
                 + error.englishDescription());
        }
    }
    if (recovered) {
        sortNewestFirst(*recovered);
        dropRepeatedIds(*recovered);
    }
    m_entries = recovered.value_or(QList<EncodedEntry>());
    saveToDisk(BackupStep::keep);
    diagWarning(lcHistory(), QStringLiteral("[HistoryStore.recoverFromBackup] Restored %1 records from the "
                        "backup")
             .arg(m_entries.size()));
}

void HistoryStore::announceSetAside(const QString &path, SetAsideKind kind)
{
    {
        QMutexLocker lock(&m_setAsideMutex);
        m_setAside.append({kind, path});
    }
    QMetaObject::invokeMethod(&m_mainThreadContext, [this, path, kind] {
        if (kind == SetAsideKind::records)
            emit recordsSetAside(path);
        else
            emit historyFileSetAside(path);
    });
}

QList<HistoryStore::SetAside> HistoryStore::setAsideSoFar() const
{
    QMutexLocker lock(&m_setAsideMutex);
    return m_setAside;
}

void HistoryStore::saveToDisk(BackupStep backup)
{
    if (m_inMemory)
        return;
    const QByteArray bytes = HistoryCodec::encode(m_entries);
    const std::optional<qint64> available = m_freeSpace->bytesAvailable(m_files.folder());
    if (available && *available < requiredFreeBytes) {
        diagWarning(lcHistory(), QStringLiteral("[HistoryStore.saveToDisk] Only %1 bytes free").arg(*available));
        throw HistoryStoreError::diskFull();
    }
    if (backup == BackupStep::refresh)
        m_files.refreshBackup();
    // A folder (or anything else that cannot simply be removed) where the temporary file
    // goes would fail every save: it is kept under a dated name and the user told.
    if (QFileInfo tmp(m_files.temporaryPath()); tmp.isDir() && !tmp.isSymLink()) {
        if (const QString aside = m_files.moveAside(m_files.temporaryPath(), "tmp.set-aside"); !aside.isEmpty())
            announceSetAside(aside);
    }
    try {
        m_files.replaceHistory(bytes);
    } catch (const HistoryStoreError &error) {
        diagWarning(lcHistory(), QStringLiteral("[HistoryStore.saveToDisk] ") + error.englishDescription());
        throw;
    }
}

void HistoryStore::saveOrUndo(QList<EncodedEntry> previous)
{
    // A removal the file did not take is undone: otherwise the list would show it, the next
    // save would carry it out after the user was told it failed, and a restart would undo it.
    try {
        saveToDisk();
    } catch (...) {
        m_entries = std::move(previous);
        throw;
    }
}

void HistoryStore::trimTo(int limit)
{
    if (m_entries.size() > limit)
        m_entries.resize(limit);
}

} // namespace quorvane
