// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/concealed_windows.h"

#include <memory>

namespace quorvane {

class ScreenRedraws;

// Finds this program's own windows over a part of the screen, to take them off it while it
// is read, so the read shows what lies beneath them. Main thread only.
class WindowConcealer {
public:
    // Who decides where the program's windows lie.
    enum class Placement {
        byThemselves,    // X11: a window is where Qt reports it
        byTheCompositor, // Wayland: Qt reports only what was asked for, so any may be anywhere
    };

    // `redraws` (which must outlive the concealer) tells when the screen beneath hidden
    // windows has been drawn again; `select` picks the windows to hide, by default every
    // visible top-level window of the program.
    // `seeThrough`, where given, is how the compositor takes the windows out of the picture
    // instead of hiding them.
    explicit WindowConcealer(ScreenRedraws &redraws, ConcealedWindows::Selection select = {},
                             Placement placement = Placement::byThemselves,
                             ConcealedWindows::SeeThrough seeThrough = {});

    // The windows over `area` (Qt's global logical coordinates), none hidden yet; every
    // window where the compositor places them.
    std::unique_ptr<ConcealedWindows> windowsOver(const QRect &area) const;

private:
    ScreenRedraws &m_redraws;
    ConcealedWindows::Selection m_select;
    Placement m_placement;
    ConcealedWindows::SeeThrough m_seeThrough;
};

} // namespace quorvane
