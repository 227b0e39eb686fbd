// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// Guesses which recognition language a text's words are in, from the runs of letters each
// language favours (CLD2's character n-grams). A language's words keep those runs when the
// engine of another language of the same script reads them without their accents: French
// read by the English engine is still French. Word lists cannot tell that, as the names,
// commands and abbreviations of technical text are in none of them either.
class LanguageGuess {
public:
    // `likely`: the data name of the language text is most likely in (the locale's); the
    // guess leans towards it, as a person reading the screen would.
    explicit LanguageGuess(const QString &likely);

    // The data name of the recognition language most of `words` are surely in, or empty
    // when they do not tell: too few of them, no language has most of them surely, or the
    // language is none the program recognises. A word said again counts once: a command's
    // name said thrice is one word of evidence.
    QString of(const QStringList &words) const;

private:
    int m_likely;  // CLD2's number of the language
};

} // namespace quorvane
