// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

namespace quorvane {

// One recognised box: its bounds normalised to the image (0...1 on both axes, origin at
// the lower left, y growing upward) and its best text, if the engine had one.
struct TextObservation {
    QRectF boundingBox;
    std::optional<QString> topCandidate;
};

// Rebuilds program text from word boxes: groups them into lines top to bottom, orders
// each line left to right, and turns indentation and gaps into spaces measured in the
// mean character width.
QString extractTextWithIndentation(const QList<TextObservation> &observations);

} // namespace quorvane
