#pragma once

#include <QImage>
#include <QString>

namespace quorvane {

// Reads an image file the user chose to import, in any format Qt's image plugins on
// this machine read.
class ImageFileReader {
public:
    // Largest image handed on: more pixels slow recognition without reading more text.
    static constexpr qint64 maximumPixels = 24'000'000;
    // Memory the decoder may take for one image; Qt's default (128 MiB) refuses photos
    // from about 33 megapixels on.
    static constexpr int allocationLimitMiB = 1024;

    // A file chooser filter, "`name` (*.png *.jpg ...)", of the formats readable here.
    static QString fileFilter(const QString &name);

    // The image in `path`, turned upright as its EXIF data says and scaled down while
    // decoding to at most `maximumPixels`. Throws ImageImportError naming the file and
    // the reason when it cannot be read.
    static QImage read(const QString &path);
};

} // namespace quorvane
