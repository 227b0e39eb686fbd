// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/tesseract_engine.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace quorvane {

// Rebuilds program text shown in a monospaced font: every character sits in a column of
// the font's character pitch, so its column follows from its position, and the spaces
// inside a line come out as on screen, as does the indentation. The pitch and the grid's
// origin are estimated per text block from the engine's character boxes; `grey` is the
// dark-on-light image the engine read, in whose pixels the boxes are, the captured image
// scaled by `scale`.
//
// None when a block has no two neighbouring characters to measure the pitch from, or its
// characters do not keep to one pitch (a proportional font).
std::optional<QString> layOutOnMonospaceGrid(const QList<RecognizedLine> &lines, const QImage &grey, double scale = 1.0);

} // namespace quorvane
