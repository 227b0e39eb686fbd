// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <functional>
#include <random>

#include <sys/stat.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

QList<CaptureHistoryEntry> numberedEntries(int count)
{
    // Record i was taken i seconds after the base time; the list is newest first.
    QList<CaptureHistoryEntry> entries;
    for (int i = count - 1; i >= 0; --i)
        entries << makeEntry(QString::number(i), at(i));
    return entries;
}

class HistoryStoreTest : public HistoryFolderTest {};

} // namespace

// --- creation -------------------------------------------------------------------------

TEST_F(HistoryStoreTest, CreationMakesPrivateFolderAndReadsNothing)
{
    const QString nested = folder() + QStringLiteral("/deeper/Quorvane");
    HistoryStore store(nested, 100, freeSpace);
    EXPECT_TRUE(QFileInfo(nested).isDir());
    EXPECT_EQ(modeOf(nested), mode_t(0700));
    EXPECT_TRUE(QDir(nested).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(store.storageFolder(), nested);
    EXPECT_EQ(store.historyFilePath(), nested + "/history.json");
    EXPECT_EQ(store.backupFilePath(), nested + "/history.backup.json");
}

TEST_F(HistoryStoreTest, DefaultFolderIsQuorvaneInTheUserDataFolder)
{
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Quorvane";
    HistoryStore store(std::nullopt, 100, freeSpace);
    EXPECT_EQ(store.storageFolder(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
}

TEST_F(HistoryStoreTest, CreationFailsWhenFolderCannotBeMade)
{
    QDir().mkpath(folder());
    writeFile(path("blocker"), "x");
    try {
        HistoryStore store(path("blocker") + "/Quorvane", 100, freeSpace);
        FAIL() << "creation under a regular file succeeded";
    } catch (const HistoryStoreError &error) {
        EXPECT_EQ(error.kind(), HistoryStoreErrorKind::storageAccessFailed);
    }
}

TEST_F(HistoryStoreTest, CreationClampsTheMaximum)
{
    auto one = makeStore(0);
    await(one->addEntry(makeEntry("a", at(0))));
    await(one->addEntry(makeEntry("b", at(1))));
    EXPECT_EQ(textsOf(await(one->getEntries())), QStringList{"b"});

    seedHistory(numberedEntries(1200));
    auto thousand = makeStore(5000);
    EXPECT_EQ(await(thousand->getEntries()).size(), 1000);
}

TEST(HistoryStoreFallback, InMemoryHistoryWritesNoFileAndNeedsNoTemporaryFolder)
{
    QTemporaryDir tmp;
    const QByteArray previous = qgetenv("TMPDIR");
    for (const QString &tmpdir : {tmp.path(), tmp.path() + "/not-a-folder"}) {
        qputenv("TMPDIR", QFile::encodeName(tmpdir));
        const auto store = HistoryStore::makeInMemory(2);
        await(store->addEntry(makeEntry("a", at(0))));
        await(store->addEntry(makeEntry("b", at(1))));
        await(store->addEntry(makeEntry("kept for this run", at(2))));
        EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"kept for this run", "b"}));
        await(store->deleteEntry(await(store->getEntries()).at(1).id));
        EXPECT_EQ(textsOf(await(store->getEntries())), QStringList{"kept for this run"});
        EXPECT_TRUE(QDir(tmp.path()).isEmpty());
    }
    qputenv("TMPDIR", previous);
}

// --- loading --------------------------------------------------------------------------

TEST_F(HistoryStoreTest, MissingFileGivesEmptyHistoryAndWritesNothing)
{
    auto store = makeStore();
    EXPECT_TRUE(await(store->getEntries()).isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(HistoryStoreTest, AHistoryAboveItsMaximumIsTrimmedOnlyWhenTheMaximumIsLowered)
{
    // The maximum may be the default that replaced an unreadable stored one: loading and
    // adding never drop the user's captures for it.
    QList<CaptureHistoryEntry> shuffled = numberedEntries(150);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    seedHistory(shuffled);
    const QByteArray before = readFile(historyPath());

    auto store = makeStore(100);
    const QList<CaptureHistoryEntry> entries = await(store->getEntries());
    ASSERT_EQ(entries.size(), 150);
    for (int i = 0; i < 150; ++i)
        EXPECT_EQ(entries[i].text, QString::number(149 - i));
    EXPECT_EQ(readFile(historyPath()), before) << "loading must not rewrite the file";

    await(store->addEntry(makeEntry("150", at(150))));
    await(store->addEntry(makeEntry("151", at(151))));
    EXPECT_EQ(textsInFile(historyPath()).size(), 152);

    await(store->setMaxEntries(120));
    EXPECT_EQ(textsInFile(historyPath()).size(), 120);
    await(store->addEntry(makeEntry("152", at(152))));
    const QStringList texts = textsInFile(historyPath());
    ASSERT_EQ(texts.size(), 120);
    EXPECT_EQ(texts.first(), "152");
}

TEST_F(HistoryStoreTest, RecordsOfEqualTimeKeepTheirFileOrder)
{
    seedHistory({makeEntry("older", at(0)), makeEntry("first", at(5)), makeEntry("second", at(5)),
                 makeEntry("third", at(5))});
    auto store = makeStore();
    EXPECT_EQ(textsOf(await(store->getEntries())),
              (QStringList{"first", "second", "third", "older"}));
}

TEST_F(HistoryStoreTest, GetEntriesLimitCountsOnlyWhenPositive)
{
    seedHistory(numberedEntries(2));
    auto store = makeStore();
    EXPECT_EQ(await(store->getEntries(0)).size(), 2);
    EXPECT_EQ(await(store->getEntries(-5)).size(), 2);
    EXPECT_EQ(await(store->getEntries(3)).size(), 2);
    EXPECT_EQ(textsOf(await(store->getEntries(1))), QStringList{"1"});
}

TEST_F(HistoryStoreTest, AFileThatCannotBeReadIsSetAsideAndTheBackupTakesItsPlace)
{
    // A folder cannot be read even by the superuser; a FIFO would block the read and a
    // link to an endless device would never end. None is read; each is moved aside.
    const QList<std::function<void()>> plants = {
        [&] { QDir().mkpath(historyPath()); },
        [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(historyPath()).constData(), 0600), 0); },
        [&] { ASSERT_TRUE(QFile::link("/dev/zero", historyPath())); },
    };
    for (const auto &plant : plants) {
        QDir(folder()).removeRecursively();
        seedHistory({});
        QFile::remove(historyPath());
        plant();
        writeFile(backupPath(), historyJson(numberedEntries(3)));
        auto store = makeStore();
        QStringList announced;
        QObject::connect(store.get(), &HistoryStore::historyFileSetAside,
                         [&](const QString &aside) { announced << aside; });
        EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"2", "1", "0"}));
        await(store->addEntry(makeEntry("new", at(9))));
        EXPECT_EQ(textsInFile(historyPath()), (QStringList{"new", "2", "1", "0"}));
        ASSERT_TRUE(waitUntil([&] { return announced.size() == 1; }));
        EXPECT_TRUE(announced[0].contains("history.unreadable.")) << announced[0].toStdString();
    }
}

TEST_F(HistoryStoreTest, CreationFailsWhenTheFolderCannotBeWritten)
{
    // Not even the superuser can make a file in a process's folder under /proc.
    if (!QFileInfo(QStringLiteral("/proc/self")).isDir())
        GTEST_SKIP() << "no /proc";
    try {
        HistoryStore store(QStringLiteral("/proc/self"), 100, freeSpace);
        FAIL() << "an unwritable folder was taken";
    } catch (const HistoryStoreError &error) {
        EXPECT_EQ(error.kind(), HistoryStoreErrorKind::storageAccessFailed);
    }
}

TEST_F(HistoryStoreTest, AFolderWhereTheTemporaryFileGoesIsSetAsideAndTheSaveGoesOn)
{
    seedHistory({});
    auto store = makeStore();
    QDir().mkpath(temporaryPath() + "/inside");
    QStringList announced;
    QObject::connect(store.get(), &HistoryStore::historyFileSetAside, [&](const QString &aside) { announced << aside; });
    await(store->addEntry(makeEntry("kept", at(1))));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"kept"});
    ASSERT_TRUE(waitUntil([&] { return announced.size() == 1; }));
    EXPECT_TRUE(QFileInfo(announced[0] + "/inside").isDir());
}

// --- saving ---------------------------------------------------------------------------

TEST_F(HistoryStoreTest, FirstAddWritesAPrivateHistoryWithoutBackupAndPostsOnTheMainThread)
{
    auto store = makeStore();
    ChangeCounter changes(*store);
    QFuture<void> added = store->addEntry(makeEntry("hello", at(0)));
    bool finishedBeforePost = true;
    QObject::connect(store.get(), &HistoryStore::historyDidChange, &changes.context,
                     [&] { finishedBeforePost = added.isFinished(); });
    await(added);

    EXPECT_EQ(filesInFolder(), QStringList{"history.json"});
    EXPECT_EQ(modeOf(historyPath()), mode_t(0600));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"hello"});
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(changes.onMainThread);
    EXPECT_FALSE(finishedBeforePost) << "the add must finish after its notification";
}

TEST_F(HistoryStoreTest, EverySaveKeepsThePreviousFileAsBackup)
{
    auto store = makeStore();
    await(store->addEntry(makeEntry("a", at(0))));
    const QByteArray first = readFile(historyPath());
    await(store->addEntry(makeEntry("b", at(1))));

    EXPECT_EQ(readFile(backupPath()), first);
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"b", "a"}));
    EXPECT_EQ(modeOf(backupPath()), mode_t(0600));
    EXPECT_FALSE(QFile::exists(temporaryPath()));

    // The backup is a copy in its own right: replacing the history leaves it intact.
    await(store->addEntry(makeEntry("c", at(2))));
    EXPECT_EQ(textsInFile(backupPath()), (QStringList{"b", "a"}));
}

TEST_F(HistoryStoreTest, FileIsASortedPrettyArrayWithDatesInWholeSeconds)
{
    auto store = makeStore();
    CaptureHistoryEntry entry = makeEntry("dated", at(0).addMSecs(789));
    await(store->addEntry(entry));
    const QByteArray bytes = readFile(historyPath());
    EXPECT_TRUE(bytes.startsWith("[\n  {\n    \"captureMode\": \"normal\",")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\"timestamp\": \"2026-01-02T03:04:05Z\""));
    EXPECT_LT(bytes.indexOf("\"id\""), bytes.indexOf("\"sourceRect\""));

    // A record without a time must not make the whole file unreadable.
    await(store->addEntry(makeEntry("undated", QDateTime())));
    auto reader = makeStore();
    EXPECT_EQ(textsOf(await(reader->getEntries())), (QStringList{"undated", "dated"}));
    EXPECT_TRUE(filesInFolder().filter("corrupted").isEmpty());
}

TEST_F(HistoryStoreTest, FailedWriteLeavesTheHistoryFileUntouched)
{
    auto store = makeStore();
    ChangeCounter changes(*store);
    await(store->addEntry(makeEntry("safe", at(0))));
    // The finished temporary file cannot take the place of a folder, even the superuser's.
    QFile::remove(historyPath());
    ASSERT_TRUE(QDir().mkpath(historyPath() + "/inside"));

    const auto error = failureOf(store->addEntry(makeEntry("unsaved", at(1))));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), HistoryStoreErrorKind::storageAccessFailed);
    EXPECT_TRUE(QFileInfo(historyPath() + "/inside").isDir());
    EXPECT_FALSE(QFile::exists(temporaryPath()));
    EXPECT_EQ(changes.count, 1) << "a failed add posts nothing";
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"unsaved", "safe"}));

    QDir(historyPath()).removeRecursively();
    await(store->addEntry(makeEntry("later", at(2))));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"later", "unsaved", "safe"}));
}

// A removal the file did not take is told and undone: the list shown stays what the next
// start reads, and a later save does not carry out the refused removal behind the user's back.
TEST_F(HistoryStoreTest, FailedRemovalsLeaveTheEntriesInPlace)
{
    auto store = makeStore();
    for (int i = 0; i < 3; ++i)
        await(store->addEntry(makeEntry(QString("entry %1").arg(i), at(i))));
    const QStringList all{"entry 2", "entry 1", "entry 0"};
    freeSpace->set(0);

    EXPECT_TRUE(failureOf(store->clearAll()));
    EXPECT_TRUE(failureOf(store->deleteEntry(await(store->getEntries()).at(1).id)));
    EXPECT_TRUE(failureOf(store->setMaxEntries(1)));
    EXPECT_EQ(textsOf(await(store->getEntries())), all);

    freeSpace->set(HistoryStore::requiredFreeBytes);
    await(store->setMaxEntries(100));
    await(store->addEntry(makeEntry("entry 3", at(3))));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"entry 3"} + all));
}

TEST_F(HistoryStoreTest, LeftoverTemporaryFileIsReplacedAndNotLeftBehind)
{
    seedHistory({makeEntry("old", at(0))});
    writeFile(temporaryPath(), "[{\"half\": ");
    ::chmod(QFile::encodeName(temporaryPath()).constData(), 0644);
    auto store = makeStore();
    await(store->addEntry(makeEntry("new", at(1))));
    EXPECT_FALSE(QFile::exists(temporaryPath()));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"new", "old"}));
    EXPECT_EQ(modeOf(historyPath()), mode_t(0600));
}

TEST_F(HistoryStoreTest, NearlyFullDiskRefusesTheSaveButKeepsTheRecordInMemory)
{
    auto store = makeStore();
    ChangeCounter changes(*store);
    await(store->addEntry(makeEntry("saved", at(0))));
    const QByteArray before = readFile(historyPath());

    for (const qint64 free : {qint64(5'000'000), qint64(9'999'999)}) {
        freeSpace->set(free);
        const auto error = failureOf(store->addEntry(makeEntry("in memory", at(1))));
        ASSERT_TRUE(error) << free;
        EXPECT_EQ(error->kind(), HistoryStoreErrorKind::diskFull);
        EXPECT_EQ(error->localizedDescription(), "Not enough disk space to save history entry.");
    }
    EXPECT_EQ(readFile(historyPath()), before);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(await(store->getEntries()).first().text, "in memory");
    EXPECT_EQ(failureOf(store->clearAll())->kind(), HistoryStoreErrorKind::diskFull);

    freeSpace->set(10'000'000);
    await(store->addEntry(makeEntry("room again", at(2))));
    EXPECT_EQ(textsInFile(historyPath()).first(), "room again");
}

TEST_F(HistoryStoreTest, UnknownFreeSpaceDoesNotStopTheSave)
{
    auto store = std::make_unique<HistoryStore>(folder(), 100,
                                                std::make_shared<FakeFreeSpace>(std::nullopt));
    await(store->addEntry(makeEntry("saved", at(0))));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"saved"});
}

TEST_F(HistoryStoreTest, FailuresReachContinuationsAsHistoryStoreError)
{
    auto store = makeStore();
    QObject context;
    QString seen;
    QFuture<void> handled = store->deleteEntry(QUuid::createUuid())
                                .then(&context, [] {})
                                .onFailed(&context, [&](const HistoryStoreError &error) {
                                    seen = error.key();
                                });
    await(handled);
    EXPECT_EQ(seen, "error.history_store.not_found");
}

// --- changes --------------------------------------------------------------------------

TEST_F(HistoryStoreTest, AddingBeyondTheMaximumDropsTheOldest)
{
    auto store = makeStore(3);
    for (int i = 0; i < 5; ++i)
        await(store->addEntry(makeEntry(QString::number(i), at(i))));
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"4", "3", "2"}));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"4", "3", "2"}));
}

TEST_F(HistoryStoreTest, DeleteRemovesTheRecordAndUnknownIdsLeaveTheFileAlone)
{
    const QList<CaptureHistoryEntry> seeded = numberedEntries(3);
    seedHistory(seeded);
    auto store = makeStore();
    ChangeCounter changes(*store);
    await(store->deleteEntry(seeded[1].id));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"2", "0"}));

    const QByteArray before = readFile(historyPath());
    const QUuid unknown = QUuid::createUuid();
    const auto error = failureOf(store->deleteEntry(unknown));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), HistoryStoreErrorKind::entryNotFound);
    EXPECT_EQ(error->localizedDescription(),
              "History entry not found: " + unknown.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(readFile(historyPath()), before);
    EXPECT_EQ(changes.count, 0);
}

TEST_F(HistoryStoreTest, DuplicatedIdsKeepTheNewestRecordAndDeleteForGood)
{
    CaptureHistoryEntry older = makeEntry("older copy", at(1));
    CaptureHistoryEntry newer = makeEntry("newer copy", at(3));
    newer.id = older.id;
    seedHistory({older, makeEntry("other", at(2)), newer});
    auto store = makeStore();
    EXPECT_EQ(textsOf(await(store->getEntries())), (QStringList{"newer copy", "other"}));
    await(store->deleteEntry(older.id));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"other"});
    EXPECT_EQ(textsOf(await(makeStore()->getEntries())), QStringList{"other"});
}

TEST_F(HistoryStoreTest, LinksPlantedAtTheTemporaryFileAreNeverFollowed)
{
    const QString outside = m_dir.path() + "/outside.txt";
    writeFile(outside, "not the history's");
    ::chmod(QFile::encodeName(outside).constData(), 0644);
    seedHistory({makeEntry("old", at(0))});
    ASSERT_TRUE(QFile::link(outside, temporaryPath()));
    auto store = makeStore();
    await(store->addEntry(makeEntry("new", at(1))));
    EXPECT_EQ(readFile(outside), "not the history's");
    EXPECT_EQ(modeOf(outside), mode_t(0644));
    EXPECT_EQ(textsInFile(historyPath()), (QStringList{"new", "old"}));
    EXPECT_FALSE(QFileInfo(historyPath()).isSymLink());
}

TEST_F(HistoryStoreTest, MaximumOutsideItsRangeIsRejectedAndChangesNothing)
{
    auto store = makeStore(2);
    for (const int rejected : {0, 1001, -3}) {
        const auto error = failureOf(store->setMaxEntries(rejected));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), HistoryStoreErrorKind::invalidMaxEntries);
        EXPECT_EQ(error->value(), QString::number(rejected));
    }
    EXPECT_EQ(HistoryStoreError::invalidMaxEntries(0).localizedDescription(),
              "Invalid max entries value: 0. Must be between 1 and 1000.");
    for (int i = 0; i < 3; ++i)
        await(store->addEntry(makeEntry(QString::number(i), at(i))));
    EXPECT_EQ(await(store->getEntries()).size(), 2);
}

TEST_F(HistoryStoreTest, LoweringTheMaximumTrimsSavesAndTellsObservers)
{
    seedHistory(numberedEntries(80));
    auto store = makeStore(100);
    ChangeCounter changes(*store);
    await(store->setMaxEntries(50));
    const QStringList texts = textsInFile(historyPath());
    ASSERT_EQ(texts.size(), 50);
    EXPECT_EQ(texts.first(), "79");
    EXPECT_EQ(texts.last(), "30");
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(changes.onMainThread);
}

TEST_F(HistoryStoreTest, RaisingTheMaximumWritesNothing)
{
    seedHistory(numberedEntries(30));
    const QByteArray before = readFile(historyPath());
    auto store = makeStore(100);
    ChangeCounter changes(*store);
    await(store->setMaxEntries(50));
    EXPECT_EQ(readFile(historyPath()), before);
    EXPECT_FALSE(QFile::exists(backupPath()));
    EXPECT_EQ(changes.count, 0);
    await(store->setMaxEntries(10));
    EXPECT_EQ(await(store->getEntries()).size(), 10);
}

TEST_F(HistoryStoreTest, ClearAllEmptiesTheFileKeepsTheBackupAndTellsObservers)
{
    seedHistory(numberedEntries(4));
    const QByteArray before = readFile(historyPath());
    auto store = makeStore();
    ChangeCounter changes(*store);
    await(store->clearAll());
    EXPECT_TRUE(await(store->getEntries()).isEmpty());
    EXPECT_TRUE(json::parse(readFile(historyPath())).empty());
    EXPECT_EQ(readFile(backupPath()), before);
    EXPECT_EQ(changes.count, 1);
}

TEST_F(HistoryStoreTest, EntriesShowsMemoryWithoutLoading)
{
    seedHistory(numberedEntries(3));
    auto store = makeStore();
    EXPECT_TRUE(await(store->entries()).isEmpty());
    await(store->ensureLoaded());
    EXPECT_EQ(await(store->entries()).size(), 3);
}

