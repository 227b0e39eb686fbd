#include "capture/continuity_runtime.h"

#include "support/event_loop.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// A runtime whose menu answers at once: with `answer`, or without an image when it is null.
struct ScriptedRuntime : ContinuityRuntime {
    QImage answer;
    QList<QPoint> presentedAt;

    void presentImportMenu(const QPoint &point) override
    {
        presentedAt.append(point);
        if (answer.isNull())
            cancelImport();
        else
            deliverImage(answer);
    }
};

QImage photo()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

} // namespace

TEST(ContinuityRuntimeTest, ChosenImageReachesTheHandlerOnceAtThePoint)
{
    ScriptedRuntime runtime;
    runtime.answer = photo();
    int calls = 0;
    runtime.showContinuityItem([&](const QImage &image) {
        ++calls;
        EXPECT_EQ(image.size(), QSize(64, 48));
    }, QPoint(300, 24));
    EXPECT_TRUE(runtime.isImportPending());
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(runtime.presentedAt, QList<QPoint>{QPoint(300, 24)});
}

TEST(ContinuityRuntimeTest, SecondRequestWhilePendingIsIgnored)
{
    ScriptedRuntime runtime;
    runtime.answer = photo();
    QStringList calls;
    runtime.showContinuityItem([&](const QImage &) { calls << "first"; }, QPoint(1, 1));
    runtime.showContinuityItem([&](const QImage &) { calls << "second"; }, QPoint(2, 2));
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, QStringList{"first"});
    EXPECT_EQ(runtime.presentedAt.size(), 1);
}

TEST(ContinuityRuntimeTest, DismissedMenuEndsThePendingImportSoTheNextOneWorks)
{
    ScriptedRuntime runtime;
    int calls = 0;
    runtime.showContinuityItem([&](const QImage &) { ++calls; }, std::nullopt);
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_EQ(calls, 0);
    // Without a point the menu comes up at the top centre of the primary screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(runtime.presentedAt.value(0), QPoint(screen.center().x(), screen.top()));

    runtime.answer = photo();
    runtime.showContinuityItem([&](const QImage &) { ++calls; }, std::nullopt);
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_EQ(calls, 1);
}

TEST(ContinuityRuntimeTest, DebugLogIsCreatedWithItsFolderAndAppendedTo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("deep/er/continuity-debug.log");
    ContinuityRuntime runtime;
    runtime.appendDebugLog("one\n", path);
    runtime.appendDebugLog("two\n", path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "one\ntwo\n");
    EXPECT_TRUE(ContinuityRuntime::debugLogPath().endsWith("/Quorvane/continuity-debug.log"));
}
