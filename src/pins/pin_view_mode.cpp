// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_view_mode.h"

namespace quorvane {

QString rawValue(PinViewMode mode)
{
    switch (mode) {
    case PinViewMode::image: return QStringLiteral("image");
    case PinViewMode::text: return QStringLiteral("text");
    }
    return {};
}

std::optional<PinViewMode> pinViewModeFromRawValue(const QString &raw)
{
    for (PinViewMode mode : {PinViewMode::image, PinViewMode::text}) {
        if (rawValue(mode) == raw)
            return mode;
    }
    return std::nullopt;
}

} // namespace quorvane
