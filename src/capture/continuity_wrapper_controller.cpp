// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/continuity_wrapper_controller.h"

namespace quorvane {

ContinuityWrapperController::ContinuityWrapperController(ContinuityDelegate &delegate) : m_delegate(delegate) {}

bool ContinuityWrapperController::readSelection(const QMimeData &pasteboard)
{
    QImage image;
    // The encoded data first: it is what the offering program made, without a conversion.
    for (const QString &type : {QStringLiteral("image/png"), QStringLiteral("image/jpeg")}) {
        if (pasteboard.hasFormat(type))
            image = QImage::fromData(pasteboard.data(type));
        if (!image.isNull())
            break;
    }
    if (image.isNull() && pasteboard.hasImage())
        image = qvariant_cast<QImage>(pasteboard.imageData());
    if (image.isNull())
        return false;
    m_delegate.didReceiveImage(image);
    return true;
}

} // namespace quorvane
