// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// Number of user-perceived characters (grapheme clusters) in `text`.
int graphemeCount(const QString &text);

// The first `count` grapheme clusters of `text` (all of it when it has fewer).
QString graphemePrefix(const QString &text, int count);

// `text` as a left-to-right run isolated from the text around it (Unicode LRI ... PDI), so
// that a key combination ("Super+,"), an address or a handle keeps its order inside a
// right-to-left sentence or menu.
QString leftToRightRun(const QString &text);

} // namespace quorvane
