// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPolygonF>

#include <optional>

namespace quorvane {

// The four corners of the largest patch of ink in `grey` (8-bit grey, dark on light) that
// light surrounds, such as a 2D code on a label photographed at an angle: the corners of
// the patch's convex hull that span the largest quadrilateral, in order around it. None
// when there is no patch of a tenth of the image's shorter side or more. Dark ground around
// the light (the table under the label) is not ink.
std::optional<QPolygonF> inkOutline(const QImage &grey);

} // namespace quorvane
