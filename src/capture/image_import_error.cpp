// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/image_import_error.h"


namespace quorvane {

ImageImportError::ImageImportError(const QString &fileName, const Phrase &reason)
    : CaseError(ImageImportErrorKind::unreadableFile, fileName)
{
    //: Error when an imported image file cannot be read: its name, then why
    //% "“%1” could not be read: %2"
    setDescription({QT_TRID_NOOP("error.import.unreadable_file_reason")}, {fileName, reason});
}

ErrorText ImageImportError::textOf(Kind kind)
{
    switch (kind) {
    case ImageImportErrorKind::unreadableFile:
        //: Error when an imported image file cannot be read: its name
        //% "“%1” could not be read"
        return {QT_TRID_NOOP("error.import.unreadable_file")};
    case ImageImportErrorKind::unreadableClipboard:
        //: Error when the clipboard offers no image that can be decoded
        //% "The image on the clipboard could not be read"
        return {QT_TRID_NOOP("error.import.unreadable_clipboard")};
    }
    //: Unknown import error
    //% "%1"
    return {QT_TRID_NOOP("error.import.unknown")};
}

} // namespace quorvane
