// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/json_util.h"

#include <QByteArray>
#include <QDateTime>
#include <QRectF>
#include <QString>
#include <QUuid>

#include <optional>

namespace quorvane {

// One finished capture as the history keeps it. Records are the same record when
// their ids are equal, whatever else they hold.
struct CaptureHistoryEntry {
    QUuid id = QUuid::createUuid();
    QDateTime timestamp;
    QString text;
    QRectF sourceRect;                        // the captured region, as the screen capture reported it
    std::optional<quint32> displayID;         // the monitor it came from, when known
    std::optional<QString> sourceAppBundleID; // the application that was active, when known
    QByteArray thumbnailData;                 // PNG of the region
    CaptureMode captureMode = CaptureMode::normal;

    // The first line of the text, shortened to 60 user-perceived characters ("..." ending).
    QString title() const;

    bool operator==(const CaptureHistoryEntry &other) const { return id == other.id; }

    // The record as one JSON object (dates in ISO 8601).
    json::Json toJson() const;
    // Throws json::DecodeError when any member is malformed.
    static CaptureHistoryEntry fromJson(const json::Json &object);
};

} // namespace quorvane
