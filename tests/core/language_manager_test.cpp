#include "core/language_manager.h"
#include "platform/user_defaults.h"

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

TEST(AppLanguageTest, ListsThirtyOneLanguagesSystemFirstAndMatchesRawValuesExactly)
{
    ASSERT_EQ(kAllAppLanguages.size(), 31u);
    EXPECT_EQ(kAllAppLanguages.front(), AppLanguage::system);
    EXPECT_EQ(kAllAppLanguages.back(), AppLanguage::el);
    for (AppLanguage language : kAllAppLanguages)
        EXPECT_EQ(appLanguageFromRawValue(rawValue(language)), language);

    EXPECT_EQ(appLanguageFromRawValue("zh-Hans"), AppLanguage::zhHans);
    EXPECT_FALSE(appLanguageFromRawValue("zh_Hans"));
    EXPECT_FALSE(appLanguageFromRawValue("pt-br"));
    EXPECT_EQ(nativeName(AppLanguage::system), "System Default");
    EXPECT_EQ(nativeName(AppLanguage::ptBR), "Português (Brasil)");
    EXPECT_EQ(displayName(AppLanguage::nb), "Norwegian");
    EXPECT_FALSE(languageCode(AppLanguage::system));
}

TEST(LanguageManagerTest, ChoosingALanguageStoresItPointsAppleLanguagesAtItAndPostsOnce)
{
    LanguageRig rig;
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    EXPECT_EQ(manager.currentLanguage(), AppLanguage::system);

    manager.setLanguage(AppLanguage::ptBR);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "pt-BR");
    EXPECT_EQ(rig.appleLanguages(), QStringList{"pt-BR"});
    EXPECT_EQ(rig.posts, 1);

    manager.setLanguage(AppLanguage::ptBR);
    EXPECT_EQ(rig.posts, 1);

    manager.setLanguage(AppLanguage::system);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "system");
    EXPECT_FALSE(rig.appleLanguages());
    EXPECT_EQ(rig.posts, 2);

    // A direct change applies the language but is not the user's choice.
    manager.setCurrentLanguage(AppLanguage::de);
    EXPECT_EQ(rig.appleLanguages(), QStringList{"de"});
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "system");
    EXPECT_EQ(rig.posts, 2);
}

TEST(LanguageManagerTest, UnknownStoredLanguageFollowsTheSystemAndStaysStored)
{
    LanguageRig rig;
    rig.defaults.setString("AppLanguage", "xx");
    rig.defaults.setStringList("AppleLanguages", {"fr"});
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    EXPECT_EQ(manager.currentLanguage(), AppLanguage::system);
    EXPECT_FALSE(rig.appleLanguages());
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "xx");
    EXPECT_EQ(rig.posts, 0);
}

TEST(LanguageManagerTest, LanguageWithoutStringTableShowsEnglishNotThePreviousLanguage)
{
    LanguageRig rig;
    rig.defaults.setString("AppLanguage", "fr");
    LanguageManager manager(rig.defaults);
    rig.watch(manager);
    manager.setLanguage(AppLanguage::en);
    EXPECT_EQ(qtTrId("general.ok"), "OK");
    EXPECT_TRUE(manager.localizedBundle().isEmpty());
    EXPECT_EQ(rig.appleLanguages(), QStringList{"en"});
    manager.setCurrentLanguage(AppLanguage::system);
}
