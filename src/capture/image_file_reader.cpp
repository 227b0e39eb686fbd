// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/image_file_reader.h"

#include "capture/image_import_error.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace quorvane {

QList<QByteArray> ImageFileReader::importableFormats()
{
    static const QList<QByteArray> raster = {"png", "jpg", "jpeg", "webp", "tif", "tiff", "bmp", "gif"};
    const QList<QByteArray> supported = QImageReader::supportedImageFormats();
    QList<QByteArray> formats;
    for (const QByteArray &format : raster) {
        if (supported.contains(format))
            formats << format;
    }
    return formats;
}

QString ImageFileReader::fileFilter(const QString &name)
{
    QStringList patterns;
    for (const QByteArray &format : importableFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    patterns.removeDuplicates();
    patterns.sort();
    return name + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QImage ImageFileReader::read(const QString &path)
{
    if (QImageReader::allocationLimit() != allocationLimitMiB)
        QImageReader::setAllocationLimit(allocationLimitMiB);

    const QString name = QFileInfo(path).fileName();
    // Opening a FIFO would wait for a writer, and a device never ends.
    const QFileInfo file(path);
    if (!file.isFile())
        //: Why an image file could not be imported: the path names a folder, device or pipe
        //% "it is not a regular file"
        throw ImageImportError(name, Phrase::text(QT_TRID_NOOP("error.import.reason.not_a_file")));
    if (file.size() > maximumFileBytes)
        //: Why an image file could not be imported; %1 is the largest size in megabytes
        //% "it is larger than %1 MB"
        throw ImageImportError(name, Phrase::text(QT_TRID_NOOP("error.import.reason.too_large"), {QString::number(maximumFileBytes >> 20)}));

    QImageReader reader(path);
    // The content decides, not the name: a compressed SVG named .png is still refused.
    reader.setDecideFormatFromContent(true);
    if (!importableFormats().contains(reader.format().toLower()))
        //: Why an image file could not be imported: not PNG, JPEG, WebP, TIFF, BMP or GIF
        //% "its format cannot be imported"
        throw ImageImportError(name, Phrase::text(QT_TRID_NOOP("error.import.reason.format")));
    reader.setAutoTransform(true); // photos carry their orientation in EXIF
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maximumPixels) {
        // Handlers that can (JPEG) decode straight to the smaller size.
        const double factor = std::sqrt(double(maximumPixels) / (double(size.width()) * size.height()));
        reader.setScaledSize(QSize(std::max(1, int(size.width() * factor)), std::max(1, int(size.height() * factor))));
    }
    QImage image = reader.read();
    if (image.isNull())
        throw ImageImportError(name, reader.errorString());
    return image;
}

} // namespace quorvane
