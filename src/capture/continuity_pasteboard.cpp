#include "capture/continuity_pasteboard.h"

#include <QImageReader>

namespace quorvane::continuity {

QStringList imageTypes()
{
    QStringList types;
    for (const QByteArray &type : QImageReader::supportedMimeTypes())
        types.append(QString::fromLatin1(type));
    return types;
}

QImage imageFromPasteboard(const QMimeData &pasteboard)
{
    if (!pasteboard.hasImage())
        return {};
    return qvariant_cast<QImage>(pasteboard.imageData());
}

QImage imageFromData(const QMimeData &pasteboard, const QString &type)
{
    if (!pasteboard.hasFormat(type))
        return {};
    return QImage::fromData(pasteboard.data(type));
}

} // namespace quorvane::continuity
