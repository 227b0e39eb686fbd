// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

namespace quorvane {

// Keeps the one About window: a small fixed-size window above ordinary windows, with a
// close button only. Main thread only.
class AboutWindowController {
public:
    AboutWindowController() = delete;

    // Brings the About window to the front and gives it the focus. A window on screen is
    // reused; otherwise a new one is built, centred on the screen, and the closed one
    // (if any) is released.
    static void show();
    // The window built by the last `show`; null before the first.
    static QWidget *window();

private:
    static QPointer<QWidget> s_window;
};

} // namespace quorvane
