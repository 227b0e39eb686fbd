// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/tesseract_engine.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

namespace quorvane {

class GlyphCache;

// Text on the screen was drawn by this machine in a font installed on it, and a
// monospaced font draws every character as one fixed glyph. Reading program text without
// words to go by, the engine confuses characters that look alike ("0" and "O", "1" and
// "l", "f" and "#"); the font's own glyphs tell them apart. Finds which installed
// monospaced font and size drew a block of text from the cells of characters the engine
// does not confuse, each glyph placed at the very fraction of a pixel where the text's
// lies (in cells of the font's advance, as an editor lays them out, or of the grid's own
// width, as a terminal may make them), then gives a cell whose glyph matches its ink
// poorly the character whose glyph matches it clearly best. A text in a font it does not know is left as read.
class FontGlyphs {
public:
    // Gives the cells of line `line` of the block, laid out as `text` from grid column
    // `firstColumn` on, the characters the font's glyphs clearly see in them; with
    // `rowsAbove` other than 0, those of the row that many rows above that line (below, when
    // negative), which the engine left empty.
    using LaidOutCheck = std::function<void(qsizetype line, QString &text, int firstColumn, int rowsAbove)>;

    // Over the installed monospaced families, looked up when first needed.
    FontGlyphs();
    // `families`: the fonts that may have drawn the text.
    explicit FontGlyphs(QStringList families);
    ~FontGlyphs();
    FontGlyphs(const FontGlyphs &) = delete;
    FontGlyphs &operator=(const FontGlyphs &) = delete;

    // The installed families of fixed pitch that draw Latin text.
    static QStringList installedMonospacedFamilies();

    // `block`: the lines of one text block laid out on a grid of `pitch` pixels whose
    // columns' centres lie at `origin` plus a whole number of pitches, in `grey`, the
    // dark-on-light image the engine read, which is the captured image scaled by `scale`.
    // Safe to call from any thread.
    // `layOut`, when given, is called once the block is corrected, with a check of the
    // lines as laid out on the grid (or none when no font fitted): the characters the
    // layout gives cells it reads again, or moves, have not met the glyphs yet.
    void correct(QList<RecognizedLine> &block, const QImage &grey, double pitch, double origin, double scale,
                 const std::function<void(const LaidOutCheck *check)> &layOut = {}) const;

    // The family and pixel size found for the last block `correct` was given on this
    // thread, empty when none clearly fitted; for diagnostics and tests.
    static QString lastFont();

    // Gives back the glyphs drawn so far; they are drawn again when next needed.
    void releaseGlyphs();

private:
    void correctOnThisThread(QList<RecognizedLine> &block, const QImage &grey, double pitch, double origin, double scale,
                             const std::function<void(const LaidOutCheck *check)> &layOut) const;

    const QStringList &families() const;

    mutable std::once_flag m_lookedUp;
    mutable QStringList m_families;
    std::unique_ptr<GlyphCache> m_glyphs;
};

} // namespace quorvane
