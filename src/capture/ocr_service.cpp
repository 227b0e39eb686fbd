// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ocr_service.h"

#include "capture/automatic_language.h"
#include "capture/code_layout.h"
#include "capture/monospace_grid.h"
#include "capture/number_rereading.h"
#include "capture/ocr_error.h"
#include "capture/program_text_readings.h"
#include "capture/recognition_image.h"
#include "capture/tesseract_engine.h"
#include "capture/tesseract_language_map.h"
#include "core/async_run.h"
#include "core/diagnostics.h"

#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include <malloc.h>

namespace quorvane {

namespace {

// Engines kept warm (about 15 MB each, a Chinese or Japanese one 34-47 MB): besides the
// locale's, that of the last language the user got a reading in, with or without the
// dictionary for code mode. A second would stay through a search for another language,
// beside the candidates it loads, and a Chinese or Japanese one takes too much for that.
constexpr size_t kChosenEngines = 1;
// The candidates of a language search go when it ends: an engine takes 9-17 MB, a Chinese
// or Japanese one 34-47 MB, the 25 languages together 375 MB, more than a tray tool may
// hold. A capture of text in the locale's languages searches no more, so only captures in
// other languages load candidates again.
constexpr size_t kCandidatesKept = 0;
constexpr auto kIdleRelease = std::chrono::seconds(30);

QString joinLines(const QList<RecognizedLine> &lines)
{
    QStringList texts;
    for (const RecognizedLine &line : lines) {
        if (!line.text.isEmpty())
            texts.append(line.text);
    }
    return texts.join(QLatin1Char('\n'));
}

// Median distance between the centres of neighbouring characters of a word: the
// character pitch of program text. 0 when no word has two characters.
double characterPitch(const QList<RecognizedLine> &lines)
{
    std::vector<double> distances;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            for (qsizetype i = 1; i < word.symbolBoxes.size(); ++i)
                distances.push_back(word.symbolBoxes[i].center().x() - word.symbolBoxes[i - 1].center().x());
        }
    }
    if (distances.empty())
        return 0;
    std::nth_element(distances.begin(), distances.begin() + distances.size() / 2, distances.end());
    return distances[distances.size() / 2];
}

// Word boxes for the code layout. A glyph's ink is narrower than its cell, so tight word
// boxes make the mean character width too small and every indent too deep; each word
// instead spans from half a pitch before its first character's centre to half a pitch
// after its last one, which for monospaced text is exactly its cells. Every word takes
// its line's vertical extent so the layout groups a line's words whatever their letters.
QList<TextObservation> codeObservations(const QList<RecognizedLine> &lines, const RecognitionImage &image)
{
    const double pitch = characterPitch(lines);
    QList<TextObservation> observations;
    for (const RecognizedLine &line : lines) {
        for (const RecognizedWord &word : line.words) {
            double left = word.box.left();
            double right = word.box.left() + word.box.width();
            if (pitch > 0 && !word.symbolBoxes.isEmpty()) {
                left = word.symbolBoxes.first().center().x() - pitch / 2;
                right = word.symbolBoxes.last().center().x() + pitch / 2;
            }
            const QRectF box(left, line.box.top(), right - left, line.box.height());
            observations.append({image.normalisedBox(box), word.text});
        }
    }
    return observations;
}

// The session's engines as automatic detection asks for them: with the dictionaries, or
// without them for program text.
class CachedEngines : public AutomaticLanguage::Engines {
public:
    CachedEngines(EngineCache<TesseractEngine> &cache, bool useCorrection)
        : m_cache(cache)
        , m_useCorrection(useCorrection)
    {
    }
    TesseractEngine &engine(const QStringList &dataNames) override { return m_cache.engine(dataNames, m_useCorrection); }
    void load(const QList<QStringList> &dataNames) override { m_cache.load(dataNames, m_useCorrection); }
    TesseractEngine *twin(const QStringList &dataNames) override { return m_cache.twin(dataNames, m_useCorrection); }
    void release(const QStringList &dataNames) override
    {
        // What it took goes back before the next candidates load beside those that stay.
        if (m_cache.releaseCandidate(dataNames, m_useCorrection))
            malloc_trim(0);
    }
    void releaseTwins() override { m_cache.releaseTwins(); }

private:
    EngineCache<TesseractEngine> &m_cache;
    const bool m_useCorrection;
};

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// A released engine's dictionaries stay in Tesseract's process-wide cache, and its models
// go back to the allocator, which keeps the pages unless told: without both the program's
// resident size would hardly shrink. Runs on the recognition thread. malloc_trim gives back
// the free pages inside every arena but not the free end of this thread's arena; that end
// is cut back whenever a block of 64 KiB or more is freed here, so one is.
void returnFreedMemory()
{
    TesseractEngine::releaseUnusedDictionaries();
    std::free(std::malloc(64 * 1024));
    malloc_trim(0);
}


} // namespace

OCRService::OCRService(QString dataPath, QLocale locale, std::chrono::milliseconds engineRelease,
                       std::chrono::milliseconds perMegapixel)
    : m_dataPath(std::move(dataPath))
    , m_perMegapixel(perMegapixel)
    , m_automaticLanguageIds(TesseractLanguageMap::automaticLanguageIds(locale))
    , m_engines(
          [this](const QStringList &dataNames, bool useCorrection) {
              auto engine = std::make_unique<TesseractEngine>(m_dataPath, dataNames, useCorrection, &m_limit);
              diag(lcRecognition(), QStringLiteral("[OCRService] loaded %1, correction %2")
                                        .arg(dataNames.join(QLatin1Char('+')))
                                        .arg(useCorrection));
              return engine;
          },
          kChosenEngines, kCandidatesKept, engineRelease)
    , m_automaticLanguage(std::make_unique<AutomaticLanguage>(dataNamesFor(std::nullopt), installedDataNames()))
{
    m_executor.setMaxThreadCount(1);
    // One thread for the service's life: the memory its engines took is given back within
    // that thread's own allocator arena, not left behind in an exited thread's.
    m_executor.setExpiryTimeout(-1);
    m_executor.setObjectName(QStringLiteral("OCRService"));
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleRelease);
    QObject::connect(&m_idle, &QTimer::timeout, &m_idle, [this] {
        runAsync(m_executor, [this] {
            m_automaticLanguage->waitForProbe();
            // An idle tray program holds the locale's engines alone: those of other languages
            // (a Chinese or Japanese one takes 34-47 MB) load again for the next capture in them.
            m_engines.releaseAllButPinned();
            m_fontGlyphs.releaseGlyphs();
            returnFreedMemory();
        });
    });
    m_unused.setSingleShot(true);
    m_unused.setInterval(engineRelease);
    // A coarse timer may fire up to 5 % early, before the last engine counts as unused.
    m_unused.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_unused, &QTimer::timeout, &m_unused, [this] {
        runAsync(m_executor, [this] {
            m_automaticLanguage->waitForProbe();
            m_engines.releaseUnused();
            returnFreedMemory();
            diag(lcRecognition(), QStringLiteral("[OCRService] unused engines released, %1 kept").arg(m_engines.size()));
        });
    });
    // The engines automatic detection starts with, the locale's and the one that probes
    // for another script beside it: kept once loaded.
    for (const QStringList &names : m_automaticLanguage->everyReadingsEngines())
        m_engines.pin(names, true);
}

void OCRService::prepare(const std::optional<QStringList> &languages, CaptureMode mode)
{
    runAsync(m_executor, [this, languages, mode] {
        try {
            // Automatic detection of text reads with the locale's engine and probes with
            // another of its script at the same time.
            const bool automatic = !languages || languages->isEmpty();
            if (automatic && mode != CaptureMode::code) {
                for (const QStringList &names : m_automaticLanguage->everyReadingsEngines())
                    m_engines.engine(names, true);
            } else {
                m_engines.engine(dataNamesFor(languages), mode != CaptureMode::code);
            }
        } catch (const OCRError &error) {
            // The recognition that follows meets the same failure and reports it.
            diagWarning(lcRecognition(), QStringLiteral("[OCRService.prepare] %1").arg(error.englishDescription()));
        }
        QMetaObject::invokeMethod(&m_unused, qOverload<>(&QTimer::start), Qt::QueuedConnection);
    });
}

OCRService::~OCRService()
{
    m_executor.waitForDone();
}

const QList<OCRLanguage> &OCRService::supportedLanguages()
{
    return OCRLanguage::supportedLanguages();
}

QString OCRService::defaultDataPath()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return prefix;
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}

QFuture<QString> OCRService::recognizeText(const QImage &image, const std::optional<QStringList> &languages,
                                           CaptureMode mode, const TextProcessingSettings &options)
{
    const quint64 ticket = m_limit.issue();
    return runAsync(m_executor, [this, ticket, image, languages, mode, options] {
        // Whatever the outcome, the engines of the search are trimmed, and the idle time
        // counts from the end of the last recognition.
        const auto endSearch = qScopeGuard([this] {
            m_engines.endSearch();
            // What the reading took goes back once its text is handed over: the allocator
            // would keep the pages until the session idles, and the next capture would start
            // from there (a search's candidates leave 50-100 MB, a whole screen of text 50 MB).
            // (It takes 0.3-3 ms.)
            runAsync(m_executor, &returnFreedMemory);
            QMetaObject::invokeMethod(&m_idle, qOverload<>(&QTimer::start), Qt::QueuedConnection);
            QMetaObject::invokeMethod(&m_unused, qOverload<>(&QTimer::start), Qt::QueuedConnection);
        });
        return recognize(ticket, image, languages, mode, options);
    });
}

void OCRService::cancelRecognition()
{
    m_limit.cancel();
}

QString OCRService::recognize(quint64 ticket, const QImage &image, const std::optional<QStringList> &languages,
                              CaptureMode mode, const TextProcessingSettings &options)
{
    if (image.width() < 1 || image.height() < 1)
        throw OCRError(OCRErrorKind::invalidImage);

    const bool codeMode = mode == CaptureMode::code;
    const bool useCorrection = !codeMode;
    const bool preserveIndentation = codeMode;

    if (languages) {
        for (const QString &id : *languages) {
            if (!OCRLanguage::isSupported(id))
                throw OCRError(OCRErrorKind::unsupportedLanguage, id);
        }
    }
    const QStringList dataNames = dataNamesFor(languages);
    diag(lcRecognition(), QStringLiteral("[OCRService.recognizeText] mode %1, %2 x %3 px, correction %4, indentation %5, "
                        "languages %6%7")
             .arg(rawValue(mode))
             .arg(image.width())
             .arg(image.height())
             .arg(useCorrection)
             .arg(preserveIndentation)
             .arg(dataNames.join(QLatin1Char('+')),
                  languages && !languages->isEmpty() ? QString() : QStringLiteral(" (automatic)")));

    const bool automatic = !languages || languages->isEmpty();
    m_limit.start(ticket, RecognitionLimit::budgetFor(image.size(), m_perMegapixel));
    const QString text = performOCR(image, automatic ? QStringList() : dataNames, useCorrection, preserveIndentation);
    return options.process(text, mode);
}

QString OCRService::performOCR(const QImage &image, const QStringList &dataNames, bool useCorrection,
                               bool preserveIndentation)
{
    const RecognitionImage prepared(image, preserveIndentation ? RecognitionImage::Content::programText
                                                               : RecognitionImage::Content::text);
    const auto layout = preserveIndentation ? TesseractEngine::Layout::singleBlock : TesseractEngine::Layout::automatic;
    QList<RecognizedLine> lines;
    QStringList reader = dataNames;
    if (dataNames.isEmpty()) {
        // Program text is written in the letters of one language; only its script is chosen.
        const auto choice = preserveIndentation ? AutomaticLanguage::Choice::script : AutomaticLanguage::Choice::language;
        CachedEngines engines(m_engines, useCorrection);
        AutomaticLanguage::Reading reading =
            m_automaticLanguage->read(prepared.pixels(), prepared.resolution(), layout, choice, engines);
        for (const QStringList &readers : reading.readers)
            m_engines.choose(readers, useCorrection);
        reader = reading.readers.value(0);
        lines = std::move(reading.lines);
    } else {
        if (m_automaticLanguage->everyReadingsEngines().contains(dataNames))
            m_automaticLanguage->waitForProbe();
        lines = m_engines.engine(dataNames, useCorrection).recognize(prepared.pixels(), prepared.resolution(), layout);
        m_engines.choose(dataNames, useCorrection);
    }

    qsizetype words = 0;
    for (const RecognizedLine &line : lines)
        words += line.words.size();
    diag(lcRecognition(), QStringLiteral("   [OCRService.performOCR] scale %1, inverted %2, %3 lines, %4 words")
             .arg(prepared.scale())
             .arg(prepared.inverted())
             .arg(lines.size())
             .arg(words));

    if (preserveIndentation && !reader.isEmpty()) {
        TesseractEngine &engine = m_engines.engine(reader, useCorrection);
        rereadNumbers(lines, prepared.pixels(), [&](const QImage &number) {
            return engine.readAs(number, prepared.resolution(), QStringLiteral("0123456789.,:-/x"));
        });
    }

    // Program text in a monospaced font is laid out on its character grid; in any other
    // font the word boxes give the indentation.
    LineReader reread;
    if (preserveIndentation && !reader.isEmpty()) {
        reread = [&](const QImage &line) {
            QList<RecognizedWord> words;
            for (const RecognizedLine &read : m_engines.engine(reader, useCorrection)
                                                  .recognize(line, prepared.resolution(), TesseractEngine::Layout::singleLine))
                words += read.words;
            return words;
        };
    }
    std::optional<QString> text =
        preserveIndentation ? layOutOnMonospaceGrid(lines, prepared.pixels(), prepared.scale(), reread, &m_fontGlyphs) : joinLines(lines);
    if (!text)
        text = extractTextWithIndentation(codeObservations(lines, prepared));
    if (preserveIndentation)
        text = withProgramTextReadings(*text);
    // White space alone is no text, in code mode as in every other.
    if (isBlank(*text)) {
        diag(lcRecognition(), QStringLiteral("[OCRService.performOCR] no text detected"));
        throw OCRError(OCRErrorKind::noTextDetected);
    }
    diag(lcRecognition(), QStringLiteral("[OCRService.performOCR] %1 characters").arg(text->size()));
    return *text;
}

QStringList OCRService::dataNamesFor(const std::optional<QStringList> &languages) const
{
    QStringList names;
    if (languages && !languages->isEmpty()) {
        for (const QString &id : *languages) {
            const QString name = TesseractLanguageMap::dataName(id);
            if (!names.contains(name))
                names.append(name);
        }
        return names;
    }
    // Automatic detection uses what is installed of the locale's languages; English
    // stays even when missing, so its absence is reported rather than hidden.
    for (const QString &id : m_automaticLanguageIds) {
        const QString name = TesseractLanguageMap::dataName(id);
        const bool installed = QFileInfo::exists(m_dataPath + QLatin1Char('/') + name + QStringLiteral(".traineddata"));
        if (installed || name == QLatin1String("eng"))
            names.append(name);
    }
    return names;
}

std::size_t OCRService::enginesKept() const
{
    return kCandidatesKept;
}

AutomaticLanguage::Tally OCRService::automaticLanguageTally() const
{
    return m_automaticLanguage->tally();
}

QStringList OCRService::installedDataNames() const
{
    QStringList names;
    for (const OCRLanguage &language : OCRLanguage::supportedLanguages()) {
        const QString name = TesseractLanguageMap::dataName(language.id);
        if (QFileInfo::exists(m_dataPath + QLatin1Char('/') + name + QStringLiteral(".traineddata")))
            names.append(name);
    }
    return names;
}

} // namespace quorvane
