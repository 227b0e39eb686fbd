// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class CodeScanErrorKind {
    visionRequestFailed,  // value: the detector's description of its failure
    invalidImage,
    noCodeDetected,
    timedOut,   // the image took longer than its time limit
    cancelled,  // the user called the scan off
};

// Failure of barcode scanning.
class CodeScanError : public CaseError<CodeScanError, CodeScanErrorKind> {
public:
    using CaseError::CaseError;

    static ErrorText textOf(Kind kind);
};

} // namespace quorvane
