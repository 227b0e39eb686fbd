#pragma once

class QWidget;

namespace quorvane {

// Puts `window` in the middle of the usable area of the screen under the mouse (the
// primary screen when the mouse is on none).
void centerOnScreen(QWidget &window);

// Shows `window` (restored when minimised), raises it and gives it the focus. The program
// lives in the status area and is not otherwise the active application, so a window it
// opens from the menu, a hotkey or a toast asks for the focus itself.
void bringToFront(QWidget &window);

} // namespace quorvane
