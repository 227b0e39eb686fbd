// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/portal_interfaces.h"

namespace quorvane {

// Answers whether this program may read the screen's pixels. X11 has no grant to ask
// for, so the answer is whether one pixel of the root window can actually be read.
class ScreenAccessProbe {
public:
    virtual ~ScreenAccessProbe() = default;
    // True when a pixel of the root window was read through the application's X connection.
    virtual bool canReadScreen();
    // True when the screen cannot be read because the desktop lacks the service that
    // reads it (a portal backend not installed), rather than because access was refused.
    virtual bool serviceMissing() { return false; }
};

// A Wayland session: the desktop portal asks the user itself when the screen is read, so
// the screen can be read wherever the portal offers screenshots at all.
class PortalScreenAccessProbe : public ScreenAccessProbe {
public:
    explicit PortalScreenAccessProbe(QDBusConnection bus = QDBusConnection::sessionBus());
    bool canReadScreen() override;
    bool serviceMissing() override { return !canReadScreen(); }

private:
    PortalInterfaces m_portal;
    // The last answer, so that a change is logged once rather than at every poll.
    std::optional<uint> m_logged;
    bool m_asked = false;
};

} // namespace quorvane
