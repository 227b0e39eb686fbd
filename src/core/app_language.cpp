// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app_language.h"


namespace quorvane {

namespace {

struct LanguageNames {
    AppLanguage language;
    const char *raw;
    const char *english;
    const char *native;
};

// Indexed by the enumeration's value.
constexpr LanguageNames kNames[] = {
    {AppLanguage::system, "system", "System Default", nullptr},
    {AppLanguage::en, "en", "English", "English"},
    {AppLanguage::zhHans, "zh-Hans", "Chinese (Simplified)", "简体中文"},
    {AppLanguage::zhHant, "zh-Hant", "Chinese (Traditional)", "繁體中文"},
    {AppLanguage::es, "es", "Spanish", "Español"},
    {AppLanguage::fr, "fr", "French", "Français"},
    {AppLanguage::de, "de", "German", "Deutsch"},
    {AppLanguage::ja, "ja", "Japanese", "日本語"},
    {AppLanguage::ko, "ko", "Korean", "한국어"},
    {AppLanguage::ptBR, "pt-BR", "Portuguese (Brazil)", "Português (Brasil)"},
    {AppLanguage::it, "it", "Italian", "Italiano"},
    {AppLanguage::nl, "nl", "Dutch", "Nederlands"},
    {AppLanguage::ru, "ru", "Russian", "Русский"},
    {AppLanguage::pl, "pl", "Polish", "Polski"},
    {AppLanguage::tr, "tr", "Turkish", "Türkçe"},
    {AppLanguage::ar, "ar", "Arabic", "العربية"},
    {AppLanguage::hi, "hi", "Hindi", "हिन्दी"},
    {AppLanguage::th, "th", "Thai", "ไทย"},
    {AppLanguage::vi, "vi", "Vietnamese", "Tiếng Việt"},
    {AppLanguage::id, "id", "Indonesian", "Bahasa Indonesia"},
    {AppLanguage::sv, "sv", "Swedish", "Svenska"},
    {AppLanguage::cs, "cs", "Czech", "Čeština"},
    {AppLanguage::da, "da", "Danish", "Dansk"},
    {AppLanguage::nb, "nb", "Norwegian", "Norsk Bokmål"},
    {AppLanguage::ro, "ro", "Romanian", "Română"},
    {AppLanguage::uk, "uk", "Ukrainian", "Українська"},
    {AppLanguage::hu, "hu", "Hungarian", "Magyar"},
    {AppLanguage::sk, "sk", "Slovak", "Slovenčina"},
    {AppLanguage::hr, "hr", "Croatian", "Hrvatski"},
    {AppLanguage::fi, "fi", "Finnish", "Suomi"},
    {AppLanguage::el, "el", "Greek", "Ελληνικά"},
};

static_assert(std::size(kNames) == kAllAppLanguages.size());
static_assert([] {
    for (size_t i = 0; i < std::size(kNames); ++i) {
        if (static_cast<size_t>(kNames[i].language) != i)
            return false;
    }
    return true;
}());

const LanguageNames &namesOf(AppLanguage language)
{
    return kNames[static_cast<size_t>(language)];
}

} // namespace

QString rawValue(AppLanguage language)
{
    return QString::fromLatin1(namesOf(language).raw);
}

std::optional<AppLanguage> appLanguageFromRawValue(const QString &raw)
{
    for (const LanguageNames &names : kNames) {
        if (raw == QLatin1String(names.raw))
            return names.language;
    }
    return std::nullopt;
}

QString displayName(AppLanguage language)
{
    return QString::fromUtf8(namesOf(language).english);
}

QString nativeName(AppLanguage language)
{
    if (language == AppLanguage::system)
        //% "System Default"
        return qtTrId("language.system_default");
    return QString::fromUtf8(namesOf(language).native);
}

std::optional<QString> languageCode(AppLanguage language)
{
    if (language == AppLanguage::system)
        return std::nullopt;
    return rawValue(language);
}

} // namespace quorvane
