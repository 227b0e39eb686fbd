// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPalette;
class QWidget;

namespace quorvane {

// The text styles and colours the preference panes share, derived from the widget's own
// font and palette so they follow the desktop's theme.
namespace FormStyle {

enum class Text {
    body,
    boldBody,
    caption,     // descriptions under a title
    subheadline, // a pane's header line
    title3,      // symbols beside a note
};

QFont font(const QFont &body, Text style);

// Secondary text: the text colour faded towards the background.
QColor secondaryColor(const QPalette &palette);
QColor accentColor(const QPalette &palette);
// Thin lines between rows and around fields.
QColor separatorColor(const QPalette &palette);
// The inside of fields and lists.
QColor controlBackgroundColor(const QPalette &palette);
QColor errorColor();
// `color` at `opacity` (0...1).
QColor withOpacity(QColor color, qreal opacity);

// A word-wrapping label in `style`, in `color` when it is valid.
QLabel *makeLabel(const QString &text, Text style, QWidget *parent, QColor color = QColor());
// `label` drawn in the secondary colour.
void makeSecondary(QLabel *label);
// A one-pixel horizontal divider line.
QWidget *makeDivider(QWidget *parent);
// Fills `pane` with a borderless vertical scroll area and returns the page inside it, for
// panes whose content may grow taller than the window (long translations). The scroll area
// is named "formPageScroll", so the window can grow to spare it its scrollbar.
QWidget *makeScrollingPage(QWidget *pane);

} // namespace FormStyle

} // namespace quorvane
