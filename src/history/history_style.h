// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>

namespace quorvane {

// The fonts, colours and symbols the history window's views share, derived from the
// application's font and palette so that they follow the desktop.
class HistoryStyle {
public:
    enum class TextStyle { caption, subheadline, body, headline, title3, title2 };

    // The font of a text style, scaled from the application's body font.
    static QFont font(TextStyle style, bool monospaced = false);
    // The application font at a design size in points, where 13 is the body size; so
    // sizes keep their proportions whatever the desktop's font size.
    static QFont systemFont(qreal points, QFont::Weight weight = QFont::Normal);

    static QColor primary(const QPalette &palette);
    // Text that matters less: the primary colour, faded.
    static QColor secondary(const QPalette &palette);
    static QColor accent(const QPalette &palette);
    static QColor withOpacity(QColor colour, qreal opacity);

    // A symbol of the desktop's icon theme for a named symbol of the design ("trash",
    // "magnifyingglass", ...), falling back to the widget style's icons.
    static QIcon symbol(const QString &name);
    // The symbol as a pixmap of `size` pixels drawn in `colour`.
    static QPixmap symbolPixmap(const QString &name, int size, const QColor &colour);
};

} // namespace quorvane
