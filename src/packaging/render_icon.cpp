// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG icon as square PNG files, for icon themes that look up fixed sizes.
//   quorvane_render_icon <icon.svg> <output folder> <size>...
// writes <output folder>/<size>x<size>/apps/<icon name>.png for every size.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    // Needs no display: the SVG image plugin draws into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: quorvane_render_icon <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    const QString svg = arguments.at(1);
    const QDir output(arguments.at(2));
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImageReader reader(svg, "svg");
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString png = output.filePath(folder + QLatin1Char('/') + QFileInfo(svg).completeBaseName() + ".png");
        if (image.isNull() || !output.mkpath(folder) || !image.save(png, "PNG", 9)) {
            std::fprintf(stderr, "cannot render %s at %d px: %s\n", qPrintable(svg), size,
                         qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
