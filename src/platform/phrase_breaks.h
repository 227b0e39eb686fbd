// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// `text` in the interface language `languageCode`, ready to be wrapped by Qt: where the
// language allows a line to break at fewer places than Qt's general rules, the places it
// does not allow are joined with WORD JOINER (U+2060), which draws nothing, or made
// no-break spaces.
//
// Japanese is written without spaces, and the general rules break it between almost any two
// characters, in the middle of a word ("キャプ" / "チャ"); lines break between its
// phrases instead. Chinese may break between any two characters and Thai between words,
// which Qt's rules already do. Other languages come back unchanged.
QString withLanguageLineBreaks(const QString &text, const QString &languageCode);

// The same in the interface language now in use.
QString withInterfaceLineBreaks(const QString &text);

// `text` without the joiners the functions above add, as it reads (no-break spaces stay).
QString withoutLineBreakJoiners(QString text);

} // namespace quorvane
