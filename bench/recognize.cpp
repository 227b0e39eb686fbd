// Recognises every PNG of a folder the way a capture does and writes what it read.
//
// Usage: recognize [--mode normal|code] [--codes] IMAGE_DIR OUTPUT_DIR
//
// Text: each image goes through OCRService::recognizeText with the default settings'
// languages and clean-up options, and NAME.txt receives the text (empty when none was
// found). With --codes each image goes through CodeScanService::detectBestCode instead
// and NAME.txt receives the payload (empty when no code was found). Prints the time of
// each image and the median.
#include "capture/code_scan_service.h"
#include "capture/ocr_service.h"
#include "core/user_settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

using namespace quorvane;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: recognize [--mode normal|code] [--codes] IMAGE_DIR OUTPUT_DIR\n");
    return 2;
}

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    CaptureMode mode = CaptureMode::normal;
    bool codes = false;
    QStringList paths;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--codes") {
            codes = true;
        } else if (args[i] == "--mode" && i + 1 < args.size()) {
            const QString value = args[++i];
            if (value == "normal")
                mode = CaptureMode::normal;
            else if (value == "code")
                mode = CaptureMode::code;
            else
                return usage();
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
    QDir().mkpath(output.path());

    const UserSettings &settings = UserSettings::defaults();
    const std::optional<QStringList> languages =
        settings.autoDetectLanguage ? std::nullopt : std::optional<QStringList>(settings.preferredLanguages);
    OCRService ocr;
    CodeScanService scanner;

    std::vector<double> times;
    for (const QString &name : input.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QImage image(input.filePath(name));
        const QString base = QFileInfo(name).completeBaseName();
        QString text;
        QString note;
        QElapsedTimer timer;
        timer.start();
        try {
            if (codes)
                text = scanner.detectBestCode(image).result().payload;
            else
                text = ocr.recognizeText(image, languages, mode, settings.textProcessing).result();
        } catch (const std::exception &error) {
            note = QString::fromUtf8(error.what());
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        times.push_back(ms);
        writeFile(output.filePath(base + ".txt"), text);
        std::fprintf(stderr, "%-40s %8.1f ms %s\n", qPrintable(name), ms, qPrintable(note));
    }
    if (times.empty()) {
        std::fprintf(stderr, "no PNG images in %s\n", qPrintable(input.path()));
        return 1;
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("%zu images, median %.1f ms per image\n", n, median);
    return 0;
}
