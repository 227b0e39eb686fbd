#pragma once

#include "core/capture_history_entry.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace quorvane {

// Keeps one capture floating on the screen. The capture workflows hand each new
// capture to it when the user asked for a pin after every capture.
class PinWidgetManager {
public:
    virtual ~PinWidgetManager();

    // Makes `entry` with its captured `image` the current pin, centred on `center` or,
    // when none is given, on the mouse; writes the pin's files and shows it. May ask the
    // user before replacing a pin with unsaved edits. Main thread; reports no failure.
    virtual void pinCapture(const CaptureHistoryEntry &entry, const QImage &image,
                            std::optional<QPoint> center) = 0;
};

} // namespace quorvane
