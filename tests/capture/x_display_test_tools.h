// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests that run against a real X server: a window that shows a known
// picture, external X tools run while the event loop keeps serving, and a check that the
// screen shows what it should.

#include "support/event_loop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QWidget>

namespace quorvane::test {

// Every pixel differs from every other within 4096 x 4096 device pixels, so a wrong
// offset, size or scale shows up in any comparison.
inline QRgb patternPixel(int x, int y)
{
    return qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8));
}

inline QImage patternImage(QSize devicePixels, qreal ratio = 1.0)
{
    QImage image(devicePixels, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = patternPixel(x, y);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

// First pixel where `actual` and `expected` differ, as text; empty when they are equal.
inline QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) & 0xffffff) != (e.pixel(x, y) & 0xffffff))
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x).arg(y).arg(a.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'))
                    .arg(e.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

// A borderless window over the whole primary screen that shows the pattern 1:1 in
// device pixels.
class PatternWindow : public QWidget {
public:
    PatternWindow()
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen->devicePixelRatio();
        m_picture = patternImage((QSizeF(screen->geometry().size()) * ratio).toSize(), ratio);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(screen->geometry());
    }
    const QImage &picture() const { return m_picture; }
    // Shows the pattern's negative from the next paint on.
    void invert()
    {
        m_picture.invertPixels();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), m_picture);
    }

private:
    QImage m_picture;
};

// Waits until the primary screen shows `window`'s picture again (after an overlay closed,
// the window repaints only when the event loop has handled the expose).
inline bool waitForScreenToShow(const PatternWindow &window, int timeoutMs = 5000)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    return waitUntil([&] {
        for (const QPoint p : {QPoint(5, 5), QPoint(700, 400), QPoint(1100, 150)}) {
            const QRect logical(p, QSize(8, 8));
            if (!screen->geometry().contains(logical))
                continue;
            const QImage shown = screen->grabWindow(0, p.x(), p.y(), 8, 8).toImage();
            const QImage expected = window.picture().copy(
                QRect((QPointF(p) * ratio).toPoint(), (QSizeF(8, 8) * ratio).toSize()));
            if (!firstDifference(shown, expected).isEmpty())
                return false;
        }
        return true;
    }, timeoutMs);
}

struct ToolRun {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs an X tool to its end while this process keeps handling events, so the tool can
// talk to our windows and our clipboard.
inline ToolRun runTool(const QString &program, const QStringList &arguments, int timeoutMs = 10000)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(timeoutMs))
        return run;
    if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }, timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

// A left-button drag from `from` to `to` in X screen coordinates (device pixels).
inline bool xDrag(QPoint from, QPoint to)
{
    const QPoint middle = (from + to) / 2;
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                    QStringLiteral("mousedown"), QStringLiteral("1"),
                    QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y()),
                    QStringLiteral("mousemove"), QString::number(to.x()), QString::number(to.y()),
                    QStringLiteral("mouseup"), QStringLiteral("1")})
               .exitCode == 0;
}

inline bool xKey(const QString &key)
{
    return runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), key}).exitCode == 0;
}

inline bool xClick(int button, QPoint at)
{
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QString::number(button)})
               .exitCode == 0;
}

// Top-level windows of the selection overlay that are on screen.
inline QList<QWidget *> visibleOverlayWindows()
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("SelectionOverlayWindow") && w->isVisible())
            windows.append(w);
    }
    return windows;
}

} // namespace quorvane::test
