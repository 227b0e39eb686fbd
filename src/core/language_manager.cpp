#include "core/language_manager.h"

#include "core/diagnostics.h"
#include "platform/interface_translations.h"
#include "platform/user_defaults.h"

#include <QLocale>

namespace quorvane {

LanguageManager::LanguageManager(UserDefaults &userDefaults, QObject *parent)
    : QObject(parent), m_userDefaults(userDefaults)
{
    const std::optional<QString> stored = m_userDefaults.stringValue(QString::fromLatin1(userDefaultsKey));
    if (stored)
        m_currentLanguage = appLanguageFromRawValue(*stored).value_or(AppLanguage::system);
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
    setCurrentLanguage(language);
    emit languageDidChange();
}

void LanguageManager::applyLanguage()
{
    const QString appleLanguages = QString::fromLatin1(appleLanguagesKey);
    const std::optional<QString> code = languageCode(m_currentLanguage);
    if (!code) {
        m_userDefaults.remove(appleLanguages);
        loadSystemLanguage();
        setLocalizedBundle(QString());
        return;
    }
    setLocalizedBundle(loadStringTable(*code));
    m_userDefaults.setStringList(appleLanguages, {*code});
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

void LanguageManager::loadSystemLanguage()
{
    // "de-DE" is offered as "de-DE" and "de"; "zh-Hans-CN" as "zh-Hans".
    for (const QString &tag : QLocale::system().uiLanguages()) {
        const QStringList parts = tag.split(QLatin1Char('-'));
        QStringList candidates{tag};
        if (parts.size() > 2)
            candidates << parts.mid(0, 2).join(QLatin1Char('-'));
        if (parts.size() > 1)
            candidates << parts.first();
        for (const QString &candidate : candidates) {
            const std::optional<AppLanguage> language = appLanguageFromRawValue(candidate);
            if (!language || language == AppLanguage::system)
                continue;
            if (language == AppLanguage::en || InterfaceTranslations::hasTable(candidate)) {
                loadStringTable(candidate);
                return;
            }
        }
    }
    InterfaceTranslations::use(QString());
}

void LanguageManager::applyLanguagePreference(const UserDefaults &userDefaults)
{
    const std::optional<QStringList> preferred =
        userDefaults.stringListValue(QString::fromLatin1(appleLanguagesKey));
    if (preferred && !preferred->isEmpty()) {
        const QString path = loadStringTable(preferred->first());
        diag(lcSettings(), QStringLiteral("🌐 [LanguageManager] Interface language %1 (%2)")
                 .arg(preferred->first(), path.isEmpty() ? QStringLiteral("English texts") : path));
        return;
    }
    loadSystemLanguage();
}

} // namespace quorvane
