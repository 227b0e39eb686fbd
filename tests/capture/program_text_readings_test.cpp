// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/number_rereading.h"
#include "capture/program_text_readings.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// A word read as `text`, one 8 px cell per character, with the engine's other readings of
// the characters at the given positions.
RecognizedWord word(const QString &text, const QHash<qsizetype, QStringList> &alternatives = {})
{
    RecognizedWord word;
    word.text = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        word.symbols.append(text.mid(i, 1));
        word.symbolBoxes.append(QRect(int(i) * 8 + 10, 10, 6, 12));
        word.alternatives.append(alternatives.value(i));
    }
    word.box = word.symbolBoxes.first().united(word.symbolBoxes.last());
    return word;
}

std::string readAsProgram(const QString &text, const QHash<qsizetype, QStringList> &alternatives = {})
{
    RecognizedWord read = word(text, alternatives);
    readProgramWord(read);
    return read.symbols.join(QString()).toStdString();
}

} // namespace

TEST(ProgramTextReadings, NumbersAndNamesTheEngineReadAsOtherCharactersComeBackAsShown)
{
    EXPECT_EQ(readAsProgram("OxFFFFFFFFu"), "0xFFFFFFFFu");
    EXPECT_EQ(readAsProgram("@xEDB8832@u"), "0xEDB88320u");
    EXPECT_EQ(readAsProgram("etho"), "eth0");
    EXPECT_EQ(readAsProgram("eth\u00AE"), "eth0");
    EXPECT_EQ(readAsProgram("fOOdbab"), "f00dbab");
    EXPECT_EQ(readAsProgram("a4:83:e7:1\u00A2:09:5d"), "a4:83:e7:1c:09:5d");
    EXPECT_EQ(readAsProgram("lib@"), "lib0");
    EXPECT_EQ(readAsProgram("libO"), "lib0");
    EXPECT_EQ(readAsProgram("\u00A9", {{0, {"0"}}}), "0");
    EXPECT_EQ(readAsProgram("l", {{0, {"1"}}}), "1");
    EXPECT_EQ(readAsProgram("1ist", {{0, {"l"}}}), "list");
    EXPECT_EQ(readAsProgram("0BJ", {{0, {"O"}}}), "OBJ");
    EXPECT_EQ(readAsProgram("-O$(LEVEL)", {{1, {"0"}}}), "-O$(LEVEL)");
    EXPECT_EQ(readAsProgram("(arge", {{4, {"c"}}}), "(argc");
    EXPECT_EQ(readAsProgram("tt1=600", {{2, {"l"}}}), "ttl=600");
    EXPECT_EQ(readAsProgram("Len(xs)", {{0, {"l"}}}), "len(xs)");
    EXPECT_EQ(readAsProgram("Local", {{0, {"l"}}}), "Local");
    EXPECT_EQ(readAsProgram("(Gitem", {{1, {"S", "&"}}}), "(&item");
    EXPECT_EQ(readAsProgram("\u20AC83c5163316f"), "e83c5163316f");
    // What the letters could not be, or the engine did not weigh, stays as read.
    EXPECT_EQ(readAsProgram("-l", {{1, {"1"}}}), "-l");
    EXPECT_EQ(readAsProgram("1ms", {{0, {"l"}}}), "1ms");
    EXPECT_EQ(readAsProgram("1ist"), "1ist");
    EXPECT_EQ(readAsProgram("0x10"), "0x10");
    EXPECT_EQ(readAsProgram("fooBar"), "fooBar");
    EXPECT_EQ(readAsProgram("decode"), "decode");
    EXPECT_EQ(readAsProgram("user@host"), "user@host");

    // A name's occurrences agree character by character; a tie, or a name without a
    // character the engine does not confuse, stays; names differing in a capital L differ.
    EXPECT_EQ(withNamesAsElsewhere("erc_ll = f(crc_l1) + cre_l1").toStdString(), "crc_l1 = f(crc_l1) + crc_l1");
    EXPECT_EQ(withNamesAsElsewhere("f(items: List) { val list = 1; list }").toStdString(), "f(items: List) { val list = 1; list }");
    EXPECT_EQ(withNamesAsElsewhere("crc_ll + crc_l1").toStdString(), "crc_ll + crc_l1");
    EXPECT_EQ(withNamesAsElsewhere("lo = 10; lo = lo").toStdString(), "lo = 10; lo = lo");

    EXPECT_EQ(withVariablesAsElsewhere("DEST=/a\nmkdir \"SDEST\" SELECT").toStdString(), "DEST=/a\nmkdir \"$DEST\" SELECT");
    EXPECT_EQ(withDiskNumbers("/dev/nvmeOnlp2 mmcblk@pl nvmes").toStdString(), "/dev/nvme0n1p2 mmcblk0p1 nvmes");
    EXPECT_EQ(withTimestampLetters("2025-06-02722:41:072 at 2025-06-02T22:41 12:00:002 2025-06-02 22:41:07")
                  .toStdString(),
              "2025-06-02T22:41:07Z at 2025-06-02T22:41 12:00:002 2025-06-02 22:41:07");
    EXPECT_EQ(withUuidDigits("id=3e9f@al2-55b8-4cOd-9e71-a08b6d2c4F90 Deadbeef-Cafe").toStdString(),
              "id=3e9f0a12-55b8-4c0d-9e71-a08b6d2c4f90 Deadbeef-Cafe");
    EXPECT_EQ(withFractionZeros("4.OK 1.O, 2.O5 l1.o v2.Orc 1.2.O").toStdString(), "4.0K 1.0, 2.05 l1.o v2.Orc 1.2.O");
    EXPECT_EQ(withOnesAfterOperators("i += l\nf(x - l, y)\nwc -l\nfor l in ls").toStdString(),
              "i += 1\nf(x - 1, y)\nwc -l\nfor l in ls");
}

TEST(ProgramTextReadings, ANumbersDoubtfulZerosAreReadAgainKeepingItsShape)
{
    const QImage grey(200, 40, QImage::Format_Grayscale8);
    int reads = 0;
    const auto reread = [&](const QString &text, const QString &again, const QHash<qsizetype, QStringList> &alternatives = {}) {
        QList<RecognizedLine> lines(1);
        lines.first().words = {word(text, alternatives)};
        rereadNumbers(lines, grey, [&](const QImage &) {
            ++reads;
            return again;
        });
        return lines.first().words.first().text.toStdString();
    };
    EXPECT_EQ(reread("2025-11-64", "2025-11-04", {{8, {"0"}}}), "2025-11-04");
    EXPECT_EQ(reread("\u00A9.08", "0.08", {{0, {"0"}}}), "0.08");
    EXPECT_EQ(reread("@.75", "0.75"), "0.75");
    // Only a zero replaces a digit, and only where the engine doubted; a reading of
    // another shape is left.
    EXPECT_EQ(reread("10.6.8.1", "10.0.3.1", {{3, {"0"}}, {5, {"3"}}}), "10.0.8.1");
    EXPECT_EQ(reread("14:62:11", "14:0211", {{3, {"0"}}}), "14:62:11");
    EXPECT_EQ(reread("14:62:11", "14062:11", {{3, {"0"}}}), "14:62:11");
    reads = 0;
    // Nothing doubtful, or no number of its own: not read again.
    EXPECT_EQ(reread("192.168.1.10", "000.000.0.00"), "192.168.1.10");
    EXPECT_EQ(reread("i64", "064"), "i64");
    EXPECT_EQ(reread("a4:83:e7:1\u00A2:09:5d", "10:09:5", {{10, {"0"}}}), "a4:83:e7:1\u00A2:09:5d");
    EXPECT_EQ(reads, 0);
}
