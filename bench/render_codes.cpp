// Renders the code-scanning corpus: every symbology the scanner reads at module sizes of
// 1 to 4 pixels, dark on light and light on dark, at 0 and 90 degrees; stacks of two
// linear codes; codes beside text; and images with text or interface lines but no code.
// Each NAME.png has NAME.gt.txt beside it with the payloads in reading order, one a line
// (empty for the images without a code).
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

#include <cstdio>

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
    std::printf("wrote %d samples to %s\n", written + 2, qPrintable(out));
    return 0;
}
