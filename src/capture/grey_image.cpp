// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/grey_image.h"

#include <QPainter>

namespace quorvane {

QImage greyOnWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_Grayscale8);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    // Into an explicit pixel rectangle: drawn at a point, an image with a device pixel
    // ratio above 1 (an "@2x" file) would cover only part of the canvas.
    painter.drawImage(QRect(QPoint(0, 0), image.size()), image);
    painter.end();
    return flat.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace quorvane
