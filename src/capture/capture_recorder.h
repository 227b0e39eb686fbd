// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"

#include <QFuture>

namespace quorvane {

// Keeps the record of every finished capture.
class CaptureRecorder {
public:
    virtual ~CaptureRecorder() = default;

    // Stores `entry`; the future fails with the store's error when it could not be kept.
    virtual QFuture<void> addEntry(CaptureHistoryEntry entry) = 0;
};

} // namespace quorvane
