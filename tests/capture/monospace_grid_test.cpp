// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/monospace_grid.h"

#include <QPainter>

#include <gtest/gtest.h>

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
    // Without an open block the letters stay.
    opening.words = {word("abc", 0, 10, 24)};
    EXPECT_EQ(layOutOnMonospaceGrid({opening, closing}, grey).value_or("none").toStdString(), "abc\nyi");
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

} // namespace
