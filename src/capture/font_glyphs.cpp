// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/font_glyphs.h"

#include "capture/grey_image.h"

#include "core/diagnostics.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace quorvane {

namespace {

// A font fits a block when the cells of its surely read characters differ from its glyphs
// by at most this much on the whole (0 alike, 1 nothing in common): the font that drew a
// text matches its cells to within about 0.1 to 0.2 after scaling, another font's glyphs
// of the same pitch differ by about 0.25 or more.
constexpr double kFits = 0.24;
// A doubtful character becomes another when the cell's ink is closer to that glyph than to
// the glyph read, by this share of all the ink in which the two glyphs differ (up to 1, the
// cell drawn as that glyph to the pixel); never when the glyph read matches the cell this
// well, nor when the other matches it worse than a font that drew it would. Small text
// scaled up differs from the glyphs more, all alike.
constexpr double kCloser = 0.08;
constexpr double kMatches = 0.12;
constexpr double kCellFits = 0.35;
// A glyph is drawn at this many positions a fraction of a pixel apart.
constexpr int kPhases = 3;
// Fonts fitting a block within this much of the best fit as well as it.
constexpr double kAsWell = 0.03;
// Every this many of the cells compared first, and how much worse than the best a font
// may fit them to be compared on all.
constexpr size_t kFirstSamples = 4;
constexpr double kFarOff = 0.08;
// Cells compared to find the font.
constexpr qsizetype kSamples = 40;

// Characters the engine reads without confusing them with another: their cells tell the
// font.
const QString kSure = QStringLiteral("abdghmnqrtyBEGHMNRTY237#%&=");

// Characters the engine confuses with one another, each with the glyphs it may be. A
// quote is what the engine makes of a caret, never what a caret or a letter becomes.
const QHash<QChar, QString> &confusable()
{
    static const QHash<QChar, QString> table = [] {
        const QStringList groups{QStringLiteral("0OoDQ@\u00AE\u00A968"), QStringLiteral("1lIiL|!"),
                                 QStringLiteral("cCe"), QStringLiteral("sS5$"), QStringLiteral("uU"),
                                 QStringLiteral("vV"), QStringLiteral("wW"), QStringLiteral("xX"),
                                 QStringLiteral("zZ"), QStringLiteral("pP"), QStringLiteral("kK"),
                                 QStringLiteral("fF"), QStringLiteral("JI"), QStringLiteral("^*~4A\u201C\u201D"),
                                 QStringLiteral("+t")};
        QHash<QChar, QString> result;
        for (const QString &group : groups) {
            for (QChar c : group) {
                QString &others = result[c];
                for (QChar other : group) {
                    if (other != c && !others.contains(other) && other != u'\u201C' && other != u'\u201D')
                        others += other;
                }
            }
        }
        return result;
    }();
    return table;
}

// One character drawn in one font at one size, scaled as the engine's image was: how much
// ink covers each pixel, from 0 to 255.
struct Glyph {
    std::vector<uchar> coverage;
    int width = 0, height = 0;
    double pen = 0;       // the left end of the character's advance
    double baseline = 0;  // the row the character stands on
    double top = 0, bottom = 0;  // the rows the font's lines take
};

Glyph drawGlyph(const QFont &font, QChar character, double scale, double phase)
{
    const QFontMetrics metrics(font);
    constexpr int pad = 2;
    const int width = metrics.maxWidth() + 2 * pad;
    const int height = metrics.ascent() + metrics.descent() + 2 * pad;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(pad + phase, pad + metrics.ascent()), QString(character));
    painter.end();
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    if (scale > 1.0)
        grey = grey.scaled(qRound(width * scale), qRound(height * scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Glyph glyph;
    glyph.width = grey.width();
    glyph.height = grey.height();
    glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < glyph.width; ++x)
            glyph.coverage[size_t(y * glyph.width + x)] = uchar(255 - row[x]);
    }
    glyph.pen = (pad + phase) * scale;
    glyph.baseline = (pad + metrics.ascent()) * scale;
    glyph.top = pad * scale;
    glyph.bottom = (pad + metrics.ascent() + metrics.descent()) * scale;
    return glyph;
}

// One installed font at one pixel size, its glyphs drawn as they are first asked for.
struct FontSize {
    QString family;
    int pixelSize = 0;
    QFont font;
};

// The glyphs drawn so far, for every thread: drawing one costs far more than comparing it.
class GlyphCache {
public:
    std::shared_ptr<const Glyph> glyph(const FontSize &font, double scale, QChar character, int phase)
    {
        const QString key = QStringLiteral("%1/%2/%3/%4/%5")
                                .arg(font.family)
                                .arg(font.pixelSize)
                                .arg(qRound(scale * 1000))
                                .arg(character)
                                .arg(phase);
        {
            const QMutexLocker locker(&m_mutex);
            if (const auto found = m_glyphs.constFind(key); found != m_glyphs.cend())
                return *found;
        }
        auto drawn = std::make_shared<const Glyph>(drawGlyph(font.font, character, scale, double(phase) / kPhases));
        const QMutexLocker locker(&m_mutex);
        // Captures at many scales would otherwise keep glyphs without end; a capture needs
        // about a thousand, of a kilobyte or two each.
        if (m_glyphs.size() > 8000)
            m_glyphs.clear();
        m_glyphs.insert(key, drawn);
        return drawn;
    }

    double advance(const QString &family, int pixelSize)
    {
        const QString key = QStringLiteral("%1/%2").arg(family).arg(pixelSize);
        const QMutexLocker locker(&m_mutex);
        if (const auto found = m_advances.constFind(key); found != m_advances.cend())
            return *found;
        QFont font(family);
        font.setPixelSize(pixelSize);
        const double advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
        m_advances.insert(key, advance);
        return advance;
    }

private:
    QMutex m_mutex;
    QHash<QString, std::shared_ptr<const Glyph>> m_glyphs;
    QHash<QString, double> m_advances;
};

GlyphCache &cache()
{
    static GlyphCache glyphs;
    return glyphs;
}

thread_local QString g_lastFont;

// The block's pixels as ink coverage from 0 (paper) to 1 (the text's colour), so that
// light and dark themes, and text of any colour, compare with glyphs drawn black on white.
class Cells {
public:
    Cells(const QImage &grey, const QList<RecognizedLine> &block) : m_grey(grey)
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
    const uchar *row(int y) const { return m_grey.constScanLine(y); }
    float coverage(uchar level) const { return m_coverage[level]; }

private:
    const QImage &m_grey;
    int m_ink = 0, m_paper = 255;
    std::array<float, 256> m_coverage{};
};

// Where a cell lies in the engine's image.
struct Cell {
    double left = 0;       // where the character's advance starts
    double baseline = 0;
    int windowLeft = 0, windowRight = 0;
};

struct Match {
    double share = 1;  // the difference over the ink of either, 0 to 1
    double apart = 0;  // the difference itself, in pixels of full ink
};

// How unlike the cell's ink is to the glyph placed with its pen at the cell's left and
// baseline, moved `dx`, `dy` pixels, within the cell's columns and the font's rows.
Match difference(const Cells &cells, const Glyph &glyph, const Cell &cell, int dx, int dy)
{
    const int x0 = int(std::lround(cell.left - glyph.pen)) + dx;
    const int y0 = int(std::lround(cell.baseline - glyph.baseline)) + dy;
    const int top = std::max({0, int(std::lround(glyph.top)), -y0});
    const int bottom = std::min({glyph.height - 1, int(std::lround(glyph.bottom)) - 1, cells.height() - 1 - y0});
    const int left = std::max({0, cell.windowLeft - x0, -x0});
    const int right = std::min({glyph.width - 1, cell.windowRight - x0, cells.width() - 1 - x0});
    double apart = 0, either = 0;
    for (int y = top; y <= bottom; ++y) {
        const uchar *row = cells.row(y0 + y) + x0;
        const uchar *drawn = glyph.coverage.data() + size_t(y) * size_t(glyph.width);
        float rowApart = 0, rowEither = 0;
        for (int x = left; x <= right; ++x) {
            const float ink = cells.coverage(row[x]);
            const float glyphInk = float(drawn[x]) * (1.0f / 255.0f);
            rowApart += std::abs(ink - glyphInk);
            rowEither += std::max(ink, glyphInk);
        }
        apart += rowApart;
        either += rowEither;
    }
    return either >= 2 ? Match{apart / either, apart} : Match{};
}

// The least difference over shifts of up to `reach` columns and `rise` rows either way and
// the glyph's drawings a fraction of a pixel apart: the row first, with the glyph drawn on
// whole pixels, then the fraction at that row.
Match bestMatch(const Cells &cells, const FontSize &font, double scale, QChar character, const Cell &cell, int reach,
                int rise, int *bestRise = nullptr, int phases = kPhases)
{
    Match best;
    int row = 0;
    const std::shared_ptr<const Glyph> whole = cache().glyph(font, scale, character, 0);
    for (int dy = -rise; dy <= rise; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const Match match = difference(cells, *whole, cell, dx, dy);
            if (match.share < best.share) {
                best = match;
                row = dy;
            }
        }
    }
    for (int phase = 1; phase < phases; ++phase) {
        const std::shared_ptr<const Glyph> glyph = cache().glyph(font, scale, character, phase);
        for (int dx = -reach; dx <= reach; ++dx) {
            const Match match = difference(cells, *glyph, cell, dx, row);
            if (match.share < best.share)
                best = match;
        }
    }
    if (bestRise)
        *bestRise = row;
    return best;
}

// How much two glyphs differ within a cell `pitch` wide, less `inset` either side: the ink
// by which a cell can be more like one than the other.
double glyphDistance(const Glyph &a, const Glyph &b, double pitch, int inset)
{
    const int left = int(std::lround(a.pen)) + inset;
    const int right = std::min(a.width - 1, int(std::lround(a.pen + pitch)) - inset);
    double apart = 0;
    for (int y = int(std::lround(a.top)); y < std::min(a.height, int(std::lround(a.bottom))); ++y) {
        for (int x = std::max(0, left); x <= right; ++x)
            apart += std::abs(int(a.coverage[size_t(y * a.width + x)]) - int(b.coverage[size_t(y * b.width + x)]));
    }
    return apart / 255.0;
}

struct Placed {
    qsizetype line = 0, word = 0, symbol = 0;
    QChar character;
    Cell cell;
};

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

} // namespace

FontGlyphs::FontGlyphs(QStringList families) : m_families(std::move(families)) {}

QStringList FontGlyphs::installedMonospacedFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Latin)) {
        QFont font(family);
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoFontMerging);
        // Aliases ("Monospace") stand for a family counted in its own name; the half-width
        // Latin of CJK fonts and emoji are not what a terminal or an editor shows. Some
        // fonts of fixed pitch do not say they are, so their advances tell.
        if (QFontInfo(font).family() != family || family.contains(QLatin1String("CJK"))
            || family.contains(QLatin1String("Emoji")))
            continue;
        const QFontMetricsF metrics(font);
        const double advance = metrics.horizontalAdvance(QLatin1Char('M'));
        if (advance > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == advance
            && metrics.horizontalAdvance(QLatin1Char('W')) == advance)
            families.append(family);
    }
    return families;
}

const FontGlyphs &FontGlyphs::installed()
{
    static const FontGlyphs fonts(installedMonospacedFamilies());
    return fonts;
}

QString FontGlyphs::lastFont()
{
    return g_lastFont;
}

void FontGlyphs::correct(QList<RecognizedLine> &block, const QImage &grey, double pitch, double origin, double scale) const
{
    g_lastFont.clear();
    const Cells cells(grey, block);
    if (!cells.readable() || pitch < 3)
        return;
    // A character drawn at a fraction of a pixel lands up to half a pixel of the captured
    // image either way of where its column says.
    const int reach = std::max(1, int(std::ceil(0.5 * scale)));
    const int inset = std::max(1, int(std::lround(0.25 * scale)));

    // Each line's baseline, first from the bottoms of its characters that stand on it.
    static const QString standing = QStringLiteral("abcdefhiklmnorstuvwxzABCDEFGHIKLMNOPRSTUVWXYZ0123456789");
    std::vector<double> baselines;
    std::vector<Placed> sure, doubtful;
    for (qsizetype l = 0; l < block.size(); ++l) {
        std::vector<double> bottoms;
        const RecognizedLine &line = block[l];
        for (const RecognizedWord &word : line.words) {
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i) {
                if (word.symbols[i].size() == 1 && standing.contains(word.symbols[i][0]))
                    bottoms.push_back(word.symbolBoxes[i].bottom() + 1);
            }
        }
        baselines.push_back(bottoms.empty() ? line.box.bottom() + 1 : median(bottoms));
        // Where the engine placed two characters in one column, either may be in the
        // wrong cell.
        const auto columnOf = [&](const QRect &box) { return std::lround((box.left() + box.width() / 2.0 - origin) / pitch); };
        QHash<long, int> taken;
        for (const RecognizedWord &word : line.words) {
            for (const QRect &box : word.symbolBoxes)
                ++taken[columnOf(box)];
        }
        for (qsizetype w = 0; w < line.words.size(); ++w) {
            const RecognizedWord &word = line.words[w];
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i) {
                const long column = columnOf(word.symbolBoxes[i]);
                if (word.symbols[i].size() != 1 || taken.value(column) > 1)
                    continue;
                const double left = origin + (double(column) - 0.5) * pitch;
                Placed placed{l, w, i, word.symbols[i][0],
                              Cell{left, baselines.back(), int(std::lround(left)) + inset, int(std::lround(left + pitch)) - inset}};
                if (kSure.contains(placed.character))
                    sure.push_back(placed);
                else if (confusable().contains(placed.character))
                    doubtful.push_back(placed);
            }
        }
    }
    if (sure.empty() || doubtful.empty())
        return;

    // The fonts whose advance, scaled, is the grid's pitch.
    std::vector<FontSize> candidates;
    for (const QString &family : m_families) {
        const int around = int(std::lround(pitch / scale / 0.6));
        for (int size = std::max(6, around - 4); size <= around + 4; ++size) {
            // A terminal makes its cells a whole number of pixels wide.
            const double advance = cache().advance(family, size);
            if (std::min(std::abs(advance * scale - pitch), std::abs(std::round(advance) * scale - pitch)) <= 0.3 * scale) {
                QFont font(family);
                font.setPixelSize(size);
                font.setStyleStrategy(QFont::NoFontMerging);
                candidates.push_back({family, size, font});
            }
        }
    }
    if (candidates.empty())
        return;

    // Surely read cells spread over the block.
    std::vector<Placed> samples;
    const size_t step = std::max<size_t>(1, sure.size() / size_t(kSamples));
    for (size_t i = 0; i < sure.size() && samples.size() < size_t(kSamples); i += step)
        samples.push_back(sure[i]);
    const int rise = std::max(2, int(std::ceil(scale)));
    struct Fit {
        const FontSize *font = nullptr;
        double score = 1;
        std::vector<double> baselines;  // each line's, as the font's glyphs place it
    };
    // Whole pixels are enough to rule a font out.
    const auto fitOf = [&](const FontSize &font, size_t every) {
        std::vector<double> differences;
        std::vector<std::vector<double>> rises(size_t(block.size()));
        for (size_t i = 0; i < samples.size(); i += every) {
            int dy = 0;
            differences.push_back(
                bestMatch(cells, font, scale, samples[i].character, samples[i].cell, reach, rise, &dy, every > 1 ? 1 : kPhases).share);
            rises[size_t(samples[i].line)].push_back(dy);
        }
        Fit fit{&font, trimmedMean(differences), baselines};
        for (size_t l = 0; l < rises.size(); ++l) {
            if (!rises[l].empty())
                fit.baselines[l] += median(rises[l]);
        }
        return fit;
    };
    // A few samples rule out the fonts far off; all of them rank the rest.
    std::vector<Fit> fits;
    for (const FontSize &font : candidates)
        fits.push_back(fitOf(font, kFirstSamples));
    const double first = std::min_element(fits.begin(), fits.end(), [](const Fit &a, const Fit &b) { return a.score < b.score; })->score;
    std::erase_if(fits, [&](const Fit &fit) { return fit.score > first + kFarOff; });
    for (Fit &fit : fits) {
        fit = fitOf(*fit.font, 1);
        diag(lcRecognition(), QStringLiteral("   [FontGlyphs] %1 %2 px: %3").arg(fit.font->family).arg(fit.font->pixelSize).arg(fit.score));
    }
    std::sort(fits.begin(), fits.end(), [](const Fit &a, const Fit &b) { return a.score < b.score; });
    if (fits.empty() || fits.front().score > kFits)
        return;
    // Fonts of one design (a font and the one it grew from) fit a text about as well; each
    // of them then has to see the same character in a cell.
    while (fits.back().score > fits.front().score + kAsWell)
        fits.pop_back();
    g_lastFont = QStringLiteral("%1 %2").arg(fits.front().font->family).arg(fits.front().font->pixelSize);

    // The character a font's glyphs see in a doubtful cell.
    const auto seen = [&](const Fit &fit, Placed placed) {
        placed.cell.baseline = fit.baselines[size_t(placed.line)];
        const Match asRead = bestMatch(cells, *fit.font, scale, placed.character, placed.cell, reach, 1);
        if (asRead.share < kMatches)
            return placed.character;
        const std::shared_ptr<const Glyph> read = cache().glyph(*fit.font, scale, placed.character, 0);
        QChar best = placed.character;
        // Of the glyphs the cell is clearly closer to than to the one read, the closest.
        double least = std::numeric_limits<double>::infinity();
        for (QChar other : confusable().value(placed.character)) {
            const Match match = bestMatch(cells, *fit.font, scale, other, placed.cell, reach, 1);
            const double distance = glyphDistance(*read, *cache().glyph(*fit.font, scale, other, 0), pitch, inset);
            const bool closer = distance > 0 && (asRead.apart - match.apart) / distance > kCloser;
            if (closer && match.share < kCellFits && match.apart < least) {
                least = match.apart;
                best = other;
            }
        }
        if (best != placed.character)
            diagText(QStringLiteral("   [FontGlyphs] %1 looks like %2 in %3").arg(placed.character).arg(best).arg(fit.font->family));
        return best;
    };
    // A digit between two digits is part of a number, which is worse changed than missed.
    const auto inNumber = [&](const Placed &placed) {
        const RecognizedWord &word = block[placed.line].words[placed.word];
        const auto digitAt = [&](qsizetype at) {
            return at >= 0 && at < word.symbols.size() && word.symbols[at].size() == 1 && word.symbols[at][0].isDigit();
        };
        return placed.character.isDigit() && digitAt(placed.symbol - 1) && digitAt(placed.symbol + 1);
    };
    // Those digits are as good as sure, and so test the font: where its glyphs see another
    // character in them, it draws that digit otherwise than the text's font did (a plain
    // zero against a dotted one), and its glyphs cannot tell that digit from its look-alikes
    // anywhere in the block.
    std::vector<QChar> seenFirst;
    seenFirst.reserve(doubtful.size());
    for (const Placed &placed : doubtful)
        seenFirst.push_back(seen(fits.front(), placed));
    QString misdrawn;
    for (size_t i = 0; i < doubtful.size(); ++i) {
        if (inNumber(doubtful[i]) && seenFirst[i] != doubtful[i].character && !misdrawn.contains(doubtful[i].character))
            misdrawn += doubtful[i].character;
    }
    for (size_t i = 0; i < doubtful.size(); ++i) {
        const Placed &placed = doubtful[i];
        RecognizedWord &word = block[placed.line].words[placed.word];
        // Nor does a name's small letter after another turn capital: a capital and a small
        // letter of one shape differ in height alone, which a line's misplaced baseline takes.
        const bool inWord = placed.character.isLower() && placed.symbol > 0 && word.symbols[placed.symbol - 1].size() == 1
                            && word.symbols[placed.symbol - 1][0].isLower();
        const QChar best = seenFirst[i];
        if (best == placed.character || misdrawn.contains(placed.character) || misdrawn.contains(best)
            || (inNumber(placed) && !best.isDigit()) || (inWord && best == placed.character.toUpper())
            || !std::all_of(fits.begin() + 1, fits.end(), [&](const Fit &fit) { return seen(fit, placed) == best; }))
            continue;
        word.symbols[placed.symbol] = QString(best);
        word.text = word.symbols.join(QString());
    }
}

} // namespace quorvane
