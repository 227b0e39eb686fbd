// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/window_concealer.h"

namespace quorvane {

WindowConcealer::WindowConcealer(ScreenRedraws &redraws, ConcealedWindows::Selection select, Placement placement,
                                 ConcealedWindows::SeeThrough seeThrough)
    : m_redraws(redraws)
    , m_select(select ? std::move(select) : [](const QWidget &) { return true; })
    , m_placement(placement)
    , m_seeThrough(std::move(seeThrough))
{
}

std::unique_ptr<ConcealedWindows> WindowConcealer::windowsOver(const QRect &area) const
{
    if (m_placement == Placement::byThemselves)
        return std::make_unique<ConcealedWindows>(area, m_select, m_redraws);
    // Reaches every window Qt may report, wherever that is.
    constexpr int reach = 1 << 24;
    return std::make_unique<ConcealedWindows>(QRect(-reach, -reach, 2 * reach, 2 * reach), m_select, m_redraws,
                                              m_seeThrough);
}

} // namespace quorvane
