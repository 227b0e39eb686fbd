// SPDX-License-Identifier: GPL-3.0-or-later
// Renders program and terminal text files as an editor shows them, for the code-mode
// benchmark: each TEXT_DIR/NAME (any text file) in DejaVu Sans Mono, Liberation Mono and
// Noto Sans Mono, light and dark, at sizes from 11 to 16 px, as
// OUTPUT_DIR/NAME-FONT-SIZEpx-THEME.png with its true text beside it as .gt.txt.
//
// Usage: render_code_text TEXT_DIR OUTPUT_DIR
#include "bench_support.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

struct Theme {
    QColor background;
    QColor text;
    const char *name;
};

const QList<Theme> kThemes{{QColor("#ffffff"), QColor("#24292e"), "light"}, {QColor("#282c34"), QColor("#abb2bf"), "dark"}};
const QStringList kFonts{"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"};

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_code_text TEXT_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir texts(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    int written = 0;
    const QStringList names = texts.entryList(QDir::Files, QDir::Name);
    for (int n = 0; n < names.size(); ++n) {
        QString text = bench::readText(texts.filePath(names[n]));
        while (text.endsWith('\n'))
            text.chop(1);
        const QStringList lines = text.split('\n');
        for (int f = 0; f < kFonts.size(); ++f) {
            for (int t = 0; t < kThemes.size(); ++t) {
                const Theme &theme = kThemes[t];
                QFont font(kFonts[f]);
                font.setPixelSize(11 + (n * 3 + f * 2 + t) % 6);
                const QFontMetrics metrics(font);
                int width = 0;
                for (const QString &line : lines)
                    width = std::max(width, metrics.horizontalAdvance(line));
                // An editor's line spacing: a little more than the font's own.
                const int lineHeight = qRound(metrics.height() * 1.2);
                QImage image(width + 32, 32 + lineHeight * int(lines.size()), QImage::Format_RGB32);
                image.fill(theme.background);
                QPainter painter(&image);
                painter.setFont(font);
                painter.setPen(theme.text);
                for (int i = 0; i < lines.size(); ++i)
                    painter.drawText(16, 16 + i * lineHeight + metrics.ascent(), lines[i]);
                painter.end();
                const QString name = QStringLiteral("%1-%2-%3px-%4")
                                         .arg(QFileInfo(names[n]).completeBaseName(), QString(kFonts[f]).remove(' '))
                                         .arg(font.pixelSize())
                                         .arg(theme.name);
                image.save(out + "/" + name + ".png");
                bench::writeText(out + "/" + name + ".gt.txt", lines.join('\n'));
                ++written;
            }
        }
    }
    std::printf("wrote %d code samples to %s\n", written, qPrintable(out));
    return 0;
}
