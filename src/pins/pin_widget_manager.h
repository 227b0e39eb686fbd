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

    // Makes a history record the current pin, its thumbnail standing in for the image;
    // otherwise like pinCapture. False when the user declined to replace a pin with
    // unsaved edits, true once the record is pinned. A manager that never asks the user
    // may keep this default, which pins through pinCapture.
    virtual bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center);
};

} // namespace quorvane
