#include "pins/pin_widget_manager.h"

namespace quorvane {

// Out of line so the interface's type information lives in one object file.
PinWidgetManager::~PinWidgetManager() = default;

bool PinWidgetManager::pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center)
{
    pinCapture(entry, QImage::fromData(entry.thumbnailData), center);
    return true;
}

} // namespace quorvane
