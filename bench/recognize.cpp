// SPDX-License-Identifier: GPL-3.0-or-later
// Recognises every PNG of a folder the way a capture does and writes what it read.
//
// Usage: recognize [--mode normal|code] [--codes] [--languages CHOICE]... [--locale NAME]
//                  [--warm] [--repeat N] IMAGE_DIR OUTPUT_DIR
//
// Text: each image goes through OCRService::recognizeText with the default settings'
// clean-up options, and NAME.txt receives the text (empty when none was found). The
// languages are the default settings' unless CHOICE says: "auto" detects them, "told" takes
// the ids in the image's NAME.lang, "cli" runs the tesseract command line told NAME.lang's
// language, anything else is a comma-separated list of ids. Several --languages compare
// the choices: each image is read by each of them in turn (so a machine busy with other
// work slows all of them alike), and each writes to OUTPUT_DIR/CHOICE. The locale for
// automatic detection is en_US unless --locale says. --warm reads every image once before
// the timed rounds, so the times are those of a session whose engines are loaded. --repeat
// reads the whole folder N times (one round after another, the choices' order reversed
// every other round so that none always reads after another) and keeps each image's
// fastest time per choice: other work on the machine only ever adds time, so the fastest
// of several is the steadiest estimate of the program's own. With --codes each image goes
// through CodeScanService::detectCodes instead and NAME.txt receives the payloads, one a
// line. Prints the time of each image and the median per choice; with several choices,
// also each image's time of the first choice against the second's (say, automatic language
// against the engine told the locale's language) and that ratio's median, 90th percentile
// and largest value; for automatic language, on how many images it started the probe for
// another script and on how many it searched among other languages, which do not depend on
// the machine's load. Ends with the number of a search's candidates the program keeps
// loaded after it, and its resident memory now and at its peak; the peak while any one
// image was read (an image whose reading took more than 150 MB shows it beside its time).
#include "bench_support.h"

#include "capture/allocator_settings.h"
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
using bench::residentMegabytes;
using bench::resetPeakResident;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: recognize [--mode normal|code] [--codes] [--languages auto|told|cli|LIST]... "
                         "[--locale NAME] [--warm] [--repeat N] IMAGE_DIR OUTPUT_DIR\n");
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

// Images read with more resident memory than this show it beside their time.
constexpr double kPeakShown = 150;

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    makeFreedMemoryReturnable();
    QGuiApplication app(argc, argv);

    CaptureMode mode = CaptureMode::normal;
    bool codes = false;
    bool warm = false;
    int repeat = 1;
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
        } else if (args[i] == "--repeat" && i + 1 < args.size()) {
            repeat = std::max(1, args[++i].toInt());
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

    const QStringList names = input.entryList({"*.png"}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no PNG images in %s\n", qPrintable(input.path()));
        return 1;
    }
    // Per choice, each image's times in the timed rounds; for automatic detection, in how
    // many of its readings the probe started and the search ran.
    struct Image {
        std::vector<double> times;
        size_t probes = 0;
        size_t searches = 0;
        double peak = 0;  // resident memory at most while it was read, in MB
    };
    std::map<QString, std::vector<Image>> results;
    for (const QString &choice : choices)
        results[choice].resize(size_t(names.size()));
    const int rounds = repeat + (warm ? 1 : 0);
    for (int round = 0; round < rounds; ++round) {
        const bool timed = round >= rounds - repeat;
        QStringList order = choices;
        if (round % 2)
            std::reverse(order.begin(), order.end());
        for (qsizetype index = 0; index < names.size(); ++index) {
            const QString &name = names[index];
            const QImage image(input.filePath(name));
            const QString base = QFileInfo(name).completeBaseName();
            const QStringList told = bench::readText(input.filePath(base + ".lang")).trimmed().split(',', Qt::SkipEmptyParts);
            for (const QString &choice : order) {
                std::optional<QStringList> languages;
                if (choice.isEmpty())
                    languages = settings.autoDetectLanguage ? std::nullopt : std::optional(settings.preferredLanguages);
                else if (choice == "told" || choice == "cli")
                    languages = told;
                else if (choice != "auto")
                    languages = choice.split(',');
                QString text;
                QString note;
                const AutomaticLanguage::Tally before = ocr.automaticLanguageTally();
                resetPeakResident();
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
                const AutomaticLanguage::Tally after = ocr.automaticLanguageTally();
                Image &result = results[choice][size_t(index)];
                result.times.push_back(ms);
                result.peak = std::max(result.peak, residentMegabytes("VmHWM:"));
                result.probes += after.probes - before.probes;
                result.searches += after.searches - before.searches;
                if (result.times.size() == 1)
                    bench::writeText((single ? output : QDir(output.filePath(choice))).filePath(base + ".txt"), text);
                if (!note.isEmpty())
                    std::fprintf(stderr, "%-40s %-8s %s\n", qPrintable(name), qPrintable(choice), qPrintable(note));
            }
        }
    }

    std::map<QString, std::vector<double>> times;  // per choice, each image's fastest time
    std::vector<double> ratios;  // per image, the first choice's time over the second's
    std::vector<double> typicalRatios;  // the same of each choice's median time of the rounds
    for (qsizetype index = 0; index < names.size(); ++index) {
        QString line = QStringLiteral("%1").arg(names[index], -40);
        for (const QString &choice : choices) {
            const Image &result = results[choice][size_t(index)];
            times[choice].push_back(*std::min_element(result.times.begin(), result.times.end()));
            line += QStringLiteral(" %1 %2 ms").arg(choice, -8).arg(times[choice].back(), 8, 'f', 1);
            if (result.peak > kPeakShown)
                line += QStringLiteral(" (%1 MB)").arg(result.peak, 0, 'f', 0);
            if (result.probes || result.searches)
                line += QStringLiteral(" (probe %1, search %2 of %3)").arg(result.probes).arg(result.searches).arg(repeat);
        }
        if (choices.size() > 1) {
            ratios.push_back(times[choices[0]].back() / times[choices[1]].back());
            typicalRatios.push_back(median(results[choices[0]][size_t(index)].times)
                                    / median(results[choices[1]][size_t(index)].times));
            line += QStringLiteral(" %1/%2 %3x").arg(choices[0], choices[1]).arg(ratios.back(), 0, 'f', 2);
        }
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    if (repeat > 1) {
        std::printf("each image read %d times by each choice, in turn, the order reversed every other round; "
                    "its fastest time kept\n",
                    repeat);
    }
    for (const QString &choice : choices) {
        std::printf("%s%zu images, median %.1f ms per image, %.0f ms in all\n",
                    choice.isEmpty() ? "" : qPrintable(choice + ": "), times[choice].size(), median(times[choice]),
                    std::accumulate(times[choice].begin(), times[choice].end(), 0.0));
        const std::vector<Image> &images = results[choice];
        const auto count = [&](size_t Image::*field) {
            return std::count_if(images.begin(), images.end(), [&](const Image &image) { return image.*field > 0; });
        };
        if (count(&Image::probes) || count(&Image::searches)) {
            std::printf("%s%ld images started the probe for another script (in all rounds: %ld), "
                        "%ld went through the language search (in all rounds: %ld)\n",
                        choice.isEmpty() ? "" : qPrintable(choice + ": "), long(count(&Image::probes)),
                        long(std::count_if(images.begin(), images.end(), [&](const Image &image) { return image.probes == size_t(repeat); })),
                        long(count(&Image::searches)),
                        long(std::count_if(images.begin(), images.end(), [&](const Image &image) { return image.searches == size_t(repeat); })));
        }
    }
    double peak = 0;
    for (const auto &[choice, images] : results) {
        for (const Image &image : images)
            peak = std::max(peak, image.peak);
    }
    std::printf("resident memory at most while reading one image: %.0f MB\n", peak);
    if (!ratios.empty()) {
        std::printf("%s against %s per image: median %.2fx, 90th percentile %.2fx, largest %.2fx\n", qPrintable(choices[0]),
                    qPrintable(choices[1]), median(ratios), percentile(ratios, 0.9),
                    *std::max_element(ratios.begin(), ratios.end()));
        if (repeat > 1) {
            std::printf("the same of each image's median time of the rounds (load shows here): median %.2fx, "
                        "90th percentile %.2fx, largest %.2fx\n",
                        median(typicalRatios), percentile(typicalRatios, 0.9),
                        *std::max_element(typicalRatios.begin(), typicalRatios.end()));
        }
    }
    std::printf("candidates kept after a search: %zu; resident now %.0f MB, at most %.0f MB\n", ocr.enginesKept(),
                residentMegabytes("VmRSS:"), residentMegabytes("VmHWM:"));
    return 0;
}
