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

// A Wayland session: the desktop portal asks the user itself when the screen is read, so
// there is nothing to check beforehand; its refusal arrives as the capture's own error.
class PortalScreenAccessProbe : public ScreenAccessProbe {
public:
    bool canReadScreen() override { return true; }
};

} // namespace quorvane
