// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_region_selector.h"

namespace quorvane {

NoSelection noSelectionFor(const PortalError &error)
{
    switch (error.kind()) {
    case PortalError::Kind::cancelled:
        return NoSelection::dismissed;
    case PortalError::Kind::denied:
        return NoSelection::accessDenied;
    case PortalError::Kind::missing:
        return NoSelection::noPortal;
    case PortalError::Kind::unavailable:
        break;
    }
    return NoSelection::unreadable;
}

PortalRegionSelector::PortalRegionSelector(DisplayList &displays, RegionSelector &overlay, QObject *parent)
    : QObject(parent)
    , m_displays(displays)
    , m_overlay(overlay)
{
}

bool PortalRegionSelector::select(const QList<DisplayInfo> &displays, Completion done)
{
    // Like the overlay, a request while one runs is dismissed at once.
    if (m_waiting) {
        done(NoSelection::dismissed);
        return true;
    }
    m_waiting = true;
    auto finish = std::make_shared<Completion>(std::move(done));
    m_displays.refresh()
        .then(this, [this, displays, finish] {
            m_waiting = false;
            if (!m_overlay.select(displays, *finish))
                (*finish)(NoSelection::unreadable);
        })
        .onFailed(this, [this, finish](const PortalError &error) {
            m_waiting = false;
            (*finish)(noSelectionFor(error));
        })
        .onFailed(this, [this, finish] {
            m_waiting = false;
            (*finish)(NoSelection::unreadable);
        });
    return true;
}

} // namespace quorvane
