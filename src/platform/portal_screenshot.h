// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QFuture>
#include <QImage>

namespace quorvane {

// The screen as org.freedesktop.portal.Screenshot gives it, where a window may not read
// other windows' pixels itself (a Wayland session). The portal may ask the user for
// permission with a dialog of its own the first time.
class PortalScreenshot {
public:
    explicit PortalScreenshot(QDBusConnection bus = QDBusConnection::sessionBus());

    // One picture of the whole desktop at full resolution. The portal's file is read and
    // then removed: it is only the carrier of the picture, and the user did not ask for a
    // screenshot to be kept. Fails with PortalError (missing, unavailable, cancelled, denied).
    QFuture<QImage> take() const;

private:
    QDBusConnection m_bus;
};

} // namespace quorvane
