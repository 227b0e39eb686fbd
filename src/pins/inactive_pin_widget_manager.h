#pragma once

#include "pins/pin_widget_manager.h"

namespace quorvane {

// A pin manager that pins nothing: a capture handed to it is not pinned, the diagnostics
// say so, and no stored pin is brought back.
class InactivePinWidgetManager : public PinWidgetManager {
public:
    void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center) override;
    // Always false: nothing gets pinned.
    bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center) override;
    void restorePin() override {}
};

} // namespace quorvane
