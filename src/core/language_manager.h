// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app_language.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvane {

class UserDefaults;

// Keeps the interface language the user chose: remembers it under "AppLanguage" (the one
// key start-up reads too), loads its string table for everything shown from now on, and
// announces a choice (`languageDidChange`). Files of older versions that hold only
// "AppleLanguages" keep their language until the user chooses another. Main thread only.
class LanguageManager : public QObject {
    Q_OBJECT
public:
    static constexpr const char *userDefaultsKey = "AppLanguage";
    // Read only when "AppLanguage" is absent; a choice removes it.
    static constexpr const char *appleLanguagesKey = "AppleLanguages";

    // Reads the stored choice ("system" when absent or unknown; an unknown value stays
    // stored) and applies it once.
    explicit LanguageManager(UserDefaults &userDefaults, QObject *parent = nullptr);

    AppLanguage currentLanguage() const { return m_currentLanguage; }
    // Applies `language` when it differs from the current one; stores nothing, posts nothing.
    virtual void setCurrentLanguage(AppLanguage language);
    // The user's choice: when it differs from the current one, stores it under
    // "AppLanguage" (dropping an older file's "AppleLanguages"), applies it and emits
    // `languageDidChange`; otherwise does nothing.
    virtual void setLanguage(AppLanguage language);

    // The text table in use: its resource path, or empty for English.
    QString localizedBundle() const { return m_localizedBundle; }

    // What start-up does before anything is shown: loads the string table of the stored
    // choice, or of the desktop's languages for "system" or none.
    static void applyLanguagePreference(const UserDefaults &userDefaults);
    // The stored choice: "AppLanguage" ("system" when unknown), else the first language
    // of an older file's "AppleLanguages"; none when neither is stored.
    static std::optional<AppLanguage> storedLanguage(const UserDefaults &userDefaults);
    // The language the system default shows: of the desktop's preferred languages
    // (QLocale::uiLanguages, most wanted first) the first that has a table; "en" when none has.
    static QString systemLanguageCode(const QStringList &uiLanguages);

signals:
    void currentLanguageChanged(quorvane::AppLanguage language);
    void localizedBundleChanged(const QString &bundle);
    // The user chose another language (`setLanguage`).
    void languageDidChange();

private:
    void applyLanguage();
    void setLocalizedBundle(const QString &bundle);
    // Activates the table of `code`; the built-in English texts when it has none.
    // Returns the table's path, or empty for English.
    static QString loadStringTable(const QString &code);
    // The tables of the desktop's preferred languages, the first one this program has.
    static void loadSystemLanguage();

    UserDefaults &m_userDefaults;
    AppLanguage m_currentLanguage = AppLanguage::system;
    QString m_localizedBundle;
};

} // namespace quorvane
