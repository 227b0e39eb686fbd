// SPDX-License-Identifier: GPL-3.0-or-later
// Recognises every PNG of a folder the way a capture does and writes what it read.
//
// Usage: recognize [--mode normal|code] [--codes] [--languages CHOICE]... [--locale NAME]
//                  [--warm] IMAGE_DIR OUTPUT_DIR
//
// Text: each image goes through OCRService::recognizeText with the default settings'
// clean-up options, and NAME.txt receives the text (empty when none was found). The
// languages are the default settings' unless CHOICE says: "auto" detects them, "told" takes
// the ids in the image's NAME.lang, "cli" runs the tesseract command line told NAME.lang's
// language, anything else is a comma-separated list of ids. Several --languages compare
// the choices: each image is read by each of them in turn (so a machine busy with other
// work slows all of them alike), and each writes to OUTPUT_DIR/CHOICE. The locale for
// automatic detection is en_US unless --locale says. --warm reads every image once before
// the timed round, so the times are those of a session whose engines are loaded. With --codes each image goes through
// CodeScanService::detectCodes instead and NAME.txt receives the payloads, one a line.
// Prints the time of each image and the median per choice; with several choices, also
// each image's time of the first choice against the second's (say, automatic language
// against the engine told the locale's language) and that ratio's median, 90th percentile
// and largest value. Ends with the number of engines the program keeps loaded between
// searches and the memory that number was chosen on.
#include "bench_support.h"

#include "capture/code_scan_service.h"
#include "capture/ocr_service.h"
#include "capture/tesseract_language_map.h"
#include "core/user_settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <numeric>
#include <vector>

using namespace quorvane;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: recognize [--mode normal|code] [--codes] [--languages auto|told|cli|LIST]... "
                         "[--locale NAME] [--warm] IMAGE_DIR OUTPUT_DIR\n");
    return 2;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// The value below which `share` of `values` lie (nearest rank).
double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(share * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// The tesseract command line at its default settings, told the language of the image.
QString readWithCli(const QString &image, const QStringList &ids)
{
    QStringList names;
    for (const QString &id : ids)
        names.append(TesseractLanguageMap::dataName(id));
    QProcess process;
    process.start(QStringLiteral("tesseract"), {image, QStringLiteral("-"), QStringLiteral("-l"), names.join('+')});
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput()).remove(QChar(0x0C)).trimmed();
}

// The process's resident memory, now ("VmRSS:") or at its peak ("VmHWM:"), in MB.
double residentMegabytes(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);

    CaptureMode mode = CaptureMode::normal;
    bool codes = false;
    bool warm = false;
    QStringList choices;
    QString locale = QStringLiteral("en_US");
    QStringList paths;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--codes") {
            codes = true;
        } else if (args[i] == "--warm") {
            warm = true;
        } else if (args[i] == "--mode" && i + 1 < args.size()) {
            const QString value = args[++i];
            if (value == "normal")
                mode = CaptureMode::normal;
            else if (value == "code")
                mode = CaptureMode::code;
            else
                return usage();
        } else if (args[i] == "--languages" && i + 1 < args.size()) {
            choices.append(args[++i]);
        } else if (args[i] == "--locale" && i + 1 < args.size()) {
            locale = args[++i];
        } else if (args[i].startsWith("--")) {
            return usage();
        } else {
            paths.append(args[i]);
        }
    }
    if (paths.size() != 2)
        return usage();
    const QDir input(paths[0]);
    const QDir output(paths[1]);
    const bool single = choices.size() <= 1;
    if (choices.isEmpty())
        choices.append(QString());
    for (const QString &choice : choices)
        QDir().mkpath(single ? output.path() : output.filePath(choice));

    const UserSettings &settings = UserSettings::defaults();
    OCRService ocr(OCRService::defaultDataPath(), QLocale(locale));
    CodeScanService scanner;

    std::map<QString, std::vector<double>> times;
    std::vector<double> ratios;  // per image, the first choice's time over the second's
    const QStringList names = input.entryList({"*.png"}, QDir::Files, QDir::Name);
    QStringList rounds = names;
    if (warm)
        rounds = names + names;
    for (qsizetype round = 0; round < rounds.size(); ++round) {
        const QString &name = rounds[round];
        const bool timed = round >= rounds.size() - names.size();
        const QImage image(input.filePath(name));
        const QString base = QFileInfo(name).completeBaseName();
        const QStringList told = bench::readText(input.filePath(base + ".lang")).trimmed().split(',', Qt::SkipEmptyParts);
        for (const QString &choice : choices) {
            std::optional<QStringList> languages;
            if (choice.isEmpty())
                languages = settings.autoDetectLanguage ? std::nullopt : std::optional(settings.preferredLanguages);
            else if (choice == "told" || choice == "cli")
                languages = told;
            else if (choice != "auto")
                languages = choice.split(',');
            QString text;
            QString note;
            QElapsedTimer timer;
            timer.start();
            try {
                if (codes) {
                    QStringList payloads;
                    for (const DetectedCode &code : scanner.detectCodes(image).result())
                        payloads.append(code.payload);
                    text = payloads.join('\n');
                } else if (choice == "cli") {
                    text = readWithCli(input.filePath(name), told);
                } else {
                    text = ocr.recognizeText(image, languages, mode, settings.textProcessing).result();
                }
            } catch (const std::exception &error) {
                note = QString::fromUtf8(error.what());
            }
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (!timed)
                continue;
            times[choice].push_back(ms);
            bench::writeText((single ? output : QDir(output.filePath(choice))).filePath(base + ".txt"), text);
            QString ratio;
            if (choices.size() > 1 && choice == choices[1]) {
                ratios.push_back(times[choices[0]].back() / ms);
                ratio = QStringLiteral("%1/%2 %3x").arg(choices[0], choices[1]).arg(ratios.back(), 0, 'f', 2);
            }
            std::fprintf(stderr, "%-40s %-8s %8.1f ms %s%s\n", qPrintable(name), qPrintable(choice), ms, qPrintable(ratio),
                         qPrintable(note));
        }
    }
    if (names.isEmpty()) {
        std::fprintf(stderr, "no PNG images in %s\n", qPrintable(input.path()));
        return 1;
    }
    for (const QString &choice : choices) {
        std::printf("%s%zu images, median %.1f ms per image, %.0f ms in all\n",
                    choice.isEmpty() ? "" : qPrintable(choice + ": "), times[choice].size(), median(times[choice]),
                    std::accumulate(times[choice].begin(), times[choice].end(), 0.0));
    }
    if (!ratios.empty()) {
        std::printf("%s against %s per image: median %.2fx, 90th percentile %.2fx, largest %.2fx\n", qPrintable(choices[0]),
                    qPrintable(choices[1]), median(ratios), percentile(ratios, 0.9),
                    *std::max_element(ratios.begin(), ratios.end()));
    }
    std::printf("engines kept between searches: %zu; resident now %.0f MB, at most %.0f MB\n", ocr.enginesKept(),
                residentMegabytes("VmRSS:"), residentMegabytes("VmHWM:"));
    return 0;
}
