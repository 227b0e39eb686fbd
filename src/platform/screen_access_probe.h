#pragma once

namespace quorvane {

// Tells whether this process may read the screen's pixels. X11 has no grant to ask for:
// reading succeeds or it does not, so the probe reads one pixel of the root window.
class ScreenAccessProbe {
public:
    virtual ~ScreenAccessProbe() = default;

    // True when one root-window pixel can be read back right now. Never prompts. Main thread.
    virtual bool canReadScreen();
};

} // namespace quorvane
