// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class CodeScanErrorKind {
    visionRequestFailed,  // value: the detector's description of its failure
    invalidImage,
    noCodeDetected,
};

// Failure of barcode scanning.
class CodeScanError : public CaseError<CodeScanError, CodeScanErrorKind> {
public:
    using CaseError::CaseError;

    static ErrorText textOf(Kind kind);
};

} // namespace quorvane
