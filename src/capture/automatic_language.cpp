#include "capture/automatic_language.h"

#include "capture/script_detector.h"
#include "capture/tesseract_language_map.h"
#include "core/diagnostics.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <future>
#include <tuple>
#include <vector>

namespace quorvane {

namespace {

// Mean word confidences of the engine, 0 to 100. Read in its own language, screen text
// scores about 95; read in a neighbouring language of the same script, 85 to 93, as the
// words with that language's own letters come out wrong; read in another script, below 60.
constexpr double kSure = 94;
constexpr double kSameScript = 65;
// Trying languages stops once this much time has gone on reading (loading a language's
// engine, once per session, does not count), so a capture in an unexpected language
// costs about what the engine's command line takes told the right one.
constexpr qint64 kBudgetMs = 500;

// Languages of one script differ in the words with the letters the others lack, and those
// are the words the locale's languages read worst. Candidates are ranked on a strip of the
// least certain words, a few letters' worth, set side by side as one line: reading it costs
// a fraction of reading the text. Words of one or two characters tell little and come last.
constexpr qsizetype kRankingCharacters = 8;
// The best on that strip is read whole, and so are those that read it almost as well (up
// to a few): a strip of one word does not decide between near neighbours. The best whole
// reading wins when it reads better than the locale's languages did.
constexpr size_t kFinalists = 3;
constexpr double kNear = 2;

struct WordStrip {
    QImage image;           // Grayscale8, dark on light
    double confidence = 0;  // the mean of its words' confidences in the reading they come from
};

WordStrip leastCertainWords(const QImage &grey, const QList<RecognizedLine> &lines)
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
    while (count < words.size() && characters < kRankingCharacters)
        characters += words[count++].word->text.size();
    words.resize(count);

    WordStrip strip;
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

} // namespace

AutomaticLanguage::AutomaticLanguage(QStringList localeDataNames, QStringList installed, ScriptDetector &detector)
    : m_localeDataNames(std::move(localeDataNames))
    , m_installed(std::move(installed))
    , m_detector(detector)
{
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

QStringList AutomaticLanguage::candidatesFor(const QStringList &scripts) const
{
    QStringList candidates;
    for (const QString &script : scripts) {
        // The locale's languages of the script first, then the others in table order.
        for (const QStringList *names : {&m_localeDataNames, &m_installed}) {
            for (const QString &name : *names) {
                if (TesseractLanguageMap::script(name) == script && m_installed.contains(name)
                    && !candidates.contains(name))
                    candidates.append(name);
            }
        }
    }
    return candidates;
}

AutomaticLanguage::Reading AutomaticLanguage::read(const QImage &grey, int resolution,
                                                   TesseractEngine::Layout layout, Choice choice,
                                                   const EngineFor &engineFor) const
{
    QElapsedTimer clock;
    clock.start();
    Reading first{engineFor(m_localeDataNames).recognize(grey, resolution, layout), m_localeDataNames};
    const double firstConfidence = meanConfidence(first.lines);
    const bool sameScript = firstConfidence >= kSameScript;
    if (first.lines.isEmpty() || firstConfidence >= kSure || (sameScript && choice == Choice::script))
        return first;

    // Text the locale's languages read fairly well is in the locale's script, and only its
    // languages are compared. Otherwise the languages of the detected script are tried
    // first, then those of every other script together (the detection is often wrong on
    // short text), and the locale's script last, as the locale's languages read it poorly.
    const QString localeScript = TesseractLanguageMap::script(m_localeDataNames.value(0));
    const std::optional<QString> detected = sameScript ? std::nullopt : m_detector.detect(grey, resolution);
    QList<QStringList> rounds;
    if (sameScript) {
        rounds.append({localeScript});
    } else {
        if (detected)
            rounds.append({*detected});
        QStringList others;
        for (const QString &name : m_installed) {
            const QString script = TesseractLanguageMap::script(name);
            if (script != localeScript && script != detected && !others.contains(script))
                others.append(script);
        }
        rounds.append(others);
        if (detected != localeScript)
            rounds.append({localeScript});
    }

    // The locale's script is ranked on the strip of its least certain words; text in
    // another script, whose words the locale's languages could not even find, is read
    // whole by each candidate.
    const WordStrip ranking = leastCertainWords(grey, first.lines);
    struct Score {
        QString name;
        double confidence = 0;
        bool whole = false;
        QList<RecognizedLine> lines;  // of the whole image, empty for a strip's ranking
    };
    struct Read {
        QString name;
        const QImage *image;
        TesseractEngine::Layout layout;
    };
    // Engines are loaded here, one at a time, as the cache of engines is not shared;
    // each then reads on a thread of its own.
    qint64 loading = 0;
    const auto readAll = [&](const std::vector<Read> &reads) {
        std::vector<TesseractEngine *> engines;
        for (const Read &read : reads) {
            QElapsedTimer loadClock;
            loadClock.start();
            engines.push_back(&engineFor({read.name}));
            loading += loadClock.elapsed();
        }
        std::vector<std::future<QList<RecognizedLine>>> jobs;
        for (size_t i = 0; i < reads.size(); ++i) {
            jobs.push_back(std::async(std::launch::async, [engine = engines[i], &read = reads[i], resolution] {
                return engine->recognize(*read.image, resolution, read.layout);
            }));
        }
        std::vector<QList<RecognizedLine>> lines;
        for (auto &job : jobs)
            lines.push_back(job.get());
        return lines;
    };
    std::vector<Score> scores;
    // Strips are short and read all at once; whole images a core each.
    const size_t cores = size_t(std::max(1, QThread::idealThreadCount()));
    bool sure = false;
    // A round at a time, so that the languages of a script the text is not in do not slow
    // those of the one it is; the first round that reads fairly well holds the text's.
    for (const QStringList &scripts : std::as_const(rounds)) {
        QStringList candidates = candidatesFor(scripts);
        if (m_localeDataNames.size() == 1)
            candidates.removeAll(m_localeDataNames.first());
        const bool onStrip = scripts == QStringList{localeScript} && !ranking.image.isNull();
        // Text the locale's languages read poorly is tried a core's worth of languages at
        // a time, and a round whose first batch reads it poorly too is given up: reading on
        // would load engine after engine (pushing the useful ones out of the cache) for a
        // script the text is not in.
        const size_t parallel = onStrip && sameScript ? 2 * cores : cores;
        double scriptBest = 0;
        for (qsizetype next = 0; !sure && next < candidates.size() && clock.elapsed() - loading <= kBudgetMs
                                 && (sameScript || next == 0 || scriptBest >= kSameScript);) {
            std::vector<Read> batch;
            while (next < candidates.size() && batch.size() < parallel) {
                batch.push_back(onStrip ? Read{candidates[next++], &ranking.image, TesseractEngine::Layout::singleLine}
                                        : Read{candidates[next++], &grey, layout});
            }
            std::vector<QList<RecognizedLine>> lines = readAll(batch);
            for (size_t i = 0; i < batch.size(); ++i) {
                const double confidence = meanConfidence(lines[i]);
                scriptBest = std::max(scriptBest, confidence);
                sure = sure || confidence >= kSure;
                scores.push_back({batch[i].name, confidence, !onStrip,
                                  onStrip ? QList<RecognizedLine>() : std::move(lines[i])});
            }
        }
        if (sure || scriptBest >= kSameScript || clock.elapsed() - loading > kBudgetMs)
            break;
    }

    // The best of the ranking strip, and those near it, are read whole.
    std::sort(scores.begin(), scores.end(), [](const Score &a, const Score &b) { return a.confidence > b.confidence; });
    std::vector<Read> finalists;
    double bestOnStrip = 0;
    for (const Score &score : scores) {
        if (score.whole || score.confidence <= ranking.confidence || finalists.size() == kFinalists)
            continue;
        if (finalists.empty())
            bestOnStrip = score.confidence;
        if (score.confidence >= bestOnStrip - kNear)
            finalists.push_back({score.name, &grey, layout});
    }
    std::vector<QList<RecognizedLine>> finalLines = readAll(finalists);
    for (size_t i = 0; i < finalists.size(); ++i) {
        const double confidence = meanConfidence(finalLines[i]);
        scores.push_back({finalists[i].name, confidence, true, std::move(finalLines[i])});
    }
    const Score *best = nullptr;
    for (const Score &score : scores) {
        if (score.whole && score.confidence > firstConfidence && (!best || score.confidence > best->confidence))
            best = &score;
    }
    diag(lcRecognition(), QStringLiteral("   [AutomaticLanguage] %1 read %2 %, detected %3, chose %4 (%5 %) after %6 ms, %7 ms of it loading")
             .arg(m_localeDataNames.join(QLatin1Char('+')))
             .arg(firstConfidence, 0, 'f', 1)
             .arg(detected.value_or(sameScript ? QStringLiteral("not needed") : QStringLiteral("nothing")),
                  best ? best->name : QStringLiteral("the locale's"))
             .arg(best ? best->confidence : firstConfidence, 0, 'f', 1)
             .arg(clock.elapsed())
             .arg(loading));
    if (!best)
        return first;
    return {best->lines, {best->name}};
}

} // namespace quorvane
