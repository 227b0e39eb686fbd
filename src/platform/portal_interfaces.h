// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QFuture>
#include <QString>

#include <optional>

namespace quorvane {

// Which interfaces the desktop portal offers, and in which version. xdg-desktop-portal
// exports an interface only where a backend for the running desktop implements it (1.16
// exports Screenshot only where some backend also implements Access), so a portal that
// runs may still lack the one we need.
class PortalInterfaces {
public:
    static const QString screenshot;      // "org.freedesktop.portal.Screenshot"
    static const QString globalShortcuts; // "org.freedesktop.portal.GlobalShortcuts"

    explicit PortalInterfaces(QDBusConnection bus = QDBusConnection::sessionBus());

    // The interface's `version` property, asked now; none when no portal runs or it lacks
    // the interface, or it gave no answer within `timeoutMs`. Turns the event loop while
    // it waits, so that a portal served by this process can answer.
    // `silent`, when given, is set to whether the portal gave no answer at all (one that is
    // still starting, or hangs), rather than answering that it lacks the interface.
    std::optional<uint> version(const QString &interface, int timeoutMs = 2000, bool *silent = nullptr) const;
    // The same without waiting; fails with PortalError: `missing` when the portal or the
    // interface is not there, `unavailable` when the portal did not answer.
    QFuture<uint> versionLater(const QString &interface) const;

private:
    QDBusConnection m_bus;
};

// The Debian packages that give the running desktop (XDG_CURRENT_DESKTOP, e.g. "sway",
// "KDE", "ubuntu:GNOME") a Screenshot portal, separated by ", ".
QString screenshotPortalPackages(const QString &currentDesktop);

} // namespace quorvane
