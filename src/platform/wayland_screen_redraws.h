// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/screen_redraws.h"

#include <QObject>

namespace quorvane {

// A Wayland compositor draws the screen and tells no client what it drew. What the program
// can know is that its own requests, such as taking its windows off the screen, have been
// sent to the compositor: Qt sends what it queued when the event loop is about to wait. A
// picture the desktop portal is asked for after that comes from a frame the compositor
// draws after it received the request, so it no longer shows those windows. But a tiling
// compositor also hands the freed space to other programs' windows, which must draw
// themselves at their new size first, and no client can see when they have: sway waits
// 200 ms at most for them before it shows the new layout. So each wait ends `settle` after
// the requests were sent, or at `bound` should the event loop never wait.
class WaylandScreenRedraws : public QObject, public ScreenRedraws {
public:
    static constexpr std::chrono::milliseconds settle{250};

    using QObject::QObject;

    QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds bound) override;
};

} // namespace quorvane
