#pragma once

#include "core/capture_history_entry.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace quorvane {

// Keeps one capture floating on the screen. The capture workflows hand each new
// capture to it when the user asked for a pin after every capture; the history's detail
// pane hands it a stored record.
class PinWidgetManager {
public:
    virtual ~PinWidgetManager();

    // Makes `entry` with its captured `image` the current pin, centred on `center` or,
    // when none is given, on the mouse; writes the pin's files and shows it. May ask the
    // user before replacing a pin with unsaved edits. Main thread; reports no failure.
    virtual void pinCapture(const CaptureHistoryEntry &entry, const QImage &image,
                            std::optional<QPoint> center) = 0;

    // Like pinCapture, with the record's thumbnail as the pin's picture. False when the user
    // declines to replace a pin with unsaved edits, true once the record is pinned.
    virtual bool pinHistoryEntry(const CaptureHistoryEntry &entry, std::optional<QPoint> center) = 0;
};

} // namespace quorvane
