// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// The kinds of code the scanner reads, and no others.
enum class CodeSymbology {
    qr,
    aztec,
    dataMatrix,
    pdf417,
    ean8,
    ean13,
    upce,
    code39,
    code39Checksum,
    code39FullASCII,
    code93,
    code128,
    itf14,
};

// One code found in an image.
struct DetectedCode {
    QString payload;  // the code's content as text
    CodeSymbology symbology = CodeSymbology::qr;
    float confidence = 1.0f;

    bool operator==(const DetectedCode &) const = default;
};

} // namespace quorvane
