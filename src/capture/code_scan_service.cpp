#define ZX_USE_UTF8 1

#include "capture/code_scan_service.h"

#include "capture/code_scan_error.h"
#include "capture/grey_image.h"
#include "core/async_run.h"
#include "core/diagnostics.h"

#include <QRegularExpression>

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <optional>

namespace quorvane {

namespace {

using ZXing::BarcodeFormat;

constexpr auto kMatrixFormats = BarcodeFormat::QRCode | BarcodeFormat::Aztec | BarcodeFormat::DataMatrix
                                | BarcodeFormat::PDF417;
constexpr auto kLinearFormats = BarcodeFormat::EAN8 | BarcodeFormat::EAN13 | BarcodeFormat::UPCE
                                | BarcodeFormat::Code39 | BarcodeFormat::Code93 | BarcodeFormat::Code128
                                | BarcodeFormat::ITF;

// The symbology of a result, or none for kinds the scanner does not report.
std::optional<CodeSymbology> symbologyOf(const ZXing::Result &result, const QString &payload)
{
    switch (result.format()) {
    case BarcodeFormat::QRCode: return CodeSymbology::qr;
    case BarcodeFormat::Aztec: return CodeSymbology::aztec;
    case BarcodeFormat::DataMatrix: return CodeSymbology::dataMatrix;
    case BarcodeFormat::PDF417: return CodeSymbology::pdf417;
    case BarcodeFormat::EAN8: return CodeSymbology::ean8;
    case BarcodeFormat::EAN13: return CodeSymbology::ean13;
    case BarcodeFormat::UPCE: return CodeSymbology::upce;
    case BarcodeFormat::Code39: return CodeSymbology::code39;
    case BarcodeFormat::Code93: return CodeSymbology::code93;
    case BarcodeFormat::Code128: return CodeSymbology::code128;
    // Interleaved 2 of 5 only as the 14-digit shipping container code.
    case BarcodeFormat::ITF:
        if (payload.size() == 14)
            return CodeSymbology::itf14;
        return std::nullopt;
    default: return std::nullopt;
    }
}

struct Found {
    DetectedCode code;
    QRect bounds;
};

QRect boundsOf(const ZXing::Position &position)
{
    int left = position[0].x, right = left, top = position[0].y, bottom = top;
    for (const auto &corner : position) {
        left = std::min(left, corner.x);
        right = std::max(right, corner.x);
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Top to bottom, then left to right: codes whose tops lie within the first code of a row
// share that row.
void sortInReadingOrder(QList<Found> &found)
{
    std::stable_sort(found.begin(), found.end(),
                     [](const Found &a, const Found &b) { return a.bounds.top() < b.bounds.top(); });
    for (qsizetype start = 0; start < found.size();) {
        qsizetype end = start + 1;
        while (end < found.size() && found[end].bounds.top() <= found[start].bounds.center().y())
            ++end;
        std::stable_sort(found.begin() + start, found.begin() + end,
                         [](const Found &a, const Found &b) { return a.bounds.left() < b.bounds.left(); });
        start = end;
    }
}

void collect(const ZXing::Results &results, QList<Found> &found)
{
    for (const ZXing::Result &result : results) {
        if (!result.isValid() || result.contentType() == ZXing::ContentType::Binary)
            continue;
        const QString payload = QString::fromStdString(result.text());
        if (payload.isEmpty())
            continue;
        const std::optional<CodeSymbology> symbology = symbologyOf(result, payload);
        if (!symbology)
            continue;
        found.append({DetectedCode{payload, *symbology, 1.0f}, boundsOf(result.position())});
    }
}

// Full ASCII Code 39 writes lower case and punctuation as pairs such as "+H" or "/A". The
// reader's extended mode drops a plain Code 39 whose text merely contains such a character
// ("A+1"), so it only reads again, as full ASCII, the code that has one.
void readFullAscii(const ZXing::ImageView &view, QList<Found> &found)
{
    static const QRegularExpression shiftPair(QStringLiteral("[$%/+][A-Z]"));
    for (Found &f : found) {
        if (f.code.symbology != CodeSymbology::code39 || !f.code.payload.contains(shiftPair))
            continue;
        const auto hints =
            ZXing::DecodeHints().setFormats(BarcodeFormat::Code39).setMaxNumberOfSymbols(1).setTryCode39ExtendedMode(true);
        const ZXing::Results extended = ZXing::ReadBarcodes(view, hints);
        if (extended.empty() || !extended.front().isValid())
            continue;
        const QString payload = QString::fromStdString(extended.front().text());
        if (!payload.isEmpty())
            f.code = DetectedCode{payload, CodeSymbology::code39FullASCII, 1.0f};
    }
}

QList<DetectedCode> scan(const QImage &image)
{
    if (image.width() < 1 || image.height() < 1)
        throw CodeScanError(CodeScanErrorKind::invalidImage);

    const QImage grey = greyOnWhite(image);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    QList<Found> found;
    try {
        // The linear readers of zxing-cpp 1.4 abort the process when one tall barcode is
        // read on many scan lines with no symbol limit, so they get a pass of their own
        // limited to one symbol.
        collect(ZXing::ReadBarcodes(view, ZXing::DecodeHints().setFormats(kMatrixFormats)), found);
        collect(ZXing::ReadBarcodes(view, ZXing::DecodeHints().setFormats(kLinearFormats).setMaxNumberOfSymbols(1)),
                found);
        readFullAscii(view, found);
    } catch (const std::exception &error) {
        diagWarning(lcRecognition(), QStringLiteral("❌ [CodeScanService.detectCodes] %1").arg(QString::fromUtf8(error.what())));
        throw CodeScanError(CodeScanErrorKind::visionRequestFailed, QString::fromUtf8(error.what()));
    }
    sortInReadingOrder(found);

    QList<DetectedCode> codes;
    for (const Found &f : found)
        codes.append(f.code);
    diag(lcRecognition(), QStringLiteral("✅ [CodeScanService.detectCodes] %1 code(s) in %2 x %3 px")
             .arg(codes.size())
             .arg(image.width())
             .arg(image.height()));
    return codes;
}

DetectedCode best(const QList<DetectedCode> &codes)
{
    if (codes.isEmpty())
        throw CodeScanError(CodeScanErrorKind::noCodeDetected);
    const DetectedCode *chosen = &codes.first();
    for (const DetectedCode &code : codes) {
        if (chosen->confidence < code.confidence)
            chosen = &code;
    }
    return *chosen;
}

} // namespace

CodeScanService::CodeScanService()
{
    m_executor.setMaxThreadCount(1);
    m_executor.setObjectName(QStringLiteral("CodeScanService"));
}

CodeScanService::~CodeScanService()
{
    m_executor.waitForDone();
}

QFuture<QList<DetectedCode>> CodeScanService::detectCodes(const QImage &image)
{
    return runAsync(m_executor, [image] { return scan(image); });
}

QFuture<DetectedCode> CodeScanService::detectBestCode(const QImage &image)
{
    return runAsync(m_executor, [image] { return best(scan(image)); });
}

} // namespace quorvane
