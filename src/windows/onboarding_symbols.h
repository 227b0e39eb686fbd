// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>

namespace quorvane {

// The small one-colour pictograms of the onboarding and help windows: the desktop icon
// theme's symbols where it has them, so they match the rest of the desktop; drawn here
// where it has not (a bare X session has no theme).
enum class Symbol {
    shieldChecked,   // a chequered shield
    videoCircle,     // a camera in a filled circle
    keyboard,        // a keyboard
    checkmarkCircle, // a tick in a filled circle
    envelopeCircle,  // a letter in a filled circle
    envelope,        // a filled letter
    copy,            // two stacked sheets
    externalLink,    // an arrow leaving a square
    globe,           // a globe with a meridian and the equator
    padlock,         // a closed padlock
};

// `symbol` drawn in `colour` on a transparent square of `size` logical pixels, sharp on a
// screen of `devicePixelRatio`.
QPixmap symbolPixmap(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio = 1.0);

} // namespace quorvane
