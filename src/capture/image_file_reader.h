// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace quorvane {

// Reads an image file the user chose to import: a raster format a camera, a scanner or a
// screenshot tool writes, and only those. Vector formats are left out: a small compressed
// SVG can unfold into gigabytes before any pixel limit applies.
class ImageFileReader {
public:
    // Largest image handed on: more pixels slow recognition without reading more text.
    static constexpr qint64 maximumPixels = 24'000'000;
    // Memory the decoder may take for one image; Qt's default (128 MiB) refuses photos
    // from about 33 megapixels on.
    static constexpr int allocationLimitMiB = 1024;
    // Larger files are refused before any decoder sees them.
    static constexpr qint64 maximumFileBytes = qint64(512) << 20;

    // The formats offered and read (Qt's format names), those this machine has a reader for.
    static QList<QByteArray> importableFormats();

    // A file chooser filter, "`name` (*.png *.jpg ...)", of the formats readable here.
    static QString fileFilter(const QString &name);

    // The image in `path`, turned upright as its EXIF data says and scaled down while
    // decoding to at most `maximumPixels`. Throws ImageImportError naming the file and
    // the reason when it cannot be read, is no regular file, is too large or is in a
    // format not offered. Thread-safe: it takes long for a large photo.
    static QImage read(const QString &path);
};

} // namespace quorvane
