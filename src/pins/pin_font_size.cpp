// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_font_size.h"

namespace quorvane {

QString rawValue(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small: return QStringLiteral("small");
    case PinFontSize::medium: return QStringLiteral("medium");
    case PinFontSize::large: return QStringLiteral("large");
    }
    return {};
}

std::optional<PinFontSize> pinFontSizeFromRawValue(const QString &raw)
{
    for (PinFontSize size : kAllPinFontSizes) {
        if (rawValue(size) == raw)
            return size;
    }
    return std::nullopt;
}

int pointSize(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small: return 12;
    case PinFontSize::medium: return 14;
    case PinFontSize::large: return 18;
    }
    return 14;
}

PinFontSize nextFontSize(PinFontSize size)
{
    switch (size) {
    case PinFontSize::small: return PinFontSize::medium;
    case PinFontSize::medium: return PinFontSize::large;
    case PinFontSize::large: return PinFontSize::small;
    }
    return PinFontSize::medium;
}

} // namespace quorvane
