#include "capture/ocr_language.h"
#include "capture/tesseract_language_map.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace quorvane;

TEST(TesseractLanguageMap, EveryOfferedLanguageHasItsOwnData)
{
    QSet<QString> names;
    for (const OCRLanguage &language : OCRLanguage::supportedLanguages()) {
        const QString name = TesseractLanguageMap::dataName(language.id);
        EXPECT_FALSE(name.isEmpty()) << language.id.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 25);
    EXPECT_EQ(TesseractLanguageMap::dataName("zh-Hant"), "chi_tra");
    EXPECT_EQ(TesseractLanguageMap::dataName("no-NO"), "nor");
    EXPECT_EQ(TesseractLanguageMap::dataName("en"), "");
    EXPECT_EQ(TesseractLanguageMap::packageName("chi_sim"), "tesseract-ocr-chi-sim");
    EXPECT_EQ(TesseractLanguageMap::packageName("deu"), "tesseract-ocr-deu");
}

TEST(TesseractLanguageMap, AutomaticLanguagesFollowTheLocaleThenEnglish)
{
    using TesseractLanguageMap::automaticLanguageIds;
    EXPECT_EQ(automaticLanguageIds(QLocale("de_AT")), QStringList({"de-DE", "en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale("pt_BR")), QStringList({"pt-PT", "en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale("zh_TW")), QStringList({"zh-Hant", "en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale("zh_CN")), QStringList({"zh-Hans", "en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale("nb_NO")), QStringList({"no-NO", "en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale("en_GB")), QStringList({"en-US"}));
    EXPECT_EQ(automaticLanguageIds(QLocale::c()), QStringList({"en-US"}));
    // A language the table lacks adds nothing.
    EXPECT_EQ(automaticLanguageIds(QLocale("fi_FI")), QStringList({"en-US"}));
}
