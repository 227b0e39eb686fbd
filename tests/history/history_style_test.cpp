#include "history/history_style.h"

#include <gtest/gtest.h>

using namespace quorvane;

// Qt keeps an icon's pixmaps under the icon's key: a symbol made anew for every window
// would leave another copy of its pixmaps behind each time a window opens.
TEST(HistoryStyleTest, EachSymbolIsOneIconForEveryWindow)
{
    for (const char *name : {"trash", "photo", "calendar"}) {
        const QIcon first = HistoryStyle::symbol(name);
        ASSERT_FALSE(first.isNull()) << name;
        EXPECT_EQ(HistoryStyle::symbol(name).cacheKey(), first.cacheKey()) << name;
    }
    EXPECT_TRUE(HistoryStyle::symbol("no.such.symbol").isNull());
}
