// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace quorvane {

// Keeps a finished capture floating on the screen when the user asks for that.
class CapturePinner {
public:
    virtual ~CapturePinner() = default;

    // Pins `entry` with its captured `image`, centred on `center` or else on the mouse.
    virtual void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center) = 0;
};

} // namespace quorvane
