// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_list_item_delegate.h"
#include "history/history_list_model.h"
#include "history/history_thumbnail_cache.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

QByteArray png(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Whether any pixel of `area` differs from `background`.
bool hasInk(const QImage &image, const QRect &area, QRgb background)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background)
                return true;
        }
    }
    return false;
}

class HistoryListItemDelegateTest : public ::testing::Test {
protected:
    QModelIndex addRow(const QString &title, CaptureMode mode, const QByteArray &thumbnail, bool selected = false)
    {
        auto *item = new QStandardItem(title);
        item->setData(QUuid::createUuid(), HistoryListModel::idRole);
        item->setData(int(mode), HistoryListModel::captureModeRole);
        item->setData(thumbnail, HistoryListModel::thumbnailDataRole);
        item->setData(QStringLiteral("5 min. ago"), HistoryListModel::timeTextRole);
        item->setData(selected, HistoryListModel::isSelectedRole);
        rows.appendRow(item);
        return item->index();
    }
    // The row painted alone on the background colour, as the list would give it 320 pixels.
    QImage paint(const QModelIndex &index, Qt::LayoutDirection direction = Qt::LeftToRight)
    {
        QStyleOptionViewItem option;
        option.palette = palette;
        option.direction = direction;
        option.rect = QRect(QPoint(0, 0), QSize(320, delegate.sizeHint(option, index).height()));
        QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(background);
        QPainter painter(&image);
        delegate.paint(&painter, option, index);
        return image;
    }
    HistoryListItemDelegate::Geometry geometry(const QModelIndex &index)
    {
        QStyleOptionViewItem option;
        return HistoryListItemDelegate::geometry(QRect(QPoint(0, 0), QSize(320, delegate.sizeHint(option, index).height())),
                                                 index);
    }

    const QRgb background = qRgb(240, 240, 240);
    QPalette palette{QColor(background)};
    QStandardItemModel rows;
    HistoryThumbnailCache thumbnails;
    HistoryListItemDelegate delegate{thumbnails};
};

} // namespace

TEST_F(HistoryListItemDelegateTest, PaintsThumbnailOrPlaceholderBadgeAndTwoLineTitle)
{
    const QString longTitle = QString("word ").repeated(40).trimmed();
    const QModelIndex repeat = addRow("short", CaptureMode::repeat, png({100, 50}, Qt::red), true);
    const QModelIndex code = addRow("int main();", CaptureMode::code, {});
    const QModelIndex plain = addRow(longTitle, CaptureMode::normal, QByteArray("not an image"));

    // A wide thumbnail fills the whole square, cropped, not letterboxed.
    const QImage repeatRow = paint(repeat);
    const HistoryListItemDelegate::Geometry g = geometry(repeat);
    for (const QPoint p : {g.thumbnail.center(), QPoint(g.thumbnail.center().x(), g.thumbnail.top() + 2),
                           QPoint(g.thumbnail.left() + 2, g.thumbnail.center().y())})
        EXPECT_EQ(repeatRow.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    // Empty bytes and bytes that are no image both get the grey placeholder of the same size.
    const QImage codeRow = paint(code), plainRow = paint(plain);
    const QPoint corner = g.thumbnail.topLeft() + QPoint(4, 4);
    EXPECT_EQ(codeRow.pixel(corner), plainRow.pixel(corner));
    EXPECT_NE(codeRow.pixel(corner), background);
    EXPECT_EQ(qRed(codeRow.pixel(corner)), qBlue(codeRow.pixel(corner))); // grey
    EXPECT_EQ(geometry(code).thumbnail, g.thumbnail);

    // Repeat and code captures carry a badge in the time line; a normal one does not.
    EXPECT_EQ(HistoryListItemDelegate::badgeText(CaptureMode::repeat), QString(QChar(0x21BB)));
    EXPECT_EQ(HistoryListItemDelegate::badgeText(CaptureMode::code), "</>");
    EXPECT_TRUE(HistoryListItemDelegate::badgeText(CaptureMode::scanCode).isEmpty());
    ASSERT_FALSE(g.badge.isEmpty());
    EXPECT_TRUE(hasInk(codeRow, geometry(code).badge, background));
    const QRect plainLine = geometry(plain).timeLine;
    EXPECT_TRUE(geometry(plain).badge.isEmpty());
    EXPECT_FALSE(hasInk(plainRow, plainLine.adjusted(plainLine.width() - HistoryListItemDelegate::badgeSize, 0, 0, 0),
                        background));

    // The selected row is tinted; the others keep the background behind their text.
    const QPoint margin(g.row.left() + 3, g.row.center().y());
    EXPECT_NE(repeatRow.pixel(margin), background);
    EXPECT_EQ(codeRow.pixel(margin), background);

    // A long title takes two lines, the second cut short; nothing is drawn below them.
    const HistoryListItemDelegate::Geometry long_ = geometry(plain);
    ASSERT_EQ(long_.titleLines.size(), 2);
    EXPECT_TRUE(long_.titleLines[1].endsWith(QChar(0x2026)));
    const int line = long_.title.height() / 2;
    EXPECT_TRUE(hasInk(plainRow, long_.title.adjusted(0, 0, 0, -line), background));
    EXPECT_TRUE(hasInk(plainRow, long_.title.adjusted(0, line, 0, 0), background));
    EXPECT_FALSE(hasInk(plainRow, QRect(long_.title.left(), long_.title.bottom() + 1, long_.title.width(),
                                        g.row.bottom() - long_.title.bottom()),
                        background));
    EXPECT_EQ(geometry(code).titleLines, QStringList{"int main();"});
}

TEST_F(HistoryListItemDelegateTest, RightToLeftMirrorsTheRowAndKeepsALatinTitleInOrder)
{
    const QModelIndex index = addRow("The quick brown fox jumps over the lazy dog near the river bank while the sun "
                                     "sets slowly behind the hills of the valley",
                                     CaptureMode::normal, png({50, 50}, Qt::red));
    const QImage ltr = paint(index), rtl = paint(index, Qt::RightToLeft);
    const HistoryListItemDelegate::Geometry g = geometry(index);
    const auto mirrored = [&](const QRect &r) { return QRect(ltr.width() - 1 - r.right(), r.top(), r.width(), r.height()); };
    EXPECT_EQ(rtl.pixel(mirrored(g.thumbnail).center()), qRgb(255, 0, 0));
    EXPECT_NE(rtl.pixel(g.thumbnail.center()), qRgb(255, 0, 0));
    // The elided title line holds the same words in both directions, moved as a block: the
    // English words keep their order and the ellipsis its place at their end; only the
    // line's place moves to the reading start. Compared by the columns that hold ink.
    const QRect line(g.title.left(), g.title.top() + g.title.height() / 2, g.title.width(), g.title.height() / 2);
    const auto inkedColumns = [](const QImage &image, const QRect &area) {
        QString columns;
        for (int x = area.left(); x <= area.right(); ++x) {
            bool ink = false;
            for (int y = area.top(); y <= area.bottom(); ++y)
                ink = ink || qGray(image.pixel(x, y)) < 140;
            columns += ink ? '#' : '.';
        }
        return columns;
    };
    const QString ltrColumns = inkedColumns(ltr, line), rtlColumns = inkedColumns(rtl, mirrored(line));
    const QString words = ltrColumns.mid(ltrColumns.indexOf('#'), ltrColumns.lastIndexOf('#') - ltrColumns.indexOf('#') + 1);
    ASSERT_GT(words.size(), 100);
    EXPECT_TRUE(rtlColumns.contains(words)) << ltrColumns.toStdString() << "\n" << rtlColumns.toStdString();
}

TEST(HistoryThumbnailCacheTest, DecodesEachThumbnailOnceWithinItsBound)
{
    const QByteArray bytes = png({256, 73}, Qt::blue);
    const QUuid a = QUuid::createUuid(), b = QUuid::createUuid();
    // Room for one 60-pixel square (14 KB) and not two.
    HistoryThumbnailCache cache(20 * 1024);

    const auto first = cache.square(a, bytes, 60);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), QSize(60, 60));
    EXPECT_EQ(cache.square(a, bytes, 60)->cacheKey(), first->cacheKey()); // kept, not decoded again

    cache.square(b, bytes, 60);
    EXPECT_NE(cache.square(a, bytes, 60)->cacheKey(), first->cacheKey()); // dropped to make room for b
    EXPECT_EQ(cache.square(a, bytes, 120)->size(), QSize(120, 120));      // another scale: decoded for it
    EXPECT_FALSE(cache.square(QUuid::createUuid(), QByteArray("no image"), 60));
}
