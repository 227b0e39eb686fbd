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

std::optional<QString> saveAtomically(const QString &path, const QByteArray &bytes,
                                      std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    errno = 0;
    // What could not be done, in the interface language: the file's path and the system's
    // reason fill it in.
    enum class Step { create, restrict, write };
    const auto failure = [&](Step step) {
        // A short write that the file device did not take for an error leaves it saying
        // "Unknown error"; the system's own reason is still in errno.
        const int systemError = errno;
        QString cause = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        if (systemError != 0 && (cause.isEmpty() || cause == QSaveFile().errorString()))
            cause = QString::fromLocal8Bit(std::strerror(systemError));
        if (cause.isEmpty())
            cause = QStringLiteral("%1/%2 B").arg(file.size()).arg(bytes.size());
        QString reason;
        switch (step) {
        case Step::create:
            //: Saving a file failed; %1 is the file's path, %2 the system's reason
            //% "Cannot create %1: %2"
            reason = qtTrId("file_save.cannot_create");
            break;
        case Step::restrict:
            //: Saving a file failed: it could not be made readable by its owner alone; %1 is the file's path, %2 the system's reason
            //% "Cannot restrict access to %1: %2"
            reason = qtTrId("file_save.cannot_restrict");
            break;
        case Step::write:
            //: Saving a file failed while writing; %1 is the file's path, %2 the system's reason
            //% "Cannot write %1: %2"
            reason = qtTrId("file_save.cannot_write");
            break;
        }
        file.cancelWriting();
        return std::optional<QString>(reason.arg(path, cause));
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure(Step::create);
    if (permissions && !file.setPermissions(*permissions))
        return failure(Step::restrict);
    if (file.write(bytes) != bytes.size())
        return failure(Step::write);
    // The bytes still in the buffer reach the file only here; commit() would not notice
    // that they never arrived.
    if (!file.flush() || file.size() != bytes.size() || file.error() != QFileDevice::NoError)
        return failure(Step::write);
    if (!file.commit()) {
        //: Saving a file failed at the end, where the new file takes the old one's place; %1 is the file's path, %2 the system's reason
        //% "Cannot replace %1: %2"
        return qtTrId("file_save.cannot_replace").arg(path, file.errorString());
    }
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

} // namespace quorvane
