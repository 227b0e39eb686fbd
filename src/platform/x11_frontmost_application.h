#pragma once

#include "platform/frontmost_application.h"

#include <QByteArray>

#include <optional>

struct xcb_connection_t;

namespace quorvane {

// Reads the window manager's `_NET_ACTIVE_WINDOW` from the root window and names its
// application by `_GTK_APPLICATION_ID`, `_KDE_NET_WM_DESKTOP_FILE` or `WM_CLASS`, in
// that order. Holds its own X connection, so it works whatever Qt platform is active.
class X11FrontmostApplication final : public FrontmostApplication {
public:
    // Connects to `displayName` (the DISPLAY variable when empty). Without a reachable
    // X server every query answers absent.
    explicit X11FrontmostApplication(const QByteArray &displayName = {});
    ~X11FrontmostApplication() override;

    X11FrontmostApplication(const X11FrontmostApplication &) = delete;
    X11FrontmostApplication &operator=(const X11FrontmostApplication &) = delete;

    std::optional<QString> bundleIdentifier() const override;

private:
    quint32 atom(const char *name) const;
    std::optional<quint32> activeWindow() const;
    QByteArray property(quint32 window, quint32 property, quint32 type) const;

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
};

} // namespace quorvane
