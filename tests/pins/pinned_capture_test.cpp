// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pinned_capture.h"

#include "pin_test_support.h"
#include "support/child_process.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

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

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves pin `n`: its text and both images name the number, so a mixture shows.
void saveNumbered(const QString &folder, int n)
{
    PinnedCapture pin;
    pin.originalText = pin.editedText = QString::number(n);
    pin.createdAt = pin.modifiedAt = QDateTime::currentDateTimeUtc();
    pin.saveWithImages(folder, "thumbnail " + QByteArray::number(n), "full " + QByteArray::number(n));
}

// The number of the pin stored in `folder`, checked against its images; -1 when mixed.
int storedNumber(const QString &folder)
{
    const auto pin = PinnedCapture::loadSaved(folder);
    if (!pin)
        return -1;
    const QByteArray n = pin->originalText.toUtf8();
    const bool whole = contents(folder + "/pin-thumbnail.png") == "thumbnail " + n
                       && contents(folder + "/pin-fullimage.png") == "full " + n;
    return whole ? n.toInt() : -1;
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
    // Nor does a pin that nests deeper than any record we write.
    QByteArray deep = json::dump(good);
    deep.insert(deep.lastIndexOf('}'), ", \"x\": " + QByteArray(100'000, '[') + QByteArray(100'000, ']'));
    writeFile(folder.path() + QStringLiteral("/pin-metadata.json"), deep);
    EXPECT_FALSE(PinnedCapture::loadSaved(folder.path()));
    EXPECT_FALSE(PinnedCapture::loadSaved(folder.path() + QStringLiteral("/missing")));
}

TEST(PinnedCapture, AStoredFileThatIsNoPinIsSetAsideUnreadAndTheImagesAreNotRead)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/PinnedCapture");
    // A link to an endless device would never end, a FIFO would never begin.
    const QList<std::function<void(const QString &)>> plants = {
        [](const QString &path) { writeFile(path, "{ not json"); },
        [](const QString &path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); },
        [](const QString &path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
    };
    for (const auto &plant : plants) {
        QDir(folder).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(folder));
        plant(folder + "/pin-metadata.json");
        QString aside;
        EXPECT_FALSE(PinnedCapture::loadSaved(folder, &aside));
        ASSERT_FALSE(aside.isEmpty());
        EXPECT_FALSE(aside.startsWith(folder + "/")) << "the next save replaces the pin's folder whole";
        EXPECT_TRUE(QFileInfo(aside).isSymLink() || QFileInfo::exists(aside));
        EXPECT_FALSE(QFileInfo::exists(folder + "/pin-metadata.json"));
        QFile::remove(aside);
    }
    ASSERT_TRUE(QFile::link("/dev/zero", folder + "/pin-fullimage.png"));
    EXPECT_TRUE(PinnedCapture::loadFullImage(folder).isNull());
}

TEST(PinnedCapture, FilesAreOwnerOnlyAndAnEmptyFullImageFallsBackToTheThumbnail)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/a/b/PinnedCapture");
    const QByteArray thumbnail = test::pngOf(test::solidImage(16, 8, Qt::red));
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

    writeFile(folder + QStringLiteral("/pin-fullimage.png"), test::pngOf(test::solidImage(40, 20, Qt::blue)));
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

TEST(PinnedCapture, AKillAtAnyMomentOfASaveLeavesOneWholePin)
{
    QTemporaryDir home;
    const QString folder = home.path() + "/PinnedCapture";
    saveNumbered(folder, 0);
    std::mt19937 random(515);
    std::uniform_int_distribution<int> killDelayUs(0, 20000);
    int last = 0;
    for (int round = 1; round <= 40; ++round) {
        const int first = round * 100000;
        const pid_t writer = test::startChild([&] {
            for (int n = first;; ++n)
                saveNumbered(folder, n);
        });
        ASSERT_GT(writer, 0);
        ::usleep(useconds_t(killDelayUs(random)));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        const int stored = storedNumber(folder);
        ASSERT_TRUE(stored == last || stored >= first) << "round " << round << ": " << stored;
        last = stored;
    }
    // Folders of interrupted saves go at the next save.
    saveNumbered(folder, 1);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"PinnedCapture"});
}

TEST(PinnedCapture, FullDiskOrPlantedLinksLeaveThePinAndEverythingElseAlone)
{
    QTemporaryDir home;
    const QString folder = home.path() + "/PinnedCapture";
    saveNumbered(folder, 1);
    const int status = test::runInChild(
        [&] {
            try {
                saveNumbered(folder, 2);
            } catch (const PinStorageError &) {
                return 0;
            }
            return 1;
        },
        4);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(storedNumber(folder), 1);

    const QString outside = home.path() + "/outside";
    writeFile(outside, "someone else's");
    ASSERT_TRUE(QFile::setPermissions(outside, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    for (const char *name : {"pin-metadata.json", "pin-thumbnail.png", "pin-fullimage.png"}) {
        QFile::remove(folder + "/" + name);
        ASSERT_TRUE(QFile::link(outside, folder + "/" + name));
    }
    saveNumbered(folder, 3);
    const PinnedCapture sample = samplePin();
    sample.saveMetadata(folder);
    EXPECT_EQ(contents(outside), "someone else's");
    EXPECT_EQ(QFile::permissions(outside), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                               | QFile::WriteUser | QFile::ReadOther);
    EXPECT_EQ(PinnedCapture::loadSaved(folder)->id, sample.id);
    EXPECT_EQ(contents(folder + "/pin-thumbnail.png"), "thumbnail 3");
}
