// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frontmost_application.h"

#include <QByteArray>

#include <optional>

struct xcb_connection_t;

namespace quorvane {

// Reads the window manager's `_NET_ACTIVE_WINDOW` from the root window and names its
// application by `_GTK_APPLICATION_ID`, `_KDE_NET_WM_DESKTOP_FILE` or `WM_CLASS`, in
// that order.
class X11FrontmostApplication final : public FrontmostApplication {
public:
    // Asks through `connection` (the application's own by default); without one every
    // query answers absent.
    explicit X11FrontmostApplication(xcb_connection_t *connection = x11DefaultConnection());

    std::optional<QString> bundleIdentifier() const override;

private:
    static xcb_connection_t *x11DefaultConnection();

    quint32 atom(const char *name) const;
    std::optional<quint32> activeWindow() const;
    QByteArray property(quint32 window, quint32 property, quint32 type) const;

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
};

} // namespace quorvane
