// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/portal_request.h"
#include "platform/region_selector.h"

#include <QObject>

namespace quorvane {

// What a portal that gave no picture means for a capture: its refusal is accessDenied, its
// cancelled dialog dismissed, and a portal that is not there unreadable.
NoSelection noSelectionFor(const PortalError &error);

// The selection where the screen can only be read through the desktop portal: first a
// fresh picture of the desktop is taken, then `overlay` runs over it; a portal that gives
// no picture ends the selection as noSelectionFor() says.
class PortalRegionSelector : public QObject, public RegionSelector {
    Q_OBJECT
public:
    // `displays` cuts the monitors' pictures from the portal's; `overlay` selects over
    // what `displays` gives. Both must outlive the selector.
    PortalRegionSelector(DisplayList &displays, RegionSelector &overlay, QObject *parent = nullptr);

    // Always true: whether the picture can be had is only known later.
    bool select(const QList<DisplayInfo> &displays, Completion done) override;

private:
    DisplayList &m_displays;
    RegionSelector &m_overlay;
    bool m_waiting = false;
};

} // namespace quorvane
