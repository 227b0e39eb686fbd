#include "capture/image_import_error.h"

#include "platform/l10n.h"

namespace quorvane {

ImageImportError::ImageImportError(const QString &fileName, const QString &reason)
    : CaseError(ImageImportErrorKind::unreadableFile, fileName)
{
    setDescription(L10n::format("error.import.unreadable_file_reason", "“%@” could not be read: %@",
                                "Error when an imported image file cannot be read: its name, then why",
                                {fileName, reason}));
}

ErrorText ImageImportError::textOf(Kind kind)
{
    switch (kind) {
    case ImageImportErrorKind::unreadableFile:
        return {"error.import.unreadable_file", "“%@” could not be read",
                "Error when an imported image file cannot be read: its name"};
    case ImageImportErrorKind::unreadableClipboard:
        return {"error.import.unreadable_clipboard", "The image on the clipboard could not be read",
                "Error when the clipboard offers no image that can be decoded"};
    }
    return {"error.import.unknown", "%@", "Unknown import error"};
}

} // namespace quorvane
