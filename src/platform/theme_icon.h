// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QStringList>
#include <QStyle>

namespace quorvane {

// The first of `themeNames` the desktop's icon theme has (its "-symbolic" variant first),
// or the Qt style's `fallback` where the theme has none (plain X sessions have no theme).
QIcon themeIcon(const QStringList &themeNames, QStyle::StandardPixmap fallback);

} // namespace quorvane
