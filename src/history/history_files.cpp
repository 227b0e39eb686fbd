// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_files.h"

#include "history/history_store_error.h"
#include "platform/atomic_save.h"
#include "platform/bounded_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the history cannot be kept: `path` cannot be written.
Phrase cannotWrite(const QString &path)
{
    //: Why the history cannot be kept; %1 is a path
    //% "Cannot write %1"
    return Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_write"), {path});
}

[[noreturn]] void failWith(const Phrase &what, int error)
{
    if (error == ENOSPC || error == EDQUOT)
        throw HistoryStoreError::diskFull();
    throw HistoryStoreError::storageAccessFailed(Phrase::filled(QStringLiteral("%1: %2"), {what, systemError(error)}));
}

// Closes a descriptor on every path out of a scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    // Closes now and reports the error close found (write-back errors surface here).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

void syncFolder(const QString &folder)
{
    FileDescriptor dir(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        failWith(cannotWrite(folder), errno);
    // Some file systems cannot sync a directory (EINVAL); the rename itself has happened.
    if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS)
        failWith(cannotWrite(folder), errno);
}

} // namespace

HistoryFiles::HistoryFiles(QString folder) : m_folder(std::move(folder)) {}

void HistoryFiles::createFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return;
    if (info.exists())
        throw HistoryStoreError::storageAccessFailed(
            //: Why the history cannot be kept; %1 is a path
            //% "%1 exists and is not a folder"
            Phrase::text(QT_TRID_NOOP("error.history.reason.not_a_folder"), {folder}));
    const QString parent = info.absoluteDir().absolutePath();
    if (!QDir().mkpath(parent))
        //: Why the history cannot be kept; %1 is a path
        //% "Cannot create folder %1"
        throw HistoryStoreError::storageAccessFailed(Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_create_folder"), {parent}));
    if (::mkdir(nativePath(folder).constData(), 0700) != 0 && errno != EEXIST)
        failWith(Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_create_folder"), {folder}), errno);
    if (!QFileInfo(folder).isDir())
        throw HistoryStoreError::storageAccessFailed(Phrase::text(QT_TRID_NOOP("error.history.reason.cannot_create_folder"), {folder}));
}

void HistoryFiles::checkWritable(const QString &folder)
{
    QByteArray probe = nativePath(folder + QStringLiteral("/.write-check-XXXXXX"));
    FileDescriptor file(::mkstemp(probe.data()));
    // A full disk may have room again by the next capture; that save says so itself.
    if (file.get() < 0 && errno != ENOSPC && errno != EDQUOT)
        failWith(cannotWrite(folder), errno);
    if (file.get() >= 0)
        ::unlink(probe.constData());
}

QString HistoryFiles::corruptedFileName(double secondsSince1970)
{
    return asideFileName("corrupted", secondsSince1970);
}

QString HistoryFiles::asideFileName(const char *label, double secondsSince1970)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, secondsSince1970,
                                      std::chars_format::fixed);
    QString seconds = QString::fromLatin1(buffer, result.ptr - buffer);
    if (!seconds.contains(QLatin1Char('.')))
        seconds += QStringLiteral(".0");
    return QStringLiteral("history.") + QLatin1String(label) + QLatin1Char('.') + seconds
           + QStringLiteral(".json");
}

QString HistoryFiles::historyPath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(historyFileName);
}

QString HistoryFiles::backupPath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(backupFileName);
}

QString HistoryFiles::temporaryPath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(temporaryFileName);
}

bool HistoryFiles::exists(const QString &path)
{
    struct stat status {};
    return ::stat(nativePath(path).constData(), &status) == 0;
}

QByteArray HistoryFiles::read(const QString &path, bool *forGood)
{
    BoundedRead file = readStoredFile(path, maxFileBytes);
    if (forGood)
        *forGood = file.failsForGood();
    if (!file.ok())
        throw HistoryStoreError::storageAccessFailed(file.error().reason);
    return std::move(std::get<QByteArray>(file.result));
}

void HistoryFiles::refreshBackup() const
{
    const QByteArray history = nativePath(historyPath());
    const QByteArray backup = nativePath(backupPath());
    if (!exists(historyPath()))
        return;
    if (::unlink(backup.constData()) != 0 && errno != ENOENT)
        return;
    // The history file is never written in place, only replaced, so sharing its inode
    // keeps the backup's bytes exactly as they are now.
    if (::link(history.constData(), backup.constData()) == 0)
        return;
    QFile::copy(historyPath(), backupPath());
}

void HistoryFiles::replaceHistory(const QByteArray &bytes) const
{
    const QString temporary = temporaryPath();
    const QByteArray nativeTemporary = nativePath(temporary);
    // A leftover of an interrupted save, or anything planted there, goes first: the new
    // file is only ever created afresh, never through a link.
    if (::unlink(nativeTemporary.constData()) != 0 && errno != ENOENT)
        failWith(cannotWrite(temporary), errno);
    if (const int error = writeNewFileSynced(temporary, bytes, 0600); error != 0)
        failWith(cannotWrite(temporary), error);
    if (::rename(nativeTemporary.constData(), nativePath(historyPath()).constData()) != 0) {
        const int error = errno;
        ::unlink(nativeTemporary.constData());
        failWith(cannotWrite(historyPath()), error);
    }
    syncFolder(m_folder);
}

QString HistoryFiles::linkHistoryAside() const
{
    const QString aside = asidePath("corrupted");
    if (::link(nativePath(historyPath()).constData(), nativePath(aside).constData()) == 0
        || QFile::copy(historyPath(), aside))
        return aside;
    return {};
}

QString HistoryFiles::writeAside(const QByteArray &bytes, const char *label) const
{
    const QString aside = asidePath(label);
    if (writeNewFileSynced(aside, bytes, 0600) != 0)
        return {};
    syncFolder(m_folder);
    return aside;
}

QString HistoryFiles::moveAside(const QString &path, const char *label) const
{
    const QString aside = asidePath(label);
    // QFile::rename never replaces an existing file, so an earlier copy stays.
    return QFile::rename(path, aside) ? aside : QString();
}

QString HistoryFiles::asidePath(const char *label) const
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    return m_folder + QLatin1Char('/') + asideFileName(label, seconds);
}

} // namespace quorvane
