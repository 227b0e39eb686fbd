// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/language_guess.h"
#include "capture/tesseract_engine.h"

#include <QFuture>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>

namespace quorvane {

// Chooses the recognition languages for text whose language the user left to the program.
// Text in the locale's languages is read once, as before: read surely, or fairly well with
// nearly every word in their word lists, or fairly well with words that show no other
// language (LanguageGuess): technical text has names, commands and codes in no word list,
// in any language. Otherwise the candidate languages
// are ranked on a small part of the text and the best reads it whole (its near neighbours
// too, when it reads the text less than surely, and the best of another script when that
// ranked near it); the reading with the highest mean word confidence wins. Text whose
// words are another language's of the locale's script has the installed languages of that
// script for candidates, ranked on a strip of the words the locale's languages were least
// sure of; text they read poorly is ranked by the languages of every other script on a
// piece of its widest line. Whether text is in
// another script is told while the locale's languages still read it, so that such text
// need not wait for their reading; a language that reads the piece well reads the text
// whole while the rest of the ranking ends, which almost always confirms it. Where the
// text blocks of an image differ (one in the locale's language or script, another not),
// each kind of block is chosen for on its own. Text in the language the last search chose
// is read by that language first, and needs no search when it reads as its own.
class AutomaticLanguage {
public:
    // The engines it reads with, kept loaded between readings: loading one takes longer
    // than reading with it. Used by one thread at a time.
    class Engines {
    public:
        virtual ~Engines() = default;
        // The engine of the data names, loaded first if need be. Throws what loading throws.
        virtual TesseractEngine &engine(const QStringList &dataNames) = 0;
        // Loads the engines of those of `dataNames` not loaded yet, side by side.
        virtual void load(const QList<QStringList> &dataNames) = 0;
        // A second engine of a loaded one, to read two halves of a text side by side, or
        // null while there is none. Never waits for loading one.
        virtual TesseractEngine *twin(const QStringList &dataNames) = 0;
        // Done with a candidate's engine for this reading: it may go (unless it is one the
        // user reads in), and loads again when next asked for.
        virtual void release(const QStringList &dataNames) = 0;
        // A search starts loading candidates: the twins go.
        virtual void releaseTwins() = 0;
    };

    // What is chosen: the script only (for program text, whose words are not a language's
    // words), or the script and the language within it.
    enum class Choice { script, language };

    struct Reading {
        QList<RecognizedLine> lines;
        QList<QStringList> readers;  // the engines whose readings the lines come from
    };

    // `localeDataNames`: the locale's languages plus English, the fallback. `installed`:
    // every installed recognition language's data name, in table order.
    AutomaticLanguage(QStringList localeDataNames, QStringList installed);

    // Reads `grey` (Grayscale8, dark on light, `resolution` pixels per inch) in `layout`.
    // Candidate languages are read on threads of their own.
    Reading read(const QImage &grey, int resolution, TesseractEngine::Layout layout, Choice choice,
                 Engines &engines) const;

    // The engines every reading of text uses: the locale's languages, and the language of
    // their script that tells whether the text is in another.
    QList<QStringList> everyReadingsEngines() const;

    // When the locale's languages read text as their own, the probe for another script may
    // still be reading: read() returns without waiting for it, and it ends within a line's
    // reading. Waits for it; call before the probe's engine (the second of
    // everyReadingsEngines()) is used or released elsewhere. Same thread as read().
    void waitForProbe() const;

    // Whether a recognised token is a word of some language, which its word list may hold:
    // three letters or more, with at most one apostrophe or hyphen between two of them, in
    // small letters, capitals or capitalised, quotes and sentence marks around it aside.
    // Numbers, paths, addresses, file names, codes, identifiers, options and units are not.
    static bool isWord(const QString &token);

    // Mean of the words' confidences, 0 without words.
    static double meanConfidence(const QList<RecognizedLine> &lines);

    // How many readings of text so far started the probe for another script, and how
    // many went on to read with other languages than the locale's: neither depends on how
    // busy the machine is, unlike the time these take. Any thread.
    struct Tally {
        std::size_t probes = 0;
        std::size_t searches = 0;
    };
    Tally tally() const { return {m_probes.load(), m_searches.load()}; }

private:
    struct Region;
    struct Choosing;
    struct Ranking;
    struct Early;
    struct Probing;
    // How the locale's languages read text: as theirs; in their script, its words another
    // language's of it; or poorly, in no language's words (another script's text, or signs
    // and codes alone).
    enum class Kind { sure, localeScript, otherScript };
    Kind kindOf(const QList<RecognizedLine> &lines) const;
    // The best reading of `region` of `kind` (not sure), or none when the locale's reading
    // stands. `otherScript`: the reading of another script readInAnotherScript() made, if any.
    std::optional<Reading> chooseFor(const Region &region, Kind kind, const Choosing &choosing,
                                     const std::optional<Reading> &otherScript) const;
    // While the locale's languages read the text: when a language of their script reads a
    // piece of its widest line poorly, the languages of the other scripts rank that piece
    // and the best reads the text whole. When it reads the piece well, `stopped` is set to
    // stop the locale's reading; when it reads the text well, its reading is taken.
    // `lines`: where the text's lines are; `confidence`: how the probe read the widest.
    Early readInAnotherScript(const Choosing &choosing, const QList<QRect> &lines, double confidence,
                              const std::atomic_bool &localeEnded, std::atomic_bool &stopped) const;
    // The languages of the locale's script (but the locale's own) or of the others,
    // starting to read `image` side by side.
    Ranking rank(bool localeScript, const QImage &image, const Choosing &choosing) const;
    // The best reading of `region` by the languages `ranking` puts first, when one reads
    // the region better than `localeConfidence` (the locale's languages read the ranking
    // image with `rankingConfidence`). With `stopLocale`, sets it before reading whole
    // when a language of another script reads the ranking image well.
    std::optional<Reading> choose(Ranking &ranking, const Region &region, double rankingConfidence,
                                  double localeConfidence, const Choosing &choosing,
                                  std::atomic_bool *stopLocale = nullptr) const;
    QStringList candidatesFor(bool localeScript) const;
    // Where text in one column parts into halves read side by side, if it does.
    static std::optional<int> halvesOf(const Region &region, const Choosing &choosing);
    // `region` read whole by `engine`, its blocks each on their own; with `twin`, its halves
    // side by side.
    QList<RecognizedLine> readWhole(TesseractEngine &engine, TesseractEngine *twin, const Region &region,
                                    const Choosing &choosing, const std::atomic_bool *stop) const;
    // The reading of `region` by the language the last search chose, when that reads it as
    // its own text better than the locale's languages did (`localeConfidence`): text in
    // the language of the last capture is read without loading every candidate again.
    // `localeScript`: whether the text is surely in the locale's script.
    std::optional<Reading> readAsLastChosen(const Region &region, const Choosing &choosing,
                                            double localeConfidence, bool localeScript) const;
    // Remembers the language of another than the locale's that `reading` came from.
    void remember(const Reading &reading) const;

    const QStringList m_localeDataNames;
    const QStringList m_installed;
    // The language of the locale's reading's words, leaning towards the locale's.
    const LanguageGuess m_guess;
    mutable QThreadPool m_threads;
    // A probe the last reading left to end on its own. (The pool waits for it when this
    // goes, before the engines do.)
    mutable QFuture<void> m_lastProbe;
    // The data name of the language the last search chose, none before one chose another
    // than the locale's. Changed only while no probe reads.
    mutable QString m_lastChosen;
    mutable std::atomic_size_t m_probes = 0;
    mutable std::atomic_size_t m_searches = 0;
};

} // namespace quorvane
