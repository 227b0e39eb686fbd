// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/tesseract_engine.h"

#include "build_config.h"

#include "capture/recognition_limit.h"

#include "capture/ocr_error.h"
#include "capture/tesseract_language_map.h"

#include <QFileInfo>
#include <QScopeGuard>

#if QUORVANE_HAVE_OPENMP
#include <omp.h>
#endif
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvane {

namespace {

// Owns a string the engine allocated with new[]. The engine writes the Thai and Lao vowel
// sign AM as the two signs it looks like (NIKHAHIT and AA), which no normalisation joins
// again and which match the same word typed nowhere: they are joined here.
QString takeText(char *text)
{
    const std::unique_ptr<char[]> owner(text);
    if (!text)
        return {};
    return QString::fromUtf8(text)
        .replace(QStringLiteral(u"\u0E4D\u0E32"), QStringLiteral(u"\u0E33"))
        .replace(QStringLiteral(u"\u0ECD\u0EB2"), QStringLiteral(u"\u0EB3"));
}

QRect boxAt(const tesseract::PageIterator &it, tesseract::PageIteratorLevel level)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!it.BoundingBox(level, &left, &top, &right, &bottom))
        return {};
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The readings the engine weighed for the symbol at `it` other than `best`, likeliest
// first (none unless the engine was told to keep them).
QStringList alternativesAt(const tesseract::ResultIterator &it, const QString &best)
{
    std::vector<std::pair<float, QString>> choices;
    tesseract::ChoiceIterator choice(it);
    do {
        const char *text = choice.GetUTF8Text();
        const QString reading = text ? QString::fromUtf8(text) : QString();
        if (!reading.isEmpty() && reading != best)
            choices.emplace_back(choice.Confidence(), reading);
    } while (choice.Next());
    std::stable_sort(choices.begin(), choices.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList alternatives;
    for (const auto &[confidence, reading] : choices) {
        if (!alternatives.contains(reading))
            alternatives.append(reading);
    }
    return alternatives;
}

} // namespace

TesseractEngine::TesseractEngine(const QString &dataPath, const QStringList &dataNames,
                                 bool languageCorrection, const RecognitionLimit *limit)
    : m_api(std::make_unique<tesseract::TessBaseAPI>()), m_limit(limit)
{
    QStringList missing;
    QStringList packages;
    for (const QString &name : dataNames) {
        if (!QFileInfo::exists(dataPath + QLatin1Char('/') + name + QStringLiteral(".traineddata"))) {
            missing.append(name);
            packages.append(TesseractLanguageMap::packageName(name));
        }
    }
    if (!missing.isEmpty()) {
        throw OCRError::missingLanguageData(missing.join(QStringLiteral(", ")), packages.join(QStringLiteral(", ")));
    }

    // Dictionaries are read at load time only, so the switch is part of the engine.
    const std::string flag = languageCorrection ? "1" : "0";
    const std::vector<std::string> names{"load_system_dawg", "load_freq_dawg"};
    const std::vector<std::string> values{flag, flag};
    const QByteArray path = dataPath.toUtf8();
    const QByteArray languages = dataNames.join(QLatin1Char('+')).toUtf8();
    if (m_api->Init(path.constData(), languages.constData(), tesseract::OEM_LSTM_ONLY, nullptr, 0,
                    &names, &values, false) != 0) {
        throw OCRError(OCRErrorKind::ocrFailed,
                       QStringLiteral("the recognition data for %1 could not be loaded from %2")
                           .arg(QString::fromUtf8(languages), dataPath));
    }
    // The caller already turned light-on-dark text around; trying both costs time.
    m_api->SetVariable("tessedit_do_invert", "0");
    // Without a dictionary nothing tells "1" from "l" in a hash; the caller weighs the
    // network's other readings of each character instead.
    if (!languageCorrection)
        m_api->SetVariable("lstm_choice_mode", "2");
}

TesseractEngine::~TesseractEngine()
{
    m_api->End();
}

QString TesseractEngine::readAs(const QImage &grey, int resolution, const QString &characters)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    m_api->SetVariable("tessedit_char_whitelist", characters.toUtf8().constData());
    // The list holds for every later reading until it is emptied again.
    const auto everyCharacter = qScopeGuard([this] {
        m_api->Clear();
        m_api->SetVariable("tessedit_char_whitelist", "");
    });
    m_api->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, static_cast<int>(grey.bytesPerLine()));
    m_api->SetSourceResolution(resolution);
    if (m_api->Recognize(nullptr) != 0)
        return {};
    return takeText(m_api->GetUTF8Text()).trimmed();
}

QList<QRect> TesseractEngine::lineBoxes(const QImage &grey, int resolution)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, static_cast<int>(grey.bytesPerLine()));
    m_api->SetSourceResolution(resolution);
    QList<QRect> boxes;
    const std::unique_ptr<tesseract::PageIterator> it(m_api->AnalyseLayout());
    for (bool more = it && !it->Empty(tesseract::RIL_TEXTLINE); more; more = it->Next(tesseract::RIL_TEXTLINE))
        boxes.append(boxAt(*it, tesseract::RIL_TEXTLINE));
    m_api->Clear();
    return boxes;
}

QList<RecognizedLine> TesseractEngine::recognize(const QImage &grey, int resolution, Layout layout,
                                                 const std::atomic_bool *cancelled, std::atomic_int *progress)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    // Tesseract splits each step of its networks over OpenMP threads. The steps are tiny,
    // so the threads mostly wait on one another, and on a busy machine a recognition took
    // several times as long as on one thread. The limit holds for the calling thread only.
#if QUORVANE_HAVE_OPENMP
    omp_set_max_active_levels(0);
#endif
    switch (layout) {
    case Layout::automatic: m_api->SetPageSegMode(tesseract::PSM_AUTO); break;
    case Layout::singleBlock: m_api->SetPageSegMode(tesseract::PSM_SINGLE_BLOCK); break;
    case Layout::singleLine: m_api->SetPageSegMode(tesseract::PSM_SINGLE_LINE); break;
    }
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, static_cast<int>(grey.bytesPerLine()));
    m_api->SetSourceResolution(resolution);
    struct Stop {
        const std::atomic_bool *cancelled;
        const RecognitionLimit *limit;
        std::atomic_int *progress;
        bool now() const { return (cancelled && *cancelled) || (limit && limit->stopped()); }
    } stop{cancelled, m_limit, progress};
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void *stop, int) { return static_cast<const Stop *>(stop)->now(); };
    monitor.cancel_this = &stop;
    // Before each line the networks read. They read them all in the engine's first pass,
    // which it counts as 70 % of its work; the rest is for its older classifier, which it
    // does not run here.
    if (progress) {
        progress->store(0);
        monitor.progress_callback2 = [](tesseract::ETEXT_DESC *monitor, int, int, int, int) {
            static_cast<const Stop *>(monitor->cancel_this)->progress->store(std::min(100, monitor->progress * 100 / 70));
            return true;
        };
    }
    const int status = m_api->Recognize(&monitor);
    if (progress)
        progress->store(100);
    if (m_limit && m_limit->stopped()) {
        m_api->Clear();
        throw OCRError(m_limit->wasCancelled() ? OCRErrorKind::cancelled : OCRErrorKind::timedOut);
    }
    if (cancelled && *cancelled) {
        m_api->Clear();
        return {};
    }
    if (status != 0) {
        m_api->Clear();
        throw OCRError(OCRErrorKind::visionRequestFailed,
                       //: Why recognition failed: the engine refused the picture; %1 x %2 is its size
                       //% "Tesseract could not read the %1 x %2 pixel image"
                       Phrase::text(QT_TRID_NOOP("ocr_error.reason.unreadable_image"),
                                    {QString::number(grey.width()), QString::number(grey.height())}));
    }

    QList<RecognizedLine> lines;
    std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
    constexpr auto kLine = tesseract::RIL_TEXTLINE;
    constexpr auto kWord = tesseract::RIL_WORD;
    constexpr auto kSymbol = tesseract::RIL_SYMBOL;
    bool more = it && !it->Empty(kWord);
    int block = -1;
    while (more) {
        if (it->IsAtBeginningOf(tesseract::RIL_BLOCK) || block < 0)
            ++block;
        RecognizedLine line;
        line.block = block;
        line.box = boxAt(*it, kLine);
        line.text = takeText(it->GetUTF8Text(kLine)).trimmed();
        // Each word, symbol by symbol; the iterator ends on the next line's first word.
        do {
            RecognizedWord word;
            word.box = boxAt(*it, kWord);
            word.text = takeText(it->GetUTF8Text(kWord));
            word.confidence = it->Confidence(kWord);
            word.inDictionary = it->WordIsFromDictionary();
            word.language = QString::fromUtf8(it->WordRecognitionLanguage());
            do {
                word.symbolBoxes.append(boxAt(*it, kSymbol));
                word.symbols.append(takeText(it->GetUTF8Text(kSymbol)));
                word.alternatives.append(alternativesAt(*it, word.symbols.last()));
                more = it->Next(kSymbol);
            } while (more && !it->IsAtBeginningOf(kWord));
            if (!word.text.isEmpty())
                line.words.append(word);
        } while (more && !it->IsAtBeginningOf(kLine));
        if (!line.words.isEmpty())
            lines.append(line);
    }
    m_api->Clear();
    return lines;
}

void TesseractEngine::releaseUnusedDictionaries()
{
    tesseract::TessBaseAPI::ClearPersistentCache();
}

} // namespace quorvane
