// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/motion_preference.h"

#include <QDBusConnection>

namespace quorvane {

// Reads the desktop's "enable-animations" setting through the XDG desktop portal's
// Settings interface. No portal, or no such setting: animations are allowed.
class PortalMotionPreference : public MotionPreference {
public:
    explicit PortalMotionPreference(QDBusConnection bus = QDBusConnection::sessionBus());

    bool reduceMotion() const override;

private:
    QDBusConnection m_bus;
};

} // namespace quorvane
