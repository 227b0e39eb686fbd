// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/tesseract_engine.h"

#include <QString>
#include <QStringList>

namespace quorvane {

// Program text read without a dictionary: its hashes, literals and lone braces are no
// words, and the engine reads them as letters would be. These corrections weigh the other
// readings the engine kept for each character (RecognizedWord::alternatives).

// Hexadecimal runs ("alb2c3d" -> "a1b2c3d"), 0x literals ("Oxif" -> "0x1f", "OxFFu" ->
// "0xFFu"), lone zeros ("x<O" -> "x<0", "@" -> "0") and the numbers of device names
// ("etho" -> "eth0") of one word, in place.
void readProgramWord(RecognizedWord &word);

// A line of one to three characters after `openBraces` open "{" that the engine read
// as letters ("yi") but weighed "}" for: the closing brace, and ";" after it.
void readClosingLine(RecognizedLine &line, qsizetype openBraces);

// "crc" read as "cre" in one place and "crc" in two others: a name of the text whose
// occurrences differ only in characters the engine confuses ("1", "l", "I", "L"; "0", "O",
// "o"; "c", "e") takes the form most of them have.
QString withNamesAsElsewhere(const QString &text);

// "SDEST" for "$DEST": a capital name after an "S" whose bare name the text has elsewhere
// ("DEST=/srv") is that variable's value.
QString withVariablesAsElsewhere(QString text);

// "nvmeOnlp2" for "nvme0n1p2": the numbers of a disk's and its partitions' names, read as
// the letters they look like.
QString withDiskNumbers(QString text);

// "2025-06-02722:41:072" for "2025-06-02T22:41:07Z": the letters of a timestamp read as
// the digits they look like between its digits.
QString withTimestampLetters(QString text);

// The groups of a UUID (8-4-4-4-12 hexadecimal digits) in digits: "O", "o" and "@" are
// zeros, "l", "I" and "i" ones, and a letter of the other case than most of its letters
// takes theirs.
QString withUuidDigits(QString text);

// "i += l": a lone "l" after an operator, ending the statement, is the "1" it looks like
// (a name of the one letter "l" is all but never written).
QString withOnesAfterOperators(QString text);

// "4.OK" for "4.0K": a number's fraction starts with a digit, so a capital "O" after a
// number's decimal mark, ending it or before a digit or the capital of a size ("K", "M",
// "G"), is a zero. A small "o" there ends a file's name ("l1.o").
QString withFractionZeros(QString text);

// A whole program text laid out, with every reading above that spans its lines: names
// first, as the later readings match on names that agree.
QString withProgramTextReadings(const QString &text);

// How many "{" of `lines` are not closed by a "}".
qsizetype unclosedBraces(const QStringList &lines);

// The line with straight quotes for typographic ones when it holds both kinds.
QString withStraightQuotes(QString line);

} // namespace quorvane
