// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_store_error.h"

#include "core/json_util.h"

namespace quorvane {

ErrorText HistoryStoreError::textOf(HistoryStoreErrorKind kind)
{
    switch (kind) {
    case HistoryStoreErrorKind::storageAccessFailed:
        //: Error when storage access fails
        //% "Failed to access history storage: %1"
        return {QT_TRID_NOOP("error.history_store.storage_access")};
    case HistoryStoreErrorKind::corruptedFile:
        //: Error when history file is corrupted
        //% "History file is corrupted: %1"
        return {QT_TRID_NOOP("error.history_store.corrupted")};
    case HistoryStoreErrorKind::entryNotFound:
        //: Error when entry is not found
        //% "History entry not found: %1"
        return {QT_TRID_NOOP("error.history_store.not_found")};
    case HistoryStoreErrorKind::thumbnailGenerationFailed:
        //: Error when thumbnail generation fails
        //% "Failed to generate thumbnail: %1"
        return {QT_TRID_NOOP("error.history_store.thumbnail")};
    case HistoryStoreErrorKind::invalidMaxEntries:
        //: Error when max entries value is invalid
        //% "Invalid max entries value: %1. Must be between 1 and 1000."
        return {QT_TRID_NOOP("error.history_store.invalid_max")};
    case HistoryStoreErrorKind::diskFull:
        //: Error when disk is full
        //% "Not enough disk space to save history entry."
        return {QT_TRID_NOOP("error.history_store.disk_full")};
    }
    //: Error when storage access fails
    //% "Failed to access history storage: %1"
    return {QT_TRID_NOOP("error.history_store.storage_access")};
}

HistoryStoreError HistoryStoreError::storageAccessFailed(const Phrase &description)
{
    return HistoryStoreError(Kind::storageAccessFailed, description);
}

HistoryStoreError HistoryStoreError::corruptedFile(const QString &description)
{
    return HistoryStoreError(Kind::corruptedFile, description);
}

HistoryStoreError HistoryStoreError::entryNotFound(const QUuid &id)
{
    return HistoryStoreError(Kind::entryNotFound, json::uuidString(id));
}

HistoryStoreError HistoryStoreError::thumbnailGenerationFailed(const QString &message)
{
    return HistoryStoreError(Kind::thumbnailGenerationFailed, message);
}

HistoryStoreError HistoryStoreError::invalidMaxEntries(int value)
{
    return HistoryStoreError(Kind::invalidMaxEntries, QString::number(value));
}

HistoryStoreError HistoryStoreError::diskFull()
{
    return HistoryStoreError(Kind::diskFull);
}

} // namespace quorvane
