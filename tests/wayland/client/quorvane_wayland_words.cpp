// SPDX-License-Identifier: GPL-3.0-or-later
// A Wayland client of the Wayland end-to-end test: a window showing its one argument in
// large dark letters on white. It prints "typed X" for each key X typed into it.
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>

#include <cstdio>

namespace {

class Words : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        std::printf("typed %s\n", qPrintable(event->text()));
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (QApplication::arguments().size() != 2)
        return 2;
    Words words(QApplication::arguments().at(1));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(64);
    words.setFont(font);
    words.setAlignment(Qt::AlignCenter);
    words.setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words.setWindowTitle(QApplication::arguments().at(1)); // for the compositor's window rules
    words.show(); // tiled: alone on its output, it fills it
    return QApplication::exec();
}
