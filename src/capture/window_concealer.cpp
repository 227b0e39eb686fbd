#include "capture/window_concealer.h"

namespace quorvane {

WindowConcealer::WindowConcealer(ScreenRedraws &redraws, ConcealedWindows::Selection select)
    : m_redraws(redraws)
    , m_select(select ? std::move(select) : [](const QWidget &) { return true; })
{
}

std::unique_ptr<ConcealedWindows> WindowConcealer::windowsOver(const QRect &area) const
{
    return std::make_unique<ConcealedWindows>(area, m_select, m_redraws);
}

} // namespace quorvane
