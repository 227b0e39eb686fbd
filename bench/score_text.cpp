// SPDX-License-Identifier: GPL-3.0-or-later
// Character error rate of recognised text against the true text.
//
// Usage: score_text [--exact] TRUTH_DIR RESULT_DIR
//
// For every NAME.gt.txt in TRUTH_DIR, compares RESULT_DIR/NAME.txt with it by edit
// distance and prints each file's rate and the total (summed distances over summed true
// lengths). Without --exact, runs of white space count as one space and both ends are
// trimmed, so line breaks and paragraph gaps do not count; --exact keeps every space
// (for program text, where indentation matters) but the indentation every line shares.
#include "bench_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString normalised(QString text, bool exact)
{
    text.remove(QChar(0x0C));  // the form feed the tesseract command ends its pages with
    if (exact) {
        QStringList lines = text.split('\n');
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        for (QString &line : lines) {
            while (line.endsWith(' '))
                line.chop(1);
        }
        // A capture's left edge is wherever the user dragged: its leftmost line starts the
        // layout, so the indentation all lines share is no part of the text.
        qsizetype shared = -1;
        for (const QString &line : std::as_const(lines)) {
            if (!line.isEmpty()) {
                const qsizetype indent = std::find_if(line.cbegin(), line.cend(), [](QChar c) { return c != ' '; }) - line.cbegin();
                shared = shared < 0 ? indent : std::min(shared, indent);
            }
        }
        for (QString &line : lines)
            line.remove(0, std::max<qsizetype>(0, shared));
        return lines.join('\n');
    }
    return text.simplified();
}

qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> previous(size_t(b.size()) + 1), current(size_t(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[size_t(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype substitution = previous[size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[size_t(j)] = std::min({previous[size_t(j)] + 1, current[size_t(j - 1)] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[size_t(b.size())];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool exact = args.removeAll("--exact") > 0;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: score_text [--exact] TRUTH_DIR RESULT_DIR\n");
        return 2;
    }
    const QDir truthDir(args[0]);
    const QDir resultDir(args[1]);
    qsizetype errors = 0;
    qsizetype length = 0;
    for (const QString &name : truthDir.entryList({"*.gt.txt"}, QDir::Files, QDir::Name)) {
        const QString base = name.chopped(7);
        const QString truth = normalised(bench::readText(truthDir.filePath(name)), exact);
        const QString result = normalised(bench::readText(resultDir.filePath(base + ".txt")), exact);
        const qsizetype distance = editDistance(truth, result);
        errors += distance;
        length += truth.size();
        std::printf("%-32s %6.2f %%\n", qPrintable(base), 100.0 * double(distance) / double(std::max<qsizetype>(1, truth.size())));
    }
    std::printf("character error rate %.2f %% (%lld errors in %lld characters)\n",
                100.0 * double(errors) / double(std::max<qsizetype>(1, length)), (long long)errors,
                (long long)length);
    return 0;
}
