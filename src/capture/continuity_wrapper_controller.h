// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/continuity_delegate.h"

#include <QMimeData>

namespace quorvane {

// Reads the image an import source offers (the clipboard, a chosen file) and passes it to
// its delegate, which outlives it.
class ContinuityWrapperController {
public:
    explicit ContinuityWrapperController(ContinuityDelegate &delegate);

    // Prefers PNG, then JPEG data, then the image as a whole. True once an image was read
    // and passed on; false when the offer holds no image that decodes.
    bool readSelection(const QMimeData &pasteboard);

private:
    ContinuityDelegate &m_delegate;
};

} // namespace quorvane
