// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/code_scanner.h"
#include "capture/detected_code.h"
#include "capture/recognition_limit.h"

#include <QFuture>
#include <QImage>
#include <QList>
#include <QThreadPool>

#include <chrono>

namespace quorvane {

// Reads the barcodes and QR codes in a captured image with zxing-cpp, one image at a time
// on the service's own thread. A scan stops at a time limit that grows with the image
// (`perMegapixel` for each megapixel, two at least), or when it is called off.
class CodeScanService : public CodeScanner {
public:
    // Noise, where the readers find a candidate on every line, takes seconds per megapixel;
    // a region with a code is read in a fraction of this.
    static constexpr std::chrono::milliseconds kDefaultPerMegapixel{500};

    explicit CodeScanService(std::chrono::milliseconds perMegapixel = kDefaultPerMegapixel);
    ~CodeScanService() override;
    CodeScanService(const CodeScanService &) = delete;
    CodeScanService &operator=(const CodeScanService &) = delete;

    // Every code with a text payload, in reading order (top to bottom, then left to
    // right); possibly none. Fails with CodeScanError (timedOut past the limit).
    QFuture<QList<DetectedCode>> detectCodes(const QImage &image);

    // The code with the highest confidence, the earliest on ties. Fails with
    // CodeScanError, noCodeDetected when there is none.
    QFuture<DetectedCode> detectBestCode(const QImage &image) override;
    // The running scan, and every one asked for before, ends with CodeScanError(cancelled)
    // at its next read. Any thread.
    void cancelScan() override { m_limit.cancel(); }

private:
    const std::chrono::milliseconds m_perMegapixel;
    RecognitionLimit m_limit;
    QThreadPool m_executor;  // last: its thread uses the limit until it is done
};

} // namespace quorvane
