// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

namespace quorvane::pin_style {

// Colours of the pin's views, taken from the widget's palette so they follow the theme.

// Labels of lesser weight: the window text at reduced strength.
inline QColor secondary(const QPalette &palette)
{
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.55f);
    return color;
}

// Highlighted labels.
inline QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

// The neutral grey behind the toolbar's buttons.
inline QColor systemGray(float alpha)
{
    QColor color(142, 142, 147);
    color.setAlphaF(alpha);
    return color;
}

// A colour at `alpha` times its own strength.
inline QColor faded(QColor color, float alpha)
{
    color.setAlphaF(color.alphaF() * alpha);
    return color;
}

} // namespace quorvane::pin_style
