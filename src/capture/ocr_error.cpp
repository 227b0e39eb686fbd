#include "capture/ocr_error.h"

#include "platform/l10n.h"

namespace quorvane {

namespace {

QString englishSentence(OCRErrorKind kind, const QString &value)
{
    switch (kind) {
    case OCRErrorKind::ocrFailed:
        return QStringLiteral("OCR failed: ") + value;
    case OCRErrorKind::unsupportedLanguage:
        return QStringLiteral("Language '") + value + QStringLiteral("' is not supported");
    case OCRErrorKind::visionRequestFailed:
        return QStringLiteral("Recognition failed: ") + value;
    case OCRErrorKind::noTextDetected:
    case OCRErrorKind::invalidImage:
        break;
    }
    return QString::fromUtf8(OCRError::textOf(kind).englishDefault);
}

} // namespace

OCRError::OCRError(Kind kind, QString value)
    : CaseError(kind, value)
{
    // The value is part of the default itself, never filled into a translated pattern.
    setDescription(L10n::text(QString::fromLatin1(textOf(kind).key), englishSentence(kind, value)));
}

ErrorText OCRError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::ocrFailed:
        return {"ocr_error.failed", "OCR failed: ", "Text recognition failed; followed by the reason"};
    case Kind::unsupportedLanguage:
        return {"ocr_error.unsupported_language", "Language '' is not supported",
                "A requested recognition language is not offered"};
    case Kind::visionRequestFailed:
        return {"ocr_error.vision_failed", "Recognition failed: ",
                "The recognition engine reported an error; followed by its description"};
    case Kind::noTextDetected:
        return {"ocr_error.no_text", "No text was detected in the selected region",
                "Recognition found no text"};
    case Kind::invalidImage:
        return {"ocr_error.invalid_image", "The captured image is invalid or corrupted",
                "The image to recognise is empty"};
    }
    return {"ocr_error.failed", "OCR failed: ", ""};
}

} // namespace quorvane
