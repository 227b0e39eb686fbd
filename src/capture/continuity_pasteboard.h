#pragma once

#include <QImage>
#include <QMimeData>
#include <QStringList>

namespace quorvane {

// The readers of imported images share these: the image types this machine can decode
// and the two ways of taking an image from an offered pasteboard.
namespace continuity {

// Every image MIME type the installed image readers decode, in their order.
QStringList imageTypes();
// The pasteboard's image as a whole (what the offering side put there as an image);
// null when there is none.
QImage imageFromPasteboard(const QMimeData &pasteboard);
// The pasteboard's data for `type` decoded as an image; null when absent or undecodable.
QImage imageFromData(const QMimeData &pasteboard, const QString &type);

} // namespace continuity
} // namespace quorvane
