// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the history store against its targets on a 1000-record history with 256-pixel
// thumbnails:
//   - adding one record costs at most twice writing and syncing the file's bytes once;
//   - loading the history and searching its text stay well under 100 ms.
// Usage: history_store [folder]   (default: a temporary folder on the data volume)
#include "core/capture_history_entry.h"
#include "core/json_util.h"
#include "history/history_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace quorvane;

namespace {

constexpr int recordCount = 1000;
constexpr int rounds = 15;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

template <typename T>
T await(QFuture<T> future)
{
    while (!future.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if constexpr (std::is_void_v<T>)
        future.waitForFinished();
    else
        return future.result();
}

// A picture that compresses like a captured paragraph: dark word-shaped bars on white.
QImage fakeCapture(std::mt19937 &random)
{
    std::uniform_int_distribution<int> wordWidth(12, 90);
    QImage image(900, 260, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int line = 0; line < 8; ++line) {
        int x = 10;
        while (x < 860) {
            const int width = wordWidth(random);
            painter.fillRect(QRectF(x, 12 + line * 30, width, 14), QColor(30, 30, 30, 220));
            x += width + 9;
        }
    }
    return image;
}

CaptureHistoryEntry makeRecord(int n, std::mt19937 &random)
{
    static const QStringList words{"invoice", "total", "meeting", "Grüße", "deploy", "error",
                                   "function", "return", "quarter", "résumé", "kernel", "alpha"};
    std::uniform_int_distribution<int> pick(0, int(words.size()) - 1);
    CaptureHistoryEntry entry;
    entry.timestamp = QDateTime::currentDateTimeUtc().addSecs(n - recordCount);
    for (int i = 0; i < 60; ++i)
        entry.text += words[pick(random)] + (i % 10 == 9 ? "\n" : " ");
    entry.sourceRect = QRectF(100, 200, 900, 260);
    entry.displayID = 1;
    entry.thumbnailData = HistoryStore::generateThumbnail(fakeCapture(random), 256);
    return entry;
}

// What the save would cost with nothing around it: the bytes written once and synced.
double writeAndSyncMs(const QString &path, const QByteArray &bytes)
{
    QElapsedTimer timer;
    timer.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return -1;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    ::fsync(fd);
    ::close(fd);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The scratch folder sits on the volume the real history lives on.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(dataFolder);
    QTemporaryDir scratch(dataFolder + "/quorvane-bench-XXXXXX");
    if (argc < 2 && !scratch.isValid()) {
        std::printf("❌ cannot make a scratch folder\n");
        return 1;
    }
    const QString folder = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : scratch.path() + "/Quorvane";
    QDir().mkpath(folder);

    std::mt19937 random(42);
    std::printf("🔷 building %d records with 256-pixel thumbnails...\n", recordCount);
    QList<CaptureHistoryEntry> records;
    for (int n = recordCount - 1; n >= 0; --n)
        records << makeRecord(n, random);
    json::Json array = json::Json::array();
    for (const CaptureHistoryEntry &entry : records)
        array.push_back(entry.toJson());
    const QByteArray fileBytes = json::dump(array);
    {
        QFile file(folder + "/history.json");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(fileBytes) != fileBytes.size()) {
            std::printf("❌ cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    qint64 thumbnailBytes = 0;
    for (const CaptureHistoryEntry &entry : records)
        thumbnailBytes += entry.thumbnailData.size();
    std::printf("   file: %.1f MB, mean thumbnail %lld bytes\n", fileBytes.size() / 1e6,
                static_cast<long long>(thumbnailBytes / recordCount));


    // Loading and searching, with a new store each time as a new launch would.
    std::vector<double> loadMs, searchMs;
    for (int round = 0; round < rounds; ++round) {
        HistoryStore store(folder, recordCount);
        QElapsedTimer timer;
        timer.start();
        const QList<CaptureHistoryEntry> loaded = await(store.getEntries());
        loadMs.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        const QString query = QStringLiteral("Résumé Kernel").toLower();
        qsizetype hits = 0;
        for (const CaptureHistoryEntry &entry : loaded) {
            if (entry.text.toLower().contains(query))
                ++hits;
        }
        searchMs.push_back(timer.nsecsElapsed() / 1e6);
        if (loaded.size() != recordCount)
            std::printf("⚠️ loaded %lld records\n", static_cast<long long>(loaded.size()));
        if (round == 0)
            std::printf("   search hits: %lld\n", static_cast<long long>(hits));
    }

    // Adding one record to the full history, against writing and syncing its bytes once.
    std::vector<double> addMs, syncMs;
    {
        HistoryStore store(folder, recordCount);
        await(store.ensureLoaded());
        for (int round = 0; round < rounds; ++round) {
            const CaptureHistoryEntry entry = makeRecord(recordCount + round, random);
            QElapsedTimer timer;
            timer.start();
            await(store.addEntry(entry));
            addMs.push_back(timer.nsecsElapsed() / 1e6);

            const QByteArray current = [&] {
                QFile file(folder + "/history.json");
                file.open(QIODevice::ReadOnly);
                return file.readAll();
            }();
            syncMs.push_back(writeAndSyncMs(folder + "/bench.probe.json", current));
        }
        QFile::remove(folder + "/bench.probe.json");
    }

    const double load = median(loadMs), search = median(searchMs);
    const double add = median(addMs), sync = median(syncMs);
    std::printf("load 1000 records:   %8.2f ms (median of %d)\n", load, rounds);
    std::printf("search their text:   %8.2f ms\n", search);
    std::printf("add one record:      %8.2f ms\n", add);
    std::printf("write + sync once:   %8.2f ms\n", sync);
    std::printf("add / write+sync:    %8.2f (target at most 2)\n", add / sync);
    std::printf("first add after load:%8.2f ms (encodes every loaded record once)\n", addMs.front());

    const bool loadOk = load + search < 100.0;
    const bool addOk = add <= 2.0 * sync;
    std::printf("%s load and search under 100 ms\n", loadOk ? "✅" : "❌");
    std::printf("%s add within twice one write and sync\n", addOk ? "✅" : "❌");
    return loadOk && addOk ? 0 : 1;
}
