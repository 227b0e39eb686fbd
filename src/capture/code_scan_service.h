// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/code_scanner.h"
#include "capture/detected_code.h"

#include <QFuture>
#include <QImage>
#include <QList>
#include <QThreadPool>

namespace quorvane {

// Reads the barcodes and QR codes in a captured image with zxing-cpp, one image at a time
// on the service's own thread.
class CodeScanService : public CodeScanner {
public:
    CodeScanService();
    ~CodeScanService() override;
    CodeScanService(const CodeScanService &) = delete;
    CodeScanService &operator=(const CodeScanService &) = delete;

    // Every code with a text payload, in reading order (top to bottom, then left to
    // right); possibly none. Fails with CodeScanError.
    QFuture<QList<DetectedCode>> detectCodes(const QImage &image);

    // The code with the highest confidence, the earliest on ties. Fails with
    // CodeScanError, noCodeDetected when there is none.
    QFuture<DetectedCode> detectBestCode(const QImage &image) override;

private:
    QThreadPool m_executor;
};

} // namespace quorvane
