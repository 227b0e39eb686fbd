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

void addToHistogram(GreyHistogram &histogram, const QImage &grey, const QRect &area)
{
    const QRect within = area.intersected(grey.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = within.left(); x <= within.right(); ++x)
            ++histogram[row[x]];
    }
}

int percentile(const GreyHistogram &histogram, double fraction)
{
    qint64 total = 0;
    for (qint64 count : histogram)
        total += count;
    const qint64 wanted = qint64(double(total) * fraction);
    qint64 seen = 0;
    for (int level = 0; level < 256; ++level) {
        seen += histogram[size_t(level)];
        if (seen > wanted)
            return level;
    }
    return 255;
}

} // namespace quorvane
