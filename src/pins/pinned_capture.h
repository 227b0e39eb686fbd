#pragma once

#include "core/capture_mode.h"
#include "core/json_util.h"
#include "pins/pin_font_size.h"
#include "pins/pin_view_mode.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QUuid>

#include <optional>
#include <stdexcept>

namespace quorvane {

// A pin file could not be written; the message names the file and the cause.
class PinStorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one capture pinned to the screen, and the three files in which it outlives the
// program: "pin-metadata.json" (this record), "pin-thumbnail.png" and "pin-fullimage.png".
// The file operations work on a folder given by the caller; the program's folder is
// storageDirectory().
struct PinnedCapture {
    QUuid id = QUuid::createUuid();
    std::optional<QUuid> captureEntryID; // the history record the pin was made from
    QString originalText;                // as recognised; never changed afterwards
    QString editedText;                  // as edited in the pin
    QRectF frame{100, 100, 400, 300};    // the panel, Qt global coordinates (origin top left)
    std::optional<quint32> displayID;    // the monitor the capture came from (not used for placement)
    double opacity = 1.0;
    PinViewMode viewMode = PinViewMode::text;
    bool isPinned = true;                // stays on top of other windows
    PinFontSize fontSize = PinFontSize::medium;
    CaptureMode captureMode = CaptureMode::normal;
    QDateTime createdAt;
    QDateTime modifiedAt;

    bool operator==(const PinnedCapture &) const = default;

    // The record as one JSON object (UUIDs in upper case, dates in ISO 8601 to the second).
    json::Json toJson() const;
    // Throws json::DecodeError when a required member is missing or any member is malformed.
    static PinnedCapture fromJson(const json::Json &object);

    static constexpr const char *metadataFileName = "pin-metadata.json";
    static constexpr const char *thumbnailFileName = "pin-thumbnail.png";
    static constexpr const char *fullImageFileName = "pin-fullimage.png";

    // "$XDG_DATA_HOME/Quorvane/PinnedCapture"; computing it creates nothing.
    static QString storageDirectory();
    // Creates `folder` (owner-only) with its missing parents; an existing folder is fine.
    // Throws PinStorageError.
    static void ensureStorageDirectory(const QString &folder);
    // Replaces the file at `path` with `bytes` in one step (owner-only); throws PinStorageError.
    static void writeFileAtomically(const QString &path, const QByteArray &bytes);

    // Writes "pin-metadata.json" atomically; throws PinStorageError.
    void saveMetadata(const QString &folder) const;
    // Writes the metadata, then the thumbnail, then the full image (also when it is empty).
    // The first failure is thrown; files already written stay.
    void saveWithImages(const QString &folder, const QByteArray &thumbnail, const QByteArray &fullImage) const;

    // The stored record; none when there is no file or it cannot be read (printed).
    static std::optional<PinnedCapture> loadSaved(const QString &folder);
    // The full image, or else the thumbnail; a null image when neither reads.
    static QImage loadFullImage(const QString &folder);
    // The thumbnail; a null image when it is missing or no image.
    static QImage loadThumbnail(const QString &folder);
    // Removes the three files; a file that cannot be removed (or is missing) is skipped.
    static void deleteStoredFiles(const QString &folder);
};

} // namespace quorvane
