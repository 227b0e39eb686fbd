// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/font_glyphs.h"
#include "capture/tesseract_engine.h"

#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

// Reads one line of text in a small dark-on-light picture on its own: its words, each
// character with its box in the picture's pixels.
using LineReader = std::function<QList<RecognizedWord>(const QImage &line)>;

// Rebuilds program text shown in a monospaced font: every character sits in a column of
// the font's character pitch, so its column follows from its position, and the spaces
// inside a line come out as on screen, as does the indentation. The pitch and the grid's
// origin are estimated per text block from the engine's character boxes; `grey` is the
// dark-on-light image the engine read, in whose pixels the boxes are, the captured image
// scaled by `scale`.
//
// A token whose characters do not fill the cells its ink takes is read again by `reader`,
// when given; characters the engine confuses are told apart by `glyphs`, when given.
//
// None when a block has no two neighbouring characters to measure the pitch from, or its
// characters do not keep to one pitch (a proportional font).
std::optional<QString> layOutOnMonospaceGrid(const QList<RecognizedLine> &lines, const QImage &grey, double scale = 1.0,
                                             const LineReader &reader = {}, const FontGlyphs *glyphs = nullptr);

} // namespace quorvane
