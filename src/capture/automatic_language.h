#pragma once

#include "capture/tesseract_engine.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <functional>

namespace quorvane {

class ScriptDetector;

// Chooses the recognition languages for text whose language the user left to the program.
// Text in the locale's languages is read once, as before. Text the locale's languages read
// poorly is given to the script detection, and the installed languages of that script (of
// every other script when the text is not in the locale's script at all) are tried, the
// locale's first and then in table order; the one the engine reads with the highest mean
// word confidence wins, within a time budget.
class AutomaticLanguage {
public:
    // The loaded engine of the data names. Loading takes longer than reading, but only
    // once per session; the time budget counts reading only, so that a first search in a
    // new language is not cut short for good.
    using EngineFor = std::function<TesseractEngine &(const QStringList &dataNames)>;

    // What is chosen: the script only (for program text, whose words are not a language's
    // words), or the script and the language within it.
    enum class Choice { script, language };

    struct Reading {
        QList<RecognizedLine> lines;
        QStringList dataNames;  // the languages that read them
    };

    // `localeDataNames`: the locale's languages plus English, the fallback. `installed`:
    // every installed recognition language's data name, in table order.
    AutomaticLanguage(QStringList localeDataNames, QStringList installed, ScriptDetector &detector);

    // Reads `grey` (Grayscale8, dark on light, `resolution` pixels per inch) in `layout`.
    // Candidate languages are read a few at a time on threads of their own.
    Reading read(const QImage &grey, int resolution, TesseractEngine::Layout layout, Choice choice,
                 const EngineFor &engineFor) const;

    // Mean of the words' confidences, 0 without words.
    static double meanConfidence(const QList<RecognizedLine> &lines);

private:
    QStringList candidatesFor(const QStringList &scripts) const;

    const QStringList m_localeDataNames;
    const QStringList m_installed;
    ScriptDetector &m_detector;
};

} // namespace quorvane
