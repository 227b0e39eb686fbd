// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the memory of the real program as a tray tool spends most of its life: idle.
// Starts the built program on the caller's X display and session bus, with folders of
// its own, and prints its resident (RSS) and proportional (PSS, from smaps_rollup) size
//  1. 10 s after start, no window open (target: resident at most 55 MB);
//  2. right after 20 captures of words in five languages (English, German, French,
//     Russian, and an English error message with a code and a path), each requested with
//     "quorvane capture" and selected by a pointer drag, with the time from the end of
//     each drag to the text on the clipboard, and the most it took during them (target:
//     at most 250 MB);
//  3. 60 s after the last capture (target: under 100 MB);
//  4. once the recognition engines went unused for the release time (target: resident
//     back under 60 MB). The program's ten minutes are shortened for the measurement
//     through its "RecognitionEngineReleaseSeconds" setting (--release-seconds, 90).
// Usage: idle_memory [--program PATH] [--release-seconds N]
// Run on a desktop or, e.g. (one line):
//   dbus-run-session --config-file=tests/dbus-session.conf --
//     xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/idle_memory
// Needs xdotool for the drags. The program's pin after a capture and its sound are
// switched off, so that no pin covers the next capture's words.
#include "core/settings_store.h"
#include "core/user_settings.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"
#include "support/program_environment.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <vector>

using namespace quorvane;

namespace {

constexpr int kCaptures = 20;

// Each sentence names its capture, so that every capture changes the clipboard.
const char *const kSentences[] = {
    "The quick brown fox jumps over the lazy dog %1",
    "Zwölf Boxkämpfer jagen Viktor quer über den Sylter Deich %1",
    "Le cœur déçu mais l'âme plutôt naïve, Louÿs rêva %1",
    "Ваши изменения сохранены в общей папке %1",
    "Error 0x80070005: access denied writing /var/lib/cache.db %1",
};

class NoLoginItem : public LoginItem {
public:
    Status status() const override { return Status::notRegistered; }
    void registerItem() override {}
    void unregisterItem() override {}
};

bool spinUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void spinFor(int ms)
{
    spinUntil([] { return false; }, ms);
}

bool xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// One "Name:   1234 kB" value of a /proc file, in kB; -1 when absent.
long procValue(const QString &path, const QByteArray &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void printMemory(const char *when, qint64 pid)
{
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    const long rss = procValue(proc + "status", "VmRSS");
    const long anon = procValue(proc + "status", "RssAnon");
    const long pss = procValue(proc + "smaps_rollup", "Pss");
    std::printf("%-34s resident %6.1f MB (anonymous %5.1f MB), proportional %6.1f MB\n", when, rss / 1024.0,
                anon / 1024.0, pss / 1024.0);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The program's folders, with a user past the first run whose captures leave no pin.
QProcessEnvironment prepareHome(const QString &home, int releaseSeconds)
{
    {
        UserDefaults defaults(home + "/config/Quorvane/defaults.json");
        defaults.setBool("hasSeenOnboarding", true);
        defaults.setBool("com.corvantis.hasLaunchedBefore", true);
        defaults.setInteger("RecognitionEngineReleaseSeconds", releaseSeconds);
        NoLoginItem loginItem;
        SettingsStore store(defaults, loginItem);
        UserSettings settings = store.settings();
        settings.showPinWidgetAfterCapture = false;
        settings.playSoundOnCapture = false;
        store.setSettings(settings);
        store.save();
        defaults.synchronize();
    }
    QDir().mkpath(home + "/runtime");
    QFile::setPermissions(home + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return test::programEnvironment(home);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString program = QCoreApplication::applicationDirPath() + "/../src/app/quorvane";
    int releaseSeconds = 90;
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--program")
            program = arguments[i + 1];
        else if (arguments[i] == "--release-seconds")
            releaseSeconds = arguments[i + 1].toInt();
    }

    // Large dark words on white where the drags select them.
    QLabel words;
    QFont font = words.font();
    font.setPixelSize(40);
    words.setFont(font);
    words.setAlignment(Qt::AlignCenter);
    words.setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    words.setGeometry(100, 200, 1600, 160);

    QTemporaryDir home;
    const QProcessEnvironment env = prepareHome(home.path(), releaseSeconds);
    QProcess quorvane;
    quorvane.setProcessEnvironment(env);
    quorvane.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    quorvane.setStandardOutputFile(QProcess::nullDevice());
    quorvane.start(program, {});
    if (!quorvane.waitForStarted()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
        return 1;
    }
    const qint64 pid = quorvane.processId();
    spinFor(10000);
    printMemory("10 s after start, idle:", pid);

    QClipboard *clipboard = QGuiApplication::clipboard();
    std::vector<double> times;
    int failures = 0;
    for (int i = 0; i < kCaptures; ++i) {
        words.setText(QString::fromUtf8(kSentences[i % std::size(kSentences)]).arg(100 + i));
        words.show();
        words.raise();
        spinFor(300);
        // The command returns once its capture has ended: it is waited for after the drag.
        QProcess request;
        request.setProcessEnvironment(env);
        request.start(program, {QStringLiteral("capture")});
        const auto endRequest = qScopeGuard([&] {
            if (!request.waitForFinished(20000)) {
                std::fprintf(stderr, "capture %d: the capture command did not return (%s%s)\n", i + 1,
                             request.readAllStandardOutput().constData(), request.readAllStandardError().constData());
                request.kill();
                request.waitForFinished();
            }
        });
        // The overlay dims the screen when it is up.
        const QPoint inside(110, 210);
        if (!spinUntil([&] {
                const QRgb pixel = QGuiApplication::primaryScreen()->grabWindow(0, inside.x(), inside.y(), 1, 1)
                                       .toImage()
                                       .pixel(0, 0);
                return (pixel & 0xffffff) != 0xffffff;
            }, 10000)) {
            std::fprintf(stderr, "capture %d: the overlay never came up\n", i + 1);
            ++failures;
            continue;
        }
        const QString before = clipboard->text();
        xdotool({"mousemove", "105", "205", "mousedown", "1", "mousemove", "900", "300", "mousemove", "1695", "355"});
        QElapsedTimer sinceRelease;
        xdotool({"mouseup", "1"});
        sinceRelease.start();
        if (!spinUntil([&] { return clipboard->text() != before && !clipboard->text().isEmpty(); }, 20000)) {
            std::fprintf(stderr, "capture %d: no text reached the clipboard\n", i + 1);
            ++failures;
            xdotool({"key", "Escape"});
            continue;
        }
        times.push_back(sinceRelease.nsecsElapsed() / 1e6);
    }
    words.hide();
    printMemory("after 20 captures in 5 kinds of text:", pid);
    std::printf("%-34s resident %6.1f MB\n", "at most, start and captures:",
                procValue(QStringLiteral("/proc/%1/status").arg(pid), "VmHWM") / 1024.0);
    if (!times.empty()) {
        std::printf("drag end to clipboard: first capture %.0f ms, median of the others %.0f ms (%d failed)\n",
                    times.front(), median(std::vector<double>(times.begin() + 1, times.end())), failures);
    }

    spinFor(60000);
    printMemory("60 s after the last capture:", pid);
    spinFor(std::max(0, releaseSeconds + 5 - 60) * 1000);
    printMemory(qPrintable(QStringLiteral("%1 s later, engines released:").arg(releaseSeconds + 5)), pid);

    quorvane.terminate();
    quorvane.waitForFinished(15000);
    return failures == 0 ? 0 : 1;
}
