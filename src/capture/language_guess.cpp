// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/language_guess.h"

#include "capture/ocr_language.h"
#include "capture/tesseract_language_map.h"

#include <QSet>

// The library's header uses FILE without including what declares it.
#include <cstdio>

#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

namespace quorvane {

namespace {

// Fewer different words than this tell nothing of the language: a few letters of a name or
// a command score as some language's as often as not.
constexpr qsizetype kFewestWords = 3;
// A language is guessed only when this many of the words are its own on their own, not on a
// single one: a host's name beside "nas" is no Portuguese text.
constexpr int kOwnWords = 2;

struct Summary {
    CLD2::Language language = CLD2::UNKNOWN_LANGUAGE;
    int percent = 0;  // of the text's letters
    bool reliable = false;
};

Summary summaryOf(const QString &text, CLD2::Language likely, int flags)
{
    const QByteArray utf8 = text.toUtf8();
    const CLD2::CLDHints hints{nullptr, nullptr, CLD2::UNKNOWN_ENCODING, likely};
    CLD2::Language languages[3];
    int percents[3];
    double scores[3];
    int letters = 0;
    Summary summary;
    CLD2::ExtDetectLanguageSummary(utf8.constData(), int(utf8.size()), true, &hints, flags, languages, percents,
                                   scores, nullptr, &letters, &summary.reliable);
    summary.language = languages[0];
    summary.percent = percents[0];
    return summary;
}

CLD2::Language cld2Language(const QString &dataName)
{
    for (const OCRLanguage &language : OCRLanguage::supportedLanguages()) {
        if (TesseractLanguageMap::dataName(language.id) == dataName)
            return CLD2::GetLanguageFromName(language.id.toLatin1().constData());
    }
    return CLD2::UNKNOWN_LANGUAGE;
}

QString dataNameOf(CLD2::Language guessed)
{
    if (guessed == CLD2::UNKNOWN_LANGUAGE)
        return {};
    for (const OCRLanguage &language : OCRLanguage::supportedLanguages()) {
        if (CLD2::GetLanguageFromName(language.id.toLatin1().constData()) == guessed)
            return TesseractLanguageMap::dataName(language.id);
    }
    return {};
}

} // namespace

LanguageGuess::LanguageGuess(const QString &likely)
    : m_likely(cld2Language(likely))
{
}

QString LanguageGuess::of(const QStringList &words) const
{
    QStringList different;
    QSet<QString> seen;
    for (const QString &word : words) {
        const QString folded = word.toCaseFolded();
        if (!folded.isEmpty() && !seen.contains(folded)) {
            seen.insert(folded);
            different.append(folded);
        }
    }
    if (different.size() < kFewestWords)
        return {};
    // Most of the text, and surely: the first language scores well ahead of the second.
    const Summary text = summaryOf(different.join(QLatin1Char(' ')), CLD2::Language(m_likely), 0);
    if (!text.reliable || 2 * text.percent <= 100)
        return {};
    int own = 0;
    for (const QString &word : std::as_const(different)) {
        own += summaryOf(word, CLD2::UNKNOWN_LANGUAGE, CLD2::kCLDFlagBestEffort).language == text.language ? 1 : 0;
        if (own >= kOwnWords)
            return dataNameOf(text.language);
    }
    return {};
}

} // namespace quorvane
