// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/json_util.h"

#include <QString>

namespace quorvane {

// The user's switches for cleaning up recognised text, and the clean-up pass itself.
struct TextProcessingSettings {
    bool preserveLineBreaks = true;
    bool avoidSmartQuotes = false;
    bool collapseSpaces = true;

    // The cleaned text; code mode returns the text exactly as recognised. Pure, any thread.
    QString process(const QString &text, CaptureMode mode) const;

    bool operator==(const TextProcessingSettings &) const = default;

    json::Json toJson() const;
    // All three members are required Booleans; throws json::DecodeError otherwise.
    static TextProcessingSettings fromJson(const json::Json &object);
};

} // namespace quorvane
