// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QWindow;

namespace quorvane {

// Whether a top-level window is listed in the desktop's taskbar and pager.
class TaskbarPresence {
public:
    virtual ~TaskbarPresence() = default;

    // Lists the shown `window` in the taskbar and pager, or keeps it out of them.
    virtual void setListed(QWindow *window, bool listed) = 0;

    // The X11 implementation on the xcb platform; one that does nothing elsewhere.
    static std::unique_ptr<TaskbarPresence> create();
};

// Asks the window manager through the EWMH state hints (_NET_WM_STATE_SKIP_TASKBAR,
// _NET_WM_STATE_SKIP_PAGER). Without a window manager nothing changes.
class X11TaskbarPresence : public TaskbarPresence {
public:
    void setListed(QWindow *window, bool listed) override;
};

} // namespace quorvane
