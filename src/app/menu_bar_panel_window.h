// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/menu_bar_panel_view.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace quorvane {

class MenuBarPanelDelegate;

// A floating, frameless panel holding a MenuBarPanelView, a richer form of the status
// menu. While shown it watches the program's events: a mouse press outside its frame, or
// the program losing the focus to another application, hides it; Escape hides it and goes
// no further. Both watches end whenever the panel is hidden, by any route.
class MenuBarPanelWindow : public QWidget {
    Q_OBJECT
public:
    explicit MenuBarPanelWindow(MenuBarPanelView::Actions actions, QWidget *parent = nullptr);
    ~MenuBarPanelWindow() override;

    MenuBarPanelView *hostingView() const { return m_hostingView; }

    // Shows the panel, gives it the focus and starts both watches (a repeat call replaces
    // the running ones).
    void makeKeyAndOrderFront();
    // Hides the panel and ends both watches.
    void orderOut();

    bool hasClickOutsideMonitor() const { return m_clickOutsideMonitor != nullptr; }
    bool hasEscapeKeyMonitor() const { return m_escapeKeyMonitor != nullptr; }

    MenuBarPanelDelegate *panelDelegate() const { return m_panelDelegate; }
    void setPanelDelegate(MenuBarPanelDelegate *delegate) { m_panelDelegate = delegate; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    class EventMonitor;
    void removeMonitors();

    MenuBarPanelView *m_hostingView;
    std::unique_ptr<EventMonitor> m_clickOutsideMonitor;
    std::unique_ptr<EventMonitor> m_escapeKeyMonitor;
    MenuBarPanelDelegate *m_panelDelegate = nullptr;
};

} // namespace quorvane
