// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class ExportErrorKind {
    pdfCreationFailed, // the PDF could not be laid out
    writeFailure,      // the file could not be written
};

// Failures of an export.
class ExportError : public CaseError<ExportError, ExportErrorKind> {
public:
    using CaseError::CaseError;

    static ErrorText textOf(ExportErrorKind kind);

    // A write refused by the file system, described by `reason` (which names the file).
    static ExportError fileSystemFailure(const Phrase &reason);
};

} // namespace quorvane
