// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"

#include <QRegularExpression>

using namespace quorvane;
using namespace quorvane::test;

namespace {

class HistoryRecoveryTest : public HistoryFolderTest {
protected:
    QStringList corruptedFiles() const { return filesInFolder().filter("history.corrupted."); }
};

const QByteArray notJson = "this is { not json";

} // namespace

TEST_F(HistoryRecoveryTest, CorruptFileIsSetAsideAndTheBackupRestoredWithoutLosingIt)
{
    seedHistory({});
    writeFile(historyPath(), notJson);
    const QByteArray backup =
        historyJson({makeEntry("b2", at(2)), makeEntry("b0", at(0)), makeEntry("b1", at(1))});
    writeFile(backupPath(), backup);

    QStringList announced;
    auto store = makeStore(2); // recovery keeps every record of the backup
    QObject::connect(store.get(), &HistoryStore::historyFileSetAside, [&](const QString &path) { announced << path; });
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"b2", "b1", "b0"}));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"b2", "b1", "b0"}));
    EXPECT_EQ(readFile(backupPath()), backup) << "the good copy must survive recovery";
    ASSERT_EQ(corruptedFiles().size(), 1);
    EXPECT_EQ(readFile(path("") + corruptedFiles().first()), notJson);
    // The user hears once where the unreadable file went.
    EXPECT_TRUE(waitUntil([&] { return !announced.isEmpty(); }));
    EXPECT_EQ(announced, QStringList{path("") + corruptedFiles().first()});
}

TEST_F(HistoryRecoveryTest, CorruptFileWithoutBackupStartsAnEmptyHistory)
{
    seedHistory({});
    writeFile(historyPath(), notJson);
    auto store = makeStore();
    EXPECT_TRUE(await(store->getEntries()).isEmpty());
    EXPECT_TRUE(json::parse(readFile(historyPath())).empty());
    const QStringList aside = corruptedFiles();
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(R"(^history\.corrupted\.\d+\.\d+\.json$)").match(aside.first()).hasMatch())
        << aside.first().toStdString();
    EXPECT_EQ(readFile(path("") + aside.first()), notJson);
}

TEST_F(HistoryRecoveryTest, ARecordThatDoesNotDecodeIsKeptAsideAndCostsOnlyItself)
{
    // Each way one record can go bad: how its text is changed in the file.
    const QList<std::pair<const char *, std::pair<QByteArray, QByteArray>>> kinds = {
        {"text given as a number", {"\"text\": \"BAD\"", "\"text\": 42"}},
        {"an unparseable date", {"\"timestamp\": \"2026-01-02T03:04:06Z\"", "\"timestamp\": \"yesterday\""}},
        {"a newer version's mode", {"\"captureMode\": \"normal\"", "\"captureMode\": \"sideways\""}},
        {"a byte that is not UTF-8", {"\"text\": \"BAD\"", "\"text\": \"B\xff" "D\""}},
        {"a NUL", {"\"text\": \"BAD\"", QByteArray("\"text\": \"B\0D\"", 13)}},
    };
    for (const auto &[kind, change] : kinds) {
        SCOPED_TRACE(kind);
        m_dir.remove();
        ASSERT_TRUE(QDir().mkpath(folder()));
        QByteArray file = "[\n";
        const QList<CaptureHistoryEntry> records{makeEntry("new", at(2)), makeEntry("BAD", at(1)),
                                                 makeEntry("old", at(0))};
        QByteArray badElement;
        for (const CaptureHistoryEntry &record : records) {
            QByteArray element = QByteArray::fromStdString(record.toJson().dump(2));
            if (record.text == "BAD") {
                ASSERT_TRUE(element.contains(change.first)) << element.toStdString();
                element.replace(change.first, change.second);
                badElement = element;
            }
            file += element + (record.text == "old" ? "\n]" : ",\n");
        }
        writeFile(historyPath(), file);
        // The backup holds the same record, and is not thrown away for it.
        writeFile(backupPath(), file);

        auto store = makeStore();
        QStringList announced;
        QObject::connect(store.get(), &HistoryStore::recordsSetAside, [&](const QString &aside) { announced << aside; });
        EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"new", "old"}));
        EXPECT_TRUE(corruptedFiles().isEmpty());
        const QStringList rejected = filesInFolder().filter(QRegularExpression(R"(^history\.rejected\.\d+\.\d+\.json$)"));
        ASSERT_EQ(rejected.size(), 1) << filesInFolder().join(' ').toStdString();
        EXPECT_TRUE(readFile(path("") + rejected.first()).contains(badElement)) << "kept exactly as it stood";
        EXPECT_TRUE(waitUntil([&] { return !announced.isEmpty(); }));
        EXPECT_EQ(announced, QStringList{path("") + rejected.first()});
        ASSERT_EQ(store->setAsideSoFar().size(), 1);
        EXPECT_EQ(store->setAsideSoFar().first().kind, HistoryStore::SetAsideKind::records);
        // Kept aside once: the history is saved without it, the backup still holds it.
        EXPECT_EQ(textsInFile(historyPath()), (QStringList{"new", "old"}));
        EXPECT_EQ(readFile(backupPath()), file);
        store.reset();
        EXPECT_EQ(textsOf(await(makeStore()->getEntries())), (QStringList{"new", "old"}));
        EXPECT_EQ(filesInFolder().filter("rejected").size(), 1);

        // A history that does not decode at all falls back to that backup: its other
        // records are restored, not "Restored 0 records".
        writeFile(historyPath(), notJson);
        auto recovering = makeStore();
        EXPECT_EQ(textsOf(await(recovering->getEntries())), (QStringList{"new", "old"}));
        EXPECT_EQ(filesInFolder().filter("rejected").size(), 2);
        EXPECT_EQ(corruptedFiles().size(), 1);
    }
}

TEST_F(HistoryRecoveryTest, CorruptBackupFallsThroughToAnEmptyHistory)
{
    seedHistory({});
    writeFile(historyPath(), notJson);
    writeFile(backupPath(), "[1, 2");
    auto store = makeStore();
    EXPECT_TRUE(await(store->getEntries()).isEmpty());
    EXPECT_EQ(corruptedFiles().size(), 1);
}

TEST_F(HistoryRecoveryTest, FailedRecoveryIsReportedAndRetriedFromTheBackup)
{
    seedHistory({});
    writeFile(historyPath(), notJson);
    writeFile(backupPath(), historyJson({makeEntry("precious", at(0))}));
    freeSpace->set(1000);

    auto store = makeStore();
    const auto error = failureOf(store->ensureLoaded());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), HistoryStoreErrorKind::diskFull);
    EXPECT_EQ(textsInFile(backupPath()), QStringList{"precious"});

    freeSpace->set(qint64(1) << 40);
    EXPECT_EQ(textsOf(await(store->getEntries())), QStringList{"precious"});
    await(store->addEntry(makeEntry("next", at(1))));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"next", "precious"}));
}

TEST_F(HistoryRecoveryTest, MissingHistoryBesideABackupStartsEmptyAndSetsTheLeftoversAside)
{
    // Saves replace the history by a rename, so a missing file was removed on purpose
    // (by hand): the backup and any temporary file hold captures the user deleted.
    QDir().mkpath(folder());
    writeFile(temporaryPath(), historyJson({makeEntry("deleted too", at(2))}));
    writeFile(backupPath(), historyJson({makeEntry("deleted", at(1))}));
    auto store = makeStore();
    EXPECT_TRUE(await(store->getEntries()).isEmpty());
    await(store->addEntry(makeEntry("new", at(4))));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"new"});
    EXPECT_FALSE(QFile::exists(backupPath()));
    EXPECT_FALSE(QFile::exists(temporaryPath()));
    static const QRegularExpression timed(R"(^history\.(backup|tmp)\.set-aside\.\d+\.\d+\.json$)");
    const QStringList aside = filesInFolder().filter(timed);
    ASSERT_EQ(aside.size(), 2) << filesInFolder().join(' ').toStdString();
    EXPECT_EQ(textsInFile(path("") + aside.filter("backup").value(0)), QStringList{"deleted"});
    EXPECT_TRUE(corruptedFiles().isEmpty());
}

TEST(HistoryCorruptedName, SecondsAreWrittenInShortestFormWithAFraction)
{
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.0), "history.corrupted.1767323045.0.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.25), "history.corrupted.1767323045.25.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.123456),
              "history.corrupted.1767323045.123456.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(0.1), "history.corrupted.0.1.json");
}
