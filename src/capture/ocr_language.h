// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace quorvane {

// One recognition language offered to the user.
struct OCRLanguage {
    QString id;           // "en-US", "zh-Hans", ...
    QString displayName;  // English name
    std::optional<QString> nativeName;

    bool operator==(const OCRLanguage &) const = default;

    // The 25 languages, in the order the preferences list them. Any thread.
    static const QList<OCRLanguage> &supportedLanguages();
    // Whole-string, case-sensitive match against a row's id.
    static bool isSupported(const QString &id);
};

size_t qHash(const OCRLanguage &language, size_t seed = 0);

} // namespace quorvane
