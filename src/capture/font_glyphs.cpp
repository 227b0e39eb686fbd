// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/font_glyphs.h"

#include "capture/grey_image.h"
#include "capture/recognition_image.h"

#include "core/diagnostics.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QRawFont>
#include <QThread>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

namespace quorvane {

namespace {

// A font fits a block when the cells of its surely read characters differ from its glyphs
// by at most this much on the whole (0 alike, 1 nothing in common): the font that drew a
// text matches its cells to within a few hundredths, another font's glyphs of the same
// pitch differ by about 0.1 or more.
constexpr double kFits = 0.1;
// A character read becomes another when the cell's ink is closer to that glyph than to
// the glyph read, by this share of all the ink in which the two glyphs differ (up to 1, the
// cell drawn as that glyph to the pixel); never when the glyph read matches the cell this
// well, nor when the other matches it worse than a font that drew it would, nor when a
// third glyph matches it about as well.
constexpr double kCloser = 0.25;
constexpr double kMatches = 0.08;
constexpr double kCellFits = 0.2;
constexpr double kRunnerUp = 0.04;
// Qt places a glyph at the nearest quarter pixel to the left of its pen.
constexpr int kQuarters = 4;
// Fonts fitting a block within this much of the best fit as well as it.
constexpr double kAsWell = 0.02;
// Every this many of the cells compared first, and how much worse than the best a font
// may fit them to be compared on all.
constexpr size_t kFirstSamples = 4;
constexpr double kFarOff = 0.08;
// A best fit at whole pixel sizes worse than this has sizes between them tried, down to
// this many steps a pixel.
constexpr double kCloseAtWholePixels = 0.03;
constexpr int kSizeSteps = 8;
// The glyphs kept between captures take at most this many bytes, besides those of the
// last block: a terminal's text at one size draws about as many.
constexpr qsizetype kGlyphBytes = 8 * 1024 * 1024;
// Cells compared to find the font.
constexpr qsizetype kSamples = 40;
// Glyphs compared closely once all have been compared at the cell's place.
constexpr size_t kClosest = 4;
// Sizes found from the text's height are tried this many pixels either side, at half
// pixels, when a font may not fill its cells; it takes this many characters to tell.
constexpr double kHeightOff = 0.75;
constexpr size_t kHeightSamples = 5;

// A terminal's cell may be wider than its font's advance (sized from the widest glyph) or
// narrower (an advance rounded down), though never by a wholly other design's proportion.
bool cellsFitAdvance(double cellWidth, double advance)
{
    return advance > 0 && cellWidth >= 0.75 * advance && cellWidth <= 1.5 * advance;
}

// Characters the engine reads without confusing them with another: their cells tell the
// font.
const QString kSure = QStringLiteral("abdghmnqrtyBEGHMNRTY237#%&=");

// What a cell may hold: the printable ASCII characters, and the typographic marks the
// engine reads for some of them.
const QString &cellCharacters()
{
    static const QString characters = [] {
        QString all;
        for (char16_t c = 0x21; c < 0x7F; ++c)
            all += QChar(c);
        return all + QStringLiteral("\u2018\u2019\u201C\u201D\u2013\u00B0");
    }();
    return characters;
}

// One character drawn at the captured image's pixels in one font, its pen a whole number
// of quarter pixels right of a pixel's edge, as Qt draws text: how much ink covers each
// pixel, from 0 to 1.
struct Glyph {
    // Row by row, with a blank pixel before and two after each row and column, so that
    // sampling about the glyph needs no bounds.
    std::vector<float> coverage;
    int width = 0, height = 0, stride = 0;
    double pen = 0;       // where the character's advance starts
    double baseline = 0;  // the edge of the rows the character stands on
};

// One installed font at one pixel size, drawn in one way, its glyphs drawn as they are
// first asked for.
struct FontSize {
    QString family;
    double pixelSize = 0;
    QFont font;
    double advance = 0, ascent = 0, descent = 0;
    int maxWidth = 0;
    // The font at its very size, where that is not a whole number of pixels.
    QRawFont raw;
    // How much darker the text's cells are than the glyphs drawn black on white: small
    // text's thin strokes never cover a whole pixel, while the cells' ink is measured from
    // the block's darkest pixels.
    double gain = 1;
    // Keeps the glyphs drawn in it.
    GlyphCache *glyphs = nullptr;
    // The text's cells are the grid's own width rather than this font's advance: a
    // terminal may size them from the font's widest glyph and draw each glyph at its
    // cell's left edge or in its middle.
    bool ownCells = false;
};

// A terminal takes its font's size in points, which at the screen's resolution is rarely a
// whole number of pixels (10 points at 96 dpi are 13 1/3), while Qt draws a QFont at a
// whole number: sizes between are drawn from the font's outlines at the very size.
bool wholePixels(double pixelSize)
{
    return pixelSize == std::floor(pixelSize);
}

QFont fontOfSize(const QString &family, double pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::floor(pixelSize))));
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QRawFont rawFontOfSize(const QFont &font, double pixelSize)
{
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(pixelSize);
    return raw;
}

// The advance of a font's cell and the font's height above and below the baseline.
struct Measures {
    double advance = 0;
    int ascent = 0, descent = 0, maxWidth = 0;
};

Measures measure(const QFont &font, double pixelSize)
{
    if (wholePixels(pixelSize)) {
        const QFontMetrics metrics(font);
        return {QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')), metrics.ascent(), metrics.descent(), metrics.maxWidth()};
    }
    const QRawFont raw = rawFontOfSize(font, pixelSize);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(raw.glyphIndexesForString(QStringLiteral("0")));
    return {advances.isEmpty() ? 0.0 : advances.front().x(), int(std::lround(raw.ascent())), int(std::lround(raw.descent())),
            int(std::ceil(raw.maxCharWidth()))};
}

// Characters standing on the baseline without a descender, whose height tells a font's size.
const QString kTelling = QStringLiteral("abdhkmnrtBEHKMNRT237");

// How tall each telling character's ink is in `family`, per pixel of the font's size.
QHash<QChar, double> heightsPerPixel(const QString &family)
{
    constexpr double size = 64;
    const QRawFont raw = rawFontOfSize(fontOfSize(family, size), size);
    QHash<QChar, double> heights;
    for (const QChar character : kTelling) {
        const QList<quint32> indexes = raw.glyphIndexesForString(QString(character));
        if (indexes.size() == 1 && indexes.front() != 0) {
            const double height = raw.boundingRect(indexes.front()).height();
            if (height > 0)
                heights.insert(character, height / size);
        }
    }
    return heights;
}

Glyph drawGlyph(const FontSize &font, QChar character, int quarter)
{
    constexpr int pad = 2;
    const int width = font.maxWidth + 2 * pad + 1;
    const int height = font.ascent + font.descent + 2 * pad;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    const QPointF pen(pad + double(quarter) / kQuarters, pad + font.ascent);
    if (font.raw.isValid()) {
        QGlyphRun run;
        run.setRawFont(font.raw);
        const QList<quint32> indexes = font.raw.glyphIndexesForString(QString(character));
        run.setGlyphIndexes(indexes);
        run.setPositions(QList<QPointF>(indexes.size()));
        painter.drawGlyphRun(pen, run);
    } else {
        painter.setFont(font.font);
        painter.drawText(pen, QString(character));
    }
    painter.end();
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    Glyph glyph;
    glyph.width = width;
    glyph.height = height;
    glyph.stride = width + 3;
    glyph.coverage.assign(size_t(glyph.stride) * size_t(height + 3), 0.0f);
    for (int y = 0; y < height; ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < width; ++x)
            glyph.coverage[size_t((y + 1) * glyph.stride + x + 1)] = float(255 - row[x]) / 255.0f;
    }
    glyph.pen = pad + double(quarter) / kQuarters;
    glyph.baseline = pad + font.ascent;
    return glyph;
}

struct GlyphKey {
    QString family;
    double pixelSize = 0;
    char16_t character = 0;
    int quarter = 0;

    bool operator==(const GlyphKey &) const = default;
};

size_t qHash(const GlyphKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.family, key.pixelSize, key.character, key.quarter);
}

} // namespace

// The glyphs drawn so far, for every thread: drawing one costs far more than comparing it.
class GlyphCache {
public:
    // The glyphs asked for from now on are one block's: those of earlier blocks may make
    // room for them.
    void beginBlock()
    {
        const QMutexLocker locker(&m_mutex);
        ++m_block;
    }

    std::shared_ptr<const Glyph> glyph(const FontSize &font, QChar character, int quarter)
    {
        const GlyphKey key{font.family, font.pixelSize, character.unicode(), quarter};
        {
            const QMutexLocker locker(&m_mutex);
            if (const auto found = m_glyphs.find(key); found != m_glyphs.end()) {
                found->block = m_block;
                return found->glyph;
            }
        }
        auto drawn = std::make_shared<const Glyph>(drawGlyph(font, character, quarter));
        const qsizetype bytes = qsizetype(drawn->coverage.size() * sizeof(float));
        const QMutexLocker locker(&m_mutex);
        // A block draws a few thousand of one to three kilobytes each; captures in many
        // fonts and sizes would otherwise keep them without end. Those of the block being
        // read stay whatever they take: it would draw them again.
        if (m_bytes + bytes > kGlyphBytes) {
            for (auto it = m_glyphs.begin(); it != m_glyphs.end();) {
                if (it->block == m_block) {
                    ++it;
                    continue;
                }
                m_bytes -= it->bytes;
                it = m_glyphs.erase(it);
            }
        }
        // Another thread may have drawn it meanwhile.
        if (const auto found = m_glyphs.constFind(key); found != m_glyphs.cend())
            return found->glyph;
        m_glyphs.insert(key, {drawn, bytes, m_block});
        m_bytes += bytes;
        return drawn;
    }

    double advance(const QString &family, double pixelSize)
    {
        const QString key = QStringLiteral("%1/%2").arg(family).arg(pixelSize);
        const QMutexLocker locker(&m_mutex);
        if (const auto found = m_advances.constFind(key); found != m_advances.cend())
            return *found;
        const double advance = measure(fontOfSize(family, pixelSize), pixelSize).advance;
        m_advances.insert(key, advance);
        return advance;
    }

    QHash<QChar, double> heights(const QString &family)
    {
        const QMutexLocker locker(&m_mutex);
        if (const auto found = m_heights.constFind(family); found != m_heights.cend())
            return *found;
        return *m_heights.insert(family, heightsPerPixel(family));
    }

    void clear()
    {
        const QMutexLocker locker(&m_mutex);
        m_glyphs.clear();
        m_bytes = 0;
        m_advances.clear();
        m_heights.clear();
    }

private:
    struct Kept {
        std::shared_ptr<const Glyph> glyph;
        qsizetype bytes = 0;
        quint64 block = 0;  // the last block that asked for it
    };

    QMutex m_mutex;
    QHash<GlyphKey, Kept> m_glyphs;
    QHash<QString, double> m_advances;
    QHash<QString, QHash<QChar, double>> m_heights;
    qsizetype m_bytes = 0;
    quint64 m_block = 0;
};

namespace {

thread_local QString g_lastFont;

// The block's pixels as ink coverage from 0 (paper) to 1 (the text's colour), so that
// light and dark themes, and text of any colour, compare with glyphs drawn black on white.
class Cells {
public:
    Cells(const QImage &grey, const QList<RecognizedLine> &block)
        : m_grey(grey), m_bits(grey.constBits()), m_stride(grey.bytesPerLine())
    {
        GreyHistogram histogram{};
        for (const RecognizedLine &line : block)
            addToHistogram(histogram, grey, line.box);
        const auto level = [&](double fraction) { return percentile(histogram, fraction); };
        m_ink = level(0.01);
        m_paper = level(0.75);
        for (int v = 0; v < 256; ++v)
            m_coverage[size_t(v)] = std::clamp(float(m_paper - v) / float(std::max(1, m_paper - m_ink)), 0.0f, 1.0f);
    }

    bool readable() const { return m_paper - m_ink >= 32; }
    int width() const { return m_grey.width(); }
    int height() const { return m_grey.height(); }
    const uchar *row(int y) const { return m_bits + qsizetype(y) * m_stride; }
    float coverage(uchar level) const { return m_coverage[level]; }

private:
    const QImage &m_grey;
    const uchar *m_bits;
    qsizetype m_stride;
    int m_ink = 0, m_paper = 255;
    std::array<float, 256> m_coverage{};
};

// How the captured image's pixels lie in the engine's: scaled, within a margin. The scaled
// image is a whole number of pixels wide and high, so its scale on each axis is a little
// off the one asked for, enough to move a glyph far right by a fraction of a pixel.
struct Geometry {
    double scaleX = 1, scaleY = 1;
    int margin = 0;

    Geometry(QSize engine, double scale) : margin(RecognitionImage::marginFor(scale))
    {
        const int width = engine.width() - 2 * margin, height = engine.height() - 2 * margin;
        const auto exact = [&](int scaled) {
            const double captured = std::max(1.0, std::round(scaled / scale));
            return scaled > 0 ? scaled / captured : scale;
        };
        scaleX = exact(width);
        scaleY = exact(height);
    }

    double engineX(double captured) const { return margin + captured * scaleX; }
    double engineY(double captured) const { return margin + captured * scaleY; }
    double capturedX(double engine) const { return (engine - margin) / scaleX; }
    double capturedY(double engine) const { return (engine - margin) / scaleY; }
};

// Where a glyph is placed: its pen and the baseline it stands on, in the captured image's
// pixels, the pen on a quarter pixel and the baseline on a pixel's edge.
struct Pose {
    double pen = 0;
    int baseline = 0;
};

// The engine's pixels of one cell that are compared: its columns less a little either
// side, where the neighbours' anti-aliased edges reach in.
struct Window {
    int left = 0, right = -1;
};

struct Match {
    double share = 1;  // the difference over the ink of either, 0 to 1
    double apart = 0;  // the difference itself, in pixels of full ink
    double cellInk = 0, glyphInk = 0;  // the ink of each, the glyph's as drawn
    Pose pose;
};

// The glyph as the engine's image shows it placed at `pose`: the captured image is scaled
// up by bilinear interpolation between its pixels' centres, so the glyph is too, at the
// very fraction of a pixel where it lands. Calls `visit(x, y, ink)` for each pixel of the
// window within the font's line.
template<typename Visit>
void placed(const Glyph &glyph, const FontSize &font, const Geometry &geometry, const Window &window, const Pose &pose,
            int imageHeight, int step, Visit &&visit)
{
    const int quarter = int(std::lround((pose.pen - std::floor(pose.pen)) * kQuarters)) % kQuarters;
    const double penX = geometry.engineX(std::floor(pose.pen) + double(quarter) / kQuarters);
    const double baseY = geometry.engineY(pose.baseline);
    const int top = std::max(0, int(std::floor(baseY - font.ascent * geometry.scaleY)));
    const int bottom = std::min(imageHeight - 1, int(std::ceil(baseY + font.descent * geometry.scaleY)) - 1);
    // Each sample's pixel and weight along either axis, out of the glyph one blank pixel
    // beside it.
    const auto tap = [](double at, int size, int &index, float &weight) {
        const double whole = std::floor(at);
        if (whole < -1 || whole >= size) {
            index = whole < -1 ? 0 : size + 1;
            weight = 0;
        } else {
            index = int(whole) + 1;
            weight = float(at - whole);
        }
    };
    thread_local std::vector<int> columns;
    thread_local std::vector<float> weights;
    columns.clear();
    weights.clear();
    for (int x = window.left; x <= window.right; x += step) {
        int index = 0;
        float weight = 0;
        tap((x + 0.5 - penX) / geometry.scaleX + glyph.pen - 0.5, glyph.width, index, weight);
        columns.push_back(index);
        weights.push_back(weight);
    }
    const float *coverage = glyph.coverage.data();
    for (int y = top; y <= bottom; y += step) {
        int iy = 0;
        float ay = 0;
        tap((y + 0.5 - baseY) / geometry.scaleY + glyph.baseline - 0.5, glyph.height, iy, ay);
        const float *upperRow = coverage + qsizetype(iy) * glyph.stride;
        const float *lowerRow = upperRow + glyph.stride;
        for (size_t i = 0; i < columns.size(); ++i) {
            const int ix = columns[i];
            const float ax = weights[i];
            const float upper = upperRow[ix] + (upperRow[ix + 1] - upperRow[ix]) * ax;
            const float lower = lowerRow[ix] + (lowerRow[ix + 1] - lowerRow[ix]) * ax;
            visit(window.left + int(i) * step, y, upper + (lower - upper) * ay);
        }
    }
}

// How unlike the cell's ink in `window` is to the glyph placed at `pose`.
Match difference(const Cells &cells, const Glyph &glyph, const FontSize &font, const Geometry &geometry,
                 const Window &window, const Pose &pose, int step = 1)
{
    double apart = 0, either = 0, cellInk = 0, glyphInk = 0;
    const float gain = float(font.gain);
    placed(glyph, font, geometry, window, pose, cells.height(), step, [&](int x, int y, float drawn) {
        const float ink = cells.coverage(cells.row(y)[x]);
        const float shown = std::min(1.0f, drawn * gain);
        apart += std::abs(ink - shown);
        either += std::max(ink, shown);
        cellInk += ink;
        glyphInk += drawn;
    });
    return either >= 2.0 / (step * step) ? Match{apart / either, apart, cellInk, glyphInk, pose} : Match{1, cellInk, cellInk, 0, pose};
}

// How much two glyphs placed alike differ within a window: the ink by which a cell can be
// more like one than the other.
double glyphDistance(const Glyph &a, const Glyph &b, const FontSize &font, const Geometry &geometry, const Window &window,
                     const Pose &pose, int imageHeight)
{
    std::vector<float> inkOfA;
    placed(a, font, geometry, window, pose, imageHeight, 1, [&](int, int, float ink) { inkOfA.push_back(std::min(1.0f, ink * float(font.gain))); });
    double apart = 0;
    size_t i = 0;
    placed(b, font, geometry, window, pose, imageHeight, 1,
           [&](int, int, float ink) { apart += std::abs(inkOfA[i++] - std::min(1.0f, ink * float(font.gain))); });
    return apart;
}

// The poses `apart` quarter pixels apart from `around` up to `reach` either way, on
// `baselines`.
std::vector<Pose> posesAround(double around, double reach, const std::vector<int> &baselines, int apart = 1)
{
    std::vector<Pose> poses;
    const int first = int(std::ceil((around - reach) * kQuarters));
    const int last = int(std::floor((around + reach) * kQuarters));
    for (int baseline : baselines) {
        for (int q = first; q <= last; q += apart)
            poses.push_back({double(q) / kQuarters, baseline});
    }
    return poses;
}

std::shared_ptr<const Glyph> glyphAt(const FontSize &font, QChar character, const Pose &pose)
{
    return font.glyphs->glyph(font, character, int(std::lround((pose.pen - std::floor(pose.pen)) * kQuarters)) % kQuarters);
}

// The least difference over `poses`: every one compared on every other pixel first, then
// the closest and the quarter pixels beside it on all.
Match bestMatch(const Cells &cells, const FontSize &font, const Geometry &geometry, QChar character, const Window &window,
                const std::vector<Pose> &poses)
{
    if (poses.size() <= 3) {
        Match best;
        best.share = 2;
        for (const Pose &pose : poses) {
            const Match match = difference(cells, *glyphAt(font, character, pose), font, geometry, window, pose);
            if (match.share < best.share)
                best = match;
        }
        return best;
    }
    Pose closest;
    double least = 2;
    for (const Pose &pose : poses) {
        const double share = difference(cells, *glyphAt(font, character, pose), font, geometry, window, pose, 2).share;
        if (share < least) {
            least = share;
            closest = pose;
        }
    }
    Match best;
    best.share = 2;
    for (const double beside : {-1.0, 0.0, 1.0}) {
        const Pose pose{closest.pen + beside / kQuarters, closest.baseline};
        const Match match = difference(cells, *glyphAt(font, character, pose), font, geometry, window, pose);
        if (match.share < best.share)
            best = match;
    }
    return best;
}

struct Placed {
    qsizetype line = 0, word = 0, symbol = 0;
    QChar character;
    long column = 0;
    Window window;
};

// How many characters to leave out, add or change to make one text the other.
qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(size_t(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The mean of the best four fifths: a character the engine misread among the samples does
// not count, while every glyph in which two like fonts differ does.
double trimmedMean(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t kept = std::max<size_t>(1, values.size() * 4 / 5);
    double sum = 0;
    for (size_t i = 0; i < kept; ++i)
        sum += values[i];
    return sum / double(kept);
}

// Lines of a terminal or an editor stand a whole number of rows apart. A line whose
// baseline came from characters the engine made up (a rule of dashes read as letters
// stands them on the dashes) is put back on the rows the other lines keep; a block whose
// lines keep no rows is left as it is. The rows' height, when they keep them.
std::optional<double> keepOnRows(std::vector<int> &baselines)
{
    const size_t count = baselines.size();
    if (count < 3)
        return std::nullopt;
    std::vector<double> gaps;
    for (size_t i = 1; i < count; ++i) {
        if (baselines[i] <= baselines[i - 1])
            return std::nullopt;
        gaps.push_back(baselines[i] - baselines[i - 1]);
    }
    // Each line's row, counting the empty rows between lines.
    const double rough = median(gaps);
    if (!(rough >= 6))
        return std::nullopt;
    std::vector<double> rowOf{0};
    for (const double gap : gaps)
        rowOf.push_back(rowOf.back() + std::max(1.0, std::round(gap / rough)));
    // The rows from the median of the slopes between every two lines and the median
    // offset, which one line off them does not move; an editor's line height may lie
    // between whole pixels, so no one gap gives it.
    std::vector<double> slopes;
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = i + 1; j < count; ++j)
            slopes.push_back((baselines[j] - baselines[i]) / (rowOf[j] - rowOf[i]));
    }
    const double row = median(slopes);
    std::vector<double> offsets;
    for (size_t i = 0; i < count; ++i)
        offsets.push_back(baselines[i] - row * rowOf[i]);
    const double first = median(offsets);
    // A pixel either way is rounding.
    constexpr double leeway = 1.5;
    const auto offRow = [&](size_t i) { return std::abs(baselines[i] - (first + row * rowOf[i])); };
    size_t kept = 0;
    for (size_t i = 0; i < count; ++i)
        kept += offRow(i) <= leeway ? 1 : 0;
    if (kept * 3 < count * 2)
        return std::nullopt;
    for (size_t i = 0; i < count; ++i) {
        if (offRow(i) > leeway)
            baselines[i] = int(std::lround(first + row * rowOf[i]));
    }
    return row;
}

} // namespace

FontGlyphs::FontGlyphs() : m_glyphs(std::make_unique<GlyphCache>()) {}

FontGlyphs::FontGlyphs(QStringList families) : m_families(std::move(families)), m_glyphs(std::make_unique<GlyphCache>())
{
    std::call_once(m_lookedUp, [] {});
}

const QStringList &FontGlyphs::families() const
{
    std::call_once(m_lookedUp, [this] { m_families = installedMonospacedFamilies(); });
    return m_families;
}

FontGlyphs::~FontGlyphs() = default;

void FontGlyphs::releaseGlyphs()
{
    m_glyphs->clear();
}

QStringList FontGlyphs::installedMonospacedFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Latin)) {
        // Measuring a family loads its font, and a desktop has hundreds, CJK ones of 20 MB
        // and more: only those that say they are of fixed pitch, or are named so, are
        // measured. Aliases ("Monospace") stand for a family counted in its own name; the
        // half-width Latin of CJK fonts and emoji are not what a terminal or an editor shows.
        if (family.contains(QLatin1String("CJK")) || family.contains(QLatin1String("Emoji"))
            || !(QFontDatabase::isFixedPitch(family) || family.contains(QLatin1String("Mono"))))
            continue;
        QFont font(family);
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoFontMerging);
        if (QFontInfo(font).family() != family)
            continue;
        // Some fonts of fixed pitch do not say they are, so their advances tell.
        const QFontMetricsF metrics(font);
        const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
        if (advance > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == advance
            && metrics.horizontalAdvance(QLatin1Char('W')) == advance)
            families.append(family);
    }
    // A family's weights may be listed as families of their own ("JetBrains Mono Light"):
    // text is drawn in the regular one, and each more candidate is one more to mistake.
    QStringList regular;
    for (const QString &family : std::as_const(families)) {
        const bool weightOfAnother = std::any_of(families.cbegin(), families.cend(), [&](const QString &other) {
            return family.startsWith(other + QLatin1Char(' '));
        });
        if (!weightOfAnother)
            regular.append(family);
    }
    return regular;
}

QString FontGlyphs::lastFont()
{
    return g_lastFont;
}

void FontGlyphs::correct(QList<RecognizedLine> &block, const QImage &grey, double pitch, double origin, double scale,
                         const std::function<void(const LaidOutCheck *check)> &layOut) const
{
    // Qt keeps every font it drew in on a thread, with the glyphs it drew, for as long as
    // that thread lives, and recognition's thread lives as long as the program: the glyphs
    // are drawn on a thread of their own, whose fonts go when it ends. The glyphs worth
    // keeping are in our own cache.
    m_glyphs->beginBlock();
    QString found;
    const std::unique_ptr<QThread> drawing(QThread::create([&] {
        // The check draws glyphs too, so the layout runs on this thread, with no check
        // where no font fitted.
        bool laidOut = false;
        correctOnThisThread(block, grey, pitch, origin, scale, [&](const LaidOutCheck *check) {
            laidOut = true;
            if (layOut)
                layOut(check);
        });
        if (!laidOut && layOut)
            layOut(nullptr);
        found = g_lastFont;
    }));
    drawing->start();
    drawing->wait();
    g_lastFont = found;
}

void FontGlyphs::correctOnThisThread(QList<RecognizedLine> &block, const QImage &grey, double pitch, double origin, double scale,
                                     const std::function<void(const LaidOutCheck *check)> &layOut) const
{
    g_lastFont.clear();
    const Cells cells(grey, block);
    if (!cells.readable() || pitch < 3)
        return;
    const Geometry geometry(grey.size(), scale);
    const int inset = std::max(1, int(std::lround(0.25 * scale)));

    // The grid column of a character's box.
    const auto columnOf = [&](const QRect &box) { return std::lround((box.left() + box.width() / 2.0 - origin) / pitch); };
    // The pixels compared of the cell in grid column `column`.
    const auto windowOf = [&](long column) {
        const double left = origin + (double(column) - 0.5) * pitch;
        return Window{std::max(0, int(std::lround(left)) + inset),
                      std::min(cells.width() - 1, int(std::lround(left + pitch)) - inset)};
    };

    // Each line's baseline, first from the bottoms of its characters that stand on it.
    static const QString standing = QStringLiteral("abcdefhiklmnorstuvwxzABCDEFGHIKLMNOPRSTUVWXYZ0123456789");
    std::vector<int> baselines;
    std::vector<Placed> all;
    std::vector<size_t> sure;
    for (qsizetype l = 0; l < block.size(); ++l) {
        std::vector<double> bottoms;
        const RecognizedLine &line = block[l];
        for (const RecognizedWord &word : line.words) {
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i) {
                if (word.symbols[i].size() == 1 && standing.contains(word.symbols[i][0]))
                    bottoms.push_back(word.symbolBoxes[i].bottom() + 1);
            }
        }
        baselines.push_back(int(std::lround(geometry.capturedY(bottoms.empty() ? line.box.bottom() + 1 : median(bottoms)))));
        // Where the engine placed two characters in one column, either may be in the
        // wrong cell.
        QHash<long, int> taken;
        for (const RecognizedWord &word : line.words) {
            for (const QRect &box : word.symbolBoxes)
                ++taken[columnOf(box)];
        }
        for (qsizetype w = 0; w < line.words.size(); ++w) {
            const RecognizedWord &word = line.words[w];
            // A word whose characters do not take one column after another holds a
            // character the engine left out, made up or boxed in its neighbour's cell, and
            // any of them may be in another's cell.
            bool inTurn = true;
            for (qsizetype i = 1; i < word.symbolBoxes.size(); ++i)
                inTurn = inTurn && columnOf(word.symbolBoxes[i]) == columnOf(word.symbolBoxes[i - 1]) + 1;
            if (!inTurn)
                continue;
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i) {
                const long column = columnOf(word.symbolBoxes[i]);
                if (word.symbols[i].size() != 1 || taken.value(column) > 1)
                    continue;
                const Window window = windowOf(column);
                if (window.right < window.left)
                    continue;
                if (kSure.contains(word.symbols[i][0]))
                    sure.push_back(all.size());
                all.push_back(Placed{l, w, i, word.symbols[i][0], column, window});
            }
        }
    }
    // A line's baseline from characters the engine boxed wrongly would keep every font
    // from fitting it.
    keepOnRows(baselines);
    if (sure.empty())
        return;
    // The size at which a family's telling characters are as tall as the text's.
    std::vector<std::pair<QChar, double>> heights;
    for (const size_t i : sure) {
        const Placed &placed = all[i];
        if (kTelling.contains(placed.character))
            heights.emplace_back(placed.character,
                                 block[placed.line].words[placed.word].symbolBoxes[placed.symbol].height() / geometry.scaleY);
    }
    const auto sizeByHeight = [&](const QHash<QChar, double> &perPixel) -> std::optional<double> {
        std::vector<double> sizes;
        for (const auto &[character, height] : heights) {
            if (const double unit = perPixel.value(character); unit > 0)
                sizes.push_back(height / unit);
        }
        if (sizes.size() < kHeightSamples)
            return std::nullopt;
        return median(sizes);
    };

    // The fonts whose advance, scaled, is the grid's pitch. (Fits point at them, so they
    // stay where they are.)
    std::deque<FontSize> candidates;
    const auto addCandidate = [&](const QString &family, double size, bool ownCells = false) {
        // A terminal makes its cells a whole number of pixels wide, the advance its font
        // engine rounds, which for a size between whole pixels may be either.
        const double advance = m_glyphs->advance(family, size);
        const double off = std::min({std::abs(advance * scale - pitch), std::abs(std::round(advance) * scale - pitch),
                                     std::abs(std::ceil(advance) * scale - pitch)});
        const bool either = !wholePixels(size) && std::abs(advance * scale - pitch) <= 0.55 * scale;
        const bool fitsCells = ownCells ? cellsFitAdvance(pitch / scale, advance) : off <= 0.3 * scale || either;
        if (size < 6 || !fitsCells || std::any_of(candidates.cbegin(), candidates.cend(), [&](const FontSize &font) {
                return font.family == family && font.pixelSize == size;
            }))
            return;
        const QFont font = fontOfSize(family, size);
        const Measures measures = measure(font, size);
        candidates.push_back({family, size, font, measures.advance, double(measures.ascent), double(measures.descent),
                              measures.maxWidth, wholePixels(size) ? QRawFont() : rawFontOfSize(font, size)});
        candidates.back().glyphs = m_glyphs.get();
        candidates.back().ownCells = ownCells;
    };
    // The sizes `step` apart, starting at `offset`, about the size whose advance is the pitch.
    const auto addSizes = [&](double offset, double step) {
        const double around = std::round(pitch / scale / 0.6);
        for (const QString &family : families()) {
            for (double size = around - 4 + offset; size <= around + 4; size += step)
                addCandidate(family, size);
        }
    };
    addSizes(0, 1);
    if (candidates.empty())
        return;

    // Surely read cells spread over the block.
    std::vector<size_t> samples;
    const size_t step = std::max<size_t>(1, sure.size() / size_t(kSamples));
    for (size_t i = 0; i < sure.size() && samples.size() < size_t(kSamples); i += step)
        samples.push_back(sure[i]);
    // Where the grid says a cell's pen is, in the captured image's pixels, and how far
    // either side of it the glyph is looked for.
    const double cellWidth = pitch / geometry.scaleX;
    const auto penOf = [&](const FontSize &font, long column) {
        const double centre = geometry.capturedX(origin + double(column) * pitch);
        // Between a glyph at the cell's left edge and one in its middle.
        return font.ownCells ? centre - (cellWidth + font.advance) / 4 : centre - font.advance / 2;
    };
    const auto reachOf = [&](const FontSize &font) { return font.ownCells ? 1.0 + std::abs(cellWidth - font.advance) / 4 : 1.0; };
    struct Fit {
        const FontSize *font = nullptr;
        double score = 1;
        double gain = 1;  // the cells' ink over the glyphs' where they match best
        std::vector<int> baselines;  // each line's, as the font's glyphs place it
        std::optional<double> row;  // the height of the rows the lines keep, if they do
        double firstPen = 0, advance = 0;  // the pens of the columns, as they place them
    };
    const auto fitOf = [&](const FontSize &font, size_t every, const std::function<FontSize(const Match &)> &gainOf = {}) {
        std::vector<double> differences, gains;
        std::vector<std::vector<double>> rises(size_t(block.size()));
        std::vector<std::pair<long, double>> pens;
        for (size_t i = 0; i < samples.size(); i += every) {
            const Placed &sample = all[samples[i]];
            const int baseline = baselines[size_t(sample.line)];
            const Match match = bestMatch(cells, font, geometry, sample.character, sample.window,
                                          posesAround(penOf(font, sample.column), reachOf(font), {baseline - 1, baseline, baseline + 1},
                                                      every > 1 ? 2 : 1));
            // The share again as the text's ink, darker than the glyphs drawn, has them.
            const Match shown = gainOf ? difference(cells, *glyphAt(font, sample.character, match.pose), gainOf(match), geometry,
                                                    sample.window, match.pose)
                                       : match;
            differences.push_back(shown.share);
            if (match.glyphInk > 0)
                gains.push_back(match.cellInk / match.glyphInk);
            rises[size_t(sample.line)].push_back(match.pose.baseline - baseline);
            pens.emplace_back(sample.column, match.pose.pen);
        }
        Fit fit{&font, trimmedMean(differences), gains.empty() ? 1.0 : median(gains), baselines, 0, font.advance};
        for (size_t l = 0; l < rises.size(); ++l) {
            if (!rises[l].empty())
                fit.baselines[l] += int(std::lround(median(rises[l])));
        }
        fit.row = keepOnRows(fit.baselines);
        // Text drawn by Qt puts its pens a whole advance apart, a terminal a whole number of
        // pixels: the one the cells agree with more.
        int agreeing = -1;
        std::vector<double> advances{font.advance, std::round(font.advance), std::ceil(font.advance)};
        if (!wholePixels(font.pixelSize))
            advances.push_back(std::floor(font.advance));
        if (font.ownCells)
            advances = {std::round(cellWidth), cellWidth};
        for (const double advance : advances) {
            std::vector<double> starts;
            for (const auto &[column, pen] : pens)
                starts.push_back(pen - double(column) * advance);
            const double start = median(starts);
            const int agree = int(std::count_if(starts.begin(), starts.end(), [&](double s) { return std::abs(s - start) <= 0.3; }));
            if (agree > agreeing) {
                agreeing = agree;
                fit.firstPen = start;
                fit.advance = advance;
            }
        }
        return fit;
    };
    // A few samples rule out the fonts far off; all of them rank the rest.
    const auto screen = [&](size_t from, std::vector<Fit> &screened) {
        for (size_t c = from; c < candidates.size(); ++c) {
            FontSize &font = candidates[c];
            // The darkness found from the cells' ink at their closest poses, which it hardly moves.
            std::vector<double> gains;
            screened.push_back(fitOf(font, kFirstSamples, [&](const Match &match) {
                FontSize darker = font;
                darker.gain = match.glyphInk > 0 ? std::clamp(match.cellInk / match.glyphInk, 1.0, 4.0) : 1.0;
                gains.push_back(darker.gain);
                return darker;
            }));
            font.gain = gains.empty() ? 1.0 : median(gains);
        }
        return screened.empty() ? 1.0
                                : std::min_element(screened.begin(), screened.end(), [](const Fit &a, const Fit &b) {
                                      return a.score < b.score;
                                  })->score;
    };
    std::vector<Fit> fits;
    const auto rank = [&](const std::vector<Fit> &screened, double first) {
        for (const Fit &fit : screened) {
            if (fit.score > first + kFarOff)
                continue;
            fits.push_back(fitOf(*fit.font, 1));
            diag(lcRecognition(),
                 QStringLiteral("   [FontGlyphs] %1 %2 px: %3").arg(fit.font->family).arg(fit.font->pixelSize).arg(fits.back().score));
        }
    };
    std::vector<Fit> screened;
    rank(screened, screen(0, screened));
    // No font drawn at a whole number of pixels fitting closely, the text may be a
    // terminal's, at a size in points: sizes between them are tried, a quarter pixel apart
    // first, then each family's best size narrowed down (a font's hinting makes its fit
    // change sharply with the size).
    if (std::all_of(fits.begin(), fits.end(), [](const Fit &fit) { return fit.score > kCloseAtWholePixels; })) {
        std::vector<Fit> between;
        const size_t whole = candidates.size();
        for (const double offset : {0.25, 0.5, 0.75})
            addSizes(offset, 1);
        double first = screen(whole, between);
        // Nor, fitting none closely, may the cells be the font's advance: the sizes whose
        // glyphs are as tall as the text's, on the grid's own cells.
        if (first > kCloseAtWholePixels) {
            const size_t from = candidates.size();
            for (const QString &family : families()) {
                if (const std::optional<double> size = sizeByHeight(m_glyphs->heights(family))) {
                    for (double half = std::ceil((*size - kHeightOff) * 2); half <= (*size + kHeightOff) * 2; ++half)
                        addCandidate(family, half / 2, true);
                }
            }
            first = std::min(first, screen(from, between));
        }
        for (double step = 0.25; step >= 1.0 / kSizeSteps; step /= 2) {
            const size_t from = candidates.size();
            QHash<QString, const Fit *> best;
            for (const Fit &fit : between) {
                const Fit *&ofFamily = best[fit.font->family];
                if (!ofFamily || fit.score < ofFamily->score)
                    ofFamily = &fit;
            }
            for (const Fit *fit : std::as_const(best)) {
                if (fit->font->ownCells && fit->score > first + kFarOff)
                    continue;
                addCandidate(fit->font->family, fit->font->pixelSize - step, fit->font->ownCells);
                addCandidate(fit->font->family, fit->font->pixelSize + step, fit->font->ownCells);
            }
            first = std::min(first, screen(from, between));
        }
        rank(between, first);
    }
    // Sizes a little apart may draw the very same glyphs: the whole one is the likelier.
    std::sort(fits.begin(), fits.end(), [](const Fit &a, const Fit &b) {
        return std::pair(a.score, !wholePixels(a.font->pixelSize)) < std::pair(b.score, !wholePixels(b.font->pixelSize));
    });
    if (fits.empty() || fits.front().score > kFits)
        return;
    // Fonts of one design (a font and the one it grew from) fit a text about as well; each
    // of them then has to see the same character in a cell.
    while (fits.back().score > fits.front().score + kAsWell)
        fits.pop_back();
    // A family's other sizes are no other design: its best size speaks for it.
    QStringList seenFamilies;
    std::erase_if(fits, [&](const Fit &fit) {
        if (seenFamilies.contains(fit.font->family))
            return true;
        seenFamilies.append(fit.font->family);
        return false;
    });
    g_lastFont = QStringLiteral("%1 %2").arg(fits.front().font->family).arg(fits.front().font->pixelSize);
    diag(lcRecognition(), QStringLiteral("   [FontGlyphs] found %1 px, %2 cells, fit %3")
                              .arg(g_lastFont, fits.front().font->ownCells ? QStringLiteral("own") : QStringLiteral("advance"))
                              .arg(fits.front().score));

    // The character a font's glyphs see in a cell: the one read while its glyph matches the
    // cell closely, otherwise the glyph that matches it clearly best, if any does.
    const auto posesOf = [&](const Fit &fit, const Placed &placed, int rise = 0) {
        const double pen = std::floor((fit.firstPen + double(placed.column) * fit.advance) * kQuarters + 0.01) / kQuarters;
        return posesAround(pen, 0.25, {fit.baselines[size_t(placed.line)] + rise});
    };
    // A font drawn otherwise than the text's (a terminal's hinting) matches every cell
    // less closely.
    const auto matchesClosely = [&](const Fit &fit, const Match &match) { return match.share < std::max(kMatches, 2 * fit.score); };
    // The glyphs other than the one read that match a cell best, closest first: every one
    // at the cell's place first, then the closest few about it.
    const auto closestGlyphs = [&](const Fit &fit, const Placed &placed, const std::vector<Pose> &poses) {
        const FontSize &font = *fit.font;
        const Pose &here = poses[poses.size() / 2];
        std::vector<std::pair<double, QChar>> ranked;
        for (QChar other : cellCharacters()) {
            if (other != placed.character)
                ranked.emplace_back(difference(cells, *glyphAt(font, other, here), font, geometry, placed.window, here, 2).share, other);
        }
        const size_t closest = std::min(kClosest, ranked.size());
        std::partial_sort(ranked.begin(), ranked.begin() + qsizetype(closest), ranked.end());
        std::vector<std::pair<Match, QChar>> matches;
        for (size_t i = 0; i < closest; ++i)
            matches.emplace_back(bestMatch(cells, font, geometry, ranked[i].second, placed.window, poses), ranked[i].second);
        std::sort(matches.begin(), matches.end(), [](const auto &a, const auto &b) { return a.first.share < b.first.share; });
        return matches;
    };
    const auto seen = [&](const Fit &fit, const Placed &placed, bool *readFits = nullptr) {
        const FontSize &font = *fit.font;
        const std::vector<Pose> poses = posesOf(fit, placed);
        const Match asRead = bestMatch(cells, font, geometry, placed.character, placed.window, poses);
        const bool readMatches = matchesClosely(fit, asRead);
        if (readFits)
            *readFits = readMatches;
        if (readMatches)
            return placed.character;
        const std::vector<std::pair<Match, QChar>> closest = closestGlyphs(fit, placed, poses);
        const Match &best = closest.front().first;
        const QChar bestCharacter = closest.front().second;
        const double distance = glyphDistance(*glyphAt(font, placed.character, best.pose), *glyphAt(font, bestCharacter, best.pose),
                                              font, geometry, placed.window, best.pose, cells.height());
        const bool closer = distance > 0 && (asRead.apart - best.apart) / distance > kCloser;
        const bool alone = closest.size() < 2 || closest[1].first.share > best.share + kRunnerUp;
        if (!closer || !alone || best.share > kCellFits)
            return placed.character;
        diagText(QStringLiteral("   [FontGlyphs] %1 looks like %2 in %3").arg(placed.character).arg(bestCharacter).arg(font.family));
        return bestCharacter;
    };
    // Fonts of one design that fit about as well see the same character in a cell, or
    // none: one whose glyph of the character read does not match the cell either, and
    // which sees no other clearly, draws that character otherwise (a comma's tail) and
    // cannot tell.
    const auto othersAgree = [&](const Placed &placed, QChar best) {
        return std::all_of(fits.begin() + 1, fits.end(), [&](const Fit &fit) {
            bool readFits = false;
            const QChar other = seen(fit, placed, &readFits);
            return other == best || (other == placed.character && !readFits);
        });
    };
    // A digit between two digits is part of a number, which is worse changed than missed:
    // it becomes other than a digit ("T" of a time, "e" of an exponent or a hexadecimal
    // number) only where that glyph matches its cell as closely as the font matches the block.
    const auto closelyAs = [&](const Placed &placed, QChar character, int rise = 0) {
        return placed.window.right >= placed.window.left
               && matchesClosely(fits.front(), bestMatch(cells, *fits.front().font, geometry, character, placed.window,
                                                         posesOf(fits.front(), placed, rise)));
    };
    const auto inNumber = [&](const Placed &placed) {
        const RecognizedWord &word = block[placed.line].words[placed.word];
        const auto digitAt = [&](qsizetype at) {
            return at >= 0 && at < word.symbols.size() && word.symbols[at].size() == 1 && word.symbols[at][0].isDigit();
        };
        return placed.character.isDigit() && digitAt(placed.symbol - 1) && digitAt(placed.symbol + 1);
    };
    // Those digits are as good as sure, and so test the font: where its glyph of one does
    // not match most of them closely, or its glyphs see another character in one, it draws
    // that digit otherwise than the text's font did (a plain zero against a dotted one),
    // and its glyphs cannot tell that digit from its look-alikes anywhere in the block.
    std::vector<QChar> seenFirst;
    std::vector<bool> fitsAsRead;
    std::map<std::tuple<qsizetype, qsizetype, qsizetype>, size_t> indexOf;
    seenFirst.reserve(all.size());
    for (const Placed &placed : all) {
        bool readFits = false;
        seenFirst.push_back(seen(fits.front(), placed, &readFits));
        fitsAsRead.push_back(readFits);
        indexOf[{placed.line, placed.word, placed.symbol}] = seenFirst.size() - 1;
    }
    // Each line's characters in order, as the engine read them. (No copy of the block: it
    // would share the caller's lines, which writing to them would then move.)
    struct Read {
        qsizetype word = 0, symbol = 0;
        QString character;
    };
    std::vector<std::vector<Read>> sequence(size_t(block.size()));
    std::map<std::tuple<qsizetype, qsizetype, qsizetype>, size_t> placeInLine;
    for (qsizetype l = 0; l < block.size(); ++l) {
        for (qsizetype w = 0; w < std::as_const(block)[l].words.size(); ++w) {
            for (qsizetype i = 0; i < std::as_const(block)[l].words[w].symbols.size(); ++i) {
                placeInLine[{l, w, i}] = sequence[size_t(l)].size();
                sequence[size_t(l)].push_back({w, i, std::as_const(block)[l].words[w].symbols[i]});
            }
        }
    }
    // Where the engine's boxes crowd together, a character's box may lie in the cell of
    // the one beside it, whose glyph then matches there: a character becomes the one read
    // beside it only when that one's own cell shows it, or clearly shows another
    // character, which that one then becomes.
    const auto besideItself = [&](const Placed &placed, QChar best) {
        const auto &line = sequence[size_t(placed.line)];
        const size_t place = placeInLine[{placed.line, placed.word, placed.symbol}];
        for (const int side : {-1, 1}) {
            if ((side < 0 && place == 0) || place + size_t(side) >= line.size())
                continue;
            const Read &beside = line[place + size_t(side)];
            if (beside.character != QString(best))
                continue;
            // The next word's first character, columns away, is no neighbour.
            const QList<QRect> &boxes = std::as_const(block)[placed.line].words[beside.word].symbolBoxes;
            if (beside.word != placed.word && beside.symbol < boxes.size()
                && std::abs(columnOf(boxes[beside.symbol]) - placed.column) > 1)
                continue;
            const auto neighbour = indexOf.find({placed.line, beside.word, beside.symbol});
            if (neighbour == indexOf.end() || all[neighbour->second].column != placed.column + side
                || !(fitsAsRead[neighbour->second] || seenFirst[neighbour->second] != beside.character[0]))
                return false;
        }
        return true;
    };
    // A word most of whose cells the glyphs read does not match lies a cell off its ink (a
    // character left out or made up before it): its digits tell nothing about the font.
    std::map<std::pair<qsizetype, qsizetype>, int> wordFits;
    for (size_t i = 0; i < all.size(); ++i)
        wordFits[{all[i].line, all[i].word}] += fitsAsRead[i] ? 1 : -1;
    const auto testsFont = [&](size_t i) { return inNumber(all[i]) && wordFits[{all[i].line, all[i].word}] > 0; };
    // Nor does a digit the engine misread, whose cell another glyph matches as closely as
    // the font matches the block ("2025" read as "2625"): the font explains that cell.
    const auto misread = [&](size_t i) {
        const Placed &placed = all[i];
        return seenFirst[i] != placed.character && closelyAs(placed, seenFirst[i]);
    };
    QString misdrawn;
    QHash<QChar, int> matched;
    std::vector<bool> explained(all.size(), true);
    for (size_t i = 0; i < all.size(); ++i) {
        if (testsFont(i) && !fitsAsRead[i] && !misread(i)) {
            explained[i] = false;
            --matched[all[i].character];
        } else if (testsFont(i)) {
            matched[all[i].character] += fitsAsRead[i] ? 1 : 0;
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        const QChar digit = all[i].character;
        if (testsFont(i) && (!explained[i] || matched.value(digit) < 0) && !misdrawn.contains(digit))
            misdrawn += digit;
    }
    for (size_t i = 0; i < all.size(); ++i) {
        const Placed &placed = all[i];
        RecognizedWord &word = block[placed.line].words[placed.word];
        // Nor does a name's small letter after another turn capital: a capital and a small
        // letter of one shape differ in height alone, which a line's misplaced baseline takes.
        const bool inWord = placed.character.isLower() && placed.symbol > 0 && word.symbols[placed.symbol - 1].size() == 1
                            && word.symbols[placed.symbol - 1][0].isLower();
        const QChar best = seenFirst[i];
        if (best == placed.character || misdrawn.contains(placed.character) || misdrawn.contains(best)
            || (inNumber(placed) && !best.isDigit() && !closelyAs(placed, best)) || (inWord && best == placed.character.toUpper()) || !besideItself(placed, best)
            || !othersAgree(placed, best))
            continue;
        word.symbols[placed.symbol] = QString(best);
        word.text = word.symbols.join(QString());
    }

    // What the glyphs saw in each cell they judged, the character read or the one they
    // gave it: the layout that follows reads some cells again and moves characters to
    // others, and those alone are judged once more. A cell whose glyph matched neither
    // (a dash read as a letter on a baseline the letter gave) is not judged.
    std::map<std::pair<qsizetype, long>, QChar> judged;
    for (size_t i = 0; i < all.size(); ++i) {
        const Placed &placed = all[i];
        const QString &symbol = std::as_const(block)[placed.line].words[placed.word].symbols[placed.symbol];
        if (symbol.size() == 1 && symbol[0] == seenFirst[i] && (fitsAsRead[i] || seenFirst[i] != placed.character))
            judged[{placed.line, placed.column}] = symbol[0];
    }
    // The cell of column `at` of a line laid out from grid column `firstColumn` on, holding
    // `character`.
    const auto cellOf = [&](qsizetype line, int firstColumn, qsizetype at, QChar character = QChar()) {
        const long column = long(firstColumn) + long(at);
        return Placed{line, -1, -1, character, column, windowOf(column)};
    };
    // What the glyphs see in a cell whose engine reading is `laidOut`: a space where no
    // glyph explains its ink better than a blank does (a wide neighbour's edge reaching in),
    // otherwise the glyph that matches it clearly best; none when no glyph does.
    const auto cellReading = [&](const Placed &placed, const std::vector<Pose> &poses, QChar laidOut) -> std::optional<QChar> {
        const Fit &fit = fits.front();
        const Pose &here = poses[poses.size() / 2];
        const Match blank = difference(cells, *glyphAt(*fit.font, QLatin1Char(' '), here), *fit.font, geometry, placed.window, here);
        // An underscore may lie below the font's line, where the next row's ink begins.
        const QChar empty = laidOut == u'_' ? laidOut : QLatin1Char(' ');
        if (blank.cellInk < 1)
            return empty;
        const Match dot = difference(cells, *glyphAt(*fit.font, QLatin1Char('.'), here), *fit.font, geometry, placed.window, here);
        if (blank.cellInk < dot.glyphInk / 2)
            return empty;
        const std::vector<std::pair<Match, QChar>> closest = closestGlyphs(fit, placed, poses);
        const Match &best = closest.front().first;
        if (best.apart >= blank.cellInk)
            return QLatin1Char(' ');
        // A glyph that agrees with the engine's reading, or that matches far better than
        // any other, may match less closely: a terminal's hinting draws a thin stroke (a
        // backtick, an underscore) otherwise.
        const double runnerUp = closest.size() > 1 ? closest[1].first.share : 1.0;
        const bool clearly = closest.front().second == laidOut || runnerUp >= 2 * best.share;
        if (best.share > (clearly ? 2 * kCellFits : kCellFits) || runnerUp <= best.share + kRunnerUp)
            return std::nullopt;
        return closest.front().second;
    };
    // The cells of a line laid out as `text` from `firstColumn` on, `count` of them, as the
    // glyphs clearly see them; none when a cell holds ink no glyph clearly matches.
    const auto glyphsOfLine = [&](qsizetype line, const QString &text, int firstColumn, qsizetype count,
                                  int rise) -> std::optional<QString> {
        const Fit &fit = fits.front();
        QString read;
        for (qsizetype at = 0; at < count; ++at) {
            const Placed placed = cellOf(line, firstColumn, at);
            const QChar laidOut = at < text.size() ? text[at] : QLatin1Char(' ');
            // A cell cut by the picture's left edge stays as laid out; none lies beyond its
            // right edge.
            if (placed.window.right < placed.window.left) {
                if (placed.window.left >= cells.width() - 1)
                    break;
                read += laidOut;
                continue;
            }
            const std::optional<QChar> seenThere = cellReading(placed, posesOf(fit, placed, rise), laidOut);
            if (!seenThere)
                return std::nullopt;
            // A digit the font draws otherwise than the text's font did is no one to judge.
            read += misdrawn.contains(laidOut) || misdrawn.contains(*seenThere) ? laidOut : *seenThere;
        }
        while (read.endsWith(QLatin1Char(' ')))
            read.chop(1);
        return read;
    };
    // A line laid out a cell off its ink in places (a hash with a character left out and
    // another read twice), or holding ink the engine left unread, is read from its cells
    // alone where the glyphs clearly see what each holds: the grid's cells, not the
    // engine's count of characters, say how many there are. `confirmed` marks the layout's
    // characters whose glyphs match their cells; `count` cells are read. Whether it was
    // read so.
    const auto readByGlyphs = [&](qsizetype line, QString &text, int firstColumn, const std::vector<bool> &confirmed,
                                  qsizetype count) {
        // A line's baseline found from characters the engine made up may lie a pixel off:
        // the line is read on the one where the glyphs see the most characters, and the
        // engine's characters are confirmed or not there.
        std::optional<QString> read;
        int bestRise = 0;
        const auto seenCharacters = [](const QString &reading) {
            return std::count_if(reading.cbegin(), reading.cend(), [](QChar c) { return !c.isSpace(); });
        };
        for (const int rise : {0, -1, 1}) {
            std::optional<QString> there = glyphsOfLine(line, text, firstColumn, count, rise);
            if (there && (!read || seenCharacters(*there) > seenCharacters(*read))) {
                read = std::move(there);
                bestRise = rise;
            }
        }
        std::vector<bool> confirmedThere = confirmed;
        for (qsizetype at = 0; read && bestRise != 0 && at < text.size(); ++at)
            confirmedThere[size_t(at)] = !text[at].isSpace() && closelyAs(cellOf(line, firstColumn, at), text[at], bestRise);
        if (!read || read->trimmed().isEmpty())
            return false;
        // Where the engine's own characters mostly miss their cells (a rule of dashes read
        // as letters), its count of them tells nothing, and the glyphs alone read the line;
        // otherwise they keep every character of it that they confirmed, or differ from it
        // by a few at most.
        const auto kept = std::count(confirmedThere.begin(), confirmedThere.end(), true);
        const auto characters = std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !c.isSpace(); });
        bool keepsConfirmed = true;
        for (qsizetype at = 0; at < text.size(); ++at)
            keepsConfirmed = keepsConfirmed && (!confirmedThere[size_t(at)] || (at < read->size() && read->at(at) == text[at]));
        if (kept * 2 >= characters && !keepsConfirmed && editDistance(*read, text) > std::max<qsizetype>(2, characters / 5))
            return false;
        text = *read;
        return true;
    };
    // A cell the layout leaves blank where the glyphs see a character: one the engine left
    // unread.
    const auto seesUnread = [&](const Placed &placed) {
        return placed.window.right >= placed.window.left
               && cellReading(placed, posesOf(fits.front(), placed), QLatin1Char(' ')).value_or(QLatin1Char(' ')) != QLatin1Char(' ');
    };
    const int blockRight = std::accumulate(block.cbegin(), block.cend(), 0,
                                           [](int right, const RecognizedLine &line) { return std::max(right, line.box.right()); });
    const LaidOutCheck check = [&](qsizetype line, QString &text, int firstColumn, int rowsAbove) {
        if (line < 0 || line >= block.size())
            return;
        // Up to the block's right edge: the engine may leave a line's last word unread, or
        // a whole line (a row of dots).
        const qsizetype cellsOfBlock = qsizetype(std::lround((blockRight - origin) / pitch)) - qsizetype(firstColumn) + 1;
        if (rowsAbove != 0) {
            if (!fits.front().row)
                return;
            const int up = int(std::lround(rowsAbove * *fits.front().row));
            for (const int rise : {0, -1, 1}) {
                if (const std::optional<QString> read = glyphsOfLine(line, text, firstColumn, cellsOfBlock, rise - up)) {
                    text = *read;
                    return;
                }
            }
            return;
        }
        // A character two columns wide, or beyond the basic plane, would put every one
        // after it a column off its cell.
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x2E80 || c.isSurrogate(); }))
            return;
        const auto placedAt = [&](qsizetype at) { return cellOf(line, firstColumn, at, text[at]); };
        const auto digitAt = [&](qsizetype at) { return at >= 0 && at < text.size() && text[at].isDigit(); };
        static const QString separators = QStringLiteral(".,:;");
        // A line laid out a cell off its ink here and there (a character left out, one
        // made up) would have its characters taken for their neighbours: only a line whose
        // characters nearly all match their cells is judged.
        qsizetype characters = 0, matching = 0;
        std::vector<bool> confirmed(size_t(text.size()), false);
        bool unread = false;
        for (qsizetype at = 0; at < text.size(); ++at) {
            const Placed placed = placedAt(at);
            if (text[at].isSpace()) {
                unread = unread || seesUnread(placed);
                continue;
            }
            ++characters;
            const auto before = judged.find({line, placed.column});
            confirmed[size_t(at)] = (before != judged.end() && before->second == text[at]) || closelyAs(placed, text[at]);
            matching += confirmed[size_t(at)] ? 1 : 0;
        }
        const qsizetype cellsOfLine = std::max(text.size(), cellsOfBlock);
        for (qsizetype at = text.size(); at < cellsOfLine && !unread; ++at)
            unread = seesUnread(cellOf(line, firstColumn, at));
        if ((matching < characters || unread) && readByGlyphs(line, text, firstColumn, confirmed, cellsOfLine))
            return;
        if (matching < characters * 9 / 10)
            return;
        for (qsizetype at = 0; at < text.size(); ++at) {
            const QChar read = text[at];
            const Placed placed = placedAt(at);
            const auto before = judged.find({line, placed.column});
            if (read.isSpace() || (before != judged.end() && before->second == read) || placed.window.right < placed.window.left)
                continue;
            const QChar best = seen(fits.front(), placed);
            if (best == read || misdrawn.contains(read) || misdrawn.contains(best))
                continue;
            // Between two digits a digit stays a digit and a separator a separator: only
            // which one the glyphs decide.
            const bool betweenDigits = digitAt(at - 1) && digitAt(at + 1);
            if (betweenDigits
                && ((read.isDigit() && !best.isDigit() && !closelyAs(placed, best))
                    || (separators.contains(read) && !separators.contains(best))))
                continue;
            if (read.isLower() && at > 0 && text[at - 1].isLower() && best == read.toUpper())
                continue;
            // As in the block: the character beside it, when it is the one seen, has to
            // show in its own cell.
            constexpr std::array sides{-1, 1};
            const bool besideShows = std::all_of(sides.begin(), sides.end(), [&](int side) {
                const qsizetype other = at + side;
                if (other < 0 || other >= text.size() || text[other] != best)
                    return true;
                bool shows = false;
                seen(fits.front(), placedAt(other), &shows);
                return shows;
            });
            if (!besideShows || !othersAgree(placed, best))
                continue;
            text[at] = best;
        }
    };
    layOut(&check);
}

} // namespace quorvane
