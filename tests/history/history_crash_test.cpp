// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"

#include <QProcess>
#include <QSet>

#include <random>

using namespace quorvane;
using namespace quorvane::test;

namespace {

class HistoryCrashTest : public HistoryFolderTest {};

// The ids the writer reported as added, from its whole output.
QStringList acknowledgedIds(const QByteArray &output)
{
    QStringList ids;
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith("ADDED "))
            ids << QString::fromLatin1(line.mid(6)).trimmed();
    }
    return ids;
}

} // namespace

// A writer process is killed at random moments, many times over one folder. Whenever it
// dies, the history on disk must read without recovery and hold every record whose add
// had returned before the kill.
TEST_F(HistoryCrashTest, EveryAddThatReturnedSurvivesAKillAtAnyMoment)
{
    constexpr int rounds = 60;
    constexpr int acknowledgedCap = 800; // well below the store's maximum, so nothing is trimmed
    std::mt19937 random(20260102);
    std::uniform_int_distribution<int> killDelayMs(0, 60);

    QDir().mkpath(folder());
    QSet<QString> mustSurvive;
    qsizetype checked = 0;

    for (int round = 1; round <= rounds; ++round) {
        if (mustSurvive.size() >= acknowledgedCap) {
            // Start a fresh history before the oldest records could be trimmed away.
            for (const QString &name : filesInFolder())
                ASSERT_TRUE(QFile::remove(path("") + name)) << name.toStdString();
            checked += mustSurvive.size();
            mustSurvive.clear();
        }
        QProcess writer;
        writer.setProgram(QStringLiteral(QUORVANE_HISTORY_CRASH_WRITER));
        writer.setArguments({folder(), QString::number(round * 10000)});
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start();
        ASSERT_TRUE(writer.waitForStarted(10000)) << writer.errorString().toStdString();

        // Kill only once adds are under way, at a random moment of the ones that follow.
        QByteArray output;
        while (!output.contains("ADDED ") && !output.contains("FAILED")
               && writer.waitForReadyRead(10000))
            output += writer.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ADDED ")) << "round " << round << ": " << output.constData();

        QThread::msleep(killDelayMs(random));
        writer.kill(); // SIGKILL: no clean-up code of the writer runs
        ASSERT_TRUE(writer.waitForFinished(10000));
        output += writer.readAllStandardOutput();
        ASSERT_FALSE(output.contains("FAILED")) << output.constData();

        for (const QString &id : acknowledgedIds(output))
            mustSurvive.insert(id);

        // Reload as the next launch would, with a store that writes nothing while reading.
        ASSERT_TRUE(QFile::exists(historyPath())) << "round " << round;
        EXPECT_NO_THROW(json::parse(readFile(historyPath()))) << "round " << round;
        HistoryStore reader(folder(), HistoryStore::maximumMaxEntries, freeSpace);
        QSet<QString> present;
        for (const CaptureHistoryEntry &entry : await(reader.getEntries()))
            present.insert(json::uuidString(entry.id));
        for (const QString &id : mustSurvive)
            ASSERT_TRUE(present.contains(id)) << "round " << round << " lost " << id.toStdString();
        ASSERT_TRUE(filesInFolder().filter("corrupted").isEmpty()) << "round " << round;
    }

    std::printf("crash test: %d kills, %lld records checked\n", rounds,
                static_cast<long long>(checked + mustSurvive.size()));
}
