#include "capture/continuity_wrapper_controller.h"

#include "capture/continuity_pasteboard.h"

namespace quorvane {

ContinuityWrapperController::ContinuityWrapperController(QObject *parent) : QObject(parent) {}

QObject *ContinuityWrapperController::validRequestor(const std::optional<QString> &,
                                                     const std::optional<QString> &returnType)
{
    if (returnType && continuity::imageTypes().contains(*returnType))
        return this;
    return nullptr;
}

bool ContinuityWrapperController::readSelection(const QMimeData &pasteboard)
{
    QImage image;
    for (const QString &type : {QStringLiteral("image/png"), QStringLiteral("image/jpeg"), QStringLiteral("application/pdf")}) {
        image = continuity::imageFromData(pasteboard, type);
        if (!image.isNull())
            break;
    }
    if (image.isNull())
        image = continuity::imageFromPasteboard(pasteboard);
    if (image.isNull())
        return false;
    if (ContinuityDelegate *receiver = m_delegate.get())
        receiver->didReceiveImage(image);
    return true;
}

} // namespace quorvane
