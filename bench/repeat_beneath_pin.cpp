// SPDX-License-Identifier: GPL-3.0-or-later
// Times the wait of a repeat capture whose pin lies over the region: from hiding the
// program's windows until the screen beneath has been drawn again, with a terminal
// (xterm, short lines whose blank ends are the server's background fill) beneath the pin.
// Prints the median, the 90th percentile (target: at most 300 ms), the longest wait and
// how many waits ran to their 1.5 s bound.
// Also counts the reads that showed the pin (target: none).
// Usage: repeat_beneath_pin [--repeats N] [--compositor] [--shot last-read.png]
//   --compositor runs xcompmgr on the display for the measurement.
// Run on a desktop or, e.g. (one line):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" build/bench/repeat_beneath_pin --compositor
// Needs xterm (and xcompmgr for --compositor).
#include "capture/concealed_windows.h"
#include "platform/x11_connection.h"
#include "platform/x11_screen_redraws.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QProcess>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace quorvane;

namespace {

constexpr std::chrono::milliseconds kBound{1500};
const QColor kPinColour(250, 240, 200);

bool spinUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void spinFor(int ms)
{
    spinUntil([] { return false; }, ms);
}

// Stands for a pin: an opaque picture of the capture over the region it came from.
class Pin : public QWidget {
public:
    explicit Pin(const QRect &geometry) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
    {
        setGeometry(geometry);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kPinColour);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("pinned capture"));
    }
};

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = std::min(values.size() - 1, size_t(fraction * double(values.size() - 1) + 0.5));
    return values[index];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int repeats = 20;
    bool compositor = false;
    QString shot; // where the last read is saved, to look at
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--repeats") && i + 1 < arguments.size())
            repeats = arguments.at(++i).toInt();
        else if (arguments.at(i) == QLatin1String("--compositor"))
            compositor = true;
        else if (arguments.at(i) == QLatin1String("--shot") && i + 1 < arguments.size())
            shot = arguments.at(++i);
    }
    if (!x11Connection()) {
        std::fprintf(stderr, "needs an X display\n");
        return 2;
    }

    QProcess compositing;
    if (compositor) {
        compositing.start(QStringLiteral("xcompmgr"), {});
        if (!compositing.waitForStarted(5000)
            || !spinUntil([] { return x11CompositingActive(x11Connection()); }, 10000)) {
            std::fprintf(stderr, "xcompmgr did not start\n");
            return 2;
        }
    }

    // Short lines of text: most of every line is the terminal's blank background.
    QProcess terminal;
    terminal.start(QStringLiteral("xterm"),
                   {"-fa", "DejaVu Sans Mono", "-fs", "11", "-geometry", "100x12+100+100", "-e", "sh", "-c",
                    "for i in 1 2 3 4 5 6 7 8 9 10; do echo \"line $i: repeat capture\"; done; exec sleep 100000"});
    if (!terminal.waitForStarted(5000)) {
        std::fprintf(stderr, "xterm did not start\n");
        return 2;
    }
    spinFor(1500); // the terminal maps and prints its lines

    const QRect area(110, 110, 500, 140);
    Pin pin(area);
    pin.show();
    spinFor(300);

    X11ScreenRedraws redraws;
    std::vector<double> waits;
    int pinsRead = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        {
            ConcealedWindows windows(area, [](const QWidget &) { return true; }, redraws);
            const QFuture<void> redrawn = windows.conceal(kBound);
            spinUntil([&] { return redrawn.isFinished(); }, 10000);
            waits.push_back(double(clock.nsecsElapsed()) / 1e6);
            const QImage read = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                                            area.height()).toImage();
            if (read.pixelColor(read.width() - 2, read.height() - 2) == kPinColour)
                ++pinsRead;
            if (!shot.isEmpty() && i == repeats - 1)
                read.save(shot);
        }
        // The pin is shown again and the terminal is covered once more before the next read.
        spinFor(250);
    }

    terminal.kill();
    terminal.waitForFinished(3000);
    if (compositor) {
        compositing.kill();
        compositing.waitForFinished(3000);
    }
    const double p90 = percentile(waits, 0.9);
    std::printf("%d repeat reads beneath a pin over xterm, %s compositor\n", repeats, compositor ? "with" : "without");
    std::printf("median %.0f ms, 90th percentile %.0f ms (target: at most 300 ms) %s, longest %.0f ms, "
                "%d of %d ran to the %lld ms bound\n",
                percentile(waits, 0.5), p90, p90 <= 300 ? "met" : "MISSED", percentile(waits, 1.0),
                redraws.waitsRunOut(), repeats, qlonglong(kBound.count()));
    std::printf("reads that showed the pin: %d (target: none)\n", pinsRead);
    return 0;
}
