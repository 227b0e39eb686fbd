// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/monospace_grid.h"

#include "capture/font_glyphs.h"
#include "capture/program_text_readings.h"

#include "core/diagnostics.h"

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <functional>
#include <limits>
#include <cmath>
#include <numbers>
#include <vector>

namespace quorvane {

namespace {

// A character lies on the grid when its centre is within a quarter pitch of a column's;
// nearly all of a monospaced text's do, about half of a proportional text's.
constexpr double kOnGrid = 0.25;
constexpr double kMonospacedShare = 0.8;
// Darker than this is ink on the engine's dark-on-light image.
constexpr uchar kInk = 160;

struct Grid {
    double pitch = 0;
    double origin = 0;  // the centre of one column

    int columnOf(double centre) const { return int(std::lround((centre - origin) / pitch)); }
};

double centreOf(const QRect &box)
{
    return box.left() + box.width() / 2.0;
}

// Neighbouring characters of a word lie one pitch apart: their median distance is a first
// estimate, refined by least squares over every character of the block so that columns
// far right of the first stay right.
std::optional<Grid> gridOf(const QList<const RecognizedLine *> &block)
{
    std::vector<double> distances;
    for (const RecognizedLine *line : block) {
        for (const RecognizedWord &word : line->words) {
            for (qsizetype i = 1; i < word.symbolBoxes.size(); ++i)
                distances.push_back(centreOf(word.symbolBoxes[i]) - centreOf(word.symbolBoxes[i - 1]));
        }
    }
    if (distances.empty())
        return std::nullopt;
    std::nth_element(distances.begin(), distances.begin() + distances.size() / 2, distances.end());
    Grid grid{distances[distances.size() / 2], 0};
    if (grid.pitch < 1)
        return std::nullopt;

    // Whole pixel boxes make the first estimate off by a few hundredths of a pixel, enough
    // to count a character forty columns out one column too far; so the fit reaches out
    // step by step, each step's pitch counting the columns of the next.
    for (double reach = 8; ; reach *= 2) {
        double sumDk = 0, sumKk = 0;
        bool beyond = false;
        for (const RecognizedLine *line : block) {
            if (line->words.isEmpty() || line->words.first().symbolBoxes.isEmpty())
                continue;
            const double first = centreOf(line->words.first().symbolBoxes.first());
            for (const RecognizedWord &word : line->words) {
                for (const QRect &box : word.symbolBoxes) {
                    const double distance = centreOf(box) - first;
                    const double k = std::round(distance / grid.pitch);
                    if (std::abs(k) > reach) {
                        beyond = true;
                        continue;
                    }
                    sumDk += distance * k;
                    sumKk += k * k;
                }
            }
        }
        if (sumKk > 0)
            grid.pitch = sumDk / sumKk;
        if (!beyond)
            break;
    }

    // The columns' phase: the circular mean of every centre's position within its column.
    double sine = 0, cosine = 0;
    for (const RecognizedLine *line : block) {
        for (const RecognizedWord &word : line->words) {
            for (const QRect &box : word.symbolBoxes) {
                const double angle = 2 * std::numbers::pi * centreOf(box) / grid.pitch;
                sine += std::sin(angle);
                cosine += std::cos(angle);
            }
        }
    }
    grid.origin = grid.pitch * std::atan2(sine, cosine) / (2 * std::numbers::pi);

    // In a proportional font the centres fall anywhere between the columns.
    qsizetype onGrid = 0, all = 0;
    for (const RecognizedLine *line : block) {
        for (const RecognizedWord &word : line->words) {
            for (const QRect &box : word.symbolBoxes) {
                const double offset = (centreOf(box) - grid.origin) / grid.pitch;
                onGrid += std::abs(offset - std::round(offset)) < kOnGrid;
                ++all;
            }
        }
    }
    diag(lcRecognition(), QStringLiteral("   [MonospaceGrid] pitch %1, origin %2, %3 of %4 characters on the grid")
             .arg(grid.pitch).arg(grid.origin).arg(onGrid).arg(all));
    if (double(onGrid) < kMonospacedShare * double(all))
        return std::nullopt;
    return grid;
}

double median(std::vector<int> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The engine sometimes gives a line a piece of the next one (the top of a ";" below it
// read as ":"), its line box stretching down into that line. A character whose box stays
// clear of the band of the line's own characters, widened by half their height either
// side (so that "_" and "^" stay), is left out, and the line's box shrinks to the
// characters kept, so that the cells of the next line's characters do not count as its own.
RecognizedLine withoutNeighbours(const RecognizedLine &line)
{
    std::vector<int> tops, bottoms;
    for (const RecognizedWord &word : line.words) {
        for (const QRect &box : word.symbolBoxes) {
            tops.push_back(box.top());
            bottoms.push_back(box.bottom());
        }
    }
    if (tops.empty())
        return line;
    const double top = median(tops);
    const double bottom = median(bottoms);
    const double reach = (bottom - top) / 2;
    RecognizedLine kept = line;
    kept.words.clear();
    int keptTop = INT_MAX, keptBottom = INT_MIN;
    for (const RecognizedWord &word : line.words) {
        RecognizedWord keptWord = word;
        keptWord.symbolBoxes.clear();
        keptWord.symbols.clear();
        keptWord.alternatives.clear();
        for (qsizetype i = 0; i < word.symbolBoxes.size() && i < word.symbols.size(); ++i) {
            const QRect &box = word.symbolBoxes[i];
            if (box.bottom() < top - reach || box.top() > bottom + reach)
                continue;
            keptWord.symbolBoxes.append(box);
            keptWord.symbols.append(word.symbols[i]);
            keptWord.alternatives.append(word.alternatives.value(i));
            keptTop = std::min(keptTop, box.top());
            keptBottom = std::max(keptBottom, box.bottom());
        }
        if (!keptWord.symbols.isEmpty())
            kept.words.append(keptWord);
    }
    kept.box = QRect(QPoint(line.box.left(), keptTop), QPoint(line.box.right(), keptBottom));
    return kept;
}

// Whether the middle of a cell holds ink: the cell of a space holds none. The cell's
// outer fifths are left out, where the anti-aliased edges of neighbours reach in.
bool inked(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const double centre = grid.origin + column * grid.pitch;
    const int left = std::max(0, int(std::lround(centre - 0.3 * grid.pitch)));
    const int right = std::min(grey.width() - 1, int(std::lround(centre + 0.3 * grid.pitch)));
    const int top = std::max(0, lineBox.top());
    const int bottom = std::min(grey.height() - 1, lineBox.bottom());
    for (int y = top; y <= bottom; ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = left; x <= right; ++x) {
            if (row[x] < kInk)
                return true;
        }
    }
    return false;
}

// The line's characters at the columns their boxes fall in.
QString lineFromBoxes(const RecognizedLine &line, const QRect &ownRows, const QImage &grey, const Grid &grid,
                      int firstColumn)
{
    QString text;
    int cursor = firstColumn;
    bool firstWord = true;
    for (const RecognizedWord &word : line.words) {
        for (qsizetype i = 0; i < word.symbolBoxes.size() && i < word.symbols.size(); ++i) {
            const QRect &box = word.symbolBoxes[i];
            const int column = grid.columnOf(centreOf(box));
            if (column > cursor) {
                text += QString(column - cursor, QLatin1Char(' '));
                cursor = column;
            } else if (i == 0 && !firstWord && !inked(grey, grid, cursor, ownRows)) {
                // The engine saw a gap between words where the boxes crowd together; a
                // blank cell makes it a space, but not the narrow stroke of a "." or "_".
                text += QLatin1Char(' ');
                ++cursor;
            }
            text += word.symbols[i];
            // A wide character (an ideograph in a comment) takes two columns.
            cursor += std::max(1, int(std::lround(box.width() / grid.pitch)));
        }
        firstWord = false;
    }
    return text;
}


// Whether the cell holds an underscore, which the engine tends to take for the gap
// between two words: a thin stroke across the cell's whole middle along the bottom of the
// line, or just below it, with nothing above it from row `from` down and a blank row under
// it (the top bar of a letter of the next line goes on into its stem).
bool underscoreIn(const QImage &grey, const Grid &grid, int column, const QRect &lineBox, int from)
{
    const double centre = grid.origin + column * grid.pitch;
    const int left = std::max(0, int(std::lround(centre - 0.3 * grid.pitch)));
    const int right = std::min(grey.width() - 1, int(std::lround(centre + 0.3 * grid.pitch)));
    const int top = std::max(0, lineBox.top());
    const int low = lineBox.top() + int(0.7 * lineBox.height());
    const int lowest = lineBox.bottom() + lineBox.height() / 8;
    const int end = std::min(grey.height() - 1, lineBox.bottom() + lineBox.height() / 2);
    const int thickest = std::max(2, lineBox.height() / 6);
    // A column beyond the picture's edge, where a line the capture cut ends, holds nothing.
    if (left > right || top > end)
        return false;
    // A thin stroke of small text is drawn faint: ink here is anything clearly darker than
    // the paper around it.
    int paper = 0;
    for (int y = top; y <= end; ++y)
        paper = std::max(paper, int(*std::max_element(grey.constScanLine(y) + left, grey.constScanLine(y) + right + 1)));
    const int inkBelow = std::max(int(kInk), paper - 40);
    int first = -1;
    bool across = false;
    for (int y = std::max(top, from); y <= end; ++y) {
        const uchar *row = grey.constScanLine(y);
        const auto ink = std::count_if(row + left, row + right + 1, [&](uchar v) { return v < inkBelow; });
        if (ink == 0) {
            if (first >= 0)
                return across;
            continue;
        }
        if (first < 0 && (y < low || y > lowest))
            return false;
        first = first < 0 ? y : first;
        if (y - first >= thickest)
            return false;
        across = across || ink == right - left + 1;
    }
    return false;
}

// How unlike the ink of two cells is, from 0 (alike) to 1: `half` pixels either side of
// columns `a` and `b`, `height` rows up from rows `bottomA` and `bottomB`, the mean
// difference of the pixels where either cell has ink, so that the paper does not make any
// two alike. 1 when the cells leave the image or hold next to no ink. Counting stops once
// the difference could no longer be under `limit`.
double inkDifference(const QImage &grey, int a, int bottomA, int b, int bottomB, int height, int half,
                     double limit = std::numeric_limits<double>::infinity())
{
    if (std::min(a, b) - half < 0 || std::max(a, b) + half >= grey.width() || std::min(bottomA, bottomB) - height + 1 < 0
        || std::max(bottomA, bottomB) >= grey.height())
        return 1;
    const double most = limit * 255.0 * height * (2 * half + 1);
    double difference = 0;
    qsizetype inked = 0;
    for (int y = 0; y < height && difference < most; ++y) {
        const uchar *rowA = grey.constScanLine(bottomA - y);
        const uchar *rowB = grey.constScanLine(bottomB - y);
        for (int x = -half; x <= half; ++x) {
            const uchar inkA = rowA[a + x], inkB = rowB[b + x];
            if (std::min(inkA, inkB) < kInk) {
                difference += std::abs(int(inkA) - int(inkB));
                ++inked;
            }
        }
    }
    return inked >= 4 ? difference / (255.0 * double(inked)) : 1;
}

// Whether two cells of a line hold the same ink: the same character, as a monospaced
// font draws every copy of it alike (up to a pixel of rounding either way).
bool sameInk(const QImage &grey, const Grid &grid, int first, int second, const QRect &lineBox)
{
    const int half = int(0.45 * grid.pitch);
    const int a = int(std::lround(grid.origin + first * grid.pitch));
    const int top = std::max(0, lineBox.top());
    const int bottom = std::min(grey.height() - 1, lineBox.bottom());
    double best = 1;
    for (int shift = -1; shift <= 1; ++shift) {
        const int b = int(std::lround(grid.origin + second * grid.pitch)) + shift;
        best = std::min(best, inkDifference(grey, a, bottom, b, bottom, bottom - top + 1, half));
    }
    return best < 0.15;
}

// Whether two characters of a block are drawn alike, their ink within `near` (0 to 1) of
// each other: the cells of their columns compared from the bottom of each character's box
// up, as high as the taller box, where either holds ink, at the best of a pixel's shift
// either way (a rendering at a pitch of a fraction of a pixel places its copies of a glyph
// up to a pixel apart). Never when the boxes differ in size, as no two copies of one glyph
// do.
bool drawnAlike(const QImage &grey, const Grid &grid, const QRect &first, const QRect &second, double near)
{
    if (std::abs(first.height() - second.height()) > 2 || std::abs(first.width() - second.width()) > 2)
        return false;
    const int half = int(0.45 * grid.pitch);
    const int height = std::max(first.height(), second.height()) + 1;
    const int a = int(std::lround(grid.origin + grid.columnOf(centreOf(first)) * grid.pitch));
    const int b = int(std::lround(grid.origin + grid.columnOf(centreOf(second)) * grid.pitch));
    // Unshifted first, as copies mostly are.
    for (const auto &[dx, dy] : {std::pair(0, 0), std::pair(-1, 0), std::pair(1, 0), std::pair(0, -1), std::pair(0, 1),
                                 std::pair(-1, -1), std::pair(1, -1), std::pair(-1, 1), std::pair(1, 1)}) {
        if (inkDifference(grey, a, first.bottom() + 1, b + dx, second.bottom() + 1 + dy, height, half, near) < near)
            return true;
    }
    return false;
}

// The strokes "1", "l", "I" and "i" are alike enough that a text's copies of one may be
// read mostly as another: one of them becomes one of another kind, letter or digit, only
// beside a character of the kind it becomes, or as the letter that starts a name ("1s" is
// "ls" and "110n" "l10n", but "bwlimit" keeps its "l" where the text's copies of it were
// read "1"). Any other character may become what its ink shows.
bool keepsItsKind(const RecognizedWord &word, qsizetype i, const QString &becomes)
{
    static const QStringList alike{QStringLiteral("1"), QStringLiteral("l"), QStringLiteral("I"), QStringLiteral("i"),
                                   QStringLiteral("L")};
    const bool letter = becomes[0].isLetter();
    if (!alike.contains(becomes) || !alike.contains(word.symbols[i]) || letter == word.symbols[i][0].isLetter())
        return true;
    const auto alphanumeric = [&](qsizetype at) {
        return at >= 0 && at < word.symbols.size() && !word.symbols[at].isEmpty() && word.symbols[at][0].isLetterOrNumber();
    };
    const auto ofKind = [&](qsizetype at) { return alphanumeric(at) && word.symbols[at][0].isLetter() == letter; };
    if (ofKind(i - 1) || ofKind(i + 1))
        return true;
    if (!letter || alphanumeric(i - 1))
        return false;
    for (qsizetype at = i + 1; alphanumeric(at); ++at) {
        if (word.symbols[at][0].isLetter())
            return true;
    }
    return false;
}

// "0" read as "6", "8" or "@", "1" as "l", "c" as "e", "^" as "*": without words to go by,
// the engine takes a character for another it resembles in one place and reads it right in
// others. A monospaced font draws every copy of a glyph alike, so a character whose ink is
// that of the characters read as a character it is confused with, elsewhere in the block,
// more than that of the others read as it was, is that character. The dotted or slashed
// zero of a terminal font is the glyph misread most, as a digit or a sign, and one copy
// of it read right tells such a one; anything else, which may be what one misread copy
// elsewhere looks like, takes two copies to change.
void charactersAsElsewhere(QList<RecognizedLine> &block, const QImage &grey, const Grid &grid)
{
    constexpr qsizetype kCompared = 12;
    // Copies of a glyph drawn a fraction of a pixel apart differ by up to about 0.05, but a
    // dotted zero and a capital O or another digit of small text by hardly more: a zero is
    // told only by copies drawn alike to the pixel.
    constexpr double kAlike = 0.05;
    constexpr double kAlikeZeros = 0.03;
    static const QString zero = QStringLiteral("0");
    static const QHash<QString, QStringList> confused{
        {QStringLiteral("5"), {QStringLiteral("S")}}, {QStringLiteral("6"), {zero}}, {QStringLiteral("8"), {zero}},
        {QStringLiteral("9"), {zero}},
        {QStringLiteral("D"), {zero}}, {QStringLiteral("Q"), {zero}}, {QStringLiteral("@"), {zero}},
        {QStringLiteral("\u00AE"), {zero}}, {QStringLiteral("\u00A9"), {zero}},
        {QStringLiteral("O"), {zero}}, {QStringLiteral("d"), {zero}},
        {QStringLiteral("0"), {QStringLiteral("O"), QStringLiteral("o")}},
        {QStringLiteral("1"), {QStringLiteral("l"), QStringLiteral("I"), QStringLiteral("i")}},
        {QStringLiteral("l"), {QStringLiteral("1"), QStringLiteral("I"), QStringLiteral("i")}},
        {QStringLiteral("L"), {QStringLiteral("l")}},
        {QStringLiteral("I"), {QStringLiteral("1"), QStringLiteral("l")}},
        {QStringLiteral("i"), {QStringLiteral("1"), QStringLiteral("l")}},
        {QStringLiteral("c"), {QStringLiteral("e")}}, {QStringLiteral("e"), {QStringLiteral("c")}},
        {QStringLiteral("\u00A2"), {QStringLiteral("c")}},
        {QStringLiteral("S"), {QStringLiteral("5")}},
        {QStringLiteral("*"), {QStringLiteral("^")}}, {QStringLiteral("~"), {QStringLiteral("^")}},
        {QStringLiteral("\u201C"), {QStringLiteral("^")}}, {QStringLiteral("4"), {QStringLiteral("^")}},
        {QStringLiteral("A"), {QStringLiteral("^")}}};
    QHash<QString, QList<QRect>> readAs;
    for (const RecognizedLine &line : std::as_const(block)) {
        for (const RecognizedWord &word : line.words) {
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i)
                readAs[word.symbols[i]].append(word.symbolBoxes[i]);
        }
    }
    // How many of up to kCompared of `others`, spread over the block, are within `near` in
    // ink of `box`.
    const auto alike = [&](const QRect &box, const QList<QRect> &others, double near) {
        qsizetype compared = 0, count = 0;
        const qsizetype step = std::max<qsizetype>(1, others.size() / kCompared);
        for (qsizetype i = 0; i < others.size() && compared < kCompared; i += step) {
            if (others[i] == box)
                continue;
            ++compared;
            count += drawnAlike(grey, grid, box, others[i], near);
        }
        return count;
    };
    for (RecognizedLine &line : block) {
        for (RecognizedWord &word : line.words) {
            for (qsizetype i = 0; i < word.symbols.size() && i < word.symbolBoxes.size(); ++i) {
                const auto candidates = confused.constFind(word.symbols[i]);
                if (candidates == confused.cend())
                    continue;
                const double near = word.symbols[i] == zero || candidates->contains(zero) ? kAlikeZeros : kAlike;
                QString best;
                qsizetype bestCount = 0;
                for (const QString &other : *candidates) {
                    const auto copies = readAs.constFind(other);
                    const qsizetype count = copies == readAs.cend() ? 0 : alike(word.symbolBoxes[i], *copies, near);
                    if (count > bestCount) {
                        best = other;
                        bestCount = count;
                    }
                }
                if (bestCount == 0 || bestCount <= alike(word.symbolBoxes[i], readAs.value(word.symbols[i]), near))
                    continue;
                const bool digitForZero = best == zero && !word.symbols[i][0].isLetter();
                if ((bestCount >= 2 || digitForZero) && keepsItsKind(word, i, best))
                    word.symbols[i] = best;
            }
            word.text = word.symbols.join(QString());
        }
    }
}

// The marks of ink in a cell, bottom first: runs of inked rows, from a little below the
// line's box up.
struct Mark {
    int top = 0, bottom = 0, left = INT_MAX, right = INT_MIN;
    int height() const { return bottom - top + 1; }
    int width() const { return right - left + 1; }
};

QList<Mark> inkMarks(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const double centre = grid.origin + column * grid.pitch;
    const int left = std::max(0, int(std::lround(centre - 0.45 * grid.pitch)));
    const int right = std::min(grey.width() - 1, int(std::lround(centre + 0.45 * grid.pitch)));
    QList<Mark> marks;
    bool inMark = false;
    for (int y = std::min(grey.height() - 1, lineBox.bottom() + lineBox.height() / 8); y >= std::max(0, lineBox.top()); --y) {
        const uchar *row = grey.constScanLine(y);
        int rowLeft = INT_MAX, rowRight = INT_MIN;
        for (int x = left; x <= right; ++x) {
            if (row[x] < kInk) {
                rowLeft = std::min(rowLeft, x);
                rowRight = std::max(rowRight, x);
            }
        }
        if (rowLeft > rowRight) {
            inMark = false;
            continue;
        }
        if (!inMark)
            marks.append({y, y});
        inMark = true;
        Mark &mark = marks.last();
        mark.top = y;
        mark.left = std::min(mark.left, rowLeft);
        mark.right = std::max(mark.right, rowRight);
    }
    return marks;
}

// The width of all the marks together.
int inkWidth(const QList<Mark> &marks)
{
    int left = INT_MAX, right = INT_MIN;
    for (const Mark &mark : marks) {
        left = std::min(left, mark.left);
        right = std::max(right, mark.right);
    }
    return right - left + 1;
}

// The dot of ":" or "." is about as tall as wide; the comma of ";" or "," reaches further down.
bool isComma(const Mark &mark)
{
    return mark.height() > 1.6 * mark.width();
}

// "14:02" read as "14302": a wide character read where the cell's ink is only a narrow
// stroke is the narrow punctuation the engine also weighed for it, if it did.
QString narrowIfInkIs(const QString &symbol, const QStringList &alternatives, const QImage &grey, const Grid &grid,
                      int column, const QRect &lineBox)
{
    static const QString narrow = QStringLiteral(":;.,'|!");
    static const QString narrowLetters = QStringLiteral("iIl1jJtf()[]{}");
    if (symbol.size() != 1 || !symbol[0].isLetterOrNumber() || narrowLetters.contains(symbol))
        return symbol;
    const auto punctuation = std::find_if(alternatives.begin(), alternatives.end(),
                                          [](const QString &a) { return a.size() == 1 && narrow.contains(a); });
    if (punctuation == alternatives.end())
        return symbol;
    const QList<Mark> marks = inkMarks(grey, grid, column, lineBox);
    if (marks.isEmpty() || inkWidth(marks) > 0.3 * grid.pitch)
        return symbol;
    if (*punctuation != QLatin1String(":") && *punctuation != QLatin1String(";"))
        return *punctuation;
    return isComma(marks.first()) ? QStringLiteral(";") : QStringLiteral(":");
}

// The ink of each row of a cell, top to bottom: its leftmost and rightmost inked pixel, an
// empty range where the row holds none.
struct RowInk {
    int y = 0, left = INT_MAX, right = INT_MIN;
    bool empty() const { return left > right; }
    int width() const { return right - left + 1; }
    double centre() const { return (left + right) / 2.0; }
};

QList<RowInk> rowInk(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const double centre = grid.origin + column * grid.pitch;
    const int left = std::max(0, int(std::lround(centre - 0.45 * grid.pitch)));
    const int right = std::min(grey.width() - 1, int(std::lround(centre + 0.45 * grid.pitch)));
    QList<RowInk> rows;
    for (int y = std::max(0, lineBox.top()); y <= std::min(grey.height() - 1, lineBox.bottom()); ++y) {
        const uchar *row = grey.constScanLine(y);
        RowInk ink;
        ink.y = y;
        for (int x = left; x <= right; ++x) {
            if (row[x] < kInk) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
        rows.append(ink);
    }
    return rows;
}

// A "^": one mark above the middle of the line, widening from a narrow apex at its top to
// two feet apart at its bottom, with paper between them. A "*" is widest across its
// middle, a "~" no taller than a stroke is thick twice, a quote two marks.
bool isCaret(const QImage &grey, const QList<RowInk> &mark, int middle, int width)
{
    const int height = int(mark.size());
    if (height < 4 || mark.last().y >= middle || mark.last().width() < width - 1 || mark.first().width() > width / 2
        || 2 * height < width)
        return false;
    for (qsizetype i = 1; i < mark.size(); ++i) {
        if (mark[i].width() + 1 < mark[i - 1].width())
            return false;
    }
    const RowInk &feet = mark.last();
    const uchar *row = grey.constScanLine(feet.y);
    return row[int(std::lround(feet.centre()))] >= kInk;
}

// "i += 1" read as "i te l" or "i ¢s l": without words around them, the engine reads the
// strokes of an operator as letters. Their ink is plain, and no letter's is like it: "="
// is two thin bars of one width, one above the other; "+" a bar across the middle of a
// stroke as long as the bar is wide, nothing else as wide; "-" one thin bar in the middle
// of the line. A letter, digit or sign beyond ASCII read in such a cell is that operator.
QString operatorInk(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const QList<RowInk> rows = rowInk(grey, grid, column, lineBox);
    // The runs of inked rows.
    QList<QList<RowInk>> marks;
    bool inMark = false;
    for (const RowInk &row : rows) {
        if (row.empty()) {
            inMark = false;
            continue;
        }
        if (!inMark)
            marks.append(QList<RowInk>());
        marks.last().append(row);
        inMark = true;
    }
    // A stroke is about a tenth of the pitch thick, an anti-aliased row either side.
    const double thin = std::max(2.0, 0.3 * grid.pitch);
    const auto widest = [](const QList<RowInk> &mark) {
        return std::max_element(mark.begin(), mark.end(), [](const RowInk &a, const RowInk &b) { return a.width() < b.width(); })->width();
    };
    const auto isBar = [&](const QList<RowInk> &mark) {
        return mark.size() <= thin && widest(mark) >= 0.5 * grid.pitch;
    };
    if (marks.size() == 2 && isBar(marks[0]) && isBar(marks[1])
        && std::abs(widest(marks[0]) - widest(marks[1])) <= std::max(2.0, 0.2 * widest(marks[0])))
        return QStringLiteral("=");
    if (marks.size() != 1)
        return {};
    const QList<RowInk> &mark = marks.first();
    const int width = widest(mark);
    const int middle = lineBox.top() + lineBox.height() / 2;
    if (isCaret(grey, mark, middle, width))
        return QStringLiteral("^");
    if (isBar(mark) && width <= 0.9 * grid.pitch && mark.first().y < middle + lineBox.height() / 4
        && mark.last().y > middle - lineBox.height() / 4)
        return QStringLiteral("-");
    // A cross: the rows as wide as the bar make a thin band in the middle third of the
    // mark, the rest is a narrow stroke through the bar's middle, as long as it is wide.
    const int height = int(mark.size());
    if (width < 0.5 * grid.pitch || height < 0.7 * width || height > 1.4 * width)
        return {};
    qsizetype barTop = -1, barBottom = -1;
    double barCentre = 0;
    for (qsizetype i = 0; i < mark.size(); ++i) {
        if (mark[i].width() >= 0.7 * width) {
            barTop = barTop < 0 ? i : barTop;
            barBottom = i;
            barCentre = mark[i].centre();
        }
    }
    if (barBottom - barTop + 1 > thin || 3 * barTop < height || 3 * (barBottom + 1) > 2 * height)
        return {};
    for (qsizetype i = 0; i < mark.size(); ++i) {
        if ((i < barTop || i > barBottom)
            && (mark[i].width() > 0.5 * width || std::abs(mark[i].centre() - barCentre) > 0.15 * grid.pitch))
            return {};
    }
    return QStringLiteral("+");
}

QString operatorIfInkIs(const QString &symbol, const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    // The engine reads a "^" as the marks it resembles ("*", "~") as well.
    static const QStringList caretLike{QStringLiteral("*"), QStringLiteral("~")};
    if (symbol.size() != 1 || (symbol[0].unicode() < 0x80 && !symbol[0].isLetterOrNumber() && !caretLike.contains(symbol)))
        return symbol;
    const QString shown = operatorInk(grey, grid, column, lineBox);
    if (caretLike.contains(symbol) && shown != QLatin1String("^"))
        return symbol;
    return shown.isEmpty() ? symbol : shown;
}

// "pi" read as "pl": without words to go by the engine takes an "i" for the "l", "1" or
// "I" it resembles, but only the "i" (and the "j") is drawn in two marks, a dot over its
// stem. Such a cell read as one of the others, where the engine also weighed "i", is an "i".
QString dottedIfInkIs(const QString &symbol, const QStringList &alternatives, const QImage &grey, const Grid &grid,
                      int column, const QRect &lineBox)
{
    static const QStringList undotted{QStringLiteral("l"), QStringLiteral("1"), QStringLiteral("I"), QStringLiteral("|")};
    // No "1" is drawn in two marks, whatever the engine weighed ("i64" read as "164").
    if (!undotted.contains(symbol) || (symbol != QLatin1String("1") && !alternatives.contains(QStringLiteral("i"))))
        return symbol;
    const QList<Mark> marks = inkMarks(grey, grid, column, lineBox);
    // Bottom first: the stem, then the dot above it, no taller than the stem is wide twice.
    if (marks.size() != 2 || marks[1].height() > 2 * marks[0].width() || marks[1].height() * 2 > marks[0].height())
        return symbol;
    return QStringLiteral("i");
}

// The engine often leaves out the mark that ends a line (the ";" after "}", a ","). Told by
// its ink alone: a mark in the lower half of the line is "." or ","; one above it as well,
// ":" or ";". Empty when the cell holds anything else. A comma's tail leans, so each mark
// is held to a stroke's width on its own, give or take an anti-aliased pixel.
QString endingMark(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const QList<Mark> marks = inkMarks(grey, grid, column, lineBox);
    const int middle = lineBox.top() + lineBox.height() / 2;
    const bool strokes =
        std::all_of(marks.begin(), marks.end(), [&](const Mark &mark) { return mark.width() <= 0.3 * grid.pitch + 1; });
    if (marks.isEmpty() || marks.size() > 2 || !strokes || marks.first().top < middle)
        return {};
    if (marks.size() == 1)
        return isComma(marks.first()) ? QStringLiteral(",") : QStringLiteral(".");
    if (marks.last().bottom > middle)
        return {};
    // Beside the dot above it, a comma is clearly the taller.
    return marks.first().height() > 1.4 * marks.last().height() ? QStringLiteral(";") : QStringLiteral(":");
}

// The mark in a cell between two digits, told by its ink: a comma's or semicolon's tail
// reaches below the digits' baseline, a dot's does not. Empty unless the cell holds one
// or two narrow marks.
QString separatorBetweenDigits(const QImage &grey, const Grid &grid, int column, const QRect &lineBox)
{
    const QList<Mark> marks = inkMarks(grey, grid, column, lineBox);
    const bool strokes =
        std::all_of(marks.begin(), marks.end(), [&](const Mark &mark) { return mark.width() <= 0.3 * grid.pitch + 1; });
    if (marks.isEmpty() || marks.size() > 2 || !strokes)
        return {};
    int baseline = INT_MIN;
    for (int neighbour : {column - 1, column + 1}) {
        const QList<Mark> digit = inkMarks(grey, grid, neighbour, lineBox);
        if (digit.isEmpty())
            return {};
        baseline = std::max(baseline, digit.first().bottom);
    }
    const bool tail = marks.first().bottom - baseline >= std::max(2.0, 0.1 * grid.pitch);
    if (marks.size() == 1)
        return tail ? QStringLiteral(",") : QStringLiteral(".");
    return tail ? QStringLiteral(";") : QStringLiteral(":");
}

// The cells of a line that hold a character: the inked ones, and those holding an
// underscore, which may lie below the line's box and leave its cell blank. Per cell, what
// its ink tells where the engine read nothing there: an underscore, the character of the
// cell before it (inked alike), or an operator.
struct InkCells {
    std::vector<int> columns;
    std::vector<bool> underscore;
    std::vector<bool> repeated;
    QStringList operators;
};

// The characters that fill cells [from, to) of `cells`: `characters` in turn, and where
// they do not fill them, an underscore in each underscore cell the engine took for a gap.
// Repeats are tried only when underscores alone do not fill the cells, and the operators
// the engine left out of a pair ("<=" read as "<") after them, with `endMark()` (the mark
// left out after the last thing read) in the last cell. None when nothing fills them.
std::optional<QStringList> filledFromInk(const InkCells &cells, size_t from, size_t to, const QStringList &characters,
                                         const std::function<QString()> &endMark)
{
    for (int pass : {0, 1, 2}) {
        QStringList filled;
        qsizetype next = 0;
        for (size_t i = from; i < to; ++i) {
            const QString &shown = cells.operators[qsizetype(i)];
            if (cells.underscore[i] && (next >= characters.size() || characters[next] != QLatin1String("_")))
                filled.append(QStringLiteral("_"));
            else if (pass >= 1 && cells.repeated[i] && !filled.isEmpty()
                     && (next >= characters.size() || characters[next] != filled.last()))
                filled.append(filled.last());
            else if (pass >= 2 && !shown.isEmpty() && (next >= characters.size() || characters[next] != shown))
                filled.append(shown);
            else if (const QString mark = pass >= 2 && next == characters.size() && i + 1 == to ? endMark() : QString();
                     !mark.isEmpty())
                filled.append(mark);
            else if (next < characters.size())
                filled.append(characters[next++]);
        }
        if (next == characters.size() && filled.size() == qsizetype(to - from))
            return filled;
    }
    return std::nullopt;
}

struct Read {
    QString text;
    int column;
    int area;
    bool wide;  // takes two columns (an ideograph in a comment)
};

// Where the scripts whose characters a monospaced font draws two columns wide begin (CJK
// radicals); a box two columns wide around a character before it is two characters the
// engine read as one ("1/" as "W").
constexpr char32_t kFirstWide = 0x2E80;

// The part of `grey` holding the cells `first` to `last` of a line: the rows of the line's
// box, from half a pitch before the first cell's centre to half a pitch after the last's.
QRect runCut(const Grid &grid, int first, int last, const QRect &lineBox, const QImage &grey)
{
    const int left = int(std::floor(grid.origin + (first - 0.5) * grid.pitch));
    const int right = int(std::ceil(grid.origin + (last + 0.5) * grid.pitch));
    return QRect(QPoint(left, lineBox.top()), QPoint(right, lineBox.bottom())).intersected(grey.rect());
}

// The engine's own characters, as many and as placed as in `again`, a second reading of
// the same characters: the two are lined up at the fewest characters left out, added or
// changed, and the first reading keeps each character the second also has in its place,
// as it read them among the whole text's (a token read alone loses what its neighbours
// tell about its letters); the second adds the ones the first left out and leaves out the
// ones it made up.
QStringList shapedLike(const QStringList &first, const QStringList &again)
{
    const qsizetype n = first.size(), m = again.size();
    std::vector<std::vector<int>> edits(size_t(n + 1), std::vector<int>(size_t(m + 1), 0));
    for (qsizetype i = 0; i <= n; ++i) {
        for (qsizetype j = 0; j <= m; ++j) {
            if (i == 0 || j == 0)
                edits[size_t(i)][size_t(j)] = int(i + j);
            else
                edits[size_t(i)][size_t(j)] = std::min({edits[size_t(i - 1)][size_t(j)] + 1, edits[size_t(i)][size_t(j - 1)] + 1,
                                                        edits[size_t(i - 1)][size_t(j - 1)] + (first[i - 1] != again[j - 1])});
        }
    }
    QStringList shaped;
    for (qsizetype i = n, j = m; i > 0 || j > 0;) {
        if (i > 0 && j > 0
            && edits[size_t(i)][size_t(j)] == edits[size_t(i - 1)][size_t(j - 1)] + (first[i - 1] != again[j - 1])) {
            shaped.prepend(first[--i]);
            --j;
        } else if (j > 0 && edits[size_t(i)][size_t(j)] == edits[size_t(i)][size_t(j - 1)] + 1) {
            shaped.prepend(again[--j]);
        } else {
            --i;
        }
    }
    return shaped;
}

// A character the engine left out and another it made up elsewhere leave as many
// characters as inked cells, and every one between them a cell off ("www-data" read as
// "ww-data" shifts the line's columns left up to the invention): the characters `read`
// taking the cells from `first` on in turn then move more of them from where the engine
// saw them than their own boxes leave off the inked cells.
bool shiftedFromTheirBoxes(const QList<Read> &read, const std::vector<int> &cells, size_t first)
{
    if (first + size_t(read.size()) > cells.size())
        return false;
    qsizetype moved = 0, offInk = 0;
    for (qsizetype i = 0; i < read.size(); ++i) {
        moved += cells[first + size_t(i)] != read[i].column;
        offInk += !std::binary_search(cells.begin(), cells.end(), read[i].column)
                  || (i > 0 && read[i - 1].column == read[i].column);
    }
    return moved > offInk + 4;
}

// Whether the engine made up character `i` of `read`: one in a blank cell (none of
// `cells`), a small one (a stray dot) in the cell of a bigger one, or the second of one
// character read twice in one cell.
bool madeUp(const QList<Read> &read, qsizetype i, const std::vector<int> &cells)
{
    const Read &character = read[i];
    if (!std::binary_search(cells.begin(), cells.end(), character.column))
        return true;
    for (qsizetype j = 0; j < read.size(); ++j) {
        const Read &other = read[j];
        if (j != i && other.column == character.column
            && (other.area > character.area || (j < i && other.area == character.area && other.text == character.text)))
            return true;
    }
    return false;
}

// The line's characters and the column of each.
struct Placed {
    std::vector<int> columns;
    QStringList characters;
};

// The engine's boxes are at their worst where its characters crowd together or spread
// out: a token's characters spill into the blank cells beside it or into the next token
// ("x >= y" read as "x> =y"). A run of cells between blank ones holds one token, so the
// characters are shared out among the runs, in order, each going to the run its box is in
// or near, and a run takes its share when that fills it. A run its share does not fill
// (a character left out or made up) is read again by `reader`, in one picture with the
// line's other such runs set well apart so that the reading cannot carry a character from
// one run to the next. None when the runs not filled hold too much of the line to trust
// the rest.
std::optional<Placed> filledByRuns(const InkCells &cells, const QList<Read> &read, const QImage &grey, const Grid &grid,
                                   const QRect &lineBox, const LineReader &reader, const std::function<QString()> &endMark)
{
    std::vector<std::pair<size_t, size_t>> runs;
    for (size_t i = 0; i < cells.columns.size(); ++i) {
        if (runs.empty() || cells.columns[i] != cells.columns[i - 1] + 1)
            runs.emplace_back(i, i);
        runs.back().second = i + 1;
    }
    const auto endOf = [&](size_t run) {
        return run + 1 == runs.size() ? endMark : std::function<QString()>([] { return QString(); });
    };
    // Shares as close to the characters' boxes as can be: a share that does not fill its
    // run costs more than a character read a cell away, less than one read in the next
    // token's cells.
    constexpr double kAway = 3, kFarthest = 8, kUnfilled = 4;
    const size_t n = size_t(read.size()), m = runs.size();
    const double none = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> cost(m + 1, std::vector<double>(n + 1, none));
    std::vector<std::vector<size_t>> from(m + 1, std::vector<size_t>(n + 1, 0));
    cost[0][0] = 0;
    for (size_t r = 0; r < m; ++r) {
        const auto [first, last] = runs[r];
        const size_t size = last - first;
        for (size_t i = 0; i <= n; ++i) {
            if (cost[r][i] == none)
                continue;
            double away = 0;
            QStringList share;
            for (size_t k = i; k <= n && k <= i + 2 * size + 2; ++k) {
                if (k > i) {
                    const int column = read[qsizetype(k - 1)].column;
                    const int distance = std::max({cells.columns[first] - column, column - cells.columns[last - 1], 0});
                    away += kAway * std::min(double(distance), kFarthest);
                    share.append(read[qsizetype(k - 1)].text);
                }
                const bool fills = filledFromInk(cells, first, last, share, endOf(r)).has_value()
                                   && !shiftedFromTheirBoxes(read.mid(qsizetype(i), qsizetype(k - i)), cells.columns, first);
                const double total = cost[r][i] + away
                                     + (fills ? 0 : kUnfilled + std::abs(double(k - i) - double(size)));
                if (total < cost[r + 1][k]) {
                    cost[r + 1][k] = total;
                    from[r + 1][k] = i;
                }
            }
        }
    }
    if (m == 0 || cost[m][n] == none)
        return std::nullopt;
    std::vector<QStringList> shares(m);
    std::vector<std::pair<size_t, size_t>> ranges(m);
    for (size_t r = m, k = n; r > 0; --r) {
        const size_t i = from[r][k];
        ranges[r - 1] = {i, k};
        for (size_t c = i; c < k; ++c)
            shares[r - 1].append(read[qsizetype(c)].text);
        k = i;
    }

    QList<std::optional<QStringList>> filled;
    std::vector<size_t> unfilled;
    for (size_t r = 0; r < m; ++r) {
        filled.append(filledFromInk(cells, runs[r].first, runs[r].second, shares[r], endOf(r)));
        const QList<Read> share = read.mid(qsizetype(ranges[r].first), qsizetype(ranges[r].second - ranges[r].first));
        if (filled.last() && shiftedFromTheirBoxes(share, cells.columns, runs[r].first))
            filled.last().reset();
        if (!filled.last())
            unfilled.push_back(r);
    }
    // A run still not filled may be once the engine's inventions are left out; otherwise it
    // keeps the engine's characters from its first cell on, and the runs after it move
    // right as far as they run over; unless they are more than half the line's or hold a
    // wide one, whose width only the boxes tell.
    const auto withoutInventions = [&](size_t r) -> std::optional<QStringList> {
        QStringList real;
        for (size_t i = ranges[r].first; i < ranges[r].second; ++i) {
            if (!madeUp(read, qsizetype(i), cells.columns))
                real.append(read[qsizetype(i)].text);
        }
        if (real.size() == shares[r].size())
            return std::nullopt;
        return filledFromInk(cells, runs[r].first, runs[r].second, real, endOf(r));
    };
    const auto placed = [&]() -> std::optional<Placed> {
        qsizetype kept = 0;
        for (size_t r = 0; r < m; ++r) {
            if (filled[qsizetype(r)] || (filled[qsizetype(r)] = withoutInventions(r)))
                continue;
            kept += shares[r].size();
            if (std::any_of(read.begin() + qsizetype(ranges[r].first), read.begin() + qsizetype(ranges[r].second),
                            [](const Read &character) { return character.wide; }))
                return std::nullopt;
        }
        if (2 * kept > qsizetype(n))
            return std::nullopt;
        Placed line;
        int after = INT_MIN;
        for (size_t r = 0; r < m; ++r) {
            const QStringList &run = filled[qsizetype(r)] ? *filled[qsizetype(r)] : shares[r];
            int column = std::max(cells.columns[runs[r].first], after);
            for (const QString &character : run) {
                line.columns.push_back(column++);
                line.characters.append(character);
            }
            after = run.isEmpty() ? after : column + 1;
        }
        return line;
    };
    if (unfilled.empty() || !reader)
        return placed();

    // The runs read again, side by side with a blank of several cells between them; with
    // `apart`, a blank of half a cell between each two of a run's cells too.
    const int height = lineBox.height();
    const int margin = std::max(8, height / 2);
    const int gap = std::max(margin, int(std::lround(3 * grid.pitch)));
    const auto readAgain = [&](const std::vector<size_t> &which, bool apart) {
        const int between = apart ? int(std::lround(grid.pitch / 2)) : 0;
        std::vector<std::vector<QRect>> cuts;
        int width = margin;
        for (size_t r : which) {
            cuts.emplace_back();
            for (size_t c = runs[r].first; c < runs[r].second; c = apart ? c + 1 : runs[r].second) {
                const int last = apart ? cells.columns[c] : cells.columns[runs[r].second - 1];
                cuts.back().push_back(runCut(grid, cells.columns[c], last, lineBox, grey));
                width += cuts.back().back().width() + between;
            }
            width += gap - between;
        }
        QImage picture(width - gap + margin, height + 2 * margin, QImage::Format_Grayscale8);
        picture.fill(255);
        std::vector<std::pair<int, int>> spans;
        {
            QPainter painter(&picture);
            int x = margin;
            for (const std::vector<QRect> &run : cuts) {
                const int start = x;
                for (const QRect &cut : run) {
                    painter.drawImage(QPoint(x, margin + cut.top() - lineBox.top()), grey, cut);
                    x += cut.width() + between;
                }
                spans.emplace_back(start, x - between);
                x += gap - between;
            }
        }
        std::vector<QStringList> again(which.size());
        for (const RecognizedWord &word : reader(picture)) {
            for (qsizetype i = 0; i < word.symbolBoxes.size() && i < word.symbols.size(); ++i) {
                const double centre = centreOf(word.symbolBoxes[i]);
                for (size_t u = 0; u < spans.size(); ++u) {
                    if (centre >= spans[u].first - gap / 2.0 && centre < spans[u].second + gap / 2.0) {
                        again[u].append(word.symbols[i]);
                        break;
                    }
                }
            }
        }
        return again;
    };
    const std::vector<QStringList> again = readAgain(unfilled, false);
    std::vector<size_t> still;
    for (size_t u = 0; u < unfilled.size(); ++u) {
        const size_t r = unfilled[u];
        filled[qsizetype(r)] = filledFromInk(cells, runs[r].first, runs[r].second, shapedLike(shares[r], again[u]), endOf(r));
        if (!filled[qsizetype(r)] && !withoutInventions(r))
            still.push_back(r);
    }
    // Small text crowds a pair of characters into what the engine takes for one ("1/1" read
    // as "yi"): a run that neither reading fills, with or without the engine's inventions,
    // is read with its cells set apart, and that reading stands where it fills it.
    if (!still.empty()) {
        const std::vector<QStringList> apart = readAgain(still, true);
        for (size_t u = 0; u < still.size(); ++u) {
            const size_t r = still[u];
            filled[qsizetype(r)] = filledFromInk(cells, runs[r].first, runs[r].second, apart[u], endOf(r));
        }
    }
    return placed();
}

// The engine reads the characters of program text well but places the spaces between
// them poorly, merging "b = b," into one word and spreading its character boxes. The
// cells of the grid tell the spaces themselves: when the line has as many inked cells
// as the engine read characters, each character takes the next inked cell; so too when
// it does once the engine's inventions in a wide gap are left out, or token by token
// (see filledByRuns). Otherwise (a misread, or a wide character) the boxes place them.
// Cells count as inked in `ownRows` only, the rows of the line's box no other line's box takes.
QString lineOnGrid(const RecognizedLine &line, const QRect &ownRows, const QImage &grey, const Grid &grid,
                   int firstColumn, const LineReader &reader)
{
    QList<Read> read;
    int lastColumn = firstColumn;
    for (const RecognizedWord &word : line.words) {
        for (qsizetype i = 0; i < word.symbolBoxes.size() && i < word.symbols.size(); ++i) {
            const QRect &box = word.symbolBoxes[i];
            const int column = grid.columnOf(centreOf(box));
            const QString symbol = dottedIfInkIs(word.symbols[i], word.alternatives.value(i), grey, grid, column, ownRows);
            read.append({narrowIfInkIs(symbol, word.alternatives.value(i), grey, grid, column, line.box), column,
                         box.width() * box.height(), box.width() > 1.5 * grid.pitch && symbol.toUcs4().value(0) >= kFirstWide});
            lastColumn = std::max(lastColumn, read.last().column);
        }
    }
    std::vector<int> cells;
    for (int column = firstColumn; column <= lastColumn + 1; ++column) {
        if (inked(grey, grid, column, ownRows))
            cells.push_back(column);
    }
    QStringList characters;
    for (const Read &r : read)
        characters.append(r.text);
    // The engine may have taken underscores for gaps, and an underscore may lie below the
    // line's box, its cell counting as blank; it also reads a doubled operator ("&&", "||")
    // as one. When the ink's own characters, where the engine did not read them, make the
    // characters fill the other cells, that is the line.
    // An underscore lies at the bottom of the line, so ink above the tops of most of its
    // characters is another line's: the line above's own underscore, in a box the engine
    // drew too tall.
    std::vector<int> tops;
    for (const RecognizedWord &word : line.words) {
        for (const QRect &box : word.symbolBoxes)
            tops.push_back(box.top());
    }
    const int ownTop = tops.empty() ? line.box.top() : int(median(tops));
    InkCells withUnderscores;
    for (int column = firstColumn; column <= lastColumn + 1 && !read.isEmpty(); ++column) {
        const bool stroke = underscoreIn(grey, grid, column, line.box, ownTop);
        const bool ink = std::binary_search(cells.begin(), cells.end(), column);
        if (stroke || ink) {
            withUnderscores.repeated.push_back(ink && !withUnderscores.columns.empty()
                                               && withUnderscores.columns.back() == column - 1
                                               && sameInk(grey, grid, column - 1, column, line.box));
            withUnderscores.columns.push_back(column);
            withUnderscores.underscore.push_back(stroke);
            withUnderscores.operators.append(ink ? operatorInk(grey, grid, column, ownRows) : QString());
        }
    }
    const auto endMark = [&] {
        return read.last().column < withUnderscores.columns.back()
                   ? endingMark(grey, grid, withUnderscores.columns.back(), ownRows)
                   : QString();
    };
    if (const std::optional<Placed> byRuns =
            read.isEmpty() ? std::nullopt : filledByRuns(withUnderscores, read, grey, grid, line.box, reader, endMark)) {
        cells = byRuns->columns;
        characters = byRuns->characters;
    } else {
        if (const auto filled = filledFromInk(withUnderscores, 0, withUnderscores.columns.size(), characters, endMark)) {
            cells = withUnderscores.columns;
            characters = *filled;
        }
        QStringList onInk;
        for (qsizetype i = 0; i < read.size(); ++i) {
            if (!madeUp(read, i, cells))
                onInk.append(read[i].text);
        }
        if (qsizetype(cells.size()) != characters.size())
            characters = onInk;
        // A mark the engine left out after the last character it read, each of which it placed
        // in its own inked cell.
        const bool placed = qsizetype(cells.size()) == read.size() + 1
                            && std::equal(read.begin(), read.end(), cells.begin(), [](const Read &r, int c) { return r.column == c; });
        if (placed) {
            const QString mark = endingMark(grey, grid, cells.back(), ownRows);
            if (!mark.isEmpty()) {
                characters.clear();
                for (const Read &r : read)
                    characters.append(r.text);
                characters.append(mark);
            }
        }
        // The characters as the engine read them, moved off their own columns.
        const auto shifted = [&] {
            return read.size() == characters.size()
                   && std::equal(read.begin(), read.end(), characters.begin(),
                                 [](const Read &r, const QString &character) { return r.text == character; })
                   && shiftedFromTheirBoxes(read, cells, 0);
        };
        if (qsizetype(cells.size()) != characters.size() || shifted())
            return lineFromBoxes(line, ownRows, grey, grid, firstColumn);
    }
    // "3.14.159" read as "3.14,159": the mark between two digits of a number is told by its
    // ink, as the engine reads the dot and the comma of small text alike.
    const auto digitAt = [&](qsizetype i, int column) {
        return i >= 0 && i < characters.size() && cells[size_t(i)] == column && characters[i].size() == 1
               && characters[i][0].isDigit();
    };
    static const QStringList separators{QStringLiteral("."), QStringLiteral(","), QStringLiteral(":"), QStringLiteral(";")};
    QString text;
    int cursor = firstColumn;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const int column = cells[size_t(i)];
        text += QString(column - cursor, QLatin1Char(' '));
        QString character = operatorIfInkIs(characters[i], grey, grid, column, line.box);
        if (separators.contains(character) && digitAt(i - 1, column - 1) && digitAt(i + 1, column + 1)) {
            const QString mark = separatorBetweenDigits(grey, grid, column, ownRows);
            character = mark.isEmpty() ? character : mark;
        }
        text += character;
        cursor = column + 1;
    }
    return text;
}

// The rows of a line's box that the boxes of the lines above and below it leave free. With
// no spacing between a terminal's lines, the descender of a "(" and the top of a "b" below
// it share a row, which would ink the blank cells either side of them. Lines whose boxes
// overlap by more than that (the engine's misplaced lines) keep their whole box.
QRect ownRows(const QList<const RecognizedLine *> &block, qsizetype i)
{
    QRect rows = block[i]->box;
    if (i > 0)
        rows.setTop(std::max(rows.top(), block[i - 1]->box.bottom() + 1));
    if (i + 1 < block.size())
        rows.setBottom(std::min(rows.bottom(), block[i + 1]->box.top() - 1));
    return rows.height() > block[i]->box.height() / 2 ? rows : block[i]->box;
}

} // namespace

namespace {

// The distance from one line of the text to the next, as most of the engine's lines lie
// apart: the lower median, as with three lines and a blank one the upper is twice the
// pitch. None with fewer than three lines.
std::optional<double> rowPitch(const QList<RecognizedLine> &lines)
{
    std::vector<int> distances;
    for (qsizetype i = 1; i < lines.size(); ++i)
        distances.push_back(lines[i].box.center().y() - lines[i - 1].box.center().y());
    if (distances.size() < 2)
        return std::nullopt;
    std::nth_element(distances.begin(), distances.begin() + (distances.size() - 1) / 2, distances.end());
    const double pitch = distances[(distances.size() - 1) / 2];
    return pitch < 1 ? std::nullopt : std::optional(pitch);
}

qsizetype characterCount(const RecognizedLine &line)
{
    qsizetype count = 0;
    for (const RecognizedWord &word : line.words)
        count += word.symbols.size();
    return count;
}

// Reads `line`'s part of `grey` alone, on paper a margin wide around it, and takes that
// reading, in `grey`'s pixels, where it has as many characters as the line.
void readRowAgain(RecognizedLine &line, const QImage &grey, const LineReader &reader)
{
    const int margin = std::max(8, line.box.height() / 2);
    const QRect cut = line.box.adjusted(-margin / 2, -2, margin / 2, 2).intersected(grey.rect());
    if (cut.isEmpty())
        return;
    QImage picture(cut.width() + 2 * margin, cut.height() + 2 * margin, QImage::Format_Grayscale8);
    picture.fill(255);
    {
        QPainter painter(&picture);
        painter.drawImage(QPoint(margin, margin), grey, cut);
    }
    RecognizedLine again = line;
    again.words = reader(picture);
    const QPoint offset = cut.topLeft() - QPoint(margin, margin);
    for (RecognizedWord &word : again.words) {
        word.box.translate(offset);
        for (QRect &box : word.symbolBoxes)
            box.translate(offset);
    }
    if (characterCount(again) == characterCount(line))
        line.words = again.words;
}

// The engine sometimes reads two rows of a terminal as one line, the "}" that closes a
// block with the "}" below it. A line whose characters lie further apart than the
// characters of one row can (an underscore and a quote) is cut into a line per row, each
// character going to the row of its box, so that none is lost or read twice. Each such
// row is read again by `reader`, when given, on its own: the engine read its characters
// among another row's, and its reading stands where it has as many characters.
QList<RecognizedLine> oneLinePerRow(const QList<RecognizedLine> &lines, const QImage &grey, const LineReader &reader)
{
    const std::optional<double> pitch = rowPitch(lines);
    if (!pitch)
        return lines;
    QList<RecognizedLine> rows;
    for (const RecognizedLine &line : lines) {
        std::vector<double> centres;
        for (const RecognizedWord &word : line.words) {
            for (const QRect &box : word.symbolBoxes)
                centres.push_back(box.top() + box.height() / 2.0);
        }
        std::sort(centres.begin(), centres.end());
        // Where one row ends and the next begins.
        std::vector<double> cuts;
        for (size_t i = 1; i < centres.size(); ++i) {
            if (centres[i] - centres[i - 1] > 0.75 * *pitch)
                cuts.push_back((centres[i] + centres[i - 1]) / 2);
        }
        if (line.box.height() < 1.5 * *pitch || cuts.empty()) {
            rows.append(line);
            continue;
        }
        QList<RecognizedLine> pieces(qsizetype(cuts.size() + 1));
        for (const RecognizedWord &word : line.words) {
            QList<RecognizedWord> parts(pieces.size());
            for (qsizetype i = 0; i < word.symbolBoxes.size() && i < word.symbols.size(); ++i) {
                const QRect &box = word.symbolBoxes[i];
                const auto row = std::upper_bound(cuts.begin(), cuts.end(), box.top() + box.height() / 2.0) - cuts.begin();
                RecognizedWord &part = parts[row];
                part.box = part.symbolBoxes.isEmpty() ? box : part.box.united(box);
                part.symbolBoxes.append(box);
                part.symbols.append(word.symbols[i]);
                part.alternatives.append(word.alternatives.value(i));
            }
            for (qsizetype row = 0; row < parts.size(); ++row) {
                RecognizedWord &part = parts[row];
                if (part.symbols.isEmpty())
                    continue;
                part.text = part.symbols.join(QString());
                part.confidence = word.confidence;
                part.inDictionary = word.inDictionary;
                part.language = word.language;
                RecognizedLine &piece = pieces[row];
                piece.block = line.block;
                piece.box = piece.words.isEmpty() ? part.box : piece.box.united(part.box);
                piece.words.append(part);
            }
        }
        for (RecognizedLine &piece : pieces) {
            if (piece.words.isEmpty())
                continue;
            QStringList words;
            for (const RecognizedWord &word : std::as_const(piece.words))
                words.append(word.text);
            piece.text = words.join(QLatin1Char(' '));
            if (reader)
                readRowAgain(piece, grey, reader);
            rows.append(piece);
        }
    }
    return rows;
}

} // namespace

// The blank lines between the engine's lines, which it does not report: where two lines
// lie further apart than the lines of the text usually do, one line apart for each
// further line pitch.
QList<int> blankLinesBetween(const QList<RecognizedLine> &lines)
{
    QList<int> blanks(lines.size(), 0);
    const std::optional<double> pitch = rowPitch(lines);
    if (!pitch)
        return blanks;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int distance = lines[i].box.center().y() - lines[i - 1].box.center().y();
        blanks[i] = std::max(0, int(std::lround(distance / *pitch)) - 1);
    }
    return blanks;
}

std::optional<QString> layOutOnMonospaceGrid(const QList<RecognizedLine> &engineLines, const QImage &grey, double scale,
                                             const LineReader &reader, const FontGlyphs *glyphs)
{
    const QList<RecognizedLine> lines = oneLinePerRow(engineLines, grey, reader);
    const QList<int> blanks = blankLinesBetween(lines);
    QStringList output;
    for (qsizetype start = 0; start < lines.size();) {
        QList<RecognizedLine> kept;
        qsizetype end = start;
        for (; end < lines.size() && lines[end].block == lines[start].block; ++end) {
            kept.append(withoutNeighbours(lines[end]));
            for (RecognizedWord &word : kept.last().words) {
                readProgramWord(word);
            }
        }
        QList<const RecognizedLine *> block;
        for (const RecognizedLine &line : std::as_const(kept))
            block.append(&line);
        const std::optional<Grid> grid = gridOf(block);
        if (!grid)
            return std::nullopt;
        charactersAsElsewhere(kept, grey, *grid);
        const auto layOut = [&](const FontGlyphs::LaidOutCheck *check) {
            // The leftmost character of the block starts its lines; indentation is counted
            // from there, as the leftmost box does in the word layout.
            int firstColumn = INT_MAX;
            for (const RecognizedLine *line : block) {
                for (const RecognizedWord &word : line->words) {
                    for (const QRect &box : word.symbolBoxes)
                        firstColumn = std::min(firstColumn, grid->columnOf(centreOf(box)));
                }
            }
            for (qsizetype i = 0; i < block.size(); ++i) {
                for (int blank = 0; blank < blanks[start + i]; ++blank) {
                    QString text;
                    if (check)
                        (*check)(i, text, firstColumn, blanks[start + i] - blank);
                    output.append(withStraightQuotes(text));
                }
                RecognizedLine line = *block[i];
                readClosingLine(line, unclosedBraces(output));
                QString text = lineOnGrid(line, ownRows(block, i), grey, *grid, firstColumn, reader);
                if (check)
                    (*check)(i, text, firstColumn, 0);
                output.append(withStraightQuotes(text));
            }
            // Below the last line the engine read, a line it did not (a lone closing brace).
            for (int below = 1; check && end == lines.size() && !block.isEmpty(); ++below) {
                QString text;
                (*check)(block.size() - 1, text, firstColumn, -below);
                if (text.isEmpty())
                    break;
                output.append(withStraightQuotes(text));
            }
        };
        if (glyphs)
            glyphs->correct(kept, grey, grid->pitch, grid->origin, scale, layOut);
        else
            layOut(nullptr);
        start = end;
    }
    return output.join(QLatin1Char('\n'));
}

} // namespace quorvane
