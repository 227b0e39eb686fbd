// SPDX-License-Identifier: GPL-3.0-or-later
// Read rate and false positives of the code scanner against the code corpus.
//
// Usage: score_codes TRUTH_DIR RESULT_DIR
//
// An image counts as read when RESULT_DIR/NAME.txt holds exactly the payloads of
// TRUTH_DIR/NAME.gt.txt in the same order; a false positive is any payload read from an
// image whose truth is empty. Prints the misses, the read rate per kind (the name's part
// before the first '-') and the totals.
#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <map>

namespace {

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: score_codes TRUTH_DIR RESULT_DIR\n");
        return 2;
    }
    const QDir truthDir(QString::fromLocal8Bit(argv[1]));
    const QDir resultDir(QString::fromLocal8Bit(argv[2]));
    std::map<QString, std::pair<int, int>> perKind;  // read, total
    int read = 0, total = 0, withoutCode = 0, falsePositives = 0;
    for (const QString &name : truthDir.entryList({"*.gt.txt"}, QDir::Files, QDir::Name)) {
        const QString base = name.chopped(7);
        const QString truth = bench::readText(truthDir.filePath(name)).trimmed();
        const QString result = bench::readText(resultDir.filePath(base + ".txt")).trimmed();
        if (truth.isEmpty()) {
            ++withoutCode;
            if (!result.isEmpty()) {
                ++falsePositives;
                std::printf("false positive %s\n", qPrintable(base));
            }
            continue;
        }
        const bool ok = truth == result;
        auto &[kindRead, kindTotal] = perKind[base.section('-', 0, 0)];
        kindRead += ok;
        ++kindTotal;
        read += ok;
        ++total;
        if (!ok)
            std::printf("missed %-32s got \"%s\"\n", qPrintable(base), qPrintable(QString(result).replace('\n', " | ")));
    }
    for (const auto &[kind, counts] : perKind)
        std::printf("%-12s %3d of %3d read\n", qPrintable(kind), counts.first, counts.second);
    std::printf("read %d of %d images with codes (%.1f %%); %d false positives in %d images without a code\n", read,
                total, 100.0 * read / std::max(1, total), falsePositives, withoutCode);
    return 0;
}
