// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class OCRErrorKind {
    ocrFailed,            // value: what went wrong
    unsupportedLanguage,  // value: the rejected language id
    visionRequestFailed,  // value: the engine's description of its failure
    noTextDetected,
    invalidImage,
    timedOut,             // the image took longer than its time limit
    cancelled,            // the user called the recognition off
};

// Failure of text recognition. Cases with a value carry the finished English sentence,
// value included, as the default of their key, so a translation replaces the whole sentence.
class OCRError : public CaseError<OCRError, OCRErrorKind> {
public:
    OCRError(Kind kind, Phrase value = {});

    static ErrorText textOf(Kind kind);
    // Recognition cannot start: the Tesseract data `names` ("tha, jpn") are missing; the
    // Debian `packages` hold them. Described in the interface language as a whole.
    static OCRError missingLanguageData(const QString &names, const QString &packages);
};

} // namespace quorvane
