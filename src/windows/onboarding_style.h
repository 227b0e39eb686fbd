// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QBoxLayout;
class QLabel;
class QPalette;
class QWidget;

namespace quorvane {

// The shared look of the onboarding pages and the about and feedback windows. Sizes are
// logical pixels, so a page keeps its proportions whatever the screen's font DPI.

// How strongly a text stands out.
enum class TextTone { primary, secondary, accent, green };

QColor accentColour(const QPalette &palette);
// Text of lesser importance: the text colour at half strength.
QColor secondaryColour(const QPalette &palette);
// The colour that says "granted".
QColor grantedGreen();
QColor toneColour(TextTone tone, const QPalette &palette);

// A label of `text` in the system font at `pixelSize` and `weight`, in `tone`. With `wrap`
// it breaks onto as many lines as it needs and always gets the height for them.
QLabel *styledLabel(const QString &text, int pixelSize, QFont::Weight weight = QFont::Normal,
                    TextTone tone = TextTone::primary, bool wrap = false, QWidget *parent = nullptr);
// A centred heading: a wrapping styled label, on as many centred lines as a translation
// needs. Added to a layout without an alignment, so that it may take the whole width.
QLabel *centredHeading(int pixelSize, QFont::Weight weight, TextTone tone = TextTone::primary);

// Adds a gap of `size` pixels to `layout` that gives way, down to nothing, before any
// text would be cut when a page's content is taller than the page.
void addYieldingGap(QBoxLayout *layout, int size);

// Adds `column` to the vertical `layout`, as wide as the layout up to `maxWidth` and
// centred in it when the layout is wider.
void addCentredColumn(QBoxLayout *layout, QWidget *column, int maxWidth);

// Adds `extra` pixels between the lines of a wrapping label (its text becomes rich text).
void setExtraLineSpacing(QLabel *label, int extra);

} // namespace quorvane
