// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomic_save.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

Phrase cannotSave(const QString &path, Phrase cause)
{
    //: Why a file of the program could not be saved; %1 is its path, %2 the system's reason
    //% "Cannot save %1: %2"
    return Phrase::text(QT_TRID_NOOP("error.file.cannot_save"), {path, std::move(cause)});
}

Phrase shortWrite(qint64 written, qint64 total)
{
    //: Why a file could not be saved: the disk took only part of it; %1 and %2 count bytes
    //% "only %1 of %2 bytes were written"
    return Phrase::text(QT_TRID_NOOP("error.file.short_write"), {QString::number(written), QString::number(total)});
}

} // namespace

Phrase cannotCreateFolder(const QString &folder)
{
    return Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_create_folder"), {folder});
}

std::optional<Phrase> saveAtomically(const QString &path, const QByteArray &bytes,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    errno = 0;
    const auto failure = [&] {
        // A short write that the file device did not take for an error leaves it saying
        // "Unknown error"; the system's own reason is still in errno.
        const int systemError = errno;
        QString cause = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        if (systemError != 0 && (cause.isEmpty() || cause == QSaveFile().errorString()))
            cause = QString::fromLocal8Bit(std::strerror(systemError));
        Phrase reason = cannotSave(path, cause.isEmpty() ? shortWrite(file.size(), bytes.size()) : Phrase(cause));
        file.cancelWriting();
        return std::optional<Phrase>(std::move(reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure();
    if (permissions && !file.setPermissions(*permissions))
        return failure();
    if (file.write(bytes) != bytes.size())
        return failure();
    // The bytes still in the buffer reach the file only here; commit() would not notice
    // that they never arrived.
    if (!file.flush() || file.size() != bytes.size() || file.error() != QFileDevice::NoError)
        return failure();
    if (!file.commit())
        return cannotSave(path, file.errorString());
    return std::nullopt;
}

int writeNewFileSynced(const QString &path, const QByteArray &bytes, unsigned mode)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          mode_t(mode));
    if (fd < 0)
        return errno;
    int error = 0;
    // The umask may have taken bits away from a mode the caller asked for exactly.
    if (::fchmod(fd, mode_t(mode)) != 0)
        error = errno;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (error == 0 && left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno != EINTR)
                error = errno;
            continue;
        }
        data += written;
        left -= written;
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    // Write-back errors can surface only at close.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(native.constData());
    return error;
}

std::optional<Phrase> replaceWithNewFile(const QString &path, const QByteArray &bytes, unsigned mode)
{
    const QString temporary = path + QStringLiteral(".tmp");
    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    const auto reason = [](int error) { return Phrase(QString::fromLocal8Bit(std::strerror(error))); };
    // A leftover of an interrupted write, or anything planted there, goes first.
    if (::unlink(nativeTemporary.constData()) != 0 && errno != ENOENT)
        return Phrase::text(QT_TRID_NOOP("error.file.cannot_remove"), {temporary, reason(errno)});
    if (const int error = writeNewFileSynced(temporary, bytes, mode); error != 0)
        return cannotSave(path, reason(error));
    if (::rename(nativeTemporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(nativeTemporary.constData());
        return cannotSave(path, reason(error));
    }
    return std::nullopt;
}

} // namespace quorvane
