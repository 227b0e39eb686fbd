#include "capture/automatic_language.h"

#include "capture/script_detector.h"
#include "capture/tesseract_language_map.h"
#include "core/diagnostics.h"

#include <QElapsedTimer>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <future>
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

// The line that tells languages of one script apart: the one the engine was least sure
// of, which holds the words with the letters the locale's languages lack.
const RecognizedLine &leastCertainLine(const QList<RecognizedLine> &lines)
{
    const RecognizedLine *worst = &lines.first();
    for (const RecognizedLine &line : lines) {
        if (AutomaticLanguage::meanConfidence({line}) < AutomaticLanguage::meanConfidence({*worst}))
            worst = &line;
    }
    return *worst;
}

QImage cropAround(const QImage &grey, const QRect &box)
{
    const int pad = std::max(4, box.height() / 2);
    return grey.copy(box.adjusted(-pad, -pad, pad, pad).intersected(grey.rect()));
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
    const auto readWith = [&](const QStringList &names, const QImage &image, TesseractEngine::Layout how) {
        return engineFor(names).recognize(image, resolution, how);
    };
    QElapsedTimer clock;
    clock.start();
    Reading first{readWith(m_localeDataNames, grey, layout), m_localeDataNames};
    const double firstConfidence = meanConfidence(first.lines);
    const bool sameScript = firstConfidence >= kSameScript;
    if (first.lines.isEmpty() || firstConfidence >= kSure || (sameScript && choice == Choice::script))
        return first;

    // Text the locale's languages read fairly well is in the locale's script, and only its
    // languages are compared. Otherwise the detected script comes first, then the locale's,
    // then every other script.
    const QString localeScript = TesseractLanguageMap::script(m_localeDataNames.value(0));
    const std::optional<QString> detected = sameScript ? std::nullopt : m_detector.detect(grey, resolution);
    QStringList scripts;
    if (detected)
        scripts.append(*detected);
    if (!scripts.contains(localeScript))
        scripts.append(localeScript);
    if (!sameScript) {
        for (const QString &name : m_installed) {
            const QString script = TesseractLanguageMap::script(name);
            if (!scripts.contains(script))
                scripts.append(script);
        }
    }
    QStringList candidates = candidatesFor(scripts);
    if (m_localeDataNames.size() == 1)
        candidates.removeAll(m_localeDataNames.first());

    // Within the locale's script the languages differ in a few words only: those are
    // compared on the line the locale's languages read worst, which is quick. Text in
    // another script is read whole by each candidate.
    const RecognizedLine &sampleLine = leastCertainLine(first.lines);
    const QImage sample = cropAround(grey, sampleLine.box);
    const double sampleConfidence = meanConfidence({sampleLine});
    struct Best {
        double confidence = 0;
        QString name;
        QList<RecognizedLine> lines;  // of the whole image; empty when read on the sample
    } best;
    QHash<QString, std::pair<int, double>> tried;  // per script: candidates read, best confidence
    // Engines are loaded here, one at a time, as the cache of engines is not shared;
    // each then reads on a thread of its own.
    struct Job {
        QString name;
        bool onSample;
        TesseractEngine *engine;
        std::future<QList<RecognizedLine>> lines;
    };
    const size_t parallel = size_t(std::max(1, QThread::idealThreadCount()));
    qint64 loading = 0;
    bool sure = false;
    for (qsizetype next = 0; !sure && next < candidates.size() && clock.elapsed() - loading <= kBudgetMs;) {
        std::vector<Job> jobs;
        while (next < candidates.size() && jobs.size() < parallel) {
            const QString &name = candidates[next++];
            const QString script = TesseractLanguageMap::script(name);
            // Three languages of a script that all read the text poorly: it is not that script.
            const auto &[count, scriptBest] = tried[script];
            if (count >= 3 && scriptBest < kSameScript)
                continue;
            QElapsedTimer loadClock;
            loadClock.start();
            TesseractEngine &engine = engineFor({name});
            loading += loadClock.elapsed();
            jobs.push_back({name, script == localeScript, &engine, {}});
        }
        for (Job &job : jobs) {
            const QImage &image = job.onSample ? sample : grey;
            const auto how = job.onSample ? TesseractEngine::Layout::singleLine : layout;
            job.lines = std::async(std::launch::async, [engine = job.engine, &image, resolution, how] {
                return engine->recognize(image, resolution, how);
            });
        }
        for (Job &job : jobs) {
            QList<RecognizedLine> lines = job.lines.get();
            const double confidence = meanConfidence(lines);
            auto &[count, scriptBest] = tried[TesseractLanguageMap::script(job.name)];
            ++count;
            scriptBest = std::max(scriptBest, confidence);
            if (!sure && confidence > (job.onSample ? sampleConfidence : firstConfidence)
                && confidence > best.confidence) {
                best = {confidence, job.name, job.onSample ? QList<RecognizedLine>() : std::move(lines)};
                sure = confidence >= kSure;
            }
        }
    }
    diag(lcRecognition(), QStringLiteral("   [AutomaticLanguage] %1 read %2 %, detected %3, chose %4 (%5 %) after %6 ms, %7 ms of it loading")
             .arg(m_localeDataNames.join(QLatin1Char('+')))
             .arg(firstConfidence, 0, 'f', 1)
             .arg(detected.value_or(sameScript ? QStringLiteral("not needed") : QStringLiteral("nothing")),
                  best.name.isEmpty() ? QStringLiteral("the locale's") : best.name)
             .arg(best.confidence, 0, 'f', 1)
             .arg(clock.elapsed())
             .arg(loading));
    if (best.name.isEmpty())
        return first;
    if (!best.lines.isEmpty())
        return {std::move(best.lines), {best.name}};
    Reading whole{readWith({best.name}, grey, layout), {best.name}};
    return meanConfidence(whole.lines) > firstConfidence ? whole : first;
}

} // namespace quorvane
