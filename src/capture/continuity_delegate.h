// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quorvane {

// Receives an image brought in from outside the screen (an image file, an image on the
// clipboard).
class ContinuityDelegate {
public:
    virtual ~ContinuityDelegate() = default;
    // Called on the main thread with the imported image.
    virtual void didReceiveImage(const QImage &image) = 0;
};

} // namespace quorvane
