#include "capture/ocr_language.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace quorvane;

TEST(OCRLanguageTable, HoldsTheTwentyFiveLanguagesInPreferenceOrder)
{
    const QList<OCRLanguage> &table = OCRLanguage::supportedLanguages();
    ASSERT_EQ(table.size(), 25);
    EXPECT_EQ(table.first(), (OCRLanguage{"en-US", "English", QString("English")}));
    EXPECT_EQ(table.last(), (OCRLanguage{"ms-MY", "Malay", QString("Bahasa Melayu")}));
    EXPECT_EQ(table[13].id, "zh-Hans");
    EXPECT_EQ(table[14].nativeName, QString("繁體中文"));
    QSet<QString> ids;
    for (const OCRLanguage &row : table) {
        EXPECT_TRUE(row.nativeName.has_value()) << row.id.toStdString();
        ids.insert(row.id);
    }
    EXPECT_EQ(ids.size(), 25) << "ids are unique";
}

TEST(OCRLanguageTable, AcceptsOnlyExactIds)
{
    for (const char *id : {"en-US", "fr-FR", "zh-Hans", "zh-Hant", "ms-MY"})
        EXPECT_TRUE(OCRLanguage::isSupported(id)) << id;
    for (const char *id : {"en-us", "en", "en_US", "zh-CN", "zh-TW", " en-US", "", "EN-US"})
        EXPECT_FALSE(OCRLanguage::isSupported(id)) << id;
}

TEST(OCRLanguageRecord, EqualityAndHashUseAllThreeFields)
{
    const OCRLanguage base{"de-DE", "German", QString("Deutsch")};
    const OCRLanguage renamed{"de-DE", "Deutsch (DE)", QString("Deutsch")};
    const OCRLanguage noNative{"de-DE", "German", std::nullopt};
    const OCRLanguage emptyNative{"de-DE", "German", QString()};

    EXPECT_NE(base, renamed) << "same identity, different record";
    EXPECT_NE(noNative, emptyNative);
    EXPECT_EQ(base, (OCRLanguage{"de-DE", "German", QString("Deutsch")}));
    EXPECT_EQ(qHash(base), qHash(OCRLanguage{"de-DE", "German", QString("Deutsch")}));
    EXPECT_NE(qHash(noNative), qHash(emptyNative));

    QSet<OCRLanguage> set{base, renamed, noNative, emptyNative, base};
    EXPECT_EQ(set.size(), 4);
}
