// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/free_space_source.h"

#include <QStorageInfo>

namespace quorvane {

std::optional<qint64> StorageInfoFreeSpaceSource::bytesAvailable(const QString &folderPath) const
{
    const QStorageInfo volume(folderPath);
    if (!volume.isValid() || !volume.isReady())
        return std::nullopt;
    const qint64 available = volume.bytesAvailable();
    if (available < 0)
        return std::nullopt;
    return available;
}

} // namespace quorvane
