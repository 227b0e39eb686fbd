// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/portal_interfaces.h"

#include <functional>

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
    // As canReadScreen, for a capture the user is waiting for: a service that is slow to
    // answer is waited for longer.
    virtual bool canReadScreenForCapture() { return canReadScreen(); }
    // True when the last question went unanswered: the service is there, or being
    // started, but said nothing in time.
    virtual bool serviceSilent() const { return false; }
};

// A Wayland session: the desktop portal asks the user itself when the screen is read, so
// the screen can be read wherever the portal offers screenshots at all.
class PortalScreenAccessProbe : public ScreenAccessProbe {
public:
    explicit PortalScreenAccessProbe(QDBusConnection bus = QDBusConnection::sessionBus());
    // How long a capture waits for the portal (its start on demand may take that long),
    // and after how long the user is told that it waits.
    static constexpr int kCapturePatienceMs = 30000;
    static constexpr int kWaitNoticeAfterMs = 1000;

    bool canReadScreen() override;
    bool serviceMissing() override { return !canReadScreen() && !m_silent; }
    bool canReadScreenForCapture() override;
    bool serviceSilent() const override { return m_silent; }

    // Told `true` when a capture has waited `kWaitNoticeAfterMs` for the portal, and
    // `false` once the wait is over.
    void setWaitNotice(std::function<void(bool waiting)> notice) { m_waitNotice = std::move(notice); }

private:
    bool ask(int timeoutMs);

    std::function<void(bool)> m_waitNotice;
    bool m_silent = false;
    PortalInterfaces m_portal;
    // The last answer, so that a change is logged once rather than at every poll.
    std::optional<uint> m_logged;
    bool m_asked = false;
};

} // namespace quorvane
