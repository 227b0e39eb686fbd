// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/detected_code.h"

#include <QFuture>
#include <QImage>

namespace quorvane {

// What a capture needs from barcode reading.
class CodeScanner {
public:
    virtual ~CodeScanner() = default;

    // The code with the highest confidence in `image`. Fails with CodeScanError,
    // noCodeDetected when there is none.
    virtual QFuture<DetectedCode> detectBestCode(const QImage &image) = 0;
    // Ends the scan running now with CodeScanError(cancelled); nothing when none runs.
    virtual void cancelScan() {}
};

} // namespace quorvane
