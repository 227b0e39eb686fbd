#include "history/history_store_error.h"

#include "core/json_util.h"

namespace quorvane {

ErrorText HistoryStoreError::textOf(HistoryStoreErrorKind kind)
{
    switch (kind) {
    case HistoryStoreErrorKind::storageAccessFailed:
        return {"error.history_store.storage_access", "Failed to access history storage: %@",
                "Error when storage access fails"};
    case HistoryStoreErrorKind::corruptedFile:
        return {"error.history_store.corrupted", "History file is corrupted: %@",
                "Error when history file is corrupted"};
    case HistoryStoreErrorKind::entryNotFound:
        return {"error.history_store.not_found", "History entry not found: %@",
                "Error when entry is not found"};
    case HistoryStoreErrorKind::thumbnailGenerationFailed:
        return {"error.history_store.thumbnail", "Failed to generate thumbnail: %@",
                "Error when thumbnail generation fails"};
    case HistoryStoreErrorKind::invalidMaxEntries:
        return {"error.history_store.invalid_max",
                "Invalid max entries value: %d. Must be between 1 and 1000.",
                "Error when max entries value is invalid"};
    case HistoryStoreErrorKind::diskFull:
        return {"error.history_store.disk_full", "Not enough disk space to save history entry.",
                "Error when disk is full"};
    }
    return {"error.history_store.storage_access", "Failed to access history storage: %@",
            "Error when storage access fails"};
}

HistoryStoreError HistoryStoreError::storageAccessFailed(const QString &description)
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
