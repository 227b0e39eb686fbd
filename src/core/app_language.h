// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The languages the interface can be shown in, in the order the language picker lists
// them; `system` follows the desktop's own language.
enum class AppLanguage {
    system, en, zhHans, zhHant, es, fr, de, ja, ko, ptBR, it, nl, ru, pl, tr, ar,
    hi, th, vi, id, sv, cs, da, nb, ro, uk, hu, sk, hr, fi, el,
};

inline constexpr std::array<AppLanguage, 31> kAllAppLanguages{
    AppLanguage::system, AppLanguage::en, AppLanguage::zhHans, AppLanguage::zhHant, AppLanguage::es,
    AppLanguage::fr, AppLanguage::de, AppLanguage::ja, AppLanguage::ko, AppLanguage::ptBR,
    AppLanguage::it, AppLanguage::nl, AppLanguage::ru, AppLanguage::pl, AppLanguage::tr,
    AppLanguage::ar, AppLanguage::hi, AppLanguage::th, AppLanguage::vi, AppLanguage::id,
    AppLanguage::sv, AppLanguage::cs, AppLanguage::da, AppLanguage::nb, AppLanguage::ro,
    AppLanguage::uk, AppLanguage::hu, AppLanguage::sk, AppLanguage::hr, AppLanguage::fi,
    AppLanguage::el};

// "system", "en", "zh-Hans", "pt-BR", ...
QString rawValue(AppLanguage language);
// The language of an exact raw value (case and hyphen included); none for any other text.
std::optional<AppLanguage> appLanguageFromRawValue(const QString &raw);
// The English name ("System Default", "German", ...); never translated.
QString displayName(AppLanguage language);
// The name in the language itself ("Deutsch"); the system default's is looked up anew
// in the active string table on every call.
QString nativeName(AppLanguage language);
// The code its string table and "AppleLanguages" use: the raw value; none for `system`.
std::optional<QString> languageCode(AppLanguage language);

} // namespace quorvane
