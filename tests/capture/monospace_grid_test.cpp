// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/monospace_grid.h"

#include "capture/font_glyphs.h"

#include <QFontMetricsF>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace quorvane;

namespace {

constexpr int kPitch = 10;

// One character's box in column `column` between the rows `top` and `bottom`, and its ink.
QRect cell(int column, int top, int bottom)
{
    return QRect(QPoint(column * kPitch + 2, top), QPoint(column * kPitch + 7, bottom));
}

RecognizedWord word(const QString &text, int column, int top, int bottom)
{
    RecognizedWord word;
    for (qsizetype i = 0; i < text.size(); ++i) {
        word.symbolBoxes.append(cell(column + int(i), top, bottom));
        word.symbols.append(text.mid(i, 1));
    }
    word.box = word.symbolBoxes.first().united(word.symbolBoxes.last());
    word.text = text;
    return word;
}

// Ink in the first `upper` cells of a line between rows 10 and 24 and the first `lower`
// cells of one between rows 32 and 46.
QImage twoLinesOfInk(int upper, int lower)
{
    QImage grey(120, 60, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    for (int column = 0; column < upper; ++column)
        painter.fillRect(cell(column, 10, 24), Qt::black);
    for (int column = 0; column < lower; ++column)
        painter.fillRect(cell(column, 32, 46), Qt::black);
    return grey;
}

TEST(MonospaceGrid, ThePieceOfTheNextLineTheEngineGivesALineIsLeftOut)
{
    // Two lines of a terminal; the engine gives the first the top of the second line's
    // ";" (a ":"), its box reaching down into that line.
    const QImage grey = twoLinesOfInk(4, 6);

    RecognizedLine first;
    first.words = {word("abcd", 0, 10, 24), word(":", 5, 33, 36)};
    first.box = first.words.first().box.united(first.words.last().box);
    RecognizedLine second;
    second.words = {word("efghi;", 0, 32, 46)};
    second.box = second.words.first().box;

    EXPECT_EQ(layOutOnMonospaceGrid({first, second}, grey).value_or("none").toStdString(), "abcd\nefghi;");
}

TEST(MonospaceGrid, TheTopOfATallCharacterBelowLeavesTheCellAboveItBlank)
{
    // Lines without spacing between them: the "(" of the second reaches up into the last
    // row of the first, below the blank cell after "abc". The engine put the "c" a column
    // too far right.
    QImage grey(120, 60, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    for (int column = 0; column < 3; ++column) {
        painter.fillRect(cell(column, 10, 24), Qt::black);
        painter.fillRect(cell(column, 26, 38), Qt::black);
    }
    painter.fillRect(cell(3, 24, 40), Qt::black);
    painter.end();

    RecognizedLine first;
    first.words = {word("ab", 0, 10, 24), word("c", 3, 10, 24)};
    first.box = first.words.first().box.united(first.words.last().box);
    RecognizedLine second;
    second.words = {word("xyz(", 0, 26, 38)};
    second.words.first().symbolBoxes.last() = cell(3, 24, 40);
    second.box = second.words.first().symbolBoxes.first().united(cell(3, 24, 40));

    EXPECT_EQ(layOutOnMonospaceGrid({first, second}, grey).value_or("none").toStdString(), "abc\nxyz(");
}

TEST(MonospaceGrid, AnUnderscoreIsToldBelowTheLineAbovesInABoxDrawnUpIntoIt)
{
    // "c_d" above "a_b", each underscore along the bottom of its line; the engine read
    // "ab", the box of its "b" reaching up to the first line's underscore.
    QImage grey(120, 60, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    for (int column : {0, 2}) {
        painter.fillRect(cell(column, 10, 24), Qt::black);
        painter.fillRect(cell(column, 32, 46), Qt::black);
    }
    painter.fillRect(QRect(10, 23, 10, 2), Qt::black);
    painter.fillRect(QRect(10, 45, 10, 2), Qt::black);
    painter.end();

    RecognizedLine first;
    first.words = {word("c_d", 0, 10, 24)};
    first.box = first.words.first().box;
    RecognizedLine second;
    second.words = {word("a", 0, 32, 46), word("b", 2, 23, 46)};
    second.box = QRect(QPoint(2, 23), QPoint(27, 46));
    EXPECT_EQ(layOutOnMonospaceGrid({first, second}, grey).value_or("none").toStdString(), "c_d\na_b");
}

TEST(MonospaceGrid, ALineTheEngineReadAcrossTwoRowsIsCutIntoARowEach)
{
    // Six rows 22 pixels apart; the engine read the "x" of the fourth and the "y" of the
    // fifth as one line.
    QImage grey(120, 150, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    QList<RecognizedLine> lines;
    for (int row : {0, 1, 2, 5}) {
        const int top = 10 + 22 * row;
        painter.fillRect(cell(0, top, top + 14), Qt::black);
        painter.fillRect(cell(1, top, top + 14), Qt::black);
        RecognizedLine line;
        line.words = {word("ab", 0, top, top + 14)};
        line.box = line.words.first().box;
        lines.append(line);
    }
    painter.fillRect(cell(2, 76, 90), Qt::black);
    painter.fillRect(cell(0, 98, 112), Qt::black);
    painter.end();
    RecognizedLine merged;
    merged.words = {word("y", 0, 98, 112), word("x", 2, 76, 90)};
    merged.box = QRect(QPoint(2, 76), QPoint(27, 112));
    lines.insert(3, merged);

    EXPECT_EQ(layOutOnMonospaceGrid(lines, grey).value_or("none").toStdString(), "ab\nab\nab\n  x\ny\nab");
    // Each row read again alone, its reading standing as it has as many characters.
    const LineReader reader = [](const QImage &) { return QList<RecognizedWord>{word("z", 1, 10, 24)}; };
    EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, reader).value_or("none").toStdString(), "ab\nab\nab\n  z\nz\nab");
}

TEST(MonospaceGrid, ALoneBraceTheEngineReadAsALetterClosesAnOpenBlock)
{
    const QImage grey = twoLinesOfInk(3, 2);

    RecognizedLine opening;
    opening.words = {word("a{b", 0, 10, 24)};
    opening.box = opening.words.first().box;
    // "};" read as "yi", the engine having weighed "}" for the "y".
    RecognizedLine closing;
    closing.words = {word("yi", 0, 32, 46)};
    closing.words.first().alternatives = {{"v", "}"}, {"l"}};
    closing.box = closing.words.first().box;

    EXPECT_EQ(layOutOnMonospaceGrid({opening, closing}, grey).value_or("none").toStdString(), "a{b\n};");
    // So too after a brace the engine read as one.
    closing.words.first().symbols.first() = "}";
    EXPECT_EQ(layOutOnMonospaceGrid({opening, closing}, grey).value_or("none").toStdString(), "a{b\n};");
    closing.words.first().symbols.first() = "y";
    // Without an open block the letters stay.
    opening.words = {word("abc", 0, 10, 24)};
    EXPECT_EQ(layOutOnMonospaceGrid({opening, closing}, grey).value_or("none").toStdString(), "abc\nyi");
}

TEST(MonospaceGrid, AMarkTheEngineLeftOutAfterTheLastCharacterIsToldByItsInk)
{
    QImage grey = twoLinesOfInk(3, 1);
    QPainter painter(&grey);
    // After the "}" below, a dot above the line's middle and a taller comma below it.
    painter.fillRect(QRect(14, 34, 2, 3), Qt::black);
    painter.fillRect(QRect(14, 41, 2, 7), Qt::black);
    painter.end();

    RecognizedLine opening;
    opening.words = {word("a{b", 0, 10, 24)};
    opening.box = opening.words.first().box;
    RecognizedLine closing;
    closing.words = {word("}", 0, 32, 46)};
    closing.box = closing.words.first().box;

    EXPECT_EQ(layOutOnMonospaceGrid({opening, closing}, grey).value_or("none").toStdString(), "a{b\n};");
}

TEST(MonospaceGrid, ACharacterLeftOutAndOneMadeUpDoNotShiftTheCharactersBetweenThem)
{
    // Ten inked cells; the engine left out the second character and made up an "x" in the
    // last cell beside the "j" it read there, as many characters as cells.
    const QImage grey = twoLinesOfInk(10, 0);
    RecognizedLine line;
    line.words = {word("a", 0, 10, 24), word("cdefghijx", 2, 10, 24)};
    line.words.last().symbolBoxes.last() = cell(9, 10, 24);
    line.box = line.words.first().box.united(line.words.last().box);
    // Each character stays in the column it was read in, rather than all from the "c" on
    // one to the left.
    EXPECT_EQ(layOutOnMonospaceGrid({line}, grey).value_or("none").toStdString(), "a cdefghijx");

    // A character read twice in one cell is there once.
    line.words = {word("abcdd", 0, 10, 24), word("efghij", 4, 10, 24)};
    line.words.first().symbolBoxes.last() = cell(3, 10, 24);
    line.box = line.words.first().box.united(line.words.last().box);
    EXPECT_EQ(layOutOnMonospaceGrid({line}, grey).value_or("none").toStdString(), "abcdefghij");
}

TEST(MonospaceGrid, ACellInkedLikeTheOneBeforeRepeatsItsCharacter)
{
    // "a&&b" drawn with a distinct mark per letter; the engine read one "&".
    QImage grey(120, 60, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    painter.fillRect(cell(0, 10, 24), Qt::black);
    for (int column : {1, 2}) {
        painter.fillRect(cell(column, 10, 13), Qt::black);
        painter.fillRect(cell(column, 18, 24).adjusted(2, 0, 0, 0), Qt::black);
    }
    painter.fillRect(cell(3, 16, 24), Qt::black);
    painter.end();

    RecognizedLine line;
    RecognizedWord read = word("a&", 0, 10, 24);
    RecognizedWord b = word("b", 3, 10, 24);
    line.words = {read, b};
    line.box = read.box.united(b.box);
    EXPECT_EQ(layOutOnMonospaceGrid({line}, grey).value_or("none").toStdString(), "a&&b");
}

// A reader that reads `text` in any picture, its characters side by side across the ink.
LineReader readingAs(const QString &text)
{
    return [text](const QImage &picture) {
        int left = picture.width(), right = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qGray(picture.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
            }
        }
        RecognizedWord read;
        read.text = text;
        const int width = (right - left) / int(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            read.symbolBoxes.append(QRect(left + int(i) * width, 0, width, picture.height()));
            read.symbols.append(text.mid(i, 1));
        }
        return QList<RecognizedWord>{read};
    };
}

TEST(MonospaceGrid, CharactersTheEngineMisplacedTakeTheColumnsOfTheirTokensInk)
{
    // Shown: "ab cde fg". The engine made up a "d" in "cde", and put the "f" of "fg" in the
    // blank cell before it.
    QImage grey = twoLinesOfInk(0, 0);
    QPainter painter(&grey);
    // Each cell inked unlike the one before it, as different characters are.
    for (int column : {0, 1, 3, 4, 5, 7, 8})
        painter.fillRect(cell(column, 10 + column % 2 * 4, 24), Qt::black);
    painter.end();
    RecognizedLine line;
    line.words = {word("ab", 0, 10, 24), word("cdde", 3, 10, 24), word("fg", 6, 10, 24)};
    line.words[1].symbolBoxes[3] = cell(5, 10, 24);
    line.box = line.words.first().box.united(line.words.last().box);

    // Read alone, the token fits its three cells.
    EXPECT_EQ(layOutOnMonospaceGrid({line}, grey, 1.0, readingAs("cde")).value_or("none").toStdString(), "ab cde fg");
    // A second reading that does not fit them either leaves the engine's characters as read,
    // the tokens after them in their own columns or beyond.
    EXPECT_EQ(layOutOnMonospaceGrid({line}, grey, 1.0, readingAs("cdxe")).value_or("none").toStdString(), "ab cdde fg");
}

TEST(MonospaceGrid, CharactersTheEngineReadAsFewerAreReadAgainWithTheirCellsApart)
{
    // "x 1/1" below "abcd": the ink of the three cells of "1/1" runs together, and the
    // engine, alone or among the line, reads two characters in it.
    QImage grey = twoLinesOfInk(4, 1);
    QPainter painter(&grey);
    painter.fillRect(QRect(20, 32, 10, 15), Qt::black);
    painter.fillRect(QRect(30, 32, 10, 7), Qt::black);
    painter.fillRect(QRect(40, 39, 10, 8), Qt::black);
    painter.end();
    RecognizedLine above;
    above.words = {word("abcd", 0, 10, 24)};
    above.box = above.words.first().box;
    RecognizedLine line;
    line.words = {word("x", 0, 32, 46), word("yi", 2, 32, 46)};
    line.words[1].symbolBoxes[1] = cell(4, 32, 46);
    line.box = line.words.first().box.united(line.words.last().box);

    // One character for each stretch of ink between blank columns, and "yi" for one stretch.
    const LineReader reader = [](const QImage &picture) {
        QList<std::pair<int, int>> stretches;
        for (int x = 0; x < picture.width(); ++x) {
            bool ink = false;
            for (int y = 0; y < picture.height() && !ink; ++y)
                ink = qGray(picture.pixel(x, y)) < 128;
            if (ink && (stretches.isEmpty() || stretches.last().second != x - 1))
                stretches.append({x, x});
            if (ink)
                stretches.last().second = x;
        }
        const QString text = stretches.size() == 1 ? "yi" : "1/1";
        RecognizedWord read;
        for (qsizetype i = 0; i < text.size() && i < stretches.size() * 2; ++i) {
            const auto [left, right] = stretches[stretches.size() == 1 ? 0 : i];
            read.symbolBoxes.append(QRect(QPoint(left, 0), QPoint(right, picture.height() - 1)));
            read.symbols.append(text.mid(i, 1));
        }
        read.text = read.symbols.join(QString());
        return QList<RecognizedWord>{read};
    };
    EXPECT_EQ(layOutOnMonospaceGrid({above, line}, grey, 1.0, reader).value_or("none").toStdString(), "abcd\nx 1/1");
}

} // namespace

// Glyphs of a made-up monospaced font, each distinct in its cell.
void drawGlyph(QPainter &painter, QChar glyph, int column, int top, int bottom)
{
    const QRect box = cell(column, top, bottom);
    const int middle = (top + bottom) / 2;
    switch (glyph.unicode()) {
    case u'0':  // a ring with a dot inside
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(box.left() + 2, middle - 1, 2, 3), Qt::black);
        break;
    case u'8':  // a ring with a bar across
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(box.left(), middle, box.width(), 1), Qt::black);
        break;
    case u'l':  // a stem with a foot to the right
        painter.fillRect(QRect(box.left() + 1, top, 2, box.height()), Qt::black);
        painter.fillRect(QRect(box.left() + 1, bottom - 1, box.width() - 1, 2), Qt::black);
        break;
    case u'^':  // an apex above the middle, widening to two feet
        for (const QRect &stroke : {QRect(4, 0, 2, 1), QRect(3, 1, 4, 1), QRect(3, 2, 2, 1), QRect(5, 2, 2, 1),
                                    QRect(2, 3, 2, 1), QRect(6, 3, 2, 1), QRect(1, 4, 2, 2), QRect(7, 4, 2, 2)})
            painter.fillRect(stroke.translated(column * kPitch, top), Qt::black);
        break;
    default:
        painter.fillRect(box, Qt::black);
    }
}

TEST(MonospaceGrid, ACharacterInkedLikeTheTextsCopiesOfAnotherItIsConfusedWithIsThatOne)
{
    // Shown: "a00 8 ll" over "b0 ls 8 ^". The engine read the second line's zero as "8",
    // its "l" as "1" and its caret as "*".
    QImage grey(120, 60, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    painter.setPen(Qt::black);
    const QString shown[] = {"a00 8 ll", "b0 ls 8 ^"};
    for (int line = 0; line < 2; ++line) {
        for (int column = 0; column < shown[line].size(); ++column) {
            if (shown[line][column] != u' ')
                drawGlyph(painter, shown[line][column], column, 10 + 22 * line, 24 + 22 * line);
        }
    }
    painter.end();

    RecognizedLine upper;
    upper.words = {word("a00", 0, 10, 24), word("8", 4, 10, 24), word("ll", 6, 10, 24)};
    upper.box = upper.words.first().box.united(upper.words.last().box);
    RecognizedLine lower;
    lower.words = {word("b8", 0, 32, 46), word("1s", 3, 32, 46), word("8", 6, 32, 46), word("*", 8, 32, 46)};
    lower.box = lower.words.first().box.united(lower.words.last().box);
    EXPECT_EQ(layOutOnMonospaceGrid({upper, lower}, grey).value_or("none").toStdString(), "a00 8 ll\nb0 ls 8 ^");

    // A letter beside letters stays one, though the text's copies of it were read as "1".
    upper.words[2] = word("11", 6, 10, 24);
    lower.words[1] = word("ls", 3, 32, 46);
    EXPECT_EQ(layOutOnMonospaceGrid({upper, lower}, grey).value_or("none").toStdString(), "a00 8 11\nb0 ls 8 ^");
}

// `shown` drawn in `font` one character a cell of the width of its "M" (or `cellWidth`,
// each glyph at the cell's left edge or `centred` in it, as terminals do), its zeros in
// `zeros` when given, dark on light as an editor shows it, and read by the engine as
// `read`: each character of `read` boxed where the ink of its cell is.
std::pair<QImage, QList<RecognizedLine>> drawnAndRead(const QFont &font, const QStringList &shown, const QStringList &read,
                                                      const QFont &zeros = QFont(), int cellWidth = 0, bool centred = false)
{
    const QFontMetricsF metrics(font);
    const double advance = metrics.horizontalAdvance(u'M');
    const double pitch = cellWidth > 0 ? cellWidth : advance;
    const double inset = centred ? (pitch - advance) / 2 : 0;
    const int lineHeight = qCeil(metrics.height()) + 4;
    QImage grey(int(pitch * 24) + 40, lineHeight * int(shown.size()) + 40, QImage::Format_Grayscale8);
    grey.fill(255);
    QPainter painter(&grey);
    painter.setFont(font);
    painter.setPen(QColor(0x24, 0x29, 0x2e));
    QList<RecognizedLine> lines;
    for (int l = 0; l < shown.size(); ++l) {
        const int top = 20 + l * lineHeight;
        for (int c = 0; c < shown[l].size(); ++c) {
            painter.setFont(shown[l][c] == u'0' && zeros != QFont() ? zeros : font);
            painter.drawText(QPointF(20 + c * pitch + inset, top + metrics.ascent()), shown[l].mid(c, 1));
        }
    }
    painter.end();
    for (int l = 0; l < read.size(); ++l) {
        const int top = 20 + l * lineHeight;
        RecognizedLine line;
        RecognizedWord word;
        for (int c = 0; c <= read[l].size(); ++c) {
            if (c == read[l].size() || read[l][c] == u' ') {
                if (!word.symbols.isEmpty()) {
                    word.box = word.symbolBoxes.first().united(word.symbolBoxes.last());
                    word.text = word.symbols.join(QString());
                    line.words.append(word);
                    line.box = line.box.isNull() ? word.box : line.box.united(word.box);
                }
                word = RecognizedWord();
                continue;
            }
            QRect ink;
            for (int y = top; y < top + lineHeight; ++y) {
                for (int x = int(20 + c * pitch); x < int(20 + (c + 1) * pitch); ++x) {
                    if (grey.constScanLine(y)[x] < 160)
                        ink = ink.united(QRect(x, y, 1, 1));
                }
            }
            word.symbolBoxes.append(ink);
            word.symbols.append(read[l].mid(c, 1));
        }
        lines.append(line);
    }
    return {grey, lines};
}

TEST(MonospaceGrid, CharactersTheEngineConfusesAreToldApartByTheGlyphsOfTheFontThatDrewThem)
{
    // A digit misread in a number ("2625", read where no other "6" is) tells nothing about
    // the font's "6"; a "T" or "e" between digits is told from a digit by its glyph.
    const QStringList shown{"CC -O2 main.o", "local id1 = 0x7b;", "ls l1 Ob vs 1024", "3f25 enp3s0 fd00 I0",
                            "at 2025-01-09T08:30 1e07"};
    const QStringList read{"cc -02 main.0", "l0ca1 idl = 0x7b;", "1s ll 0b vs 1024", "3#25 enp3s@ #d00 10",
                           "at 2625-01-09108:30 1607"};
    const QStringList families = FontGlyphs::installedMonospacedFamilies();
    const FontGlyphs glyphs;
    ASSERT_TRUE(families.contains("DejaVu Sans Mono") && families.contains("Liberation Mono")) << families.join(", ").toStdString();
    for (const QString &family : families) {
        for (int size : {13, 16}) {
            QFont font(family);
            font.setPixelSize(size);
            const auto [grey, lines] = drawnAndRead(font, shown, read);
            EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).value_or("none").toStdString(), shown.join('\n').toStdString())
                << family.toStdString() << " " << size;
            EXPECT_EQ(FontGlyphs::lastFont(), QStringLiteral("%1 %2").arg(family).arg(size));
        }
    }

    // A terminal's cells wider than the font's advance (sized from its widest glyph), the
    // glyphs at their left edges or in their middles, or narrower (rounded down).
    for (const auto &[family, size, widthOverAdvance, centred] :
         {std::tuple("DejaVu Sans Mono", 16, 1.25, false), std::tuple("Liberation Mono", 14, 1.4, true),
          std::tuple("DejaVu Sans Mono", 13, 0.9, false)}) {
        QFont font(family);
        font.setPixelSize(size);
        const int cell = int(QFontMetricsF(font).horizontalAdvance(u'M') * widthOverAdvance);
        const auto [grey, lines] = drawnAndRead(font, shown, read, QFont(), cell, centred);
        EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).value_or("none").toStdString(), shown.join('\n').toStdString())
            << family << " in cells " << cell;
        // Squeezed into narrower cells, the text fits sizes within half a pixel about alike.
        const QString found = FontGlyphs::lastFont();
        EXPECT_TRUE(found.startsWith(QString(family) + ' ') && std::abs(found.section(' ', -1).toDouble() - size) <= 0.5)
            << found.toStdString() << " for " << family << " " << size;
    }

    // A font of no installed glyphs is left as read (but for the text's own rules).
    QFont serif("DejaVu Serif");
    serif.setPixelSize(16);
    const auto [grey, lines] = drawnAndRead(serif, shown, read);
    EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).value_or("none").split('\n').first().toStdString(), read.first().toStdString());
    EXPECT_EQ(FontGlyphs::lastFont(), QString());
}

// The layout reads some cells again, or moves characters, after the glyphs have looked
// ("^4.17.21" read again as "44.17.21"): the glyphs judge what it gives the cells, a
// separator between digits only as another separator. A line laid out a cell off its ink
// (a character left out, another read twice, two swapped) is read from its cells.
TEST(MonospaceGrid, TheGlyphsJudgeTheCharactersTheLayoutGivesCells)
{
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(16);
    const QStringList shown{"version: ^4.17.21", "id = 0xEDB8 at 1200,12.5", "3f2504e0-4f89-11d3-9a0c"};
    const double pitch = QFontMetricsF(font).horizontalAdvance(u'M');
    auto [grey, lines] = drawnAndRead(font, shown, shown);
    QStringList checked;
    FontGlyphs({"DejaVu Sans Mono"}).correct(lines, grey, pitch, 20 + pitch / 2, 1.0, [&](const FontGlyphs::LaidOutCheck *check) {
        ASSERT_NE(check, nullptr);
        const std::pair<qsizetype, QString> laidOut[]{
            {0, "version: 44.17.21"}, {1, "id = @xEDB8 at 1200.12.5"}, {1, " id = 0xEDB8 at 1200,12."},
            {2, "32504e0-4f89-11d3-9a0cc"}, {2, "3f2504e0-4f89-11d39-a0c"}};
        for (auto [line, text] : laidOut) {
            (*check)(line, text, 0, 0);
            checked.append(text);
        }
    });
    EXPECT_EQ(checked.join('\n').toStdString(),
              "version: ^4.17.21\nid = 0xEDB8 at 1200,12.5\nid = 0xEDB8 at 1200,12.5\n3f2504e0-4f89-11d3-9a0c\n"
              "3f2504e0-4f89-11d3-9a0c");
}

// A table's rule of dashes boxed as letters stands them on the dashes, above the row's
// baseline: its glyphs are still looked for on the rows the other lines keep.
TEST(MonospaceGrid, ARuleOfDashesReadAsLettersIsReadFromItsCellsOnTheRowsOfTheOthers)
{
    const QStringList shown{" region | orders | share", "--------+--------+-------", " north  |   1204 | 31.2%",
                            " south  |    877 | 19.4%"};
    const QStringList read{" region | orders | share", "wr  ee theneeeeoteeeoo ee", " north  |   1204 | 31.2%",
                           " south  |    877 | 19.4%"};
    const FontGlyphs glyphs;
    for (const auto &[family, size] : {std::pair("DejaVu Sans Mono", 13), std::pair("DejaVu Sans Mono", 16),
                                       std::pair("Liberation Mono", 16)}) {
        QFont font(family);
        font.setPixelSize(size);
        const auto [grey, lines] = drawnAndRead(font, shown, read);
        EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).value_or("none").toStdString(),
                  shown.join('\n').toStdString())
            << family << " " << size;
    }
}

// Ink the engine left unread (carets after a gutter, a whole row of dots, a closing brace
// below the last line) is read from its cells, as is a lone zero in a column of numbers
// read as a letter.
TEST(MonospaceGrid, InkTheEngineLeftUnreadOrMisreadAloneIsReadFromItsCells)
{
    const QStringList shown{"/dev/sdb1  0   0   0  -", "  if (n > 0x7f) {", "      |   ^~~~~~ here", "...", "    return -EINVAL;",
                            "}"};
    const QStringList read{"/dev/sdb1  0   Q   0  -", "  if (n > 0x7f) {", "      |", "", "    return -EINVAL;", ""};
    const FontGlyphs glyphs;
    for (const auto &[family, size] : {std::pair("DejaVu Sans Mono", 13), std::pair("DejaVu Sans Mono", 16),
                                       std::pair("Liberation Mono", 16)}) {
        QFont font(family);
        font.setPixelSize(size);
        auto [grey, lines] = drawnAndRead(font, shown, read);
        lines.removeAt(5);
        lines.removeAt(3);
        EXPECT_EQ(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).value_or("none").toStdString(),
                  shown.join('\n').toStdString())
            << family << " " << size;
    }
    // A line the capture cut at its right edge: the cells beyond it hold nothing.
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(13);
    const QStringList cut{"total 48 drwxr-xr-x 2 root root 4096 Mar  3 10:12 ."};
    const auto [grey, lines] = drawnAndRead(font, cut, cut);
    EXPECT_TRUE(layOutOnMonospaceGrid(lines, grey, 1.0, {}, &glyphs).has_value());
}

// A font that draws a digit otherwise than the text does (its zero drawn in another
// font) fits the text's other characters closely, but changes none of that digit's cells
// nor its look-alikes'.
TEST(MonospaceGrid, AFontThatDrawsTheTextsDigitsOtherwiseChangesNoneOfThem)
{
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(16);
    QFont otherZeros("DejaVu Sans");
    otherZeros.setPixelSize(16);
    const QStringList shown{"host 10.0.0.12 at 2024 and 3000", "OBJS = O1.o"};
    const QStringList read{"host 10.0.0.12 at 2024 and 3000", "OBJS = 01.0"};
    const double pitch = QFontMetricsF(font).horizontalAdvance(u'M');
    for (const auto &[zeros, expected] : {std::pair(font, "OBJS = O1.o"), std::pair(otherZeros, "OBJS = 01.0")}) {
        auto [grey, lines] = drawnAndRead(font, shown, read, zeros);
        FontGlyphs({"DejaVu Sans Mono"}).correct(lines, grey, pitch, 20 + pitch / 2, 1.0);
        EXPECT_EQ(FontGlyphs::lastFont(), QStringLiteral("DejaVu Sans Mono 16"));
        QStringList words;
        for (const RecognizedWord &word : lines[1].words)
            words.append(word.symbols.join(QString()));
        EXPECT_EQ(words.join(' ').toStdString(), expected) << zeros.family().toStdString();
    }
}
