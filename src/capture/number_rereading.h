// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/tesseract_engine.h"

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace quorvane {

// Reads the digits and separators of a small dark-on-light image holding one number, or
// returns what it read when it is not sure; empty when it read nothing.
using DigitReader = std::function<QString(const QImage &number)>;

// Without a dictionary the engine reads a number's digits among the letters around them
// and now and then takes a zero for another digit ("2025-11-04" as "2025-11-64") or for a
// sign ("0.08" as "©.08"). A number of the lines (digits with ".", ",", ":", "-", "/" or
// "x" between them, standing apart from any identifier) with such a doubtful character is
// read again from `grey`, the image the engine read, by a reader that knows nothing but
// digits and those separators. The second reading counts only when it keeps the number's
// shape: as many characters, each separator where it was and a digit wherever the first
// reading had one; it then gives the signs their digits and the doubtful digits a zero.
void rereadNumbers(QList<RecognizedLine> &lines, const QImage &grey, const DigitReader &reader);

} // namespace quorvane
