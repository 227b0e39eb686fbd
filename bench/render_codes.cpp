// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the code-scanning corpus: every symbology the scanner reads at module sizes of
// 1 to 4 pixels, dark on light and light on dark, at 0 and 90 degrees; stacks of two
// linear codes; codes beside text; and images with text or interface lines but no code.
// Each NAME.png has NAME.gt.txt beside it with the payloads in reading order, one a line
// (empty for the images without a code).
//
// OUTPUT_DIR/hard holds the harder cases: compact and full-range Aztec, small and distorted
// Data Matrix, dense QR at high resolution, and EAN/UPC photographed (perspective, blur,
// noise, uneven light). zxing-cpp 1.4 neither writes nor reads QR model 1, so it has none.
//
// Usage: render_codes OUTPUT_DIR
#include "bench_support.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

using ZXing::BarcodeFormat;

struct Symbology {
    const char *name;
    BarcodeFormat format;
    const char *payload;
    bool linear;
};

const QList<Symbology> kSymbologies{
    {"qr", BarcodeFormat::QRCode, "https://example.com/item/4711", false},
    {"aztec", BarcodeFormat::Aztec, "AZTEC-2024-ok", false},
    {"datamatrix", BarcodeFormat::DataMatrix, "LOT 7781 EXP 2026", false},
    {"pdf417", BarcodeFormat::PDF417, "PDF417 sample 123", false},
    {"ean8", BarcodeFormat::EAN8, "96385074", true},
    {"ean13", BarcodeFormat::EAN13, "4006381333931", true},
    {"upce", BarcodeFormat::UPCE, "01234565", true},
    {"code39", BarcodeFormat::Code39, "CODE39-TEST", true},
    {"code39ascii", BarcodeFormat::Code39, "code39 lower", true},
    {"code93", BarcodeFormat::Code93, "CODE93 TEST", true},
    {"code128", BarcodeFormat::Code128, "Code128/test-42", true},
    {"itf14", BarcodeFormat::ITF, "00012345678905", true},
};

// The symbol at one pixel per module, without a quiet zone; linear codes one row high.
QImage symbolOf(const Symbology &symbology, const QString &payload)
{
    const ZXing::BitMatrix matrix =
        ZXing::MultiFormatWriter(symbology.format).setMargin(0).encode(payload.toStdWString(), 1, 1);
    QImage image(matrix.width(), matrix.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matrix.height(); ++y) {
        for (int x = 0; x < matrix.width(); ++x)
            image.scanLine(y)[x] = matrix.get(x, y) ? 0 : 255;
    }
    return image;
}

// The symbol at `module` pixels per module with a quiet zone of ten modules.
QImage codeImage(const Symbology &symbology, const QString &payload, int module)
{
    const QImage symbol = symbolOf(symbology, payload);
    const int height = symbology.linear ? 24 * module + 20 : symbol.height() * module;
    const QImage scaled = symbol.scaled(symbol.width() * module, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int quiet = 10 * module;
    QImage image(scaled.width() + 2 * quiet, scaled.height() + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(quiet, quiet, scaled);
    return image;
}

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void save(const QString &dir, const QString &name, const QImage &image, const QStringList &payloads)
{
    image.save(dir + '/' + name + ".png");
    bench::writeText(dir + '/' + name + ".gt.txt", payloads.join('\n'));
}

QImage textImage(QSize size, const QStringList &lines)
{
    QImage image = canvas(size);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor("#1d1d1f"));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(12, 24 + 22 * i, lines[i]);
    return image;
}

// The image as a phone photographs a printed label: the paper under uneven light, seen at
// an angle (each corner moved by up to `skew` of the side), turned a little, blurred by
// `blur` (1 is sharp) and with sensor noise.
QImage photographed(const QImage &code, std::mt19937 &random, double skew, double blur)
{
    std::uniform_real_distribution<double> jitter(-skew, skew);
    const double w = code.width(), h = code.height();
    const QPolygonF from({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)});
    QPolygonF to;
    for (const QPointF &corner : from)
        to << corner + QPointF(jitter(random) * w, jitter(random) * h);
    QTransform warp;
    QTransform::quadToQuad(from, to, warp);
    warp *= QTransform().rotate(std::uniform_real_distribution<double>(-6, 6)(random));
    const QRectF bounds = warp.mapRect(QRectF(0, 0, w, h));
    QImage photo(bounds.size().toSize() + QSize(80, 80), QImage::Format_RGB32);
    photo.fill(QColor(90, 84, 76));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(40 - bounds.left(), 40 - bounds.top());
        painter.setTransform(warp, true);
        painter.drawImage(0, 0, code);
    }
    if (blur > 1) {
        const QSize size = photo.size();
        photo = photo.scaled(size / blur, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    std::normal_distribution<double> noise(0, 6);
    const double lightFrom = std::uniform_real_distribution<double>(0.7, 1.0)(random);
    for (int y = 0; y < photo.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double light = lightFrom + (1.0 - lightFrom) * x / photo.width();
            const auto channel = [&](int v) { return std::clamp(int(v * light + noise(random)), 0, 255); };
            row[x] = qRgb(channel(qRed(row[x])), channel(qGreen(row[x])), channel(qBlue(row[x])));
        }
    }
    return photo;
}

// The harder cases of each symbology, into `out`; the number written.
int renderHardCases(const QString &out)
{
    std::mt19937 random(20261207);
    int written = 0;
    const auto write = [&](const QString &name, const QImage &image, const QString &payload) {
        save(out, name, image, payload.isEmpty() ? QStringList() : QStringList{payload});
        ++written;
    };
    const Symbology compactAztec{"aztec", BarcodeFormat::Aztec, "", false};
    const QString compactPayloads[] = {"A1", "PO-88213", "https://ex.am/p?q=7"};
    for (int module : {2, 3}) {
        for (const QString &payload : compactPayloads)
            write(QStringLiteral("aztec-compact-%1-m%2").arg(payload.size()).arg(module),
                  codeImage(compactAztec, payload, module), payload);
    }
    const QString longText = QStringLiteral(
        "Shipment 4711-0815 from Lyon to Tromso, 14 parcels, handle with care; contact +33 4 72 00 00 00 "
        "or logistics@example.org before delivery, reference QV-2026-12-07");
    for (int module : {2, 3})
        write(QStringLiteral("aztec-full-m%1").arg(module), codeImage(compactAztec, longText, module), longText);
    write(QStringLiteral("aztec-full-photo"), photographed(codeImage(compactAztec, longText, 4), random, 0.04, 1.5),
          longText);

    const Symbology dataMatrix{"datamatrix", BarcodeFormat::DataMatrix, "", false};
    const QString lots[] = {"LOT 7781", "SN 00412-7781-A", "GTIN 04006381333931 EXP 261231"};
    for (const QString &payload : lots) {
        write(QStringLiteral("datamatrix-small-%1").arg(payload.size()), codeImage(dataMatrix, payload, 2), payload);
        for (int i = 0; i < 2; ++i)
            write(QStringLiteral("datamatrix-distorted-%1-%2").arg(payload.size()).arg(i),
                  photographed(codeImage(dataMatrix, payload, 3), random, 0.05, 1.4), payload);
    }

    const Symbology qr{"qr", BarcodeFormat::QRCode, "", false};
    QString dense;
    while (dense.size() < 1200)
        dense += QStringLiteral("row %1: lorem ipsum dolor sit amet; ").arg(dense.size());
    for (int module : {4, 6})
        write(QStringLiteral("qr-dense-m%1").arg(module), codeImage(qr, dense, module), dense);
    write(QStringLiteral("qr-dense-photo"), photographed(codeImage(qr, dense, 6), random, 0.02, 1.3), dense);

    const QList<Symbology> retail{{"ean13", BarcodeFormat::EAN13, "5030159003930", true},
                                  {"ean13", BarcodeFormat::EAN13, "4006381333931", true},
                                  {"upce", BarcodeFormat::UPCE, "04124498", true},
                                  {"ean8", BarcodeFormat::EAN8, "96385074", true}};
    for (const Symbology &symbology : retail) {
        const QString payload = QLatin1String(symbology.payload);
        for (int i = 0; i < 8; ++i) {
            const double blur = 1.0 + 0.25 * i;
            write(QStringLiteral("%1-photo-%2-%3").arg(QLatin1String(symbology.name), payload).arg(i),
                  photographed(codeImage(symbology, payload, 3 + i % 2), random, 0.03 + 0.006 * i, blur), payload);
        }
    }
    // Photographed labels without a code: text, and stripes like a barcode's.
    QImage label = textImage({460, 100}, {"Best before 2026-12-31", "Lot 4006381 333931", "||| ||| III lll 111"});
    write(QStringLiteral("none-photo-text"), photographed(label, random, 0.03, 1.5), QString());
    QImage stripes = canvas({300, 120});
    {
        QPainter painter(&stripes);
        for (int x = 30; x < 270; x += 6)
            painter.fillRect(x, 10, 2 + x % 4, 100, Qt::black);
    }
    write(QStringLiteral("none-photo-stripes"), photographed(stripes, random, 0.03, 2.0), QString());
    return written;
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    const std::optional<QString> folder = bench::outputFolder(argc, argv, "render_codes OUTPUT_DIR");
    if (!folder)
        return 2;
    const QString out = *folder;
    int written = 0;
    for (const Symbology &symbology : kSymbologies) {
        const QString payload = QLatin1String(symbology.payload);
        for (int module = 1; module <= 4; ++module) {
            for (int rotation : {0, 90}) {
                for (bool inverted : {false, true}) {
                    QImage image = codeImage(symbology, payload, module);
                    if (rotation)
                        image = image.transformed(QTransform().rotate(rotation));
                    if (inverted)
                        image.invertPixels();
                    save(out, QStringLiteral("%1-m%2-r%3%4").arg(QLatin1String(symbology.name)).arg(module).arg(rotation)
                                  .arg(inverted ? "-inverted" : ""),
                         image, {payload});
                    ++written;
                }
            }
        }
        // Beside text, as on a label or a web page.
        const QImage code = codeImage(symbology, payload, 2);
        QImage beside = textImage({code.width() + 320, std::max(code.height(), 120)},
                                  {"Order 10482", "Ships in 2 days", "Scan to track"});
        QPainter(&beside).drawImage(320, 0, code);
        save(out, QStringLiteral("%1-beside-text").arg(QLatin1String(symbology.name)), beside, {payload});
        ++written;
        if (!symbology.linear)
            continue;
        // Two linear codes of one kind stacked, as on a shipping label.
        const QString second = symbology.format == BarcodeFormat::EAN8    ? QStringLiteral("55123457")
                               : symbology.format == BarcodeFormat::EAN13 ? QStringLiteral("5901234123457")
                               : symbology.format == BarcodeFormat::UPCE  ? QStringLiteral("04252614")
                               : symbology.format == BarcodeFormat::ITF   ? QStringLiteral("15400141288763")
                                                                          : payload + QStringLiteral("2");
        for (int module : {2, 3}) {
            const QImage upper = codeImage(symbology, payload, module);
            const QImage lower = codeImage(symbology, second, module);
            QImage stack = canvas({std::max(upper.width(), lower.width()), upper.height() + lower.height()});
            QPainter painter(&stack);
            painter.drawImage(0, 0, upper);
            painter.drawImage(0, upper.height(), lower);
            painter.end();
            save(out, QStringLiteral("%1-stack-m%2").arg(QLatin1String(symbology.name)).arg(module), stack, {payload, second});
            ++written;
        }
    }
    // No code at all: prose, a table of numbers, interface lines and stripes.
    const QList<QStringList> texts{
        {"The quick brown fox jumps over the lazy dog.", "Invoice #10482 is due on 15 March.", "Total: $1,249.99"},
        {"4006381333931   96385074   00012345678905", "|||| |||| |||| 1111 lllll IIIII", "ID  Name   Qty  Price"},
        {"def parse(lines):", "    return [l.split(',') for l in lines]", "# |  |  |  |  |"},
    };
    for (int i = 0; i < texts.size(); ++i) {
        for (bool inverted : {false, true}) {
            QImage image = textImage({460, 100}, texts[i]);
            if (inverted)
                image.invertPixels();
            save(out, QStringLiteral("none-text%1%2").arg(i).arg(inverted ? "-inverted" : ""), image, {});
            ++written;
        }
    }
    QImage stripes = canvas({400, 200});
    QPainter painter(&stripes);
    for (int x = 0; x < 400; x += 7)
        painter.fillRect(x, 0, 1 + x % 3, 200, Qt::black);
    painter.end();
    save(out, QStringLiteral("none-stripes"), stripes, {});
    save(out, QStringLiteral("none-blank"), canvas({300, 200}), {});
    QDir().mkpath(out + "/hard");
    const int hard = renderHardCases(out + "/hard");
    std::printf("wrote %d samples to %s and %d harder ones to %s/hard\n", written + 2, qPrintable(out), hard,
                qPrintable(out));
    return 0;
}
