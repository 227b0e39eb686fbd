// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language_manager.h"
#include "platform/user_defaults.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

struct LanguageRig {
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath("defaults.json")};
    int posts = 0;

    // Counts the choices `manager` announces.
    void watch(LanguageManager &manager)
    {
        QObject::connect(&manager, &LanguageManager::languageDidChange, [this] { ++posts; });
    }
    std::optional<QStringList> appleLanguages() const { return defaults.stringListValue("AppleLanguages"); }
};

} // namespace

// A stored choice must come back as itself at the next start (two languages under one
// code would not), and the picker must tell its entries apart. How many the picker lists,
// and in which order, GeneralPaneTest checks.
TEST(AppLanguageTest, EveryLanguageIsReadBackFromItsStoredCodeAndHasItsOwnName)
{
    QSet<QString> names;
    for (AppLanguage language : kAllAppLanguages) {
        EXPECT_EQ(appLanguageFromRawValue(rawValue(language)), language) << rawValue(language).toStdString();
        names.insert(nativeName(language));
    }
    EXPECT_EQ(names.size(), int(kAllAppLanguages.size()));
    // Only the exact stored text counts.
    EXPECT_FALSE(appLanguageFromRawValue("zh_Hans"));
    EXPECT_FALSE(appLanguageFromRawValue("pt-br"));
}

TEST(LanguageManagerTest, ChoosingALanguageStoresItUnderOneKeyAndPostsOnce)
{
    LanguageRig rig;
    rig.defaults.setStringList("AppleLanguages", {"fr"}); // an older version's file
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    EXPECT_EQ(manager.currentLanguage(), AppLanguage::fr);

    manager.setLanguage(AppLanguage::ptBR);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "pt-BR");
    EXPECT_FALSE(rig.appleLanguages());
    EXPECT_EQ(rig.posts, 1);

    manager.setLanguage(AppLanguage::ptBR);
    EXPECT_EQ(rig.posts, 1);

    manager.setLanguage(AppLanguage::system);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "system");
    EXPECT_EQ(rig.posts, 2);

    // A direct change applies the language but is not the user's choice.
    manager.setCurrentLanguage(AppLanguage::de);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "system");
    EXPECT_FALSE(rig.appleLanguages());
    EXPECT_EQ(rig.posts, 2);
    manager.setCurrentLanguage(AppLanguage::system);
}

TEST(LanguageManagerTest, UnknownStoredLanguageFollowsTheSystemAndStaysStored)
{
    LanguageRig rig;
    rig.defaults.setString("AppLanguage", "xx");
    rig.defaults.setStringList("AppleLanguages", {"fr"});
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    EXPECT_EQ(manager.currentLanguage(), AppLanguage::system);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "xx");
    EXPECT_EQ(rig.posts, 0);
}

TEST(LanguageManagerTest, TheChosenLanguagesTableReplacesTheTextsAndEnglishRestoresThem)
{
    LanguageRig rig;
    rig.defaults.setString("AppLanguage", "fr");
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    EXPECT_EQ(qtTrId("general.cancel"), "Annuler");
    EXPECT_EQ(manager.localizedBundle(), ":/translations/quorvane_fr.qm");
    // Qt's own texts (standard buttons, file dialogs) come in the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");

    // Plural texts follow the language's own rules.
    manager.setLanguage(AppLanguage::ru);
    EXPECT_EQ(qtTrId("relative_time.days", 21), "21 день");
    EXPECT_EQ(qtTrId("relative_time.days", 3), "3 дня");
    EXPECT_EQ(qtTrId("relative_time.days", 5), "5 дней");

    manager.setLanguage(AppLanguage::en);
    EXPECT_EQ(qtTrId("general.cancel"), "Cancel");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_EQ(qtTrId("relative_time.days", 1), "1 day");
    EXPECT_TRUE(manager.localizedBundle().isEmpty());
    manager.setCurrentLanguage(AppLanguage::system);
}

TEST(LanguageManagerTest, AtStartTheChoicePreferencesStoredAppliesWithItsLayoutDirection)
{
    LanguageRig rig;
    rig.defaults.setString("AppLanguage", "ar");
    rig.defaults.setStringList("AppleLanguages", {"de"}); // stale, from an older version
    LanguageManager::applyLanguagePreference(rig.defaults);
    EXPECT_EQ(qtTrId("general.cancel"), "إلغاء");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);

    // An older file that has only the other key keeps its language.
    rig.defaults.remove("AppLanguage");
    LanguageManager::applyLanguagePreference(rig.defaults);
    EXPECT_EQ(qtTrId("general.cancel"), "Abbrechen");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    // The system default, or no stored choice: the desktop's language (C in the tests)
    // gives English.
    rig.defaults.setString("AppLanguage", "system");
    LanguageManager::applyLanguagePreference(rig.defaults);
    EXPECT_EQ(qtTrId("general.cancel"), "Cancel");
    rig.defaults.remove("AppLanguage");
    rig.defaults.remove("AppleLanguages");
    LanguageManager::applyLanguagePreference(rig.defaults);
    EXPECT_EQ(qtTrId("general.cancel"), "Cancel");
}

TEST(LanguageManagerTest, TheSystemDefaultIsTheFirstDesktopLanguageWithATable)
{
    using Languages = QStringList;
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"de-DE", "en-US"}), "de");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"pt-PT", "pt-BR"}), "pt-BR");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"zh-CN"}), "zh-Hans");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"zh-Hant-TW"}), "zh-Hant");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"zh-HK"}), "zh-Hant");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"no-NO"}), "nb");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"xx", "fr-CA"}), "fr");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{"C", "eo"}), "en");
    EXPECT_EQ(LanguageManager::systemLanguageCode(Languages{}), "en");
}
