// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/text_processing_settings.h"

#include <QFuture>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvane {

// What a capture needs from text recognition.
class TextRecognizer {
public:
    virtual ~TextRecognizer() = default;

    // The recognised and cleaned text of `image`. `languages` are OCRLanguage ids in the
    // order to try; none or an empty list detects them. Fails with OCRError.
    virtual QFuture<QString> recognizeText(const QImage &image, const std::optional<QStringList> &languages,
                                           CaptureMode mode, const TextProcessingSettings &options) = 0;
    // A capture that will be read with `languages` in `mode` has begun: what recognition
    // needs first may start loading now, while the user still selects the region.
    virtual void prepare(const std::optional<QStringList> &languages, CaptureMode mode) = 0;
    // Ends the recognition running now with OCRError(cancelled); nothing when none runs.
    virtual void cancelRecognition() {}
};

} // namespace quorvane
