// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ocr_language.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace quorvane;

// Settings store languages by id, and the languages pane shows each row's own name beside
// the English one. (Which rows, in which order: LanguagesPaneTest.)
TEST(OCRLanguageTable, EveryRowHasItsOwnIdAndANativeName)
{
    const QList<OCRLanguage> &table = OCRLanguage::supportedLanguages();
    QSet<QString> ids;
    for (const OCRLanguage &row : table) {
        EXPECT_TRUE(row.nativeName.has_value()) << row.id.toStdString();
        ids.insert(row.id);
    }
    EXPECT_EQ(ids.size(), table.size());
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
