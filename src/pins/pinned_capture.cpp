#include "pins/pinned_capture.h"

#include "core/diagnostics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace quorvane {

namespace {

// Captured text and images can be private: only the user may read the pin's files.
constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

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

// Reads a whole file; none when it does not exist, PinStorageError when it cannot be read.
std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw PinStorageError(file.errorString().toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PinStorageError(file.errorString().toStdString());
    return bytes;
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

void PinnedCapture::ensureStorageDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists())
        throw PinStorageError(QStringLiteral("%1 exists and is not a folder").arg(folder).toStdString());
    const QString parent = info.absoluteDir().absolutePath();
    if (!QDir().mkpath(parent))
        throw PinStorageError(QStringLiteral("Cannot create folder %1").arg(parent).toStdString());
    if (!QDir().mkdir(folder, kOwnerOnlyFolder) && !QFileInfo(folder).isDir())
        throw PinStorageError(QStringLiteral("Cannot create folder %1").arg(folder).toStdString());
}

void PinnedCapture::writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &what) {
        throw PinStorageError(QStringLiteral("%1 %2: %3").arg(what, path, file.errorString()).toStdString());
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Cannot open"));
    if (!file.setPermissions(kOwnerOnlyFile))
        fail(QStringLiteral("Cannot restrict access to"));
    if (file.write(bytes) != bytes.size())
        fail(QStringLiteral("Cannot write"));
    if (!file.commit())
        fail(QStringLiteral("Cannot replace"));
}

void PinnedCapture::saveMetadata(const QString &folder) const
{
    ensureStorageDirectory(folder);
    writeFileAtomically(pathIn(folder, metadataFileName), json::dump(toJson()));
}

void PinnedCapture::saveWithImages(const QString &folder, const QByteArray &thumbnail,
                                   const QByteArray &fullImage) const
{
    saveMetadata(folder);
    ensureStorageDirectory(folder);
    writeFileAtomically(pathIn(folder, thumbnailFileName), thumbnail);
    ensureStorageDirectory(folder);
    writeFileAtomically(pathIn(folder, fullImageFileName), fullImage);
}

std::optional<PinnedCapture> PinnedCapture::loadSaved(const QString &folder)
{
    try {
        const std::optional<QByteArray> bytes = readFile(pathIn(folder, metadataFileName));
        if (!bytes)
            return std::nullopt;
        return fromJson(json::parse(*bytes));
    } catch (const std::exception &error) {
        diagWarning(lcPins(), QStringLiteral("⚠️ Failed to load pin metadata: ") + QString::fromUtf8(error.what()));
        return std::nullopt;
    }
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
        diagWarning(lcPins(), QStringLiteral("⚠️ Failed to load pin full image: ") + QString::fromUtf8(error.what()));
    }
    return loadThumbnail(folder);
}

QImage PinnedCapture::loadThumbnail(const QString &folder)
{
    try {
        if (const std::optional<QByteArray> bytes = readFile(pathIn(folder, thumbnailFileName)))
            return QImage::fromData(*bytes);
    } catch (const PinStorageError &error) {
        diagWarning(lcPins(), QStringLiteral("⚠️ Failed to load pin thumbnail: ") + QString::fromUtf8(error.what()));
    }
    return {};
}

void PinnedCapture::deleteStoredFiles(const QString &folder)
{
    for (const char *name : {metadataFileName, thumbnailFileName, fullImageFileName})
        QFile::remove(pathIn(folder, name));
}

} // namespace quorvane
