#pragma once

class QWidget;

namespace quorvane {

enum class WindowPlacement { asItIs, centred };

// Shows `window` and asks for the focus. The program lives in the status area and is not
// otherwise the active application, so a window it opens from the menu, a shortcut or a
// toast must ask itself. `centred` places it in the middle of the usable area of the screen
// under the mouse (else the primary screen); a minimised window is restored.
void presentWindow(QWidget &window, WindowPlacement placement);

} // namespace quorvane
