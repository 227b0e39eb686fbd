#pragma once

#include <QString>

namespace quorvane {

// Number of user-perceived characters (grapheme clusters) in `text`.
int graphemeCount(const QString &text);

// The first `count` grapheme clusters of `text` (all of it when it has fewer).
QString graphemePrefix(const QString &text, int count);

} // namespace quorvane
