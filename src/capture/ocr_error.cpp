// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ocr_error.h"

namespace quorvane {

OCRError::OCRError(Kind kind, Phrase value)
    : CaseError(kind, std::move(value))
{
}

OCRError OCRError::missingLanguageData(const QString &names, const QString &packages)
{
    OCRError error(Kind::ocrFailed,
                   QStringLiteral("the Tesseract language data %1 is not installed (install %2)").arg(names, packages));
    //: Recognition cannot start; %1 names the missing Tesseract language data (such as
    //: "tha"), %2 the Debian packages that hold it (such as "tesseract-ocr-tha")
    //% "OCR failed: the Tesseract language data %1 is not installed (install %2)"
    error.setDescription({QT_TRID_NOOP("ocr_error.language_data_missing")}, {names, packages});
    return error;
}

ErrorText OCRError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::ocrFailed:
        //: Text recognition failed; %1 is the reason
        //% "OCR failed: %1"
        return {QT_TRID_NOOP("ocr_error.failed")};
    case Kind::unsupportedLanguage:
        //: A requested recognition language is not offered
        //% "Language '%1' is not supported"
        return {QT_TRID_NOOP("ocr_error.unsupported_language")};
    case Kind::visionRequestFailed:
        //: The recognition engine reported an error; %1 is its description
        //% "Recognition failed: %1"
        return {QT_TRID_NOOP("ocr_error.vision_failed")};
    case Kind::noTextDetected:
        //: Recognition found no text
        //% "No text was detected in the selected region"
        return {QT_TRID_NOOP("ocr_error.no_text")};
    case Kind::invalidImage:
        //: The image to recognise is empty
        //% "The captured image is invalid or corrupted"
        return {QT_TRID_NOOP("ocr_error.invalid_image")};
    case Kind::timedOut:
        //: Recognition gave up on an image that took too long (noise, or a large photo)
        //% "Reading the image took too long, so it was stopped. Try selecting a smaller region around the text."
        return {QT_TRID_NOOP("ocr_error.timed_out")};
    case Kind::cancelled:
        //: The user stopped a running recognition
        //% "Text recognition was cancelled"
        return {QT_TRID_NOOP("ocr_error.cancelled")};
    }
    //% "OCR failed: %1"
    return {QT_TRID_NOOP("ocr_error.failed")};
}

} // namespace quorvane
