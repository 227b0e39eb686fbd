// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language_manager.h"

#include "core/diagnostics.h"
#include "platform/interface_translations.h"
#include "platform/user_defaults.h"

#include <QLocale>

namespace quorvane {

LanguageManager::LanguageManager(UserDefaults &userDefaults, QObject *parent)
    : QObject(parent), m_userDefaults(userDefaults)
{
    m_currentLanguage = storedLanguage(m_userDefaults).value_or(AppLanguage::system);
    applyLanguage();
}

void LanguageManager::setCurrentLanguage(AppLanguage language)
{
    if (language == m_currentLanguage)
        return;
    m_currentLanguage = language;
    applyLanguage();
    emit currentLanguageChanged(language);
}

void LanguageManager::setLanguage(AppLanguage language)
{
    if (language == m_currentLanguage)
        return;
    m_userDefaults.setString(QString::fromLatin1(userDefaultsKey), rawValue(language));
    m_userDefaults.remove(QString::fromLatin1(appleLanguagesKey));
    setCurrentLanguage(language);
    emit languageDidChange();
}

void LanguageManager::applyLanguage()
{
    const std::optional<QString> code = languageCode(m_currentLanguage);
    if (!code) {
        loadSystemLanguage();
        setLocalizedBundle(QString());
        return;
    }
    setLocalizedBundle(loadStringTable(*code));
}

std::optional<AppLanguage> LanguageManager::storedLanguage(const UserDefaults &userDefaults)
{
    if (const std::optional<QString> chosen = userDefaults.stringValue(QString::fromLatin1(userDefaultsKey)))
        return appLanguageFromRawValue(*chosen).value_or(AppLanguage::system);
    const std::optional<QStringList> older = userDefaults.stringListValue(QString::fromLatin1(appleLanguagesKey));
    if (older && !older->isEmpty())
        return appLanguageFromRawValue(older->first()).value_or(AppLanguage::system);
    return std::nullopt;
}

void LanguageManager::setLocalizedBundle(const QString &bundle)
{
    if (bundle == m_localizedBundle)
        return;
    m_localizedBundle = bundle;
    emit localizedBundleChanged(bundle);
}

QString LanguageManager::loadStringTable(const QString &code)
{
    if (code == QLatin1String("en") || !InterfaceTranslations::hasTable(code)) {
        // Whatever table was active before belongs to another language.
        InterfaceTranslations::use(QString());
        return QString();
    }
    return InterfaceTranslations::use(code) ? InterfaceTranslations::tablePath(code) : QString();
}

QString LanguageManager::systemLanguageCode(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;
        // "de-DE" is offered as "de"; "zh-CN" as "zh-Hans", "zh-HK" as "zh-Hant"; "no" is
        // Bokmål ("nb"); "pt-BR" matches as a whole.
        const QString language = QLocale::languageToCode(locale.language());
        QStringList candidates{tag};
        if (locale.script() == QLocale::SimplifiedHanScript)
            candidates << language + QStringLiteral("-Hans");
        else if (locale.script() == QLocale::TraditionalHanScript)
            candidates << language + QStringLiteral("-Hant");
        candidates << language + QLatin1Char('-') + QLocale::territoryToCode(locale.territory()) << language;
        for (const QString &candidate : candidates) {
            const std::optional<AppLanguage> found = appLanguageFromRawValue(candidate);
            if (found && found != AppLanguage::system
                && (found == AppLanguage::en || InterfaceTranslations::hasTable(candidate)))
                return candidate;
        }
    }
    return QStringLiteral("en");
}

void LanguageManager::loadSystemLanguage()
{
    loadStringTable(systemLanguageCode(QLocale::system().uiLanguages()));
}

void LanguageManager::applyLanguagePreference(const UserDefaults &userDefaults)
{
    const std::optional<QString> code = languageCode(storedLanguage(userDefaults).value_or(AppLanguage::system));
    if (!code) {
        loadSystemLanguage();
        return;
    }
    const QString path = loadStringTable(*code);
    diag(lcSettings(), QStringLiteral("[LanguageManager] Interface language %1 (%2)")
             .arg(*code, path.isEmpty() ? QStringLiteral("English texts") : path));
}

} // namespace quorvane
