// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"

#include "history/history_codec.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

QList<CaptureHistoryEntry> awkwardEntries()
{
    CaptureHistoryEntry brackets = makeEntry(QStringLiteral("]}, [{\"a\\\": \\\"\n\t ] ,"), at(3));
    brackets.displayID = 7;
    brackets.sourceAppBundleID = QStringLiteral("org.example.\"quoted\"");
    CaptureHistoryEntry unicode = makeEntry(QString::fromUtf8("Grüße 🇫🇷 \u2028 end\\"), at(2));
    unicode.captureMode = CaptureMode::scanCode;
    CaptureHistoryEntry empty = makeEntry(QString(), at(1));
    empty.thumbnailData.clear();
    return {brackets, unicode, empty};
}

QList<EncodedEntry> unencoded(const QList<CaptureHistoryEntry> &entries)
{
    QList<EncodedEntry> list;
    for (const CaptureHistoryEntry &entry : entries)
        list.append({entry, {}});
    return list;
}

QList<CaptureHistoryEntry> recordsOf(const QList<EncodedEntry> &list)
{
    QList<CaptureHistoryEntry> records;
    for (const EncodedEntry &e : list)
        records << e.entry;
    return records;
}

void expectSameRecords(const QList<CaptureHistoryEntry> &actual, const QList<CaptureHistoryEntry> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].id, expected[i].id);
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].timestamp, expected[i].timestamp);
        EXPECT_EQ(actual[i].thumbnailData, expected[i].thumbnailData);
        EXPECT_EQ(actual[i].captureMode, expected[i].captureMode);
        EXPECT_EQ(actual[i].displayID, expected[i].displayID);
        EXPECT_EQ(actual[i].sourceAppBundleID, expected[i].sourceAppBundleID);
    }
}

} // namespace

TEST(HistoryCodec, WritesExactlyTheStandardPrettySortedArray)
{
    const QList<CaptureHistoryEntry> records = awkwardEntries();
    QList<EncodedEntry> list = unencoded(records);
    EXPECT_EQ(HistoryCodec::encode(list), historyJson(records));

    // Kept texts and new records mix without changing the form.
    CaptureHistoryEntry newest = makeEntry("newest", at(9));
    list.prepend({newest, {}});
    EXPECT_EQ(HistoryCodec::encode(list), historyJson(QList<CaptureHistoryEntry>{newest} + records));

    QList<EncodedEntry> none;
    EXPECT_EQ(HistoryCodec::encode(none), json::dump(json::Json::array()));
}

TEST(HistoryCodec, ReadsBackWhatItWroteAndOtherLayouts)
{
    const QList<CaptureHistoryEntry> records = awkwardEntries();
    QList<EncodedEntry> list = unencoded(records);
    expectSameRecords(recordsOf(HistoryCodec::decode(HistoryCodec::encode(list))), records);

    json::Json array = json::Json::array();
    for (const CaptureHistoryEntry &entry : records)
        array.push_back(entry.toJson());
    const QByteArray compact = QByteArray::fromStdString(array.dump());
    expectSameRecords(recordsOf(HistoryCodec::decode(compact)), records);
    expectSameRecords(recordsOf(HistoryCodec::decode("\xEF\xBB\xBF \r\n\t" + compact + "\n\n")), records);
    EXPECT_TRUE(HistoryCodec::decode(" [ ] ").isEmpty());
}

TEST(HistoryCodec, RejectsAnythingButAnArrayOfRecords)
{
    const QByteArray one = QByteArray::fromStdString(makeEntry("one", at(0)).toJson().dump());
    QByteArray badThumbnail = one;
    badThumbnail.replace(QByteArray("png-bytes").toBase64(), "not*base64");

    const QList<QByteArray> broken{
        "", "   ", "{}", "\"text\"", "null", "[", "]", "[" + one, "[" + one + ",]", "[," + one + "]",
        "[" + one + "] x", "[" + one + "][]", "[" + one + one + "]", "[" + one + " " + one + "]",
        "[1]", "[" + one + ", null]", "[" + one.left(one.size() - 1) + "]", "[\"unterminated]",
        "[" + one + ", \"a\\\"]", "[" + badThumbnail + "]", "[tru e]"};
    for (const QByteArray &bytes : broken) {
        try {
            HistoryCodec::decode(bytes);
            ADD_FAILURE() << "accepted: " << bytes.left(80).constData();
        } catch (const HistoryStoreError &error) {
            EXPECT_EQ(error.kind(), HistoryStoreErrorKind::corruptedFile) << bytes.left(80).constData();
        }
    }
}
