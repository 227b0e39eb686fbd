// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace quorvane {

// The small line pictures of the pin's toolbar and image placeholder, drawn in one colour.
enum class PinSymbol {
    photo,
    textAlignLeft,
    textFormatSizeSmaller,
    textFormatSize,
    textFormatSizeLarger,
    pinFill,
    pinSlash,
    xmark,
};

// A stable name for each picture ("photo", "text.alignleft", "pin.fill", ...).
QString symbolName(PinSymbol symbol);
// Draws `symbol` filling `box` in `color`.
void paintSymbol(QPainter &painter, PinSymbol symbol, const QRectF &box, const QColor &color);

} // namespace quorvane
