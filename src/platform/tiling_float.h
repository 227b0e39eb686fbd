// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvane {

// Has a tiling Wayland compositor float `window`, as a panel, menu or dialog of a tray
// program should be, instead of tiling it beside the user's windows. Such compositors
// (sway) float a window whose size is fixed when it first appears, so in a Wayland session
// its size is fixed until it has been drawn once and its own limits come back right
// after: it can still be resized. Elsewhere nothing changes. Call before showing it.
void floatWhenShown(QWidget &window);

} // namespace quorvane
