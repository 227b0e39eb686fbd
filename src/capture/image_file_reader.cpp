#include "capture/image_file_reader.h"

#include "capture/image_import_error.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace quorvane {

QString ImageFileReader::fileFilter(const QString &name)
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    patterns.removeDuplicates();
    patterns.sort();
    return name + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QImage ImageFileReader::read(const QString &path)
{
    if (QImageReader::allocationLimit() < allocationLimitMiB)
        QImageReader::setAllocationLimit(allocationLimitMiB);

    QImageReader reader(path);
    reader.setAutoTransform(true); // photos carry their orientation in EXIF
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maximumPixels) {
        // Handlers that can (JPEG) decode straight to the smaller size.
        const double factor = std::sqrt(double(maximumPixels) / (double(size.width()) * size.height()));
        reader.setScaledSize(QSize(std::max(1, int(size.width() * factor)), std::max(1, int(size.height() * factor))));
    }
    QImage image = reader.read();
    if (image.isNull())
        throw ImageImportError(QFileInfo(path).fileName(), reader.errorString());
    return image;
}

} // namespace quorvane
