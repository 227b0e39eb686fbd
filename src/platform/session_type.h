// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// The kind of graphical session the program runs in, which decides how it reads the
// screen and shows toasts.
enum class SessionType {
    // An X server: the program reads the root window, grabs keys and places its windows.
    x11,
    // A Wayland compositor: the screen is read through the desktop portal, and a window
    // cannot place itself.
    wayland,
};

// The session of the running application, from the platform Qt runs on ("wayland",
// "wayland-egl", …). Main thread, after the application object is made.
SessionType currentSessionType();

// Whether every window that comes up takes the keyboard in this session, as a Wayland
// compositor gives it each new window (X11's "do not take focus" hints have no counterpart
// there), unless the compositor can be told otherwise (sway, through its window rules).
// Main thread, after the application object is made.
bool newWindowsTakeTheKeyboard();

} // namespace quorvane
