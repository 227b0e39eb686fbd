// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace quorvane {

// Tells how many bytes the volume holding a folder still has free for this user.
// Called from the history store's executor thread, so implementations must be thread-safe.
class FreeSpaceSource {
public:
    virtual ~FreeSpaceSource() = default;

    // Bytes free on the volume of `folderPath`; none when the volume cannot be asked.
    virtual std::optional<qint64> bytesAvailable(const QString &folderPath) const = 0;
};

// Asks the mounted file system through QStorageInfo.
class StorageInfoFreeSpaceSource final : public FreeSpaceSource {
public:
    std::optional<qint64> bytesAvailable(const QString &folderPath) const override;
};

} // namespace quorvane
