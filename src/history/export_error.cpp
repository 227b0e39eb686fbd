#include "history/export_error.h"

namespace quorvane {

ErrorText ExportError::textOf(ExportErrorKind kind)
{
    switch (kind) {
    case ExportErrorKind::pdfCreationFailed:
        return {"export.error.pdf_creation", "Failed to create PDF document", "PDF creation error"};
    case ExportErrorKind::writeFailure:
        break;
    }
    return {"export.error.write", "Failed to write file", "File write error"};
}

ExportError ExportError::fileSystemFailure(const QString &systemDescription)
{
    ExportError error(Kind::writeFailure, systemDescription);
    if (!systemDescription.isEmpty())
        error.setDescription(systemDescription);
    return error;
}

} // namespace quorvane
