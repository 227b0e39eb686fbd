#include "capture/continuity_bridge_view.h"

#include "capture/continuity_pasteboard.h"

#include <algorithm>

namespace quorvane {

ContinuityBridgeView::ContinuityBridgeView(QWidget *parent) : QWidget(parent)
{
    setGeometry(0, 0, 100, 100);
    setFocusPolicy(Qt::StrongFocus); // it must be able to take the focus to be asked
}

QObject *ContinuityBridgeView::validRequestor(const std::optional<QString> &sendType,
                                              const std::optional<QString> &returnType)
{
    if (!sendType && returnType && continuity::imageTypes().contains(*returnType))
        return this;
    return nullptr; // nothing further up answers for a plain view
}

bool ContinuityBridgeView::readSelection(const QMimeData &pasteboard)
{
    if (const QImage image = continuity::imageFromPasteboard(pasteboard); !image.isNull()) {
        deliver(image);
        return true;
    }
    const QStringList types = continuity::imageTypes();
    const bool offersImageData =
        std::any_of(types.begin(), types.end(), [&](const QString &type) { return pasteboard.hasFormat(type); });
    if (!offersImageData)
        return false;
    for (const QString &type : types) {
        if (const QImage image = continuity::imageFromData(pasteboard, type); !image.isNull()) {
            deliver(image);
            return true;
        }
    }
    return false;
}

bool ContinuityBridgeView::writeSelection(QMimeData &, const QStringList &)
{
    return false;
}

void ContinuityBridgeView::deliver(const QImage &image)
{
    if (ContinuityDelegate *receiver = m_delegate.get())
        receiver->didReceiveImage(image);
}

} // namespace quorvane
