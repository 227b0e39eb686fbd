// SPDX-License-Identifier: GPL-3.0-or-later
// Renders program and terminal text files as an editor shows them, for the code-mode
// benchmark: each TEXT_DIR/NAME (any text file) in DejaVu Sans Mono, Liberation Mono and
// Noto Sans Mono, light and dark, at sizes from 11 to 16 px, as
// OUTPUT_DIR/NAME-FONT-SIZEpx-THEME.png with its true text beside it as .gt.txt.
// FIRST_PX moves the six sizes (12 gives 12 to 17 px), FIRST_PX-LAST_PX spans any
// sizes (12-18 gives seven) and PX,PX,... names sizes that need not be neighbours
// (11,13,17,19), FONTS (comma-separated) replaces the fonts, and the theme sets
// "solarized", "gruvbox", "nord", "dracula" and "catppuccin" draw in those editor themes'
// colours (Solarized's low contrast, Gruvbox's warm greys and creams, Nord's cool
// blue-greys, Dracula's near-white on blue-black, with One Light's dark grey on off-white
// as its light half since Dracula has none, Catppuccin's slate on pale lavender-grey in
// Latte and lavender-white on deep indigo in Mocha) instead of plain black and white.
//
// Usage: render_code_text TEXT_DIR OUTPUT_DIR [SIZES [FONTS [plain|solarized|gruvbox|nord|dracula|catppuccin]]]
//        SIZES: FIRST_PX, FIRST_PX-LAST_PX or PX,PX,...
#include "bench_support.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

struct Theme {
    QColor background;
    QColor text;
    const char *name;
};

const QList<Theme> kPlainThemes{{QColor("#ffffff"), QColor("#24292e"), "light"}, {QColor("#282c34"), QColor("#abb2bf"), "dark"}};
const QList<Theme> kSolarizedThemes{{QColor("#fdf6e3"), QColor("#657b83"), "light"}, {QColor("#002b36"), QColor("#839496"), "dark"}};
const QList<Theme> kGruvboxThemes{{QColor("#fbf1c7"), QColor("#3c3836"), "light"}, {QColor("#282828"), QColor("#ebdbb2"), "dark"}};
const QList<Theme> kNordThemes{{QColor("#eceff4"), QColor("#2e3440"), "light"}, {QColor("#2e3440"), QColor("#d8dee9"), "dark"}};
const QList<Theme> kDraculaThemes{{QColor("#fafafa"), QColor("#383a42"), "light"}, {QColor("#282a36"), QColor("#f8f8f2"), "dark"}};
const QList<Theme> kCatppuccinThemes{{QColor("#eff1f5"), QColor("#4c4f69"), "light"}, {QColor("#1e1e2e"), QColor("#cdd6f4"), "dark"}};
const QStringList kDefaultFonts{"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"};

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_code_text TEXT_DIR OUTPUT_DIR [SIZES [FONTS [plain|solarized|gruvbox|nord|dracula|catppuccin]]]\n");
        return 2;
    }
    const QString sizeArgument = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("11");
    QList<int> sizes;
    if (sizeArgument.contains(',')) {
        for (const QString &size : sizeArgument.split(','))
            sizes.append(size.toInt());
    } else {
        const QStringList span = sizeArgument.split('-');
        const int firstSize = span[0].toInt();
        const int lastSize = span.size() > 1 ? span[1].toInt() : firstSize + 5;
        for (int size = firstSize; size <= lastSize; ++size)
            sizes.append(size);
    }
    if (sizes.isEmpty() || std::any_of(sizes.cbegin(), sizes.cend(), [](int size) { return size <= 0; })) {
        std::fprintf(stderr, "render_code_text: sizes must be FIRST_PX, FIRST_PX-LAST_PX (smallest first) or PX,PX,...\n");
        return 2;
    }
    const QStringList fonts = argc > 4 ? QString::fromLocal8Bit(argv[4]).split(',') : kDefaultFonts;
    const QByteArray palette = argc > 5 ? QByteArray(argv[5]) : QByteArray("plain");
    const QHash<QByteArray, QList<Theme>> palettes{{"plain", kPlainThemes}, {"solarized", kSolarizedThemes}, {"gruvbox", kGruvboxThemes}, {"nord", kNordThemes}, {"dracula", kDraculaThemes}, {"catppuccin", kCatppuccinThemes}};
    if (!palettes.contains(palette)) {
        std::fprintf(stderr, "render_code_text: no theme set \"%s\"; plain, solarized, gruvbox, nord, dracula or catppuccin\n", palette.constData());
        return 2;
    }
    const QList<Theme> themes = palettes.value(palette);
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
        for (int f = 0; f < fonts.size(); ++f) {
            for (int t = 0; t < themes.size(); ++t) {
                const Theme &theme = themes[t];
                QFont font(fonts[f]);
                // Terminals and most editors by default draw `<=`, `===` and `!=` as the
                // characters typed, not as the ligatures fonts such as JetBrains Mono offer.
                font.setStyleStrategy(QFont::PreferNoShaping);
                font.setPixelSize(sizes[(n * 3 + f * 2 + t) % sizes.size()]);
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
                                         .arg(QFileInfo(names[n]).completeBaseName(), QString(fonts[f]).remove(' '))
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
