// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QStyle>

namespace quorvane {

// The first of `themeNames` the desktop's icon theme has (its "-symbolic" variant first),
// or the Qt style's `fallback` where the theme has none (plain X sessions have no theme).
QIcon themeIcon(const QStringList &themeNames, QStyle::StandardPixmap fallback);

// The "-symbolic" icon of the first of `themeNames` the desktop's icon theme has, in
// `colour` like text, `size` logical pixels square at `devicePixelRatio`; a null pixmap
// where the theme has none of them, for the caller to draw its own.
QPixmap themeSymbolPixmap(const QStringList &themeNames, int size, const QColor &colour, qreal devicePixelRatio = 1.0);

} // namespace quorvane
