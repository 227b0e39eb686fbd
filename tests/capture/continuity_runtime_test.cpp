// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/continuity_runtime.h"
#include "capture/image_file_reader.h"

#include "support/event_loop.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

QImage photo(QSize size = QSize(64, 48))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Puts `data` on the clipboard as `type`.
void offerOnClipboard(const char *type, const QByteArray &data)
{
    auto *offer = new QMimeData; // the clipboard takes it
    offer->setData(type, data);
    QGuiApplication::clipboard()->setMimeData(offer);
}

// A runtime whose menu answers at once: "Paste Image from Clipboard" with `answer` there as
// PNG data, or no choice at all when it is null.
struct ScriptedRuntime : ContinuityRuntime {
    QImage answer;
    QList<QPoint> presentedAt;

    void presentImportMenu(const QPoint &point) override
    {
        presentedAt.append(point);
        if (answer.isNull())
            return;
        offerOnClipboard("image/png", encoded(answer, "PNG"));
        importClipboardImage();
    }
};

struct Receiver : ContinuityDelegate {
    QList<QSize> sizes;
    void didReceiveImage(const QImage &image) override { sizes << image.size(); }
};

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
    // Without a point the menu comes up just below the top centre of the primary screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(runtime.presentedAt.value(0), QPoint(screen.center().x(), screen.top() + 22));
    // The dismissed request's handler stays until a picture or the next request comes.
    EXPECT_TRUE(runtime.hasHandler());

    runtime.answer = photo();
    int replacementCalls = 0;
    runtime.showContinuityItem([&](const QImage &) { ++replacementCalls; }, std::nullopt);
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(replacementCalls, 1);
    EXPECT_FALSE(runtime.hasHandler());
}

TEST(ContinuityRuntimeTest, PictureArrivingAfterTheMenuClosedReachesTheKeptHandlerOnce)
{
    ScriptedRuntime runtime;
    QList<QSize> sizes;
    runtime.showContinuityItem([&](const QImage &image) { sizes << image.size(); }, QPoint(5, 5));
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));

    runtime.didReceiveImage(photo(QSize(30, 20)));
    runtime.didReceiveImage(photo(QSize(30, 20))); // no handler left: dropped
    EXPECT_EQ(sizes, QList<QSize>{QSize(30, 20)});
}

TEST(ContinuityRequestorTest, WrapperPrefersPngThenTheWholeImageAndRefusesWhatDoesNotDecode)
{
    Receiver receiver;
    ContinuityWrapperController wrapper(receiver);
    QMimeData offer;
    offer.setData("image/jpeg", encoded(photo(QSize(10, 10)), "JPEG"));
    offer.setData("image/png", encoded(photo(QSize(20, 20)), "PNG"));
    EXPECT_TRUE(wrapper.readSelection(offer));

    QMimeData whole;
    whole.setData("image/png", "truncated");
    whole.setImageData(photo(QSize(12, 8)));
    EXPECT_TRUE(wrapper.readSelection(whole));
    EXPECT_EQ(receiver.sizes, (QList<QSize>{QSize(20, 20), QSize(12, 8)}));

    QMimeData text;
    text.setText("no picture");
    EXPECT_FALSE(wrapper.readSelection(text));
    QMimeData broken;
    broken.setData("image/png", "truncated");
    EXPECT_FALSE(wrapper.readSelection(broken));
    EXPECT_EQ(receiver.sizes.size(), 2);
}

TEST(ContinuityRuntimeTest, UnreadableClipboardImageIsReportedNotHandled)
{
    struct ClipboardRuntime : ContinuityRuntime {
        void presentImportMenu(const QPoint &) override
        {
            offerOnClipboard("image/png", "\x89PNG\r\n\x1a\n but the rest is gone");
            importClipboardImage();
        }
    } runtime;
    QList<ImageImportErrorKind> reported;
    QObject::connect(&runtime, &ContinuityRuntime::importFailed,
                     [&](const ImageImportError &error) { reported << error.kind(); });
    bool handled = false;
    runtime.showContinuityItem([&](const QImage &) { handled = true; }, QPoint(1, 1));
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_FALSE(handled);
    EXPECT_EQ(reported, QList<ImageImportErrorKind>{ImageImportErrorKind::unreadableClipboard});
}

namespace {

// A runtime whose menu picks "Choose Image File…" and whose chooser answers `path`.
struct FileChoosingRuntime : ContinuityRuntime {
    using ContinuityRuntime::ContinuityRuntime;
    QString path;
    void presentImportMenu(const QPoint &) override { importChosenFile(); }
    QString chooseImageFile() override { return path; }
};

} // namespace

TEST(ContinuityRuntimeTest, ChooserOpensInAnExistingFolder)
{
    // The test home has no pictures folder: the chooser opens in the home folder.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    ASSERT_FALSE(QFileInfo::exists(pictures));
    EXPECT_EQ(ContinuityRuntime::chooserFolder(), QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(pictures));
    EXPECT_EQ(ContinuityRuntime::chooserFolder(), pictures);
    QDir(pictures).removeRecursively();
}

TEST(ContinuityRuntimeTest, UnreadableChosenFileIsReportedByNameAndReason)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><rect width="64" height="64"/></svg>)";
    struct Case {
        const char *name;
        std::function<void(const QString &)> make;
    };
    const auto write = [](const QByteArray &bytes) {
        return [bytes](const QString &path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
    };
    // A vector image may unfold into gigabytes whatever its name; a FIFO would hold the
    // read until some writer came.
    for (const Case &c : {Case{"holiday.png", write("\x89PNG\r\n\x1a\n but the rest is gone")},
                          Case{"drawing.png", write(svg)}, Case{"drawing.svg", write(svg)},
                          Case{"pipe.png", [](const QString &path) {
                                   ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                               }},
                          Case{"folder.png", [](const QString &path) { ASSERT_TRUE(QDir().mkpath(path)); }}}) {
        FileChoosingRuntime runtime;
        runtime.path = folder.filePath(c.name);
        c.make(runtime.path);
        QStringList reported;
        QObject::connect(&runtime, &ContinuityRuntime::importFailed,
                         [&](const ImageImportError &error) { reported << error.localizedDescription(); });
        bool handled = false;
        runtime.showContinuityItem([&](const QImage &) { handled = true; }, QPoint(1, 1));
        ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); })) << c.name;
        EXPECT_FALSE(handled) << c.name;
        ASSERT_EQ(reported.size(), 1) << c.name;
        const QString start = QStringLiteral("“%1” could not be read: ").arg(c.name);
        EXPECT_TRUE(reported[0].startsWith(start)) << reported[0].toStdString();
        EXPECT_GT(reported[0].size(), start.size());
    }
}

TEST(ContinuityRuntimeTest, ChosenFileIsDecodedOffTheMainThread)
{
    QThread *decodedOn = nullptr;
    FileChoosingRuntime runtime(nullptr, [&decodedOn](const QString &) {
        decodedOn = QThread::currentThread();
        return photo();
    });
    runtime.path = QStringLiteral("/any/photo.jpg");
    QList<QSize> handled;
    runtime.showContinuityItem([&](const QImage &image) { handled << image.size(); }, QPoint(1, 1));
    ASSERT_TRUE(test::waitUntil([&] { return !runtime.isImportPending(); }));
    EXPECT_EQ(handled, QList<QSize>{photo().size()});
    EXPECT_NE(decodedOn, nullptr);
    EXPECT_NE(decodedOn, QThread::currentThread());
}

TEST(ImageFileReaderTest, ChooserOffersTheFormatsThisMachineReads)
{
    const QString filter = ImageFileReader::fileFilter("Images");
    EXPECT_TRUE(filter.startsWith("Images (*."));
    // The image-format plugins that scripts/install-deps installs.
    for (const char *extension : {"*.png", "*.jpg", "*.jpeg", "*.webp", "*.tif", "*.tiff"})
        EXPECT_TRUE(filter.contains(extension)) << extension;
    for (const char *extension : {"*.bmp", "*.gif"})
        EXPECT_TRUE(filter.contains(extension)) << extension;
    for (const char *extension : {"*.svg", "*.svgz", "*.heic"})
        EXPECT_FALSE(filter.contains(extension)) << extension;
}

TEST(ImageFileReaderTest, PhotoBeyondQtsDefaultLimitIsReadScaledForRecognition)
{
    // 36 megapixels: 144 MiB decoded, over the 128 MiB Qt allows by default.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("large.png");
    QImage big(6000, 6000, QImage::Format_RGB32);
    big.fill(Qt::white);
    ASSERT_TRUE(big.save(path, "PNG", 0));
    big = QImage();

    const QImage read = ImageFileReader::read(path);
    ASSERT_FALSE(read.isNull());
    EXPECT_LE(qint64(read.width()) * read.height(), ImageFileReader::maximumPixels);
    EXPECT_GT(qint64(read.width()) * read.height(), ImageFileReader::maximumPixels * 9 / 10);
    EXPECT_EQ(read.width(), read.height());
}
