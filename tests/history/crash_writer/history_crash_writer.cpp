// SPDX-License-Identifier: GPL-3.0-or-later
// Adds history records in a loop until it is killed. After each add has returned it
// prints "ADDED <id>", so whoever kills it knows which records must have survived.
// Usage: quorvane_history_crash_writer <folder> <first number>
#include "history/history_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <cstdio>

using namespace quorvane;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <first number>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int first = QString::fromLatin1(argv[2]).toInt();

    HistoryStore store(folder, HistoryStore::maximumMaxEntries);
    std::printf("READY\n");
    std::fflush(stdout);

    // Thumbnails of a realistic size make every save take a while, which widens the
    // moments in which a kill lands inside the file work.
    const QByteArray thumbnail(2048, '\x5a');
    for (int n = first;; ++n) {
        CaptureHistoryEntry entry;
        entry.timestamp = QDateTime::currentDateTimeUtc();
        entry.text = QStringLiteral("record %1").arg(n);
        entry.thumbnailData = thumbnail;
        QFuture<void> added = store.addEntry(entry);
        while (!added.isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        try {
            added.waitForFinished();
        } catch (const std::exception &error) {
            std::printf("FAILED %s\n", error.what());
            std::fflush(stdout);
            return 1;
        }
        std::printf("ADDED %s\n", entry.id.toString(QUuid::WithoutBraces).toUpper().toLatin1().constData());
        std::fflush(stdout);
    }
}
