// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCache>
#include <QPixmap>
#include <QUuid>

#include <optional>

namespace quorvane {

// The list's thumbnails, each decoded from its record's stored bytes once and kept as a
// square pixmap ready to draw, so that painting a row never decodes. Bounded: beyond
// `maxBytes` of pixels the least recently drawn thumbnails are dropped and decoded again
// should their rows come back into view.
class HistoryThumbnailCache {
public:
    static constexpr qsizetype defaultMaxBytes = 8 * 1024 * 1024;

    explicit HistoryThumbnailCache(qsizetype maxBytes = defaultMaxBytes);

    // The image in `data` scaled to fill a square of `side` device pixels, aspect kept and
    // the overflow cut off evenly; none when `data` is empty or not an image. `id` names
    // the record the bytes belong to.
    std::optional<QPixmap> square(const QUuid &id, const QByteArray &data, int side);

private:
    struct Thumbnail {
        int side;
        std::optional<QPixmap> pixmap;
    };
    QCache<QUuid, Thumbnail> m_thumbnails; // cost: kilobytes of pixels
};

} // namespace quorvane
