// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a pin's text pane takes to show one long line, the way a pin whose
// edited text is a pasted log line, a minified file or base64 opens at start. Target: a
// text of any length shown (built, laid out, first frame painted) in well under a second,
// with words or without a single space: beyond PinTextEditorView::kLongestShownText only
// its first part is laid out. Run it on a display (xvfb-run works). Usage: pin_long_text [bytes...]
#include "pins/pin_font_size.h"
#include "pins/pin_text_editor_view.h"
#include "platform/interface_translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

using namespace quorvane;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InterfaceTranslations::installEnglish(); // the note on a long text reads as it does in the program
    QList<qsizetype> sizes{10'000, 100'000, 1'000'000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QString::fromLatin1(argv[i]).toLongLong();
    }
    for (const qsizetype size : sizes) {
        for (const bool unbroken : {false, true}) {
            QString line;
            line.reserve(size);
            while (line.size() < size)
                line += QString::fromLatin1(unbroken ? "word%1" : "word%1 ").arg(line.size() % 97);
            line.truncate(size);
            for (const bool monospace : {false, true}) {
                QElapsedTimer clock;
                clock.start();
                PinTextEditorView view(line, monospace, PinFontSize::medium, {});
                view.resize(400, 300);
                view.show();
                view.repaint();
                QApplication::processEvents();
                std::printf("%9lld characters, %s, %s: %6lld ms\n", static_cast<long long>(size),
                            unbroken ? "no spaces " : "with words", monospace ? "monospace   " : "proportional",
                            static_cast<long long>(clock.elapsed()));
            }
        }
    }
    return 0;
}
