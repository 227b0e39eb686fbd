// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

#include <QUuid>

namespace quorvane {

enum class HistoryStoreErrorKind {
    storageAccessFailed,       // value: the platform's description of what failed
    corruptedFile,             // value: why the history file does not decode
    entryNotFound,             // value: the record's id, upper case
    thumbnailGenerationFailed, // value: which step of the thumbnail failed
    invalidMaxEntries,         // value: the rejected maximum, in decimal
    diskFull,                  // no value
};

// Failures of the history store and of its thumbnail maker.
class HistoryStoreError : public CaseError<HistoryStoreError, HistoryStoreErrorKind> {
public:
    using CaseError::CaseError;

    static ErrorText textOf(HistoryStoreErrorKind kind);

    static HistoryStoreError storageAccessFailed(const Phrase &description);
    static HistoryStoreError corruptedFile(const QString &description);
    static HistoryStoreError entryNotFound(const QUuid &id);
    static HistoryStoreError thumbnailGenerationFailed(const QString &message);
    static HistoryStoreError invalidMaxEntries(int value);
    static HistoryStoreError diskFull();
};

} // namespace quorvane
