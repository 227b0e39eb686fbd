// SPDX-License-Identifier: GPL-3.0-or-later
#define ZX_USE_UTF8 1

#include "capture/code_scan_service.h"

#include "capture/code_scan_error.h"
#include "capture/grey_image.h"
#include "capture/ink_outline.h"
#include "core/async_run.h"
#include "core/diagnostics.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QTransform>
#include <QtMath>

#include <ZXing/GTIN.h>
#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

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

std::optional<Found> foundOf(const ZXing::Result &result, QPoint offset, double scale)
{
    if (!result.isValid() || result.contentType() == ZXing::ContentType::Binary)
        return std::nullopt;
    const QString payload = QString::fromStdString(result.text());
    if (payload.isEmpty())
        return std::nullopt;
    const std::optional<CodeSymbology> symbology = symbologyOf(result, payload);
    if (!symbology)
        return std::nullopt;
    const QRect box = boundsOf(result.position()).translated(offset);
    const QRect bounds(QPoint(qFloor(box.left() / scale), qFloor(box.top() / scale)),
                       QPoint(qCeil(box.right() / scale), qCeil(box.bottom() / scale)));
    return Found{DetectedCode{payload, *symbology, 1.0f}, bounds};
}

ZXing::ImageView viewOf(const QImage &grey)
{
    return ZXing::ImageView(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                            int(grey.bytesPerLine()));
}

// Ends a scan whose limit has stopped, between two reads: one read of the readers cannot
// be interrupted, and the scan makes many.
struct ScanStopped {};

ZXing::Results readBarcodes(const RecognitionLimit &limit, const ZXing::ImageView &view, const ZXing::DecodeHints &hints)
{
    if (limit.stopped())
        throw ScanStopped{};
    return ZXing::ReadBarcodes(view, hints);
}

// Full ASCII Code 39 writes lower case and punctuation as pairs such as "+H" or "/A". The
// reader's extended mode drops a plain Code 39 whose text merely contains such a character
// ("A+1"), so it only reads again, as full ASCII, the code that has one.
void readFullAscii(const RecognitionLimit &limit, const QImage &crop, Found &found)
{
    static const QRegularExpression shiftPair(QStringLiteral("[$%/+][A-Z]"));
    if (found.code.symbology != CodeSymbology::code39 || !found.code.payload.contains(shiftPair))
        return;
    const auto hints =
        ZXing::DecodeHints().setFormats(BarcodeFormat::Code39).setMaxNumberOfSymbols(1).setTryCode39ExtendedMode(true);
    const ZXing::Results extended = readBarcodes(limit, viewOf(crop), hints);
    if (extended.empty() || !extended.front().isValid())
        return;
    const QString payload = QString::fromStdString(extended.front().text());
    if (!payload.isEmpty())
        found.code = DetectedCode{payload, CodeSymbology::code39FullASCII, 1.0f};
}

// Whether the payload's check digit holds, for the symbologies that end in one. The
// readers check it themselves; this keeps a wrong payload out should one ever slip through.
bool checkDigitHolds(CodeSymbology symbology, const QString &payload)
{
    const auto gtinHolds = [](const QString &digits) {
        if (digits.size() < 2 || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
            return false;
        return ZXing::GTIN::IsCheckDigitValid(digits.toStdString());
    };
    switch (symbology) {
    case CodeSymbology::ean8:
    case CodeSymbology::ean13:
    case CodeSymbology::itf14: return gtinHolds(payload);
    case CodeSymbology::upce: {
        // UPC-E is checked as the UPC-A number it stands for.
        if (payload.size() != 8 || (payload[0] != QLatin1Char('0') && payload[0] != QLatin1Char('1')))
            return false;
        const QString system = payload.left(1), d = payload.mid(1, 6), check = payload.right(1);
        QString upca;
        switch (d[5].digitValue()) {
        case 0:
        case 1:
        case 2: upca = d.left(2) + d[5] + QStringLiteral("0000") + d.mid(2, 3); break;
        case 3: upca = d.left(3) + QStringLiteral("00000") + d.mid(3, 2); break;
        case 4: upca = d.left(4) + QStringLiteral("00000") + d[4]; break;
        default: upca = d.left(5) + QStringLiteral("0000") + d[5]; break;
        }
        return gtinHolds(system + upca + check);
    }
    default: return true;
    }
}

// In a photo a scan line across blurred or skewed bars can decode to another valid payload
// than the one printed, and two neighbouring lines agree on it as easily as on the right
// one. A linear code therefore counts only when thin bands across its bars, walked up and
// down from where it was found until the bars end, read its payload in at least two bands
// and none reads anything else.
bool bandsAgree(const RecognitionLimit &limit, const QImage &grey, const QRect &box, int orientation, const DetectedCode &code,
                ZXing::Binarizer binarizer)
{
    constexpr int kMaxBandsEachWay = 40;
    // Turned so that the bars stand upright.
    const int quarterTurns = int((std::lround(orientation / 90.0) % 4 + 4) % 4);
    const QTransform turn = QTransform().rotate(-90 * quarterTurns);
    const QImage upright = quarterTurns ? grey.transformed(turn) : grey;
    const QRect bars = quarterTurns ? QImage::trueMatrix(turn, grey.width(), grey.height()).mapRect(box) : box;
    const int margin = std::max(8, bars.width() / 6);
    const int left = std::max(0, bars.left() - margin);
    const int right = std::min(upright.width() - 1, bars.right() + margin);
    // Tall enough for two scan lines to agree in a blurred photo, short enough for four
    // bands across the bars of a code of one pixel per module.
    constexpr int height = 10;
    const int middle = bars.center().y() - height / 2;
    const auto hints = ZXing::DecodeHints()
                           .setFormats(kLinearFormats)
                           .setMaxNumberOfSymbols(1)
                           .setTryRotate(false)
                           .setTryDownscale(false)
                           .setBinarizer(binarizer);
    int agreeing = 0;
    for (int direction : {-1, 1}) {
        int misses = 0;
        for (int i = direction < 0 ? 0 : 1; i <= kMaxBandsEachWay && misses < 2; ++i) {
            const int top = middle + direction * i * height;
            if (top < 0 || top + height > upright.height())
                break;
            const QImage band = upright.copy(QRect(left, top, right - left + 1, height));
            const ZXing::Results results = readBarcodes(limit, viewOf(band), hints);
            if (results.empty() || !results.front().isValid()) {
                ++misses;
                continue;
            }
            misses = 0;
            const QString payload = QString::fromStdString(results.front().text());
            if (payload != code.payload || symbologyOf(results.front(), payload) != code.symbology)
                return false;
            ++agreeing;
        }
    }
    return agreeing >= 2;
}

// The same code read again in another band: same content, overlapping columns.
bool alreadyFound(const QList<Found> &found, const Found &candidate)
{
    return std::any_of(found.begin(), found.end(), [&](const Found &f) {
        return f.code == candidate.code && f.bounds.left() <= candidate.bounds.right()
               && candidate.bounds.left() <= f.bounds.right();
    });
}

// Linear codes, one symbol per read: the linear readers of zxing-cpp 1.4 abort the process
// when one tall barcode is read on many scan lines with no symbol limit. To find every
// code of the region all the same, the region is read in horizontal bands, halved in
// height while the last round found something new, and in each band a code once read is
// blanked out so that the next read finds the one beside it. Returns whether any new code
// was found.
bool readLinear(const RecognitionLimit &limit, const QImage &grey, double scale, QList<Found> &found,
                ZXing::Binarizer binarizer = ZXing::Binarizer::LocalAverage)
{
    constexpr int kMinBandHeight = 24;
    constexpr int kMaxCodesPerBand = 4;
    const auto hints = ZXing::DecodeHints().setFormats(kLinearFormats).setMaxNumberOfSymbols(1).setBinarizer(binarizer);
    bool anyNew = false;
    for (int bandHeight = grey.height(); bandHeight >= std::min(kMinBandHeight, grey.height()); bandHeight /= 2) {
        bool newInRound = false;
        const int step = std::max(1, bandHeight / 2);
        for (int top = 0; top == 0 || top + step < grey.height(); top += step) {
            const QRect band(0, top, grey.width(), std::min(bandHeight, grey.height() - top));
            QImage crop = grey.copy(band);
            for (int i = 0; i < kMaxCodesPerBand; ++i) {
                const ZXing::Results results = readBarcodes(limit, viewOf(crop), hints);
                if (results.empty())
                    break;
                const ZXing::Result &result = results.front();
                const QRect local = boundsOf(result.position());
                std::optional<Found> f = foundOf(result, band.topLeft(), scale);
                if (f && !(checkDigitHolds(f->code.symbology, f->code.payload)
                           && bandsAgree(limit, grey, local.translated(band.topLeft()), result.orientation(), f->code, binarizer)))
                    f.reset();
                if (f) {
                    readFullAscii(limit, crop, *f);
                    if (!alreadyFound(found, *f)) {
                        found.append(*f);
                        newInRound = true;
                    }
                }
                // The code's columns, blanked over the band's height, leave the rest to read.
                QPainter painter(&crop);
                painter.fillRect(QRect(local.left(), 0, local.width(), crop.height()), Qt::white);
            }
        }
        anyNew = anyNew || newInRound;
        if (!newInRound)
            break;
    }
    return anyNew;
}

// The 2D codes of `window` of `grey` that are not yet found; whether there were any.
bool readMatrixIn(const RecognitionLimit &limit, const QImage &grey, const QRect &window, double scale, QList<Found> &found,
                  ZXing::Binarizer binarizer = ZXing::Binarizer::LocalAverage)
{
    const auto hints = ZXing::DecodeHints().setFormats(kMatrixFormats).setBinarizer(binarizer);
    bool any = false;
    for (const ZXing::Result &result : readBarcodes(limit, viewOf(grey.copy(window)), hints)) {
        std::optional<Found> f = foundOf(result, window.topLeft(), scale);
        if (f && !alreadyFound(found, *f)) {
            found.append(*f);
            any = true;
        }
    }
    return any;
}

// The 2D codes in windows of `size` across `grey`, a quarter of their side apart, the last
// ones flush with the edges.
bool readMatrixAcross(const RecognitionLimit &limit, const QImage &grey, QSize size, double scale, QList<Found> &found)
{
    const auto starts = [](int length, int window) {
        QList<int> positions;
        for (int p = 0; p + window < length; p += std::max(1, window / 4))
            positions.append(p);
        positions.append(length - window);
        return positions;
    };
    bool any = false;
    for (int y : starts(grey.height(), size.height())) {
        for (int x : starts(grey.width(), size.width()))
            any = readMatrixIn(limit, grey, QRect(QPoint(x, y), size), scale, found) || any;
    }
    return any;
}

// Every code of `grey`, scaled by `scale` from the captured image. The Aztec and Data
// Matrix detectors search outwards from the image's centre, so a symbol off to one side
// (beside text, on a label) is missed; when the whole region shows none, windows of two
// thirds its size across it are read as well, and when no code at all turns up, squares
// of half its shorter side, which centre on a small symbol beside a long text. Those read
// the region several times over, so a region with a code does not pay for them.
QList<Found> readAll(const RecognitionLimit &limit, const QImage &grey, double scale)
{
    QList<Found> found;
    // In a blurred photo with sensor noise the threshold of each small neighbourhood can
    // break a dense symbol's modules apart where one threshold for the whole region keeps
    // them.
    if (!readMatrixIn(limit, grey, grey.rect(), scale, found)
        && !readMatrixIn(limit, grey, grey.rect(), scale, found, ZXing::Binarizer::GlobalHistogram))
        readMatrixAcross(limit, grey, grey.size() * 2 / 3, scale, found);
    readLinear(limit, grey, scale, found);
    if (found.isEmpty()) {
        const int side = std::max(1, std::min(grey.width(), grey.height()) / 2);
        readMatrixAcross(limit, grey, QSize(side, side), scale, found);
    }
    return found;
}

// A 2D code photographed at an angle: zxing-cpp 1.4 lays the grid of an Aztec symbol out
// from its bull's eye, and across a large symbol seen in perspective the grid drifts off
// the modules. The largest patch of ink that light surrounds is drawn square, as if seen
// from the front, and read again. The outline, taken from the ink, can miss a light corner
// by part of a module, and whether the detector then still finds the symbol's grid depends
// on the module size and on where its search starts: the square is read at one and a half
// and twice its size, each within a quiet zone of an eighth and of a quarter of its side.
bool readStraightened(const RecognitionLimit &limit, const QImage &grey, QList<Found> &found)
{
    constexpr double kMaxExtent = 2000;
    std::optional<QPolygonF> outline = inkOutline(grey);
    if (!outline)
        return false;
    QPolygonF &corners = *outline;
    double side = 0, area = 0;
    for (int i = 0; i < 4; ++i) {
        const QPointF a = corners[i], b = corners[(i + 1) % 4];
        side = std::max(side, QLineF(a, b).length());
        area += a.x() * b.y() - b.x() * a.y();
    }
    // Corners in the square's turning direction, or the symbol would be mirrored.
    if (area < 0)
        std::swap(corners[1], corners[3]);
    // How much larger the square is drawn than the outline, and its quiet zone beside it.
    constexpr std::pair<double, double> kViews[]{{1.5, 0.125}, {2.0, 0.125}, {1.5, 0.25}, {2.0, 0.25}};
    for (const auto &[enlarge, quiet] : kViews) {
        const double square = std::min(side * enlarge, kMaxExtent / (1 + 2 * quiet));
        const double margin = square * quiet;
        QTransform straighten;
        if (!QTransform::quadToQuad(corners,
                                    QPolygonF{QPointF(margin, margin), QPointF(margin + square, margin),
                                              QPointF(margin + square, margin + square), QPointF(margin, margin + square)},
                                    straighten))
            return false;
        const int extent = qCeil(square + 2 * margin);
        QImage straight(extent, extent, QImage::Format_Grayscale8);
        straight.fill(Qt::white);
        {
            QPainter painter(&straight);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setTransform(straighten);
            painter.drawImage(0, 0, grey);
        }
        const QTransform back = straighten.inverted();
        bool any = false;
        for (const ZXing::Result &result :
             readBarcodes(limit, viewOf(straight), ZXing::DecodeHints().setFormats(kMatrixFormats))) {
            std::optional<Found> f = foundOf(result, QPoint(), 1.0);
            if (!f)
                continue;
            f->bounds = back.mapRect(QRectF(f->bounds)).toAlignedRect();
            if (!alreadyFound(found, *f)) {
                found.append(*f);
                any = true;
            }
        }
        if (any)
            return true;
    }
    return false;
}

// The region as it is, then light-on-dark turned around, then, for symbols too small or
// too large for the readers, scaled up or down; the first that finds anything wins, so a
// code is never read twice and an image without one is read every way before giving up.
QList<Found> readEveryWay(const RecognitionLimit &limit, const QImage &grey)
{
    constexpr int kLargeSide = 600;
    constexpr int kMaxUpscaledSide = 4000;
    QList<double> scales{1.0};
    if (std::max(grey.width(), grey.height()) * 2 <= kMaxUpscaledSide)
        scales.append(2.0);
    if (std::min(grey.width(), grey.height()) >= kLargeSide)
        scales.append(0.5);
    const auto scaledBy = [&](double scale) {
        return scale == 1.0 ? grey
                            : grey.scaled(qRound(grey.width() * scale), qRound(grey.height() * scale),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    for (double scale : scales) {
        QImage scaled = scaledBy(scale);
        for (int inverted = 0; inverted < 2; ++inverted) {
            if (inverted)
                scaled.invertPixels();
            QList<Found> found = readAll(limit, scaled, scale);
            if (!found.isEmpty())
                return found;
        }
    }
    // A label photographed on a dark table: the reader's threshold for each scan line falls
    // between the table and the paper rather than between the bars and the paper, and a
    // blurred code is lost. Black bars stay below mid grey on paper in any light.
    for (double scale : scales) {
        QList<Found> found;
        readLinear(limit, scaledBy(scale), scale, found, ZXing::Binarizer::FixedThreshold);
        if (!found.isEmpty())
            return found;
    }
    // A Data Matrix of one pixel per module: scaled up smoothly its edges turn grey and
    // its finder's edges are no longer found; each pixel doubled, the symbol stays sharp.
    if (scales.contains(2.0)) {
        QImage sharp = grey.scaled(grey.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (int inverted = 0; inverted < 2; ++inverted) {
            if (inverted)
                sharp.invertPixels();
            QList<Found> found;
            if (readMatrixIn(limit, sharp, sharp.rect(), 2.0, found))
                return found;
        }
    }
    // Photographed labels are printed dark on light.
    QList<Found> found;
    readStraightened(limit, grey, found);
    return found;
}

QList<DetectedCode> scan(RecognitionLimit &limit, quint64 ticket, std::chrono::milliseconds perMegapixel,
                         const QImage &image)
{
    if (image.width() < 1 || image.height() < 1)
        throw CodeScanError(CodeScanErrorKind::invalidImage);

    QList<Found> found;
    limit.start(ticket, RecognitionLimit::budgetFor(image.size(), perMegapixel));
    try {
        found = readEveryWay(limit, greyOnWhite(image));
    } catch (const ScanStopped &) {
        const bool cancelled = limit.wasCancelled();
        diag(lcRecognition(), QStringLiteral("[CodeScanService.detectCodes] Stopped: %1")
                                  .arg(cancelled ? QStringLiteral("cancelled") : QStringLiteral("time limit reached")));
        throw CodeScanError(cancelled ? CodeScanErrorKind::cancelled : CodeScanErrorKind::timedOut);
    } catch (const std::exception &error) {
        diagWarning(lcRecognition(), QStringLiteral("[CodeScanService.detectCodes] %1").arg(QString::fromUtf8(error.what())));
        throw CodeScanError(CodeScanErrorKind::visionRequestFailed, QString::fromUtf8(error.what()));
    }
    sortInReadingOrder(found);

    QList<DetectedCode> codes;
    for (const Found &f : found)
        codes.append(f.code);
    diag(lcRecognition(), QStringLiteral("[CodeScanService.detectCodes] %1 code(s) in %2 x %3 px")
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

CodeScanService::CodeScanService(std::chrono::milliseconds perMegapixel) : m_perMegapixel(perMegapixel)
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
    const quint64 ticket = m_limit.issue();
    return runAsync(m_executor, [this, ticket, image] { return scan(m_limit, ticket, m_perMegapixel, image); });
}

QFuture<DetectedCode> CodeScanService::detectBestCode(const QImage &image)
{
    const quint64 ticket = m_limit.issue();
    return runAsync(m_executor, [this, ticket, image] { return best(scan(m_limit, ticket, m_perMegapixel, image)); });
}

} // namespace quorvane
