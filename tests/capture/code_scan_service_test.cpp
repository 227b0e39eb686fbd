// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scoped_translation.h"
#include "capture/code_scan_error.h"
#include "capture/code_scan_service.h"
#include "support/event_loop.h"
#include "support/photographed_label.h"
#include "support/test_fonts.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace quorvane;
using ZXing::BarcodeFormat;

namespace {

QImage toImage(const ZXing::BitMatrix &matrix);

// A code drawn by zxing-cpp's own writer, black on white, `width` x `height` pixels
// including a quiet zone of `margin` modules.
QImage makeCode(BarcodeFormat format, const std::string &content, int width, int height, int margin = 10)
{
    return toImage(ZXing::MultiFormatWriter(format).setMargin(margin).encode(content, width, height));
}

QImage toImage(const ZXing::BitMatrix &matrix)
{
    QImage image(matrix.width(), matrix.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matrix.height(); ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < matrix.width(); ++x)
            row[x] = matrix.get(x, y) ? 0 : 255;
    }
    return image;
}

// Places `images` on one white canvas at the given positions.
QImage compose(QSize size, const QList<std::pair<QPoint, QImage>> &images)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    for (const auto &[at, image] : images)
        painter.drawImage(at, image);
    return canvas;
}

template <typename T>
CodeScanErrorKind errorOf(QFuture<T> future)
{
    try {
        future.waitForFinished();
        future.result();
    } catch (const CodeScanError &error) {
        return error.kind();
    }
    ADD_FAILURE() << "no CodeScanError was thrown";
    return CodeScanErrorKind::visionRequestFailed;
}

class CodeScanServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { service = std::make_unique<CodeScanService>(); }
    static void TearDownTestSuite() { service.reset(); }
    static std::unique_ptr<CodeScanService> service;
};
std::unique_ptr<CodeScanService> CodeScanServiceTest::service;

} // namespace

TEST_F(CodeScanServiceTest, DecodesCodesMadeByTheWriter)
{
    struct Case {
        BarcodeFormat format;
        std::string content;
        QSize size;
        CodeSymbology symbology;
    };
    const QList<Case> cases{
        {BarcodeFormat::QRCode, "https://example.com/q?id=42", {200, 200}, CodeSymbology::qr},
        {BarcodeFormat::EAN13, "4006381333931", {300, 120}, CodeSymbology::ean13},
        {BarcodeFormat::Code128, "QRV-2024/77", {360, 120}, CodeSymbology::code128},
        {BarcodeFormat::DataMatrix, "Lot 7781 exp 2026-01", {160, 160}, CodeSymbology::dataMatrix},
        {BarcodeFormat::ITF, "00012345678905", {400, 120}, CodeSymbology::itf14},
        // Lower case is written as full ASCII pairs ("+H"); a plain "+" stays as it is.
        {BarcodeFormat::Code39, "hello", {400, 120}, CodeSymbology::code39FullASCII},
        {BarcodeFormat::Code39, "A+1", {300, 120}, CodeSymbology::code39},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.content);
        const DetectedCode code = service->detectBestCode(makeCode(c.format, c.content, c.size.width(), c.size.height())).result();
        EXPECT_EQ(code.payload, QString::fromStdString(c.content));
        EXPECT_EQ(code.symbology, c.symbology);
        EXPECT_EQ(code.confidence, 1.0f);
    }
}

TEST_F(CodeScanServiceTest, PayloadIsReadAsUtf8)
{
    const QString text = QStringLiteral("Grüße aus Köln – 東京 👋");
    const ZXing::BitMatrix matrix = ZXing::MultiFormatWriter(BarcodeFormat::QRCode)
                                        .setEncoding(ZXing::CharacterSet::UTF8)
                                        .setMargin(4)
                                        .encode(text.toStdWString(), 240, 240);
    const DetectedCode code = service->detectBestCode(toImage(matrix)).result();
    EXPECT_EQ(code.payload, text);
}

TEST_F(CodeScanServiceTest, ReadsACodeOnATransparentBackground)
{
    // As image files of generated codes often are: dark modules, nothing behind them.
    QImage code = makeCode(BarcodeFormat::QRCode, "transparent", 200, 200).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < code.height(); ++y) {
        for (int x = 0; x < code.width(); ++x) {
            if (qGray(code.pixel(x, y)) > 128)
                code.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    EXPECT_EQ(service->detectBestCode(code).result().payload, "transparent");
}

TEST_F(CodeScanServiceTest, FirstCodeInReadingOrderIsTheBest)
{
    const QImage qr = makeCode(BarcodeFormat::QRCode, "left-qr", 160, 160, 2);
    const QImage ean = makeCode(BarcodeFormat::EAN13, "4006381333931", 240, 100, 4);

    const QImage qrLeft = compose({460, 200}, {{{20, 20}, qr}, {{200, 40}, ean}});
    const QList<DetectedCode> both = service->detectCodes(qrLeft).result();
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both[0].payload, "left-qr");
    EXPECT_EQ(both[1].payload, "4006381333931");
    EXPECT_EQ(service->detectBestCode(qrLeft).result().payload, "left-qr");

    const QImage eanLeft = compose({460, 200}, {{{260, 20}, qr}, {{10, 40}, ean}});
    EXPECT_EQ(service->detectBestCode(eanLeft).result().payload, "4006381333931");

    const QImage eanAbove = compose({300, 320}, {{{30, 150}, qr}, {{20, 10}, ean}});
    EXPECT_EQ(service->detectBestCode(eanAbove).result().payload, "4006381333931");
}

TEST_F(CodeScanServiceTest, IgnoresSymbologiesOutsideTheScannedSet)
{
    // Codabar is not scanned, and Interleaved 2 of 5 only as a 14-digit ITF-14.
    for (const auto &[format, content] : {std::pair{BarcodeFormat::Codabar, std::string("A40156B")},
                                          std::pair{BarcodeFormat::ITF, std::string("123456")}}) {
        const QImage image = makeCode(format, content, 300, 100);
        EXPECT_TRUE(service->detectCodes(image).result().isEmpty()) << content;
        EXPECT_EQ(errorOf(service->detectBestCode(image)), CodeScanErrorKind::noCodeDetected);
    }
}

TEST_F(CodeScanServiceTest, ImageWithoutCodesGivesAnEmptyListButNoBestCode)
{
    QImage blank(320, 200, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(service->detectCodes(blank).result().isEmpty());
    EXPECT_EQ(errorOf(service->detectBestCode(blank)), CodeScanErrorKind::noCodeDetected);
}

TEST_F(CodeScanServiceTest, EmptyImagesAreInvalid)
{
    for (const QImage &image : {QImage(), QImage(1, 0, QImage::Format_RGB32), QImage(0, 5, QImage::Format_RGB32)}) {
        EXPECT_EQ(errorOf(service->detectCodes(image)), CodeScanErrorKind::invalidImage);
        EXPECT_EQ(errorOf(service->detectBestCode(image)), CodeScanErrorKind::invalidImage);
    }
}

// zxing-cpp 1.4 aborted the whole process on this image when the linear readers ran
// without a symbol limit.
TEST_F(CodeScanServiceTest, TallCode128DoesNotAbortTheScanner)
{
    const QImage image = makeCode(BarcodeFormat::Code128, "123456", 1445, 700, 10);
    const DetectedCode code = service->detectBestCode(image).result();
    EXPECT_EQ(code.payload, "123456");
    EXPECT_EQ(code.symbology, CodeSymbology::code128);
}

TEST_F(CodeScanServiceTest, TypedErrorReachesAContinuationOnTheMainThread)
{
    std::optional<CodeScanErrorKind> seen;
    QObject context;
    auto done = service->detectBestCode(QImage())
                    .then(&context, [](const DetectedCode &) {})
                    .onFailed(&context, [&](const CodeScanError &error) { seen = error.kind(); });
    ASSERT_TRUE(test::waitFor(done));
    EXPECT_EQ(seen, CodeScanErrorKind::invalidImage);
}

TEST(CodeScanServiceLimit, AScanPastItsTimeOrCalledOffStopsBetweenReadsAndSaysWhy)
{
    const QImage qr = makeCode(BarcodeFormat::QRCode, "https://example.org/limit", 300, 300);
    // No time at all: stopped before its first read.
    CodeScanService hurried(std::chrono::milliseconds(0));
    EXPECT_EQ(errorOf(hurried.detectBestCode(qr)), CodeScanErrorKind::timedOut);
    EXPECT_EQ(CodeScanError(CodeScanErrorKind::timedOut).localizedDescription(),
              "Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code.");

    // A cancel reaches the scan asked for before it, however soon it starts; the next one reads.
    CodeScanService patient;
    const QFuture<DetectedCode> called = patient.detectBestCode(qr);
    patient.cancelScan();
    EXPECT_EQ(errorOf(called), CodeScanErrorKind::cancelled);
    EXPECT_EQ(patient.detectBestCode(qr).result().payload, "https://example.org/limit");
}

TEST(CodeScanErrorText, DetectorFailureFillsItsDescriptionAfterTranslation)
{
    EXPECT_EQ(CodeScanError(CodeScanErrorKind::visionRequestFailed, "out of memory").localizedDescription(),
              "Barcode detection failed: out of memory");
    EXPECT_EQ(CodeScanError(CodeScanErrorKind::noCodeDetected).localizedDescription(),
              "No code was detected in the selected region");
    test::ScopedTranslation german({{"code_scan_error.vision_failed", "Erkennung fehlgeschlagen: %1"}});
    EXPECT_EQ(CodeScanError(CodeScanErrorKind::visionRequestFailed, "out of memory").localizedDescription(),
              "Erkennung fehlgeschlagen: out of memory");
}

TEST_F(CodeScanServiceTest, ReadsALightOnDarkCode)
{
    QImage qr = makeCode(BarcodeFormat::QRCode, "light on dark", 200, 200);
    qr.invertPixels();
    EXPECT_EQ(service->detectBestCode(qr).result().payload, "light on dark");
}

TEST_F(CodeScanServiceTest, ReadsEveryLinearCodeOfAStackTopFirst)
{
    const QImage upper = makeCode(BarcodeFormat::Code128, "UPPER-1", 300, 80, 4);
    const QImage lower = makeCode(BarcodeFormat::Code128, "LOWER-2", 300, 80, 4);
    const QImage stack = compose({340, 220}, {{{20, 20}, upper}, {{20, 120}, lower}});
    const QList<DetectedCode> codes = service->detectCodes(stack).result();
    ASSERT_EQ(codes.size(), 2);
    EXPECT_EQ(codes[0].payload, "UPPER-1");
    EXPECT_EQ(codes[1].payload, "LOWER-2");
    EXPECT_EQ(service->detectBestCode(stack).result().payload, "UPPER-1");
}

TEST_F(CodeScanServiceTest, ACodeWhoseBandsDisagreeGivesNoPayload)
{
    // The bars of one EAN-13 above those of another, with nothing between: each scan line
    // reads a valid code, but not the same one.
    const QImage upper = makeCode(BarcodeFormat::EAN13, "4006381333931", 300, 50);
    const QImage lower = makeCode(BarcodeFormat::EAN13, "5901234123457", 300, 50);
    const QImage image = compose({340, 140}, {{{20, 20}, upper}, {{20, 70}, lower}});
    EXPECT_TRUE(service->detectCodes(image).result().isEmpty());
    // Apart, each is read.
    const QImage apart = compose({340, 200}, {{{20, 20}, upper}, {{20, 130}, lower}});
    EXPECT_EQ(service->detectCodes(apart).result().size(), 2);
}

TEST_F(CodeScanServiceTest, TextIsNoCode)
{
    QImage image(420, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(test::dejaVuFont("DejaVuSansMono.ttf", 14));
    painter.drawText(QRect(10, 10, 400, 100), Qt::TextWordWrap,
                     "||| lll III 111 ||| Invoice #10482, item 4006381333931, total 1,249.99");
    painter.end();
    EXPECT_TRUE(service->detectCodes(image).result().isEmpty());
    image.invertPixels();
    EXPECT_TRUE(service->detectCodes(image).result().isEmpty());
}

TEST_F(CodeScanServiceTest, ReadsASmallAztecCodeBesideText)
{
    // Two pixels per module, at the top right of a label whose text fills the left.
    const QImage aztec = makeCode(BarcodeFormat::Aztec, "AZTEC-2024-ok", 1, 1, 2);
    QImage label = compose({400, 120}, {{{320, 0}, aztec.scaled(aztec.size() * 2)}});
    QPainter painter(&label);
    painter.setFont(test::dejaVuFont("DejaVuSans.ttf", 13));
    painter.drawText(QRect(12, 8, 280, 100), 0, "Order 10482\nShips in 2 days\nScan to track");
    painter.end();
    EXPECT_EQ(service->detectBestCode(label).result().payload, "AZTEC-2024-ok");
}

TEST_F(CodeScanServiceTest, ReadsATinyDataMatrixAndPhotographedLabels)
{
    // One pixel per module, light on dark as a page in a dark theme shows it.
    QImage tiny = makeCode(BarcodeFormat::DataMatrix, "LOT 7781 EXP 2026", 1, 1);
    tiny.invertPixels();
    EXPECT_EQ(service->detectBestCode(tiny).result().payload, "LOT 7781 EXP 2026");

    // A code at `module` pixels per module on a label on a dark table, seen with its corners
    // at `corners` (fractions of its width and height) and turned by `degrees`, out of focus
    // by `blur`.
    const auto photographed = [](const QImage &code, int module, const QPolygonF &corners, double degrees, double blur) {
        const QImage label = code.scaled(code.size() * module);
        const QTransform size = QTransform::fromScale(label.width(), label.height());
        const QPolygonF square({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)});
        QTransform view;
        QTransform::quadToQuad(size.map(square), size.map(corners), view);
        return test::photographedLabel(label, view * QTransform().rotate(degrees), 30, blur);
    };

    // A full-range Aztec symbol seen at an angle.
    const std::string text = "Shipment 4711-0815 from Lyon to Tromso, 14 parcels, handle with care; contact +33 4 72 00 00 00 "
                             "or logistics@example.org";
    const QImage aztec = photographed(makeCode(BarcodeFormat::Aztec, text, 1, 1, 20), 4,
                                     QPolygonF({QPointF(0.06, 0), QPointF(1, 0.02), QPointF(0.98, 1), QPointF(0, 0.94)}), 0, 1.5);
    EXPECT_EQ(service->detectBestCode(aztec).result().payload, QString::fromStdString(text));

    // A QR code of the largest version, turned, in light falling off to one side and with
    // sensor noise.
    std::string dense;
    while (dense.size() < 2900)
        dense += "row " + std::to_string(dense.size()) + ": lorem ipsum dolor sit amet; ";
    dense.resize(2900);
    QImage qr = photographed(makeCode(BarcodeFormat::QRCode, dense, 1, 1), 6,
                              QPolygonF({QPointF(0.02, 0), QPointF(1, 0.01), QPointF(1, 1), QPointF(0, 0.98)}), -6, 1.3)
                    .convertToFormat(QImage::Format_Grayscale8);
    QRandomGenerator noise(7);
    for (int y = 0; y < qr.height(); ++y) {
        uchar *row = qr.scanLine(y);
        for (int x = 0; x < qr.width(); ++x)
            row[x] = uchar(std::clamp(int(row[x] * (0.7 + 0.3 * x / qr.width())) + int(noise.bounded(13)) - 6, 0, 255));
    }
    EXPECT_EQ(service->detectBestCode(qr).result().payload, QString::fromStdString(dense));
}
