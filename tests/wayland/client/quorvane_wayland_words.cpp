// SPDX-License-Identifier: GPL-3.0-or-later
// A Wayland client of the Wayland end-to-end test: a window showing its one argument in
// large dark letters on white.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (QApplication::arguments().size() != 2)
        return 2;
    QLabel words(QApplication::arguments().at(1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    words.setFont(font);
    words.setAlignment(Qt::AlignCenter);
    words.setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words.setWindowTitle(QApplication::arguments().at(1)); // for the compositor's window rules
    words.show(); // tiled: alone on its output, it fills it
    return QApplication::exec();
}
