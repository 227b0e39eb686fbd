// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <array>

namespace quorvane {

// `image` as 8-bit grey, its transparent parts laid on white: a code or text with a
// transparent background then reads dark on light instead of vanishing into black.
QImage greyOnWhite(const QImage &image);

// How many pixels of an 8-bit grey image have each level.
using GreyHistogram = std::array<qint64, 256>;

// Counts the levels of `grey`'s pixels within `area` into `histogram`.
void addToHistogram(GreyHistogram &histogram, const QImage &grey, const QRect &area);

// The grey level below which `fraction` of the counted pixels lie.
int percentile(const GreyHistogram &histogram, double fraction);

} // namespace quorvane
