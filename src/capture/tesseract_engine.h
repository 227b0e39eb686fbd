// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

namespace tesseract {
class TessBaseAPI;
}

namespace quorvane {

class RecognitionLimit;

// One word as the engine read it, in the pixels of the image it was given.
struct RecognizedWord {
    QRect box;
    QString text;
    QList<QRect> symbolBoxes;  // one per recognised character, left to right
    QStringList symbols;       // the text of each of those characters
    // Per character, the other readings the engine weighed for it, likeliest first; only
    // engines without the dictionaries (program text) keep them.
    QList<QStringList> alternatives;
    float confidence = 0;      // the engine's certainty, 0 to 100
    bool inDictionary = false; // a word of the model's word list (only when it loads them)
    QString language;          // the data name whose model read it
};

// One text line in reading order, with its words.
struct RecognizedLine {
    int block = 0;  // lines of one text block share a number, counted from 0
    QRect box;
    QString text;
    QList<RecognizedWord> words;
};

// One loaded Tesseract model set (languages + dictionary switch). Loading costs about a
// tenth of a second, so callers keep engines and reuse them. Not thread-safe: one thread
// at a time.
class TesseractEngine {
public:
    enum class Layout { automatic, singleBlock, singleLine };

    // Loads `dataNames` ("eng", "deu", ...; the first is the primary language) from
    // `dataPath`. `languageCorrection` loads the word dictionaries. Throws
    // OCRError(ocrFailed) naming the package to install when a data file is missing.
    // `limit`, when given, must outlive the engine: every reading stops once it has
    // stopped (see `recognize`).
    TesseractEngine(const QString &dataPath, const QStringList &dataNames, bool languageCorrection,
                    const RecognitionLimit *limit = nullptr);
    ~TesseractEngine();
    TesseractEngine(const TesseractEngine &) = delete;
    TesseractEngine &operator=(const TesseractEngine &) = delete;

    // Reads a Grayscale8 image of dark text on a light background. `resolution` is the
    // image's pixels per inch. Throws OCRError(visionRequestFailed) when the engine fails.
    // When `cancelled` is given and turns true on another thread, reading stops at the next
    // word and nothing is returned. When the engine's limit stops, reading stops the same
    // way and OCRError (timedOut or cancelled) is thrown. `progress`, when given, follows
    // the share of the text read so far, in percent (the networks read it line by line),
    // from any thread.
    QList<RecognizedLine> recognize(const QImage &grey, int resolution, Layout layout,
                                    const std::atomic_bool *cancelled = nullptr, std::atomic_int *progress = nullptr);

    // Reads one line of text in a small Grayscale8 image, dark on light, as made of
    // `characters` alone. Empty when the engine read nothing or failed.
    QString readAs(const QImage &grey, int resolution, const QString &characters);

    // The boxes of the text lines the engine finds in `grey` before reading it, a small
    // part of the reading's time.
    QList<QRect> lineBoxes(const QImage &grey, int resolution);

    // Frees the word dictionaries Tesseract keeps for the whole process beyond the engines
    // that loaded them, unless a loaded engine still uses them.
    static void releaseUnusedDictionaries();

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    const RecognitionLimit *m_limit;
};

} // namespace quorvane
