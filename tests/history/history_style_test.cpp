// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_style.h"

#include <QImage>
#include <QSet>

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

// Where the desktop has no icon theme (a bare window manager) the symbols come from Qt's
// style in colour: drawn as they are, not flooded into a one-colour blob.
TEST(HistoryStyleTest, SymbolsWithoutAnIconThemeKeepTheirDrawing)
{
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("quorvane-test-no-such-theme"));
    const QImage clear = HistoryStyle::symbolPixmap(QStringLiteral("xmark.circle.fill"), 16, Qt::gray).toImage();
    QIcon::setThemeName(theme);
    QSet<QRgb> colours;
    for (int y = 0; y < clear.height(); ++y) {
        for (int x = 0; x < clear.width(); ++x) {
            if (qAlpha(clear.pixel(x, y)) == 255)
                colours.insert(clear.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 1) << "the clear button's cross is lost";
}
