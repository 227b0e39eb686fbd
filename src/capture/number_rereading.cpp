// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/number_rereading.h"

#include <QPainter>

#include <algorithm>

namespace quorvane {

namespace {

const QString kSeparators = QStringLiteral(".,:-/");

bool isDigit(const QString &symbol)
{
    return symbol.size() == 1 && symbol[0] >= u'0' && symbol[0] <= u'9';
}

bool isSeparator(const QString &symbol)
{
    return symbol.size() == 1 && kSeparators.contains(symbol[0]);
}

bool isLetterOrDigit(const RecognizedWord &word, qsizetype i)
{
    return i >= 0 && i < word.symbols.size() && !word.symbols[i].isEmpty() && word.symbols[i][0].isLetterOrNumber();
}

// A sign the engine read where the ink is a digit: no letter and none of the marks program
// text is written with, and the engine weighed a digit for it ("©" or "®" for a "0").
bool isDigitLike(const RecognizedWord &word, qsizetype i)
{
    const QString &symbol = word.symbols[i];
    // The "@" the engine reads for a dotted zero, where a number starts: "@.75".
    if (symbol == QLatin1String("@") && !isLetterOrDigit(word, i - 1)) {
        const qsizetype next = i + 1 < word.symbols.size() && isSeparator(word.symbols[i + 1]) ? i + 2 : i + 1;
        return next < word.symbols.size() && isDigit(word.symbols[next]);
    }
    if (symbol.size() != 1 || symbol[0].unicode() < 0x80 || symbol[0].isLetter())
        return false;
    const QStringList alternatives = word.alternatives.value(i);
    return std::any_of(alternatives.begin(), alternatives.end(), isDigit);
}

struct Token {
    qsizetype first = 0;
    qsizetype last = 0;  // inclusive
};

// Whether the token is a group of a hexadecimal value ("1c" of a MAC address, a UUID's
// "8a10"): a group of the letters, digits and inner separators around it, other than the
// last, holds a hexadecimal letter, other than at the start of the first group ("a4:e7",
// but not the "v" of "v1.4" nor the unit of "1.5s").
bool inHexadecimalValue(const RecognizedWord &word, const Token &token)
{
    const auto inner = [&](qsizetype i) {
        return isSeparator(word.symbols[i]) && isLetterOrDigit(word, i - 1) && isLetterOrDigit(word, i + 1);
    };
    qsizetype first = token.first, last = token.last;
    while (first > 0 && (isLetterOrDigit(word, first - 1) || inner(first - 1)))
        --first;
    while (last + 1 < word.symbols.size() && (isLetterOrDigit(word, last + 1) || inner(last + 1)))
        ++last;
    bool firstGroup = true, groupStart = true;
    for (qsizetype i = first; i <= last; ++i) {
        if (isSeparator(word.symbols[i])) {
            firstGroup = false;
            groupStart = true;
            continue;
        }
        const QChar c = word.symbols[i].isEmpty() ? QChar() : word.symbols[i][0].toLower();
        const bool lastGroup = std::none_of(word.symbols.begin() + i, word.symbols.begin() + last + 1, isSeparator);
        if (c >= u'a' && c <= u'f' && !lastGroup && !(firstGroup && groupStart))
            return true;
        groupStart = false;
    }
    return false;
}

// The numbers of a word: runs of digits (or signs read for them) with separators, and the
// "x" of a size, between them.
QList<Token> numbersOf(const RecognizedWord &word)
{
    QList<Token> tokens;
    const auto digitOrLike = [&](qsizetype i) {
        return i >= 0 && i < word.symbols.size() && (isDigit(word.symbols[i]) || isDigitLike(word, i));
    };
    const auto between = [&](qsizetype i) {
        return (isSeparator(word.symbols[i]) || word.symbols[i] == QLatin1String("x")) && digitOrLike(i - 1)
               && digitOrLike(i + 1);
    };
    for (qsizetype i = 0; i < word.symbols.size();) {
        if (!digitOrLike(i)) {
            ++i;
            continue;
        }
        Token token{i, i};
        qsizetype digits = isDigit(word.symbols[i]);
        bool separated = false;
        while (token.last + 1 < word.symbols.size() && (digitOrLike(token.last + 1) || between(token.last + 1))) {
            ++token.last;
            digits += isDigit(word.symbols[token.last]);
            separated = separated || !digitOrLike(token.last);
        }
        i = token.last + 1;
        // A digit at the end of an identifier ("i64", "crc32") is no number of its own,
        // while the letter of a version ("v1.4.2") stands before one.
        if (digits == 0 || (isLetterOrDigit(word, token.first - 1) && !separated) || inHexadecimalValue(word, token))
            continue;
        tokens.append(token);
    }
    return tokens;
}

// The token's characters with a blank margin around them, cut from `grey` between the
// characters beside them.
QImage numberImage(const RecognizedWord &word, const Token &token, const QImage &grey)
{
    QRect box;
    for (qsizetype i = token.first; i <= token.last; ++i)
        box = box.united(word.symbolBoxes[i]);
    const int height = box.height();
    int left = box.left() - height / 4;
    int right = box.right() + height / 4;
    // Halfway to the characters beside it, whose edges the engine's boxes may cut.
    if (token.first > 0)
        left = std::max(left, (word.symbolBoxes[token.first - 1].right() + box.left()) / 2 + 1);
    if (token.last + 1 < word.symbolBoxes.size())
        right = std::min(right, (word.symbolBoxes[token.last + 1].left() + box.right()) / 2 - 1);
    const QRect cut = QRect(QPoint(left, box.top() - height / 6), QPoint(right, box.bottom() + height / 6))
                          .intersected(grey.rect());
    const int margin = std::max(8, height / 2);
    QImage image(cut.width() + 2 * margin, cut.height() + 2 * margin, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.drawImage(QPoint(margin, margin), grey, cut);
    return image;
}

// The dotted or slashed zero of a terminal font is the digit the engine most often takes
// for another ("0" as "6", "8" or "9") or for a sign; read without letters to choose from
// it reads right, while the other digits it read well in the first place come back worse
// as often as better. So only a sign, or a digit for which the engine also weighed a zero,
// is read again, and a digit takes the second reading only when that is a zero.
bool mayBeZero(const RecognizedWord &word, qsizetype i)
{
    return isDigitLike(word, i)
           || (isDigit(word.symbols[i]) && word.symbols[i] != QLatin1String("0")
               && word.alternatives.value(i).contains(QStringLiteral("0")));
}

void rereadNumber(RecognizedWord &word, const Token &token, const QImage &grey, const DigitReader &reader)
{
    bool doubtful = false;
    for (qsizetype i = token.first; i <= token.last; ++i)
        doubtful = doubtful || mayBeZero(word, i);
    if (!doubtful)
        return;
    QString again = reader(numberImage(word, token, grey));
    again.remove(QLatin1Char(' '));
    if (again.size() != token.last - token.first + 1)
        return;
    for (qsizetype i = token.first; i <= token.last; ++i) {
        const QString read = again.mid(i - token.first, 1);
        const bool digitThen = isDigit(word.symbols[i]) || isDigitLike(word, i);
        if (digitThen != isDigit(read) || (!digitThen && !isSeparator(read) && read != word.symbols[i]))
            return;
    }
    for (qsizetype i = token.first; i <= token.last; ++i) {
        const QString read = again.mid(i - token.first, 1);
        if (isDigitLike(word, i) || (mayBeZero(word, i) && read == QLatin1String("0")))
            word.symbols[i] = read;
    }
}

} // namespace

void rereadNumbers(QList<RecognizedLine> &lines, const QImage &grey, const DigitReader &reader)
{
    for (RecognizedLine &line : lines) {
        for (RecognizedWord &word : line.words) {
            if (word.symbolBoxes.size() != word.symbols.size())
                continue;
            for (const Token &token : numbersOf(word))
                rereadNumber(word, token, grey, reader);
            word.text = word.symbols.join(QString());
        }
    }
}

} // namespace quorvane
