// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTransform>

namespace quorvane::test {

// `label` as a camera sees it lying on a dark table: drawn through `view` (perspective and
// turn) with `border` pixels of table around it, then out of focus by `blur` (1 is sharp;
// the picture is shrunk by that factor and enlarged back).
inline QImage photographedLabel(const QImage &label, const QTransform &view, int border, double blur)
{
    const QRectF bounds = view.mapRect(QRectF(label.rect()));
    QImage photo(bounds.size().toSize() + QSize(2 * border, 2 * border), QImage::Format_RGB32);
    photo.fill(QColor(90, 84, 76));
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(border - bounds.left(), border - bounds.top());
    painter.setTransform(view, true);
    painter.drawImage(0, 0, label);
    painter.end();
    if (blur <= 1)
        return photo;
    return photo.scaled(photo.size() / blur, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(photo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace quorvane::test
