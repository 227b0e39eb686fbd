// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bounded_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {
BoundedRead failed(BoundedRead::Failure failure, const QString &reason, int systemError = 0)
{
    return {BoundedRead::Error{failure, reason, systemError}};
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

bool BoundedRead::failsForGood() const
{
    if (ok())
        return false;
    switch (error().failure) {
    case Failure::notRegularFile:
    case Failure::tooLarge:
        return true;
    case Failure::unreadable:
        return error().systemError == EACCES || error().systemError == EPERM || error().systemError == ELOOP
               || error().systemError == EISDIR;
    case Failure::missing:
        break;
    }
    return false;
}

BoundedRead readStoredFile(const QString &path, qint64 maxBytes)
{
    using Failure = BoundedRead::Failure;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return failed(error == ENOENT || error == ENOTDIR ? Failure::missing : Failure::unreadable,
                      QStringLiteral("%1: %2").arg(path, systemError(error)), error);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failed(Failure::unreadable, QStringLiteral("%1: %2").arg(path, systemError(errno)));
    if (!S_ISREG(status.st_mode))
        return failed(Failure::notRegularFile, QStringLiteral("%1 is not a regular file").arg(path));
    if (status.st_size > maxBytes)
        return failed(Failure::tooLarge, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));

    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            return failed(Failure::unreadable, QStringLiteral("%1: %2").arg(path, systemError(error)), error);
        }
        if (n == 0)
            break;
        // The file may have grown since fstat.
        if (bytes.size() + n > maxBytes)
            return failed(Failure::tooLarge, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
        bytes.append(buffer, qsizetype(n));
    }
    return {std::move(bytes)};
}

} // namespace quorvane
