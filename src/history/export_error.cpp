// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/export_error.h"

namespace quorvane {

ErrorText ExportError::textOf(ExportErrorKind kind)
{
    switch (kind) {
    case ExportErrorKind::pdfCreationFailed:
        //: PDF creation error
        //% "Failed to create PDF document"
        return {QT_TRID_NOOP("export.error.pdf_creation")};
    case ExportErrorKind::writeFailure:
        break;
    }
    //: File write error
    //% "Failed to write file"
    return {QT_TRID_NOOP("export.error.write")};
}

ExportError ExportError::fileSystemFailure(const Phrase &reason)
{
    ExportError error(Kind::writeFailure, reason);
    error.setOwnDescription(reason);
    return error;
}

} // namespace quorvane
