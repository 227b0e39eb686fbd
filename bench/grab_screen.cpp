// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a rectangle of the X screen as a PNG, for benchmark corpora of real windows.
//
// Usage: grab_screen X Y WIDTH HEIGHT OUTPUT.png   (run with DISPLAY set)
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "usage: grab_screen X Y WIDTH HEIGHT OUTPUT.png\n");
        return 2;
    }
    const QPixmap pixmap = QGuiApplication::primaryScreen()->grabWindow(0, std::atoi(argv[1]), std::atoi(argv[2]),
                                                                        std::atoi(argv[3]), std::atoi(argv[4]));
    return pixmap.save(QString::fromLocal8Bit(argv[5])) ? 0 : 1;
}
