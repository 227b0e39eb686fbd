// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"

#include <QString>

namespace quorvane {

// What one successful capture workflow produced.
struct CaptureWorkflowResult {
    QString text;                     // what went to the clipboard
    CaptureHistoryEntry historyEntry; // the record added to the history
    double duration = 0;              // seconds from the request to the end of the pin step
};

} // namespace quorvane
