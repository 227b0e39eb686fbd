// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class ImageImportErrorKind {
    unreadableFile,      // value: the file's name
    unreadableClipboard, // the clipboard holds no image that decodes
};

// Failure of reading an image the user chose to import.
class ImageImportError : public CaseError<ImageImportError, ImageImportErrorKind> {
public:
    using CaseError::CaseError;
    // `fileName` could not be read, for `reason` (the image reader's own words).
    ImageImportError(const QString &fileName, const Phrase &reason);

    static ErrorText textOf(Kind kind);
};

} // namespace quorvane
