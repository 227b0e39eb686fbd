// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/automatic_language.h"
#include "capture/engine_cache.h"
#include "capture/font_glyphs.h"
#include "capture/ocr_language.h"
#include "capture/recognition_limit.h"
#include "capture/text_recognizer.h"
#include "core/capture_mode.h"
#include "core/text_processing_settings.h"

#include <QFuture>
#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace quorvane {

class TesseractEngine;

// Turns one captured image into text on the device with Tesseract: plain lines in reading
// order, or in code mode the indentation-preserving layout, then the text clean-up pass.
// Recognitions run one at a time on the service's own thread, with warm engines kept there;
// those of languages the user did not get a reading in are released when it goes idle, and
// all of them once none was used for `engineRelease`. No engine is loaded before a capture
// asks for one (`prepare`), so an idle program holds no models.
class OCRService : public TextRecognizer {
public:
    // `dataPath` is the folder of Tesseract's *.traineddata files; `locale` decides the
    // languages of automatic detection.
    // A recognition stops with OCRError(timedOut) after `perMegapixel` for each megapixel
    // of the image (two at least).
    explicit OCRService(QString dataPath = defaultDataPath(), QLocale locale = QLocale::system(),
                        std::chrono::milliseconds engineRelease = std::chrono::minutes(10),
                        std::chrono::milliseconds perMegapixel = std::chrono::seconds(8));
    ~OCRService() override;
    OCRService(const OCRService &) = delete;
    OCRService &operator=(const OCRService &) = delete;

    // The recognised and cleaned text. `languages` are OCRLanguage ids in the order to
    // try; none or an empty list detects automatically. Fails with OCRError.
    QFuture<QString> recognizeText(const QImage &image, const std::optional<QStringList> &languages,
                                   CaptureMode mode, const TextProcessingSettings &options) override;
    void prepare(const std::optional<QStringList> &languages, CaptureMode mode) override;
    // The running recognition ends with OCRError(cancelled) at its next word. Any thread.
    void cancelRecognition() override;

    // The languages offered to the user, in table order. Any thread.
    static const QList<OCRLanguage> &supportedLanguages();

    // How many of a language search's candidates stay loaded after it, besides the
    // engines of the locale's languages and of those the user last got readings in.
    std::size_t enginesKept() const;
    // What automatic detection did so far. Any thread.
    AutomaticLanguage::Tally automaticLanguageTally() const;

    // $TESSDATA_PREFIX when set, otherwise the system's Tesseract data folder.
    static QString defaultDataPath();

private:
    QString recognize(quint64 ticket, const QImage &image, const std::optional<QStringList> &languages, CaptureMode mode,
                      const TextProcessingSettings &options);
    QString performOCR(const QImage &image, const QStringList &dataNames, bool useCorrection,
                       bool preserveIndentation);
    QStringList dataNamesFor(const std::optional<QStringList> &languages) const;
    QStringList installedDataNames() const;

    const QString m_dataPath;
    const std::chrono::milliseconds m_perMegapixel;
    RecognitionLimit m_limit;  // before the engines, which consult it
    const QStringList m_automaticLanguageIds;
    EngineCache<TesseractEngine> m_engines;  // executor thread only
    std::unique_ptr<AutomaticLanguage> m_automaticLanguage;  // executor thread only
    FontGlyphs m_fontGlyphs;  // executor thread only
    QThreadPool m_executor;
    QTimer m_idle;    // on the thread that made the service
    QTimer m_unused;  // likewise; runs out when no engine was used for `engineRelease`
};

} // namespace quorvane
