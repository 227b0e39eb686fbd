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

    auto store = makeStore(2); // recovery keeps every record of the backup
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"b2", "b1", "b0"}));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"b2", "b1", "b0"}));
    EXPECT_EQ(readFile(backupPath()), backup) << "the good copy must survive recovery";
    ASSERT_EQ(corruptedFiles().size(), 1);
    EXPECT_EQ(readFile(path("") + corruptedFiles().first()), notJson);
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

TEST_F(HistoryRecoveryTest, ARecordThatDoesNotDecodeMakesTheFileCorrupt)
{
    seedHistory({makeEntry("fine", at(0))});
    QByteArray bytes = readFile(historyPath());
    bytes.replace("\"normal\"", "\"sideways\"");
    writeFile(historyPath(), bytes);
    writeFile(backupPath(), historyJson({makeEntry("from backup", at(0))}));

    auto store = makeStore();
    EXPECT_EQ(textsOf(await(store->getEntries())), QStringList{"from backup"});
    EXPECT_EQ(corruptedFiles().size(), 1);
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

TEST_F(HistoryRecoveryTest, MissingHistoryIsReadFromACompleteTemporaryFile)
{
    QDir().mkpath(folder());
    writeFile(temporaryPath(), historyJson({makeEntry("newest save", at(2)), makeEntry("older", at(1))}));
    writeFile(backupPath(), historyJson({makeEntry("older", at(1))}));
    auto store = makeStore();
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"newest save", "older"}));
    EXPECT_TRUE(corruptedFiles().isEmpty());
}

TEST_F(HistoryRecoveryTest, MissingHistoryIsReadFromTheBackupWhenTheTemporaryFileIsPartial)
{
    QDir().mkpath(folder());
    const QByteArray complete = historyJson({makeEntry("x", at(3)), makeEntry("y", at(2))});
    writeFile(temporaryPath(), complete.left(complete.size() / 2));
    const QByteArray backup = historyJson({makeEntry("from backup", at(1))});
    writeFile(backupPath(), backup);

    auto store = makeStore();
    EXPECT_EQ(textsOf(await(store->getEntries())), QStringList{"from backup"});
    await(store->addEntry(makeEntry("added", at(4))));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"added", "from backup"}));
    EXPECT_EQ(readFile(backupPath()), backup);
}

TEST(HistoryCorruptedName, SecondsAreWrittenInShortestFormWithAFraction)
{
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.0), "history.corrupted.1767323045.0.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.25), "history.corrupted.1767323045.25.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(1767323045.123456),
              "history.corrupted.1767323045.123456.json");
    EXPECT_EQ(HistoryFiles::corruptedFileName(0.1), "history.corrupted.0.1.json");
}
