// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_thumbnail_cache.h"

#include <QImage>

namespace quorvane {

namespace {

std::optional<QPixmap> decodeSquare(const QByteArray &data, int side)
{
    const QImage image = data.isEmpty() ? QImage() : QImage::fromData(data);
    if (image.isNull() || side < 1)
        return std::nullopt;
    const QImage filled = image.scaled(side, side, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return QPixmap::fromImage(
        filled.copy((filled.width() - side) / 2, (filled.height() - side) / 2, side, side));
}

} // namespace

HistoryThumbnailCache::HistoryThumbnailCache(qsizetype maxBytes)
    : m_thumbnails(std::max<qsizetype>(1, maxBytes / 1024))
{
}

std::optional<QPixmap> HistoryThumbnailCache::square(const QUuid &id, const QByteArray &data, int side)
{
    if (const Thumbnail *kept = m_thumbnails.object(id); kept && kept->side == side)
        return kept->pixmap;
    auto decoded = std::make_unique<Thumbnail>(Thumbnail{side, decodeSquare(data, side)});
    std::optional<QPixmap> pixmap = decoded->pixmap;
    const qsizetype kilobytes = pixmap ? std::max<qsizetype>(1, pixmap->width() * pixmap->height() * 4 / 1024) : 1;
    m_thumbnails.insert(id, decoded.release(), kilobytes);
    return pixmap;
}

} // namespace quorvane
