// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace quorvane {

enum class WindowPlacement { asItIs, centred };

// Shows `window` and asks for the focus. The program lives in the status area and is not
// otherwise the active application, so a window it opens from the menu, a shortcut or a
// toast must ask itself. `centred` places it in the middle of the usable area of the screen
// under the mouse (else the primary screen); a minimised window is restored.
void presentWindow(QWidget &window, WindowPlacement placement);

// The token the desktop gave the command that asked for the next window (Wayland's
// xdg-activation): the next window that asks for the focus hands it to the compositor,
// which then brings that window forward instead of only marking it as wanting attention.
void useActivationToken(const QString &token);

} // namespace quorvane
