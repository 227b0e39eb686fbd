#pragma once

#include "pins/pin_widget_manager.h"

namespace quorvane {

// The pin manager of a build without pin widgets: a capture handed to it is not pinned,
// and the diagnostics say so.
class InactivePinWidgetManager : public PinWidgetManager {
public:
    void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center) override;
    // Always false: nothing gets pinned.
    bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center) override;
};

} // namespace quorvane
