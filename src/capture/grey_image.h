// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quorvane {

// `image` as 8-bit grey, its transparent parts laid on white: a code or text with a
// transparent background then reads dark on light instead of vanishing into black.
QImage greyOnWhite(const QImage &image);

} // namespace quorvane
