// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/date_text.h"

#include "support/scoped_interface_language.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(DateTextTest, RelativeTimeUsesTheLargestWholeUnitInEitherDirection)
{
    const QDateTime now(QDate(2025, 3, 14), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(DateText::relative(now, now), "0 sec. ago");
    EXPECT_EQ(DateText::relative(now.addSecs(-59), now), "59 sec. ago");
    EXPECT_EQ(DateText::relative(now.addSecs(-60), now), "1 min. ago");
    EXPECT_EQ(DateText::relative(now.addSecs(-5 * 3600 - 59), now), "5 hr. ago");
    EXPECT_EQ(DateText::relative(now.addDays(-1), now), "1 day ago");
    EXPECT_EQ(DateText::relative(now.addDays(-2), now), "2 days ago");
    EXPECT_EQ(DateText::relative(now.addDays(-8), now), "1 wk. ago");
    EXPECT_EQ(DateText::relative(now.addDays(-61), now), "2 mo. ago");
    EXPECT_EQ(DateText::relative(now.addDays(-400), now), "1 yr. ago");
    EXPECT_EQ(DateText::relative(now.addSecs(3), now), "in 3 sec.");
}

TEST(DateTextTest, DateStylesDropTheWeekdayAndTimesDropSeconds)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDate day(2025, 3, 14);
    EXPECT_EQ(DateText::longDate(day, english), "March 14, 2025");
    EXPECT_EQ(DateText::mediumDate(day, english), "Mar 14, 2025");
    EXPECT_EQ(DateText::shortTime(QTime(9, 30, 5), english), "9:30 AM");
    EXPECT_EQ(DateText::shortTime(QTime(9, 30, 5), QLocale::c()), "09:30");
    EXPECT_EQ(DateText::longDate(day, QLocale(QLocale::German, QLocale::Germany)), QString::fromUtf8("14. März 2025"));
}

TEST(DateTextTest, DatesFollowTheInterfaceLanguageWhateverTheSystemSpeaks)
{
    const QDate day(2025, 3, 14);
    {
        const test::ScopedInterfaceLanguage german("de");
        EXPECT_EQ(DateText::mediumDate(day), QString::fromUtf8("14. März 2025"));
        EXPECT_TRUE(DateText::mediumDateShortTime(QDateTime(day, QTime(9, 30)))
                        .startsWith(QString::fromUtf8("14. März 2025, 09:30")));
    }
    const test::ScopedInterfaceLanguage arabic("ar");
    EXPECT_FALSE(DateText::longDate(day).contains(QStringLiteral("March")));
}
