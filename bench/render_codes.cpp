// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the code-scanning corpus: every symbology the scanner reads at module sizes of
// 1 to 4 pixels, dark on light and light on dark, at 0 and 90 degrees; stacks of two
// linear codes; codes beside text; and images with text or interface lines but no code.
// Each NAME.png has NAME.gt.txt beside it with the payloads in reading order, one a line
// (empty for the images without a code).
//
// OUTPUT_DIR/hard holds the harder cases: compact and full-range Aztec, small and distorted
// Data Matrix, dense QR at high resolution, EAN/UPC photographed (perspective, blur,
// noise, uneven light), QR Code model 1 and Aztec runes (drawn here: zxing-cpp's writer
// makes neither).
//
// Usage: render_codes OUTPUT_DIR
#include "bench_support.h"
#include "support/photographed_label.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

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

// `symbol` at `module` pixels per module with a quiet zone of ten modules; a linear
// symbol stretched to 24 modules and 20 pixels high.
QImage scaledWithQuietZone(const QImage &symbol, int module, bool linear = false)
{
    const int height = linear ? 24 * module + 20 : symbol.height() * module;
    const QImage scaled = symbol.scaled(symbol.width() * module, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int quiet = 10 * module;
    QImage image(scaled.width() + 2 * quiet, scaled.height() + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(quiet, quiet, scaled);
    return image;
}

// The symbol at `module` pixels per module with a quiet zone of ten modules.
QImage codeImage(const Symbology &symbology, const QString &payload, int module)
{
    return scaledWithQuietZone(symbolOf(symbology, payload), module, symbology.linear);
}

// Arithmetic in GF(2^m) built on the primitive polynomial `polynomial`.
class GaloisField {
public:
    GaloisField(int polynomial, int size) : m_exp(size), m_log(size)
    {
        for (int i = 0, x = 1; i < size - 1; ++i) {
            m_exp[i] = x;
            m_log[x] = i;
            x <<= 1;
            if (x >= size)
                x ^= polynomial;
        }
    }
    int power(int n) const { return m_exp[n % (int(m_exp.size()) - 1)]; }
    int times(int a, int b) const
    {
        return a && b ? power(m_log[a] + m_log[b]) : 0;
    }

private:
    std::vector<int> m_exp, m_log;
};

// The `count` Reed-Solomon check words of `data`, the generator's roots being alpha^first
// to alpha^(first + count - 1).
QList<int> checkWords(const GaloisField &field, const QList<int> &data, int count, int first)
{
    QList<int> generator{1};  // highest power first
    for (int i = 0; i < count; ++i) {
        QList<int> product(generator.size() + 1, 0);
        for (qsizetype j = 0; j < generator.size(); ++j) {
            product[j] ^= generator[j];
            product[j + 1] ^= field.times(generator[j], field.power(first + i));
        }
        generator = product;
    }
    QList<int> remainder(count, 0);
    for (int word : data) {
        const int factor = word ^ remainder.takeFirst();
        remainder.append(0);
        for (int j = 0; j < count; ++j)
            remainder[j] ^= field.times(generator[j + 1], factor);
    }
    return remainder;
}

// A module grid, light until set; drawn at one pixel per module.
class Modules {
public:
    explicit Modules(int size) : m_size(size), m_dark(size * size, false) {}
    int size() const { return m_size; }
    void set(int x, int y, bool dark = true) { m_dark[y * m_size + x] = dark; }
    QImage image() const
    {
        QImage image(m_size, m_size, QImage::Format_Grayscale8);
        for (int y = 0; y < m_size; ++y) {
            for (int x = 0; x < m_size; ++x)
                image.scanLine(y)[x] = m_dark[y * m_size + x] ? 0 : 255;
        }
        return image;
    }

private:
    int m_size;
    std::vector<bool> m_dark;
};

// A QR Code model 1 symbol (the form printed before 1997) of version 1 or 2 (21 or 25
// modules) at error correction level M in one block, its payload in byte mode. Model 1
// has no alignment patterns; its format information is masked with 0x2825 instead of
// model 2's 0x5412, its bit stream starts with four zero bits, and its codewords are
// placed as 2 x 4 module blocks up the two rightmost column pairs and the four leftmost
// ones (between the finders), and as 4 x 2 blocks up the columns between. Version 2 and
// above leave some blocks along the right and bottom edges to extension patterns, which
// readers skip; they are drawn here as solid blocks.
QImage qrModel1Symbol(const QByteArray &payload, int version, int mask)
{
    const int size = 17 + 4 * version;
    const int dataWords = version == 1 ? 16 : 30;
    const int checkCount = version == 1 ? 10 : 16;
    Modules modules(size);

    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 7, 0), QPoint(0, size - 7)}) {
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x)
                modules.set(corner.x() + x, corner.y() + y, std::max(std::abs(x - 3), std::abs(y - 3)) != 2);
        }
    }
    for (int i = 8; i < size - 8; ++i) {
        modules.set(i, 6, i % 2 == 0);
        modules.set(6, i, i % 2 == 0);
    }
    modules.set(8, size - 8);

    // Level M is 00; BCH(15,5) with generator 0x537.
    const int formatData = mask;
    int remainder = formatData << 10;
    for (int bit = 14; bit >= 10; --bit) {
        if (remainder & (1 << bit))
            remainder ^= 0x537 << (bit - 10);
    }
    const int format = ((formatData << 10) | remainder) ^ 0x2825;
    const auto formatBit = [&](int i) { return bool((format >> i) & 1); };
    for (int i = 0; i < 6; ++i) {
        modules.set(i, 8, formatBit(14 - i));
        modules.set(8, 5 - i, formatBit(5 - i));
    }
    modules.set(7, 8, formatBit(8));
    modules.set(8, 8, formatBit(7));
    modules.set(8, 7, formatBit(6));
    for (int i = 0; i < 7; ++i)
        modules.set(8, size - 1 - i, formatBit(14 - i));
    for (int i = 0; i < 8; ++i)
        modules.set(size - 8 + i, 8, formatBit(7 - i));

    QList<bool> bits;
    const auto append = [&](int value, int count) {
        for (int i = count - 1; i >= 0; --i)
            bits.append((value >> i) & 1);
    };
    append(0, 4);
    append(0b0100, 4);
    append(int(payload.size()), 8);
    for (char c : payload)
        append(uchar(c), 8);
    Q_ASSERT(bits.size() <= dataWords * 8);
    append(0, std::min<int>(4, dataWords * 8 - int(bits.size())));
    while (bits.size() % 8)
        bits.append(false);
    QList<int> words;
    for (qsizetype i = 0; i < bits.size(); i += 8) {
        int word = 0;
        for (int b = 0; b < 8; ++b)
            word = word << 1 | bits[i + b];
        words.append(word);
    }
    for (int pad = 0; words.size() < dataWords; ++pad)
        words.append(pad % 2 ? 0x11 : 0xEC);
    words += checkWords(GaloisField(0x11D, 256), words, checkCount, 0);

    const auto masked = [mask](int x, int y) {
        switch (mask) {
        case 0: return (x + y) % 2 == 0;
        case 1: return y % 2 == 0;
        case 2: return x % 3 == 0;
        case 3: return (x + y) % 3 == 0;
        case 4: return (y / 2 + x / 3) % 2 == 0;
        case 5: return (x * y) % 2 + (x * y) % 3 == 0;
        case 6: return ((x * y) % 2 + (x * y) % 3) % 2 == 0;
        default: return ((x + y) % 2 + (x * y) % 3) % 2 == 0;
        }
    };
    qsizetype next = 0;
    // A block whose bottom right module is (x, y), `width` modules wide, filled with the
    // next codeword from its bottom right, row by row upwards; or an extension pattern.
    const auto block = [&](int x, int y, int width, bool extension) {
        const int word = extension ? 0xFF : words.value(next++);
        for (int b = 0; b < 8; ++b) {
            const int mx = x - b % width, my = y - b / width;
            const bool bit = (word >> (7 - b)) & 1;
            modules.set(mx, my, extension ? bit : bit != masked(mx, my));
        }
    };
    const int columns = size / 4 + 3;
    for (int j = 0; j < 2; ++j) {
        const int rows = (size - 8) / 4;
        for (int i = 0; i < rows; ++i)
            block(size - 1 - 2 * j, size - 1 - 4 * i, 2, j == 0 && i % 2 == 0 && i > 0 && i < rows - 1);
    }
    for (int j = 2; j < columns - 4; ++j) {
        const int rows = size / 2;
        for (int i = 0; i < rows; ++i) {
            if (j == 2 && i >= rows - 4)
                continue;  // the top right finder
            // Rows above the timing pattern sit one module higher.
            block(size - 5 - 4 * (j - 2), size - 1 - 2 * i - (i >= rows - 3), 4,
                  i == 0 && j % 2 == 1 && j + 1 != columns - 4);
        }
    }
    for (int j = columns - 4; j < columns; ++j) {
        const int fromLeft = columns - j;  // 4 to 1
        for (int i = 0; i < (size - 16) / 4; ++i)
            block(2 * fromLeft - 1 + (fromLeft == 4), size - 9 - 4 * i, 2, false);
    }
    Q_ASSERT(next == words.size());
    return modules.image();
}

// An Aztec rune: the 11 x 11 core of a compact Aztec symbol, with no data layers, whose
// mode message carries one byte. The byte is two 4-bit words followed by five
// Reed-Solomon check words over GF(16) (x^4 + x + 1, roots from alpha^1), as a compact
// symbol's mode message, with every other bit inverted (each word XOR 1010) so that no
// reader takes it for one. Readers report the byte as three decimal digits.
QImage aztecRune(int value)
{
    constexpr int size = 11, centre = 5;
    Modules modules(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int ring = std::max(std::abs(x - centre), std::abs(y - centre));
            modules.set(x, y, ring <= 4 && ring % 2 == 0);
        }
    }
    // Orientation marks: three modules at the top left corner, two at the top right, one
    // at the bottom right.
    for (const QPoint mark : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(10, 0), QPoint(10, 1), QPoint(10, 9)})
        modules.set(mark.x(), mark.y());
    QList<int> words{value >> 4, value & 0xF};
    words += checkWords(GaloisField(0x13, 16), words, 5, 1);
    QList<bool> bits;
    for (int word : words) {
        for (int b = 3; b >= 0; --b)
            bits.append(((word ^ 0b1010) >> b) & 1);
    }
    // Clockwise from the top left: along the top, down the right, back along the bottom
    // and up the left side, seven modules each between the orientation marks.
    for (int i = 0; i < 7; ++i) {
        const int offset = centre - 3 + i;
        modules.set(offset, 0, bits[i]);
        modules.set(10, offset, bits[7 + i]);
        modules.set(offset, 10, bits[20 - i]);
        modules.set(0, offset, bits[27 - i]);
    }
    return modules.image();
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
    QImage photo = quorvane::test::photographedLabel(code, warp, 40, blur);
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
    // More of them, seen at angles from slight to steep, from a generator of their own so
    // that the samples after them stay as they were.
    std::mt19937 angles(4711);
    for (int i = 0; i < 8; ++i) {
        write(QStringLiteral("aztec-full-angled-%1").arg(i),
              photographed(codeImage(compactAztec, longText, 3 + i % 3), angles, 0.02 + 0.005 * (i % 5), 1.0 + 0.25 * (i % 3)),
              longText);
    }

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
    // Version 40, the largest (177 modules), up to 1576 pixels across; its photo from a
    // generator of its own so that the samples after it stay as they were.
    while (dense.size() < 2900)
        dense += QStringLiteral("row %1: lorem ipsum dolor sit amet; ").arg(dense.size());
    dense.truncate(2900);
    for (int module : {3, 8})
        write(QStringLiteral("qr-v40-m%1").arg(module), codeImage(qr, dense, module), dense);
    std::mt19937 largest(177);
    write(QStringLiteral("qr-v40-photo"), photographed(codeImage(qr, dense, 6), largest, 0.015, 1.3), dense);

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
    // Symbols zxing-cpp's writer cannot make: QR Code model 1 and Aztec runes.
    write(QStringLiteral("qrmodel1-v1-m3"), scaledWithQuietZone(qrModel1Symbol("QR MODEL 1 v1", 1, 2), 3),
          QStringLiteral("QR MODEL 1 v1"));
    write(QStringLiteral("qrmodel1-v2-m3"), scaledWithQuietZone(qrModel1Symbol("Model 1, version 2: 25x25", 2, 5), 3),
          QStringLiteral("Model 1, version 2: 25x25"));
    for (int value : {25, 200})
        write(QStringLiteral("aztecrune-%1-m4").arg(value), scaledWithQuietZone(aztecRune(value), 4),
              QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0')));
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
