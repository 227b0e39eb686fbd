#include "capture/automatic_language.h"

#include "capture/tesseract_language_map.h"
#include "core/async_run.h"
#include "core/diagnostics.h"

#include <QElapsedTimer>
#include <QHash>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <vector>

namespace quorvane {

namespace {

// Mean word confidences of the engine, 0 to 100. Read in its own language, screen text
// scores about 95; read in a neighbouring language of the same script, 85 to 93, as the
// words with that language's own letters come out wrong; read in another script, below 60.
constexpr double kSure = 94;
constexpr double kSameScript = 65;
// Read in its own language, text in another script than the locale's scores above this;
// read in a language of another script, below it.
constexpr double kOtherScript = 85;
// Read in its own language, text in the locale's script scores above this.
constexpr double kUnsure = 90;

// Languages of one script differ in the words with the letters the others lack, and those
// are the words the locale's languages read worst. Candidates are ranked on a strip of the
// least certain words, a few letters' worth, set side by side as one line: reading it costs
// a fraction of reading the text. Words of one or two characters tell little and come last.
constexpr qsizetype kRankingCharacters = 8;
// Those that rank almost as well as the best are told apart on twice as many letters.
constexpr qsizetype kTieCharacters = 16;
// Text in another script than the locale's is ranked on the start of its widest line, this
// many line heights long: half a dozen characters of an ideographic script, more of an
// alphabet. (The engine's own script detection takes as long as reading the text, and
// misnames the script of short Thai, Chinese and Korean text more often than not.)
constexpr int kRankingLineHeights = 6;
// Whether the locale's script reads the text fairly well is told on twice that, as a few
// letters the locale's languages lack make a short piece read poorly.
constexpr int kProbeLineHeights = 12;
// The best in the ranking is read whole; of another script, so are those of its script that
// ranked fairly near (up to a few), as a piece of a line tells the script surely but the
// language within it poorly. The best whole reading wins when it reads better than the
// locale's languages did.
constexpr size_t kFinalists = 3;
constexpr double kNear = 2;
constexpr double kNearInScript = 15;
constexpr int kThreadsKept = 30'000;  // ms

struct RankingImage {
    QImage image;           // Grayscale8, dark on light
    double confidence = 0;  // the mean of its words' confidences in the locale's reading
};

// The words of `lines` the reading was least sure of, set side by side on one line.
RankingImage leastCertainWords(const QImage &grey, const QList<RecognizedLine> &lines, qsizetype wanted)
{
    struct Word {
        const RecognizedLine *line;
        const RecognizedWord *word;
    };
    std::vector<Word> words;
    int lineHeight = 0;
    for (const RecognizedLine &line : lines) {
        lineHeight = std::max(lineHeight, line.box.height());
        for (const RecognizedWord &word : line.words)
            words.push_back({&line, &word});
    }
    std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return std::pair(a.word->text.size() < 3, a.word->confidence) < std::pair(b.word->text.size() < 3, b.word->confidence);
    });
    qsizetype characters = 0;
    size_t count = 0;
    while (count < words.size() && characters < wanted)
        characters += words[count++].word->text.size();
    words.resize(count);

    RankingImage strip;
    const int gap = std::max(4, lineHeight / 2);
    std::vector<QRect> boxes;
    int width = gap;
    int height = 0;
    for (const Word &word : words) {
        // The word across its line's height, so that accents and descenders come along.
        const QRect &line = word.line->box;
        const int pad = std::max(2, line.height() / 4);
        boxes.push_back(QRect(QPoint(word.word->box.left() - pad, line.top() - pad),
                              QPoint(word.word->box.right() + pad, line.bottom() + pad))
                            .intersected(grey.rect()));
        width += boxes.back().width() + gap;
        height = std::max(height, boxes.back().height());
        strip.confidence += word.word->confidence / double(count);
    }
    if (boxes.empty())
        return strip;
    height += 2 * gap;
    strip.image = QImage(width, height, QImage::Format_Grayscale8);
    strip.image.fill(255);
    int x = gap;
    for (const QRect &box : boxes) {
        const int y = (height - box.height()) / 2;
        for (int row = 0; row < box.height(); ++row)
            std::memcpy(strip.image.scanLine(y + row) + x, grey.constScanLine(box.top() + row) + box.left(),
                        size_t(box.width()));
        x += box.width() + gap;
    }
    return strip;
}

// The start of the widest of the lines in `boxes`.
QImage startOfWidestLine(const QImage &grey, const QList<QRect> &boxes, int lineHeights)
{
    const auto widest = std::max_element(boxes.begin(), boxes.end(), [](const QRect &a, const QRect &b) {
        return a.width() < b.width();
    });
    if (widest == boxes.end() || widest->isEmpty())
        return {};
    const QRect &line = *widest;
    const int pad = std::max(2, line.height() / 4);
    return grey.copy(QRect(line.left() - pad, line.top() - pad,
                           std::min(line.width(), lineHeights * line.height()) + 2 * pad, line.height() + 2 * pad)
                         .intersected(grey.rect()));
}

QList<QRect> lineBoxesOf(const QList<RecognizedLine> &lines)
{
    QList<QRect> boxes;
    for (const RecognizedLine &line : lines)
        boxes.append(line.box);
    return boxes;
}

// `lines` read from the part of an image at `offset`, as lines of text block `block` of
// the image.
QList<RecognizedLine> movedInto(QList<RecognizedLine> lines, QPoint offset, int block)
{
    for (RecognizedLine &line : lines) {
        line.block = block;
        line.box.translate(offset);
        for (RecognizedWord &word : line.words) {
            word.box.translate(offset);
            for (QRect &symbol : word.symbolBoxes)
                symbol.translate(offset);
        }
    }
    return lines;
}

QRect boxOf(const QList<RecognizedLine> &lines)
{
    QRect box;
    for (const RecognizedLine &line : lines)
        box |= line.box;
    return box;
}

// Waits until `future` ends, whatever the outcome: its failure is for the one who takes
// its result.
template <typename T>
void waitFor(QFuture<T> future) noexcept
{
    try {
        future.waitForFinished();
    } catch (...) {
    }
}

// Whether most letters of `lines` are in the script of the language `dataName`.
bool mostlyInScriptOf(const QList<RecognizedLine> &lines, const QString &dataName)
{
    static const QHash<QString, QList<QChar::Script>> unicodeScripts{
        {"Latin", {QChar::Script_Latin}},
        {"Cyrillic", {QChar::Script_Cyrillic}},
        {"Han", {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana}},
        {"Hangul", {QChar::Script_Hangul, QChar::Script_Han}},
        {"Thai", {QChar::Script_Thai}},
        {"Arabic", {QChar::Script_Arabic}},
    };
    const QList<QChar::Script> own = unicodeScripts.value(TesseractLanguageMap::script(dataName));
    qsizetype letters = 0;
    qsizetype inOwn = 0;
    for (const RecognizedLine &line : lines) {
        for (const QChar c : line.text) {
            if (c.isLetter()) {
                ++letters;
                inOwn += own.contains(c.script()) ? 1 : 0;
            }
        }
    }
    return 2 * inOwn > letters;
}

// How the locale's languages read a text block.
enum class Kind { sure, localeScript, otherScript };

Kind kindOf(double confidence)
{
    return confidence >= kSure ? Kind::sure : confidence >= kSameScript ? Kind::localeScript : Kind::otherScript;
}

} // namespace

// Text chosen for as one: the whole image, or some of its text blocks.
struct AutomaticLanguage::Region {
    QList<RecognizedLine> lines;         // the locale's reading of it
    std::map<int, QRect> blocks;         // its blocks' boxes by number; none for the whole image
};

struct AutomaticLanguage::Choosing {
    const QImage &grey;
    int resolution;
    TesseractEngine::Layout layout;
    Choice choice;
    const EngineFor &engineFor;
};

AutomaticLanguage::AutomaticLanguage(QStringList localeDataNames, QStringList installed)
    : m_localeDataNames(std::move(localeDataNames))
    , m_installed(std::move(installed))
{
    // Threads of its own, kept between captures in quick succession: the engine reads
    // several milliseconds slower on a thread new to it. An idle program drops them, and
    // with them the stack the engine used on each.
    m_threads.setMaxThreadCount(2 * std::max(1, QThread::idealThreadCount()) + 1);
    m_threads.setExpiryTimeout(kThreadsKept);
}

QList<QStringList> AutomaticLanguage::everyReadingsEngines() const
{
    QList<QStringList> engines{m_localeDataNames};
    if (const QString probe = candidatesFor(true).value(0); !probe.isEmpty())
        engines.append({probe});
    return engines;
}

double AutomaticLanguage::meanConfidence(const QList<RecognizedLine> &lines)
{
    double sum = 0;
    qsizetype words = 0;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            sum += word.confidence;
            ++words;
        }
    }
    return words ? sum / double(words) : 0;
}

QStringList AutomaticLanguage::candidatesFor(bool localeScript) const
{
    const QString script = TesseractLanguageMap::script(m_localeDataNames.value(0));
    QStringList candidates;
    // The locale's languages first, then the others in table order.
    for (const QStringList *names : {&m_localeDataNames, &m_installed}) {
        for (const QString &name : *names) {
            if ((TesseractLanguageMap::script(name) == script) == localeScript && m_installed.contains(name)
                && !candidates.contains(name))
                candidates.append(name);
        }
    }
    if (localeScript && m_localeDataNames.size() == 1)
        candidates.removeAll(m_localeDataNames.first());
    return candidates;
}

AutomaticLanguage::Reading AutomaticLanguage::read(const QImage &grey, int resolution,
                                                   TesseractEngine::Layout layout, Choice choice,
                                                   const EngineFor &engineFor) const
{
    const Choosing choosing{grey, resolution, layout, choice, engineFor};
    TesseractEngine &locale = engineFor(m_localeDataNames);
    std::atomic_bool stopped = false;
    QFuture<QList<RecognizedLine>> localeReading = runAsync(m_threads, [&] {
        return locale.recognize(grey, resolution, layout, &stopped);
    });
    const auto join = qScopeGuard([&] { waitFor(localeReading); });
    // Program text is seldom in another script, and finding its lines takes about as long
    // as reading it as one block.
    if (choice == Choice::language) {
        if (std::optional<Reading> early = readInAnotherScript(choosing, localeReading, stopped))
            return *early;
    }
    Reading first{localeReading.result(), {m_localeDataNames}};
    // The locale's reading was stopped for a choice among other scripts that fell through.
    if (stopped)
        first.lines = locale.recognize(grey, resolution, layout);
    if (first.lines.isEmpty() || meanConfidence(first.lines) >= kSure)
        return first;

    std::map<int, QList<RecognizedLine>> blocks;
    for (const RecognizedLine &line : first.lines)
        blocks[line.block].append(line);
    std::map<Kind, Region> regions;
    for (const auto &[number, lines] : blocks) {
        Region &region = regions[kindOf(meanConfidence(lines))];
        region.lines += lines;
        const int pad = std::max(2, lines.first().box.height() / 2);
        region.blocks[number] = boxOf(lines).adjusted(-pad, -pad, pad, pad).intersected(grey.rect());
    }
    // Text whose blocks the locale's languages read alike is chosen for as a whole.
    if (regions.size() == 1)
        return chooseFor(Region{first.lines, {}}, choosing).value_or(first);

    // Otherwise the blocks they read surely keep that reading, and the others are chosen
    // for by kind, each kind on its own blocks.
    Reading reading;
    for (auto &[kind, region] : regions) {
        std::optional<Reading> chosen;
        if (kind != Kind::sure)
            chosen = chooseFor(region, choosing);
        if (chosen) {
            for (const auto &[number, box] : region.blocks)
                blocks[number].clear();
            for (const RecognizedLine &line : chosen->lines)
                blocks[line.block].append(line);
        }
        for (const QStringList &reader : chosen ? chosen->readers : first.readers) {
            if (!reading.readers.contains(reader))
                reading.readers.append(reader);
        }
    }
    for (const auto &[number, lines] : blocks)
        reading.lines += lines;
    return reading;
}

std::optional<AutomaticLanguage::Reading> AutomaticLanguage::chooseFor(const Region &region,
                                                                       const Choosing &choosing) const
{
    const double localeConfidence = meanConfidence(region.lines);
    const auto inLocaleScript = [&] {
        const RankingImage strip = leastCertainWords(choosing.grey, region.lines, kRankingCharacters);
        return search(region, true, strip.image, strip.confidence, localeConfidence, choosing);
    };
    if (localeConfidence >= kSameScript) {
        if (choosing.choice == Choice::script)
            return std::nullopt;
        return inLocaleScript();
    }
    // Short text with many letters the locale's languages lack reads poorly in them too,
    // and the languages of the ideographic scripts read Latin letters fairly well: unless
    // another script reads the text well, the locale's script is tried too.
    const QImage piece = startOfWidestLine(choosing.grey, lineBoxesOf(region.lines), kRankingLineHeights);
    std::optional<Reading> other = search(region, false, piece, localeConfidence, localeConfidence, choosing);
    if (other && meanConfidence(other->lines) >= kOtherScript)
        return other;
    std::optional<Reading> same = choosing.choice == Choice::script ? std::nullopt : inLocaleScript();
    if (same && (!other || meanConfidence(same->lines) > meanConfidence(other->lines)))
        return same;
    return other;
}

std::optional<AutomaticLanguage::Reading>
AutomaticLanguage::readInAnotherScript(const Choosing &choosing, const QFuture<QList<RecognizedLine>> &localeReading,
                                       std::atomic_bool &stopped) const
{
    const auto localeDone = [&] { return localeReading.isFinished(); };
    const QList<QStringList> engines = everyReadingsEngines();
    if (engines.size() < 2)
        return std::nullopt;
    TesseractEngine &probe = choosing.engineFor(engines[1]);
    if (localeDone())
        return std::nullopt;
    const QList<QRect> lines = probe.lineBoxes(choosing.grey, choosing.resolution);
    const QImage piece = startOfWidestLine(choosing.grey, lines, kRankingLineHeights);
    if (piece.isNull())
        return std::nullopt;
    const double confidence = meanConfidence(probe.recognize(startOfWidestLine(choosing.grey, lines, kProbeLineHeights),
                                                             choosing.resolution, TesseractEngine::Layout::singleLine));
    if (confidence >= kSameScript || localeDone())
        return std::nullopt;
    const std::optional<Reading> chosen =
        search(Region{}, false, piece, confidence, confidence, choosing, &stopped);
    if (!chosen)
        return std::nullopt;
    // Every block must read fairly well: a block in the locale's script, say, needs the
    // locale's reading and a choice of its own.
    std::map<int, QList<RecognizedLine>> blocks;
    for (const RecognizedLine &line : chosen->lines)
        blocks[line.block].append(line);
    for (const auto &[number, lines] : blocks) {
        if (meanConfidence(lines) < kSameScript)
            return std::nullopt;
    }
    return chosen;
}

std::optional<AutomaticLanguage::Reading> AutomaticLanguage::search(const Region &region, bool localeScript,
                                                                    const QImage &ranking, double rankingConfidence,
                                                                    double localeConfidence, const Choosing &choosing,
                                                                    std::atomic_bool *stopLocale) const
{
    QElapsedTimer clock;
    clock.start();
    const QStringList candidates = candidatesFor(localeScript);
    if (candidates.isEmpty() || ranking.isNull())
        return std::nullopt;

    // Engines are loaded here, one at a time, as the cache of engines is not shared; each
    // then reads on a thread of its own, twice as many at a time as there are cores for
    // the short ranking image.
    const auto readAll = [&](const QStringList &names, const std::function<QList<RecognizedLine>(TesseractEngine &)> &read) {
        const qsizetype parallel = 2 * std::max(1, QThread::idealThreadCount());
        std::vector<QList<RecognizedLine>> lines;
        for (qsizetype start = 0; start < names.size(); start += parallel) {
            std::vector<TesseractEngine *> engines;
            for (const QString &name : names.mid(start, parallel))
                engines.push_back(&choosing.engineFor({name}));
            std::vector<QFuture<QList<RecognizedLine>>> jobs;
            for (TesseractEngine *engine : engines)
                jobs.push_back(runAsync(m_threads, [engine, &read] { return read(*engine); }));
            // Every job ends before the first failure is passed on, as they use `read`.
            for (auto &job : jobs)
                waitFor(job);
            for (auto &job : jobs)
                lines.push_back(job.result());
        }
        return lines;
    };

    const std::vector<QList<RecognizedLine>> ranked = readAll(candidates, [&](TesseractEngine &engine) {
        return engine.recognize(ranking, choosing.resolution, TesseractEngine::Layout::singleLine);
    });
    // The languages of the ideographic scripts know Latin letters too, and read Latin text
    // confidently: a language of another script counts only when most of what it read is
    // in its own script.
    const auto score = [&](const QList<RecognizedLine> &lines, const QString &name) {
        return localeScript || mostlyInScriptOf(lines, name) ? meanConfidence(lines) : 0.0;
    };
    std::vector<std::pair<double, QString>> scores;
    for (size_t i = 0; i < ranked.size(); ++i)
        scores.emplace_back(score(ranked[i], candidates[qsizetype(i)]), candidates[qsizetype(i)]);
    std::stable_sort(scores.begin(), scores.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    // A piece of a line tells the script surely but the language within it poorly: there
    // the languages of the best one's script that ranked fairly near are read whole too.
    const QString script = TesseractLanguageMap::script(scores.front().second);
    const double near = localeScript ? kNear : kNearInScript;
    QStringList finalists;
    for (const auto &[confidence, name] : scores) {
        if (confidence > rankingConfidence && confidence >= scores.front().first - near
            && TesseractLanguageMap::script(name) == script && size_t(finalists.size()) < kFinalists)
            finalists.append(name);
    }

    // Near neighbours of the locale's script are told apart on a longer strip, which costs
    // less than reading the text whole with each.
    if (localeScript && finalists.size() > 1) {
        const QImage longer = leastCertainWords(choosing.grey, region.lines, kTieCharacters).image;
        const std::vector<QList<RecognizedLine>> again = readAll(finalists, [&](TesseractEngine &engine) {
            return engine.recognize(longer, choosing.resolution, TesseractEngine::Layout::singleLine);
        });
        qsizetype best = 0;
        for (size_t i = 1; i < again.size(); ++i) {
            if (meanConfidence(again[i]) > meanConfidence(again[size_t(best)]))
                best = qsizetype(i);
        }
        finalists = {finalists[best]};
    }
    // Reading on beside the locale's languages pays only when a language of another
    // script reads the piece well; then their reading is stopped, as it no longer counts.
    if (stopLocale) {
        if (finalists.isEmpty() || scores.front().first < kOtherScript)
            return std::nullopt;
        *stopLocale = true;
    }
    // The finalists read the region: the whole image, or each of its blocks on its own.
    const auto readRegion = [&](TesseractEngine &engine) {
        if (region.blocks.empty())
            return engine.recognize(choosing.grey, choosing.resolution, choosing.layout);
        QList<RecognizedLine> lines;
        for (const auto &[number, box] : region.blocks)
            lines += movedInto(engine.recognize(choosing.grey.copy(box), choosing.resolution, choosing.layout),
                               box.topLeft(), number);
        return lines;
    };
    std::optional<Reading> best;
    double bestConfidence = localeConfidence;
    const auto readWhole = [&](const QStringList &names) {
        const std::vector<QList<RecognizedLine>> wholes = readAll(names, readRegion);
        for (size_t i = 0; i < wholes.size(); ++i) {
            const double confidence = score(wholes[i], names[qsizetype(i)]);
            if (confidence > bestConfidence) {
                bestConfidence = confidence;
                best = Reading{wholes[i], {{names[qsizetype(i)]}}};
            }
        }
    };
    // Of another script, the finalists are neighbours (Russian and Ukrainian, say): the
    // best of the ranking reads the text whole, and only when it reads it less than surely
    // are the others told apart from it on the words it was least sure of; one that reads
    // those better reads whole too.
    if (!localeScript && finalists.size() > 1) {
        readWhole(finalists.mid(0, 1));
        QStringList rest = finalists.mid(1);
        if (best && bestConfidence >= kSure) {
            rest.clear();
        } else if (best) {
            const QImage strip = leastCertainWords(choosing.grey, best->lines, kTieCharacters).image;
            const std::vector<QList<RecognizedLine>> again = readAll(finalists, [&](TesseractEngine &engine) {
                return engine.recognize(strip, choosing.resolution, TesseractEngine::Layout::singleLine);
            });
            size_t strongest = 0;
            for (size_t i = 1; i < again.size(); ++i) {
                if (score(again[i], finalists[qsizetype(i)]) > score(again[strongest], finalists[qsizetype(strongest)]))
                    strongest = i;
            }
            rest = strongest ? QStringList{finalists[qsizetype(strongest)]} : QStringList{};
        }
        readWhole(rest);
    } else {
        readWhole(finalists);
    }
    // A few words may favour a neighbour whose letters they happen to share: when the
    // chosen language reads the text poorly for its own, the next best of the ranking
    // reads it whole too.
    if (localeScript && bestConfidence < kUnsure) {
        QStringList next;
        for (const auto &[confidence, name] : scores) {
            if (confidence > rankingConfidence && !finalists.contains(name) && next.isEmpty())
                next.append(name);
        }
        readWhole(next);
    }
    diag(lcRecognition(), QStringLiteral("   [AutomaticLanguage] the locale's script read %1 % of %2 blocks, ranked %3 "
                                         "languages, chose %4 (%5 %) after %6 ms")
                              .arg(localeConfidence, 0, 'f', 1)
                              .arg(region.blocks.empty() ? QStringLiteral("all") : QString::number(region.blocks.size()))
                              .arg(candidates.size())
                              .arg(best ? best->readers.first().join(QLatin1Char('+')) : QStringLiteral("the locale's"))
                              .arg(bestConfidence, 0, 'f', 1)
                              .arg(clock.elapsed()));
    return best;
}

} // namespace quorvane
