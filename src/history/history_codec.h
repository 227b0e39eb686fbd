// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"

#include <QByteArray>
#include <QList>

namespace quorvane {

// One record with its text as an element of the history file, kept so that a save only
// encodes the records it has not written before.
struct EncodedEntry {
    CaptureHistoryEntry entry;
    QByteArray json; // the record as one element of the pretty-printed array; empty until encoded
};

// The history file's bytes: a pretty-printed JSON array of records with sorted keys,
// exactly as json::dump writes it. A full history with thumbnails is megabytes, so both
// directions spread the records over several threads.
class HistoryCodec {
public:
    // The file holding `entries` in their order. Encodes the entries that have no text
    // yet and keeps their text for the next call.
    static QByteArray encode(QList<EncodedEntry> &entries);
    // Every record of the file, in file order, not yet encoded. Throws
    // HistoryStoreError::corruptedFile when the bytes are not a JSON array, or when one of
    // its elements is not a well-formed record and `rejected` is null. Otherwise such an
    // element (a newer version's mode, a mistyped member, a byte that is not UTF-8) is
    // left out and its text, exactly as it stood in the file, appended to `rejected`.
    static QList<EncodedEntry> decode(const QByteArray &bytes, QList<QByteArray> *rejected = nullptr);
    // The elements `decode` rejected, as one array in the file's layout, so that each can
    // be mended by hand and put back.
    static QByteArray joinRejected(const QList<QByteArray> &rejected);
};

} // namespace quorvane
