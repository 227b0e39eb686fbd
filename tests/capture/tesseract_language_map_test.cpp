// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/ocr_language.h"
#include "capture/ocr_service.h"
#include "capture/tesseract_language_map.h"

#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

using namespace quorvane;

// Each offered language is read with data of its own, and that data is a file Tesseract's
// packages install (scripts/install-deps installs them all). The package named when one is
// missing: OCRServiceData.
TEST(TesseractLanguageMap, EveryOfferedLanguageHasItsOwnInstalledData)
{
    QSet<QString> names;
    for (const OCRLanguage &language : OCRLanguage::supportedLanguages()) {
        const QString name = TesseractLanguageMap::dataName(language.id);
        EXPECT_TRUE(QFileInfo::exists(OCRService::defaultDataPath() + '/' + name + ".traineddata"))
            << language.id.toStdString() << " reads " << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), OCRLanguage::supportedLanguages().size());
    EXPECT_EQ(TesseractLanguageMap::dataName("en"), "");
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
