// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sway_ipc.h"

#include <memory>

namespace quorvane {

// This program's windows made see-through and opaque again by sway. A window a Wayland
// program hides and shows again is a new one to the compositor, which tiles or places it
// anew; one that sway draws see-through keeps its place, its size, its floating and the
// keyboard.
class SwayWindowOpacity {
public:
    explicit SwayWindowOpacity(SwayIpc sway);

    // Where the session is sway's (SWAYSOCK is set); nothing elsewhere.
    static std::unique_ptr<SwayWindowOpacity> fromEnvironment();

    // Draws every window of this process at `opacity` (0 to 1). False when sway did not
    // take the command.
    bool setOpacity(double opacity) const;

private:
    SwayIpc m_sway;
};

} // namespace quorvane
