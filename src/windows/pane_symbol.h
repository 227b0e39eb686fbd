// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace quorvane {

// The small line symbols the preference panes show beside titles and messages, in one
// colour so they can take the colour of the text they stand by: the icon theme's where it
// has them, drawn here where not.
enum class PaneSymbol {
    gearshape,
    keyboard,
    textAlignLeft,
    globe,
    clock,
    exclamationTriangleFill,
    exclamationCircleFill,
    infoCircleFill,
    trash,
    line3Horizontal,
};

// `symbol` in `color`, `size` logical pixels square, at `devicePixelRatio`.
QPixmap paneSymbolPixmap(PaneSymbol symbol, const QColor &color, int size, qreal devicePixelRatio = 1.0);
// An icon holding the symbol at 16, 24 and 32 pixels.
QIcon paneSymbolIcon(PaneSymbol symbol, const QColor &color);

} // namespace quorvane
