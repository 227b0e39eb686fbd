// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <functional>
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
// storageDirectory(). No file is ever written through a link found there.
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
    // Writes "pin-metadata.json", keeping the stored images; throws PinStorageError.
    void saveMetadata(const QString &folder) const;
    // Writes the thumbnail, the full image (also when it is empty; none when absent) and
    // then the metadata that names them. The pin is saved as a unit: the three files are
    // written into a new owner-only folder beside `folder` that then takes its place in
    // one rename, so `folder` always holds one whole pin, the old or the new, also after a
    // kill or on a full disk. Throws PinStorageError; `folder` is then as it was.
    void saveWithImages(const QString &folder, const QByteArray &thumbnail,
                        const std::optional<QByteArray> &fullImage) const;

    // The stored record; none when there is no file or it cannot be read (printed). A file
    // that cannot be read is moved aside when `setAsidePath` is given, which then names
    // where it went.
    static std::optional<PinnedCapture> loadSaved(const QString &folder, QString *setAsidePath = nullptr);
    // The full image, or else the thumbnail; a null image when neither reads.
    static QImage loadFullImage(const QString &folder);
    // The thumbnail; a null image when it is missing or no image.
    static QImage loadThumbnail(const QString &folder);
    // Removes the three files; a file that cannot be removed (or is missing) is skipped.
    static void deleteStoredFiles(const QString &folder);

private:
    // Fills a new folder with `addImages`, adds this record's metadata, and puts the
    // folder in the place of `folder`.
    void replaceFolder(const QString &folder, const std::function<void(const QString &)> &addImages) const;
};

} // namespace quorvane
