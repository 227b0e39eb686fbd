// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include "platform/phrase.h"

#include <QString>

#include <optional>

namespace quorvane {

// Replaces the file at `path` with `bytes` in one step. Every step is checked (open, the
// byte count, flush, commit) and any failure cancels the write, so the file at `path`
// stays exactly as it was: QSaveFile alone renames a short temporary file into place when
// the disk filled up under its buffer. `permissions`, when given, are set on the new file
// before it takes the name. Returns the reason (naming the file) when nothing was replaced.
std::optional<Phrase> saveAtomically(const QString &path, const QByteArray &bytes,
                                      std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Why a folder of the program could not be made; the same words wherever it happens.
Phrase cannotCreateFolder(const QString &folder);

// Creates `path` exclusively (never through a link or over an existing file) with `mode`,
// writes `bytes` and syncs them to the disk. Returns 0 or the errno of the failing step;
// a failed file is removed again.
int writeNewFileSynced(const QString &path, const QByteArray &bytes, unsigned mode = 0600);

// Replaces whatever is at `path` (a file, or a link, which is replaced itself rather than
// written through) with a new file of `bytes` and `mode`: written beside it under
// "<path>.tmp", synced, then renamed over it in one step. Returns the reason (naming the
// file) when nothing was replaced.
std::optional<Phrase> replaceWithNewFile(const QString &path, const QByteArray &bytes, unsigned mode = 0600);

} // namespace quorvane
