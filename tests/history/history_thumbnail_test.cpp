// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_store.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

QSize thumbnailSize(const QSize &source, int width)
{
    QImage image(source, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QByteArray png = HistoryStore::generateThumbnail(image, width);
    EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    return QImage::fromData(png, "PNG").size();
}

QString failureMessage(const QImage &image, int width)
{
    try {
        HistoryStore::generateThumbnail(image, width);
    } catch (const HistoryStoreError &error) {
        EXPECT_EQ(error.kind(), HistoryStoreErrorKind::thumbnailGenerationFailed);
        return error.localizedDescription();
    }
    return QStringLiteral("no failure");
}

} // namespace

TEST(HistoryThumbnail, ScalesToTheWidthKeepingTheAspect)
{
    EXPECT_EQ(thumbnailSize({1000, 500}, 256), QSize(256, 128));
    EXPECT_EQ(thumbnailSize({100, 50}, 256), QSize(256, 128));  // scaled up
    EXPECT_EQ(thumbnailSize({3000, 2}, 256), QSize(256, 1));    // never below one row
    EXPECT_EQ(thumbnailSize({10, 1000}, 256), QSize(256, 25600));
}

TEST(HistoryThumbnail, HeightIsCappedForASliverOfASelection)
{
    EXPECT_EQ(thumbnailSize({1, 100000}, 256), QSize(256, 32768));
}

TEST(HistoryThumbnail, KeepsThePictureWhereItWas)
{
    QImage image(400, 200, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 200; ++y)
        for (int x = 200; x < 400; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    const QImage thumb =
        QImage::fromData(HistoryStore::generateThumbnail(image, 64), "PNG").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(thumb.size(), QSize(64, 32));
    EXPECT_EQ(thumb.pixel(2, 16), qRgb(255, 0, 0));
    EXPECT_EQ(thumb.pixel(61, 16), qRgb(0, 0, 255));
}

TEST(HistoryThumbnail, ImpossibleInputsFailWithTheirMessage)
{
    EXPECT_EQ(failureMessage(QImage(), 256), "Failed to generate thumbnail: Invalid image dimensions: 0x0");
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_EQ(failureMessage(image, 0), "Failed to generate thumbnail: Cannot create the drawing surface");
    EXPECT_EQ(failureMessage(image, -4), "Failed to generate thumbnail: Cannot create the drawing surface");
}
