// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pinned_capture.h"

#include "core/diagnostics.h"
#include "platform/atomic_save.h"
#include "platform/bounded_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

QString pathIn(const QString &folder, const char *fileName)
{
    return folder + QLatin1Char('/') + QLatin1String(fileName);
}

// JSON has no NaN or infinity; such a value would make the whole file unreadable.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

QUuid requireUuid(const json::Json &object, const char *name)
{
    const auto uuid = json::parseUuid(json::readString(json::requireMember(object, name), name));
    if (!uuid)
        throw json::DecodeError(std::string(name) + ": not a UUID");
    return *uuid;
}

QDateTime requireDate(const json::Json &object, const char *name)
{
    const auto date = json::parseIsoDate(json::readString(json::requireMember(object, name), name));
    if (!date)
        throw json::DecodeError(std::string(name) + ": not an ISO 8601 date");
    return *date;
}

// The frame object must be there; each known side is a number, a missing side its default.
QRectF readFrame(const json::Json &object)
{
    const json::Json &frame = json::requireObject(json::requireMember(object, "frame"), "frame");
    const auto side = [&frame](const char *name, double fallback) {
        const auto found = frame.find(name);
        return found == frame.end() ? fallback : json::readNumber(*found, "frame");
    };
    return QRectF(side("x", 100), side("y", 100), side("width", 400), side("height", 300));
}

// Far above any recognised text; a larger file is not a pin of ours.
constexpr qint64 kMaxMetadataBytes = 16 << 20;
// Far above a full-screen capture of the largest screens.
constexpr qint64 kMaxImageBytes = qint64(256) << 20;

// Reads a whole regular file of at most `maxBytes`; none when it does not exist,
// PinStorageError when it cannot be read or is something else (a FIFO, a device).
std::optional<QByteArray> readFile(const QString &path, qint64 maxBytes = kMaxImageBytes)
{
    BoundedRead file = readStoredFile(path, maxBytes);
    if (file.ok())
        return std::move(std::get<QByteArray>(file.result));
    if (file.error().failure == BoundedRead::Failure::missing)
        return std::nullopt;
    throw PinStorageError(file.error().reason.toStdString());
}

constexpr const char *kStagingInfix = ".new-";

enum class EntryKind { missing, folder, link, other };

// What stands at `path`, without following a link.
EntryKind kindOf(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return EntryKind::missing;
    if (S_ISDIR(status.st_mode))
        return EntryKind::folder;
    return S_ISLNK(status.st_mode) ? EntryKind::link : EntryKind::other;
}

bool isPlainFile(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

void writeInto(const QString &folder, const char *name, const QByteArray &bytes)
{
    const QString path = pathIn(folder, name);
    if (const int error = writeNewFileSynced(path, bytes, 0600); error != 0)
        throw PinStorageError(QStringLiteral("Cannot write %1: %2")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(error)))
                                  .toStdString());
}

// Puts the stored image `name` of `from` into `staging` too. The image files are never
// changed once written, so a second name for the same file is as good as a copy.
void carryOver(const QString &from, const QString &staging, const char *name)
{
    const QString source = pathIn(from, name);
    if (!isPlainFile(source))
        return;
    if (::link(QFile::encodeName(source).constData(), QFile::encodeName(pathIn(staging, name)).constData()) == 0)
        return;
    std::optional<QByteArray> bytes = readFile(source);
    writeInto(staging, name, bytes.value_or(QByteArray()));
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Staging folders left by a save that was killed half way.
void removeLeftovers(const QString &folder)
{
    const QFileInfo info(folder);
    const QDir parent = info.absoluteDir();
    const QStringList names = parent.entryList({info.fileName() + QLatin1String(kStagingInfix) + QLatin1Char('*')},
                                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = parent.filePath(name);
        if (kindOf(path) == EntryKind::folder)
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

} // namespace

json::Json PinnedCapture::toJson() const
{
    json::Json object{
        {"id", json::uuidString(id).toStdString()},
        {"originalText", originalText.toStdString()},
        {"editedText", editedText.toStdString()},
        {"frame",
         {{"x", finiteOrZero(frame.x())},
          {"y", finiteOrZero(frame.y())},
          {"width", finiteOrZero(frame.width())},
          {"height", finiteOrZero(frame.height())}}},
        {"opacity", finiteOrZero(opacity)},
        {"viewMode", rawValue(viewMode).toStdString()},
        {"isPinned", isPinned},
        {"fontSize", rawValue(fontSize).toStdString()},
        {"captureMode", rawValue(captureMode).toStdString()},
        {"createdAt", json::isoDateString(createdAt).toStdString()},
        {"modifiedAt", json::isoDateString(modifiedAt).toStdString()},
    };
    if (captureEntryID)
        object["captureEntryID"] = json::uuidString(*captureEntryID).toStdString();
    if (displayID)
        object["displayID"] = *displayID;
    return object;
}

PinnedCapture PinnedCapture::fromJson(const json::Json &object)
{
    using namespace json;
    requireObject(object, "pin");
    PinnedCapture pin;
    pin.id = requireUuid(object, "id");
    if (const Json *entryID = member(object, "captureEntryID")) {
        const auto uuid = parseUuid(readString(*entryID, "captureEntryID"));
        if (!uuid)
            throw DecodeError("captureEntryID: not a UUID");
        pin.captureEntryID = *uuid;
    }
    pin.originalText = readString(requireMember(object, "originalText"), "originalText");
    pin.editedText = readString(requireMember(object, "editedText"), "editedText");
    pin.frame = readFrame(object);
    if (const Json *display = member(object, "displayID"))
        pin.displayID = quint32(readInteger(*display, 0, 0xFFFFFFFFLL, "displayID"));
    pin.opacity = readNumber(requireMember(object, "opacity"), "opacity");

    const auto viewMode = pinViewModeFromRawValue(readString(requireMember(object, "viewMode"), "viewMode"));
    if (!viewMode)
        throw DecodeError("viewMode: unknown mode");
    pin.viewMode = *viewMode;

    pin.isPinned = readBool(requireMember(object, "isPinned"), "isPinned");

    if (const Json *size = member(object, "fontSize")) {
        const auto fontSize = pinFontSizeFromRawValue(readString(*size, "fontSize"));
        if (!fontSize)
            throw DecodeError("fontSize: unknown size");
        pin.fontSize = *fontSize;
    }

    const auto mode = captureModeFromRawValue(readString(requireMember(object, "captureMode"), "captureMode"));
    if (!mode)
        throw DecodeError("captureMode: unknown mode");
    pin.captureMode = *mode;

    pin.createdAt = requireDate(object, "createdAt");
    pin.modifiedAt = requireDate(object, "modifiedAt");
    return pin;
}

QString PinnedCapture::storageDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Quorvane/PinnedCapture");
}

void PinnedCapture::saveMetadata(const QString &folder) const
{
    replaceFolder(folder, [&folder](const QString &staging) {
        carryOver(folder, staging, thumbnailFileName);
        carryOver(folder, staging, fullImageFileName);
    });
}

void PinnedCapture::saveWithImages(const QString &folder, const QByteArray &thumbnail,
                                   const std::optional<QByteArray> &fullImage) const
{
    replaceFolder(folder, [&](const QString &staging) {
        writeInto(staging, thumbnailFileName, thumbnail);
        if (fullImage)
            writeInto(staging, fullImageFileName, *fullImage);
    });
}

void PinnedCapture::replaceFolder(const QString &folder,
                                  const std::function<void(const QString &)> &addImages) const
{
    const QFileInfo info(folder);
    const QString parent = info.absolutePath();
    if (!QDir().mkpath(parent))
        throw PinStorageError(QStringLiteral("Cannot create folder %1").arg(parent).toStdString());
    const EntryKind existing = kindOf(folder);
    if (existing == EntryKind::other)
        throw PinStorageError(QStringLiteral("%1 exists and is not a folder").arg(folder).toStdString());
    removeLeftovers(folder);

    // Owner-only and made afresh: nothing planted can be inside it.
    QTemporaryDir staging(folder + QLatin1String(kStagingInfix) + QStringLiteral("XXXXXX"));
    if (!staging.isValid())
        throw PinStorageError(QStringLiteral("Cannot create a folder beside %1: %2")
                                  .arg(folder, staging.errorString())
                                  .toStdString());
    addImages(staging.path());
    // The record comes last, so it never names images that are not there.
    writeInto(staging.path(), metadataFileName, json::dump(toJson()));
    syncFolder(staging.path());

    const QByteArray from = QFile::encodeName(staging.path());
    const QByteArray to = QFile::encodeName(folder);
    const auto fail = [&folder](const char *what) {
        throw PinStorageError(QStringLiteral("Cannot %1 %2: %3")
                                  .arg(QLatin1String(what), folder, QString::fromLocal8Bit(std::strerror(errno)))
                                  .toStdString());
    };
    if (existing == EntryKind::missing) {
        if (::rename(from.constData(), to.constData()) != 0)
            fail("move the pin into");
    } else if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            fail("swap the pin into");
        // A file system that cannot exchange two names: the old pin steps aside first
        // (under a name the next save clears away), so for a moment there is none.
        const QByteArray aside = from + ".old";
        if (::rename(to.constData(), aside.constData()) != 0)
            fail("move the old pin out of");
        if (::rename(from.constData(), to.constData()) != 0) {
            const int error = errno;
            ::rename(aside.constData(), to.constData());
            errno = error;
            fail("move the pin into");
        }
        if (kindOf(QFile::decodeName(aside)) == EntryKind::folder)
            QDir(QFile::decodeName(aside)).removeRecursively();
        else
            ::unlink(aside.constData());
    }
    syncFolder(parent);
    // The old pin now stands at the staging name and goes with it; a link is removed,
    // never followed.
    if (kindOf(staging.path()) == EntryKind::link)
        ::unlink(from.constData());
}

std::optional<PinnedCapture> PinnedCapture::loadSaved(const QString &folder, QString *setAsidePath)
{
    const QString path = pathIn(folder, metadataFileName);
    try {
        const std::optional<QByteArray> bytes = readFile(path, kMaxMetadataBytes);
        if (!bytes)
            return std::nullopt;
        return fromJson(json::parse(*bytes, kMaxMetadataBytes));
    } catch (const std::exception &error) {
        diagWarning(lcPins(), QStringLiteral("Failed to load pin metadata: ") + QString::fromUtf8(error.what()));
    }
    if (setAsidePath) {
        // Kept for whoever wants to look at it, beside the pin's folder: the next save
        // replaces that folder whole.
        const QString aside = QFileInfo(folder).absolutePath() + QStringLiteral("/pin-metadata.unreadable-")
                              + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"))
                              + QStringLiteral(".json");
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
            *setAsidePath = aside;
    }
    return std::nullopt;
}

QImage PinnedCapture::loadFullImage(const QString &folder)
{
    try {
        if (const std::optional<QByteArray> bytes = readFile(pathIn(folder, fullImageFileName))) {
            QImage image = QImage::fromData(*bytes);
            if (!image.isNull())
                return image;
        }
    } catch (const PinStorageError &error) {
        diagWarning(lcPins(), QStringLiteral("Failed to load pin full image: ") + QString::fromUtf8(error.what()));
    }
    return loadThumbnail(folder);
}

QImage PinnedCapture::loadThumbnail(const QString &folder)
{
    try {
        if (const std::optional<QByteArray> bytes = readFile(pathIn(folder, thumbnailFileName)))
            return QImage::fromData(*bytes);
    } catch (const PinStorageError &error) {
        diagWarning(lcPins(), QStringLiteral("Failed to load pin thumbnail: ") + QString::fromUtf8(error.what()));
    }
    return {};
}

void PinnedCapture::deleteStoredFiles(const QString &folder)
{
    for (const char *name : {metadataFileName, thumbnailFileName, fullImageFileName})
        QFile::remove(pathIn(folder, name));
}

} // namespace quorvane
