// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway_window_opacity.h"

#include <QCoreApplication>

namespace quorvane {

SwayWindowOpacity::SwayWindowOpacity(SwayIpc sway) : m_sway(std::move(sway)) {}

std::unique_ptr<SwayWindowOpacity> SwayWindowOpacity::fromEnvironment()
{
    std::optional<SwayIpc> sway = SwayIpc::fromEnvironment();
    if (!sway)
        return nullptr;
    return std::make_unique<SwayWindowOpacity>(*std::move(sway));
}

bool SwayWindowOpacity::setOpacity(double opacity) const
{
    return m_sway.run(QStringLiteral("[pid=%1] opacity %2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(opacity, 0, 'f', 2));
}

} // namespace quorvane
