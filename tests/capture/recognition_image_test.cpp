// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/recognition_image.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// Horizontal bars standing in for lines of text: `lineHeight` px of ink, then a gap.
QImage lines(QSize size, int lineHeight, QColor ink, QColor background, int count = 3)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    for (int i = 0; i < count; ++i)
        painter.fillRect(QRect(4, 4 + i * lineHeight * 2, size.width() / 2, lineHeight), ink);
    return image;
}

int levelAt(const RecognitionImage &prepared, QPointF capturedPoint)
{
    const QPoint p = (capturedPoint * prepared.scale()).toPoint() + QPoint(1, 1) * qRound(8 * prepared.scale());
    return qGray(prepared.pixels().pixel(p));
}

} // namespace

TEST(RecognitionImage, LightTextOnDarkIsTurnedDarkOnLight)
{
    const RecognitionImage dark(lines({200, 100}, 10, QColor("#e0e0e0"), QColor("#1e1e1e")));
    EXPECT_TRUE(dark.inverted());
    EXPECT_EQ(dark.pixels().format(), QImage::Format_Grayscale8);
    EXPECT_GT(levelAt(dark, {190, 90}), 200) << "background";
    EXPECT_LT(levelAt(dark, {20, 8}), 60) << "text";
    EXPECT_GT(qGray(dark.pixels().pixel(0, 0)), 200) << "margin matches the background";

    const RecognitionImage light(lines({200, 100}, 10, QColor("#202020"), Qt::white));
    EXPECT_FALSE(light.inverted());
    EXPECT_LT(levelAt(light, {20, 8}), 60);

    // Program text in a low-contrast theme gets the full grey range; in strong contrast,
    // and any other text, keeps its levels.
    for (const auto &[ink, background] : {std::pair{"#657b83", "#fdf6e3"}, std::pair{"#839496", "#002b36"}}) {
        const QImage image = lines({200, 100}, 10, QColor(ink), QColor(background));
        const RecognitionImage code(image, RecognitionImage::Content::programText);
        EXPECT_LT(levelAt(code, {20, 8}), 10) << ink;
        EXPECT_GT(levelAt(code, {190, 90}), 245) << ink;
        EXPECT_GT(levelAt(RecognitionImage(image), {20, 8}), 80) << ink;
    }
    const QImage terminal = lines({200, 100}, 10, QColor("#d4d4d4"), QColor("#1e1e1e"));
    EXPECT_EQ(levelAt(RecognitionImage(terminal, RecognitionImage::Content::programText), {20, 8}),
              levelAt(RecognitionImage(terminal), {20, 8}));
}

TEST(RecognitionImage, TransparentPixelsCountAsLightBackground)
{
    // Also from an "@2x" file, whose pixels must not shrink into a corner.
    for (qreal ratio : {1.0, 2.0}) {
        QImage image(200, 100, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 10; y < 20; ++y) {
            for (int x = 10; x < 190; ++x)
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
        image.setDevicePixelRatio(ratio);
        const RecognitionImage prepared(image);
        EXPECT_FALSE(prepared.inverted());
        EXPECT_GT(levelAt(prepared, {150, 80}), 200) << ratio;
        EXPECT_LT(levelAt(prepared, {150, 15}), 60) << ratio;
    }
}

TEST(RecognitionImage, SmallTextIsScaledUpAndLargeTextIsNot)
{
    EXPECT_DOUBLE_EQ(RecognitionImage(lines({300, 100}, 10, Qt::black, Qt::white)).scale(), 2.0);
    EXPECT_DOUBLE_EQ(RecognitionImage(lines({300, 200}, 25, Qt::black, Qt::white)).scale(), 1.0);
    // Tiny text is scaled at most four times.
    EXPECT_DOUBLE_EQ(RecognitionImage(lines({300, 100}, 3, Qt::black, Qt::white)).scale(), 4.0);
    // Program text in low contrast by a whole factor.
    const QImage solarized = lines({300, 100}, 13, QColor("#657b83"), QColor("#fdf6e3"));
    EXPECT_LT(RecognitionImage(solarized).scale(), 2.0);
    EXPECT_DOUBLE_EQ(RecognitionImage(solarized, RecognitionImage::Content::programText).scale(), 2.0);
    EXPECT_LT(RecognitionImage(lines({300, 100}, 13, Qt::black, Qt::white), RecognitionImage::Content::programText).scale(), 2.0);
}

TEST(RecognitionImage, FrameDownTheSideDoesNotHideTheLineHeight)
{
    // A window frame and a stippled bar cross every row; the lines are still 10 px tall.
    QImage framed = lines({300, 100}, 10, Qt::black, Qt::white);
    for (int y = 1; y < framed.height(); ++y) {
        framed.setPixel(framed.width() - 2, y, qRgb(0, 0, 0));
        for (int x = 200 + y % 2; x < 214; x += 2)
            framed.setPixel(x, y, qRgb(0, 0, 0));
    }
    EXPECT_DOUBLE_EQ(RecognitionImage(framed).scale(), 2.0);
}

TEST(RecognitionImage, WideCaptureStaysWithinTheEngineLimit)
{
    const RecognitionImage wide(lines({20000, 60}, 10, Qt::black, Qt::white));
    EXPECT_GT(wide.scale(), 1.0);
    EXPECT_LT(wide.scale(), 2.0);
    EXPECT_LE(wide.pixels().width(), RecognitionImage::kEngineSideLimit);
}

TEST(RecognitionImage, BoxesMapBackToTheCapturedImageWithOriginLowerLeft)
{
    const RecognitionImage prepared(lines({200, 100}, 10, Qt::black, Qt::white));
    ASSERT_DOUBLE_EQ(prepared.scale(), 2.0);
    const double margin = 16;  // 8 captured pixels at scale 2
    // The captured rectangle (20, 10, 40 x 20) in engine pixels.
    const QRectF engineBox(margin + 40, margin + 20, 80, 40);
    const QRectF box = prepared.normalisedBox(engineBox);
    EXPECT_DOUBLE_EQ(box.x(), 0.1);
    EXPECT_DOUBLE_EQ(box.width(), 0.2);
    EXPECT_DOUBLE_EQ(box.height(), 0.2);
    EXPECT_DOUBLE_EQ(box.y(), 0.7);  // its bottom edge lies 30 px below the top
}
