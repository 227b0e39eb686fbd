#pragma once

namespace quorvane {

// Answers whether this program may read the screen's pixels. X11 has no grant to ask
// for, so the answer is whether one pixel of the root window can actually be read.
class ScreenAccessProbe {
public:
    virtual ~ScreenAccessProbe() = default;
    // True when a pixel of the root window was read through the application's X connection.
    virtual bool canReadScreen();
};

} // namespace quorvane
