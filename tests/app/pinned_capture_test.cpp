#include "pins/pinned_capture.h"

#include "pin_test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

PinnedCapture samplePin()
{
    PinnedCapture pin;
    pin.captureEntryID = QUuid::createUuid();
    pin.originalText = QStringLiteral("Grüße\nline two");
    pin.editedText = QStringLiteral("Grüße\nline 2");
    pin.frame = QRectF(12.5, 40, 420, 310);
    pin.displayID = 4242;
    pin.opacity = 0.6;
    pin.viewMode = PinViewMode::image;
    pin.isPinned = false;
    pin.fontSize = PinFontSize::large;
    pin.captureMode = CaptureMode::code;
    pin.createdAt = QDateTime(QDate(2025, 3, 1), QTime(8, 30, 0), Qt::UTC);
    pin.modifiedAt = QDateTime(QDate(2025, 3, 1), QTime(8, 31, 5, 750), Qt::UTC);
    return pin;
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(PinnedCapture, RecordComesBackFromItsFileToTheSecond)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/Quorvane/PinnedCapture");
    const PinnedCapture pin = samplePin();
    pin.saveMetadata(folder);

    const std::optional<PinnedCapture> loaded = PinnedCapture::loadSaved(folder);
    ASSERT_TRUE(loaded);
    PinnedCapture expected = pin;
    expected.modifiedAt = QDateTime(QDate(2025, 3, 1), QTime(8, 31, 5), Qt::UTC);
    EXPECT_EQ(*loaded, expected);

    QFile file(folder + QStringLiteral("/pin-metadata.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\"createdAt\": \"2025-03-01T08:30:00Z\"")) << text.constData();
    EXPECT_TRUE(text.contains(json::uuidString(pin.id).toUtf8()));
    EXPECT_LT(text.indexOf("\"captureEntryID\""), text.indexOf("\"captureMode\""));

    // Empty optionals are left out and read back empty.
    PinnedCapture bare = pin;
    bare.captureEntryID.reset();
    bare.displayID.reset();
    bare.saveMetadata(folder);
    QFile again(file.fileName());
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    const QByteArray bareText = again.readAll();
    EXPECT_FALSE(bareText.contains("captureEntryID"));
    EXPECT_FALSE(bareText.contains("displayID"));
    const auto bareLoaded = PinnedCapture::loadSaved(folder);
    ASSERT_TRUE(bareLoaded);
    EXPECT_FALSE(bareLoaded->captureEntryID);
    EXPECT_FALSE(bareLoaded->displayID);
}

TEST(PinnedCapture, ReadingAcceptsDefaultsAndRejectsAnythingMalformed)
{
    const json::Json good = samplePin().toJson();
    const auto read = [](json::Json object) -> std::optional<PinnedCapture> {
        try {
            return PinnedCapture::fromJson(object);
        } catch (const json::DecodeError &) {
            return std::nullopt;
        }
    };

    json::Json noFontSize = good;
    noFontSize.erase("fontSize");
    ASSERT_TRUE(read(noFontSize));
    EXPECT_EQ(read(noFontSize)->fontSize, PinFontSize::medium);

    json::Json emptyFrame = good;
    emptyFrame["frame"] = json::Json::object();
    ASSERT_TRUE(read(emptyFrame));
    EXPECT_EQ(read(emptyFrame)->frame, QRectF(100, 100, 400, 300));

    json::Json extras = good;
    extras["somethingNew"] = 3;
    extras["captureEntryID"] = nullptr;
    extras["frame"]["depth"] = "deep";
    ASSERT_TRUE(read(extras));
    EXPECT_FALSE(read(extras)->captureEntryID);

    const std::vector<std::pair<const char *, json::Json>> broken = {
        {"fontSize", "huge"},      {"viewMode", "grid"},  {"captureMode", "video"}, {"isPinned", "true"},
        {"opacity", "1"},          {"displayID", -1},     {"id", "not-a-uuid"},     {"createdAt", "yesterday"},
        {"frame", json::Json::array()},
    };
    for (const auto &[name, value] : broken) {
        json::Json object = good;
        object[name] = value;
        EXPECT_FALSE(read(object)) << name;
    }
    for (const char *required : {"id", "originalText", "editedText", "frame", "opacity", "viewMode", "isPinned",
                                 "captureMode", "createdAt", "modifiedAt"}) {
        json::Json object = good;
        object.erase(required);
        EXPECT_FALSE(read(object)) << required;
    }
    json::Json badSide = good;
    badSide["frame"]["x"] = "12";
    EXPECT_FALSE(read(badSide));

    // A file that is not JSON gives no pin rather than an error.
    QTemporaryDir folder;
    writeFile(folder.path() + QStringLiteral("/pin-metadata.json"), "{ not json");
    EXPECT_FALSE(PinnedCapture::loadSaved(folder.path()));
    EXPECT_FALSE(PinnedCapture::loadSaved(folder.path() + QStringLiteral("/missing")));
}

TEST(PinnedCapture, FilesAreOwnerOnlyAndAnEmptyFullImageFallsBackToTheThumbnail)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/a/b/PinnedCapture");
    const QByteArray thumbnail = pngOf(test::solidImage(16, 8, Qt::red));
    samplePin().saveWithImages(folder, thumbnail, QByteArray());

    EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, 0);
    EXPECT_EQ(QFileInfo(folder).permissions() & QFile::ExeOwner, QFile::ExeOwner);
    for (const char *name : {"pin-metadata.json", "pin-thumbnail.png", "pin-fullimage.png"}) {
        const QFileInfo file(folder + QLatin1Char('/') + QLatin1String(name));
        EXPECT_TRUE(file.exists()) << name;
        EXPECT_EQ(file.permissions() & 0x0077, 0) << name;
    }
    EXPECT_EQ(QFileInfo(folder + QStringLiteral("/pin-fullimage.png")).size(), 0);
    EXPECT_EQ(PinnedCapture::loadFullImage(folder).size(), QSize(16, 8));

    writeFile(folder + QStringLiteral("/pin-fullimage.png"), pngOf(test::solidImage(40, 20, Qt::blue)));
    EXPECT_EQ(PinnedCapture::loadFullImage(folder).size(), QSize(40, 20));

    PinnedCapture::deleteStoredFiles(folder);
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    PinnedCapture::deleteStoredFiles(folder);
    EXPECT_TRUE(PinnedCapture::loadFullImage(folder).isNull());

    // A file standing where the folder should be makes saving fail loudly.
    writeFile(home.path() + QStringLiteral("/blocked"), "x");
    EXPECT_THROW(samplePin().saveMetadata(home.path() + QStringLiteral("/blocked")), PinStorageError);
    EXPECT_THROW(samplePin().saveMetadata(home.path() + QStringLiteral("/blocked/PinnedCapture")), PinStorageError);
}
