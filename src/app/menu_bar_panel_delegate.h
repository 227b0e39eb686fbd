// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

class MenuBarPanelWindow;

// What an owner of the menu-bar panel may learn about it. The panel keeps a reference
// to one but does not call it yet.
class MenuBarPanelDelegate {
public:
    virtual ~MenuBarPanelDelegate() = default;
    virtual void menuBarPanelDidShow(MenuBarPanelWindow &panel) = 0;
    virtual void menuBarPanelDidHide(MenuBarPanelWindow &panel) = 0;
};

} // namespace quorvane
