// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/session_type.h"

#include "platform/sway_window_rules.h"

#include <QGuiApplication>

namespace quorvane {

SessionType currentSessionType()
{
    // What counts is the connection Qt actually made: under XWayland (QT_QPA_PLATFORM=xcb
    // in a Wayland session) the program is an X client and its X11 facilities work.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? SessionType::wayland
                                                                                  : SessionType::x11;
}

bool newWindowsTakeTheKeyboard()
{
    return currentSessionType() == SessionType::wayland && !SwayWindowRules::session();
}

} // namespace quorvane
