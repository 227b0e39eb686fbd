// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ocr_language.h"

#include <QHashFunctions>

namespace quorvane {

const QList<OCRLanguage> &OCRLanguage::supportedLanguages()
{
    // Built once, read-only afterwards: safe to share between threads.
    static const QList<OCRLanguage> table{
        {QStringLiteral("en-US"), QStringLiteral("English"), QStringLiteral("English")},
        {QStringLiteral("es-ES"), QStringLiteral("Spanish"), QStringLiteral("Español")},
        {QStringLiteral("fr-FR"), QStringLiteral("French"), QStringLiteral("Français")},
        {QStringLiteral("de-DE"), QStringLiteral("German"), QStringLiteral("Deutsch")},
        {QStringLiteral("it-IT"), QStringLiteral("Italian"), QStringLiteral("Italiano")},
        {QStringLiteral("pt-PT"), QStringLiteral("Portuguese"), QStringLiteral("Português")},
        {QStringLiteral("nl-NL"), QStringLiteral("Dutch"), QStringLiteral("Nederlands")},
        {QStringLiteral("da-DK"), QStringLiteral("Danish"), QStringLiteral("Dansk")},
        {QStringLiteral("no-NO"), QStringLiteral("Norwegian"), QStringLiteral("Norsk")},
        {QStringLiteral("sv-SE"), QStringLiteral("Swedish"), QStringLiteral("Svenska")},
        {QStringLiteral("pl-PL"), QStringLiteral("Polish"), QStringLiteral("Polski")},
        {QStringLiteral("cs-CZ"), QStringLiteral("Czech"), QStringLiteral("Čeština")},
        {QStringLiteral("ro-RO"), QStringLiteral("Romanian"), QStringLiteral("Română")},
        {QStringLiteral("zh-Hans"), QStringLiteral("Chinese (Simplified)"), QStringLiteral("简体中文")},
        {QStringLiteral("zh-Hant"), QStringLiteral("Chinese (Traditional)"), QStringLiteral("繁體中文")},
        {QStringLiteral("ja-JP"), QStringLiteral("Japanese"), QStringLiteral("日本語")},
        {QStringLiteral("ko-KR"), QStringLiteral("Korean"), QStringLiteral("한국어")},
        {QStringLiteral("th-TH"), QStringLiteral("Thai"), QStringLiteral("ไทย")},
        {QStringLiteral("vi-VN"), QStringLiteral("Vietnamese"), QStringLiteral("Tiếng Việt")},
        {QStringLiteral("ru-RU"), QStringLiteral("Russian"), QStringLiteral("Русский")},
        {QStringLiteral("uk-UA"), QStringLiteral("Ukrainian"), QStringLiteral("Українська")},
        {QStringLiteral("ar-SA"), QStringLiteral("Arabic"), QStringLiteral("العربية")},
        {QStringLiteral("tr-TR"), QStringLiteral("Turkish"), QStringLiteral("Türkçe")},
        {QStringLiteral("id-ID"), QStringLiteral("Indonesian"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("ms-MY"), QStringLiteral("Malay"), QStringLiteral("Bahasa Melayu")},
    };
    return table;
}

bool OCRLanguage::isSupported(const QString &id)
{
    const QList<OCRLanguage> &table = supportedLanguages();
    return std::any_of(table.cbegin(), table.cend(),
                       [&](const OCRLanguage &row) { return row.id == id; });
}

size_t qHash(const OCRLanguage &language, size_t seed)
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, language.id);
    seed = combine(seed, language.displayName);
    // The presence marker keeps an absent name apart from a present empty one.
    seed = combine(seed, language.nativeName.has_value());
    if (language.nativeName)
        seed = combine(seed, *language.nativeName);
    return seed;
}

} // namespace quorvane
