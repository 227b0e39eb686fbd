#include "history/history_files.h"

#include "history/history_store_error.h"

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

[[noreturn]] void failWith(const QString &what, int error)
{
    if (error == ENOSPC || error == EDQUOT)
        throw HistoryStoreError::diskFull();
    throw HistoryStoreError::storageAccessFailed(what + QStringLiteral(": ") + systemError(error));
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

FileSignature signatureOf(const struct stat &status)
{
    return {true, quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// Returns the signature of the written file; a rename keeps it.
FileSignature writeAndSync(const QString &path, const QByteArray &bytes)
{
    const QByteArray native = nativePath(path);
    FileDescriptor file(::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (file.get() < 0)
        failWith(QStringLiteral("Cannot create %1").arg(path), errno);
    // A file left from an earlier run keeps its old mode through O_CREAT.
    if (::fchmod(file.get(), 0600) != 0)
        failWith(QStringLiteral("Cannot protect %1").arg(path), errno);

    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.get(), data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failWith(QStringLiteral("Cannot write %1").arg(path), errno);
        }
        data += written;
        left -= written;
    }
    if (::fsync(file.get()) != 0)
        failWith(QStringLiteral("Cannot sync %1").arg(path), errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        failWith(QStringLiteral("Cannot read the state of %1").arg(path), errno);
    if (const int error = file.close(); error != 0)
        failWith(QStringLiteral("Cannot close %1").arg(path), error);
    return signatureOf(status);
}

void syncFolder(const QString &folder)
{
    FileDescriptor dir(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        failWith(QStringLiteral("Cannot open %1").arg(folder), errno);
    // Some file systems cannot sync a directory (EINVAL); the rename itself has happened.
    if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS)
        failWith(QStringLiteral("Cannot sync %1").arg(folder), errno);
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
            QStringLiteral("%1 exists and is not a folder").arg(folder));
    const QString parent = info.absoluteDir().absolutePath();
    if (!QDir().mkpath(parent))
        throw HistoryStoreError::storageAccessFailed(
            QStringLiteral("Cannot create folder %1").arg(parent));
    if (::mkdir(nativePath(folder).constData(), 0700) != 0 && errno != EEXIST)
        failWith(QStringLiteral("Cannot create folder %1").arg(folder), errno);
    if (!QFileInfo(folder).isDir())
        throw HistoryStoreError::storageAccessFailed(
            QStringLiteral("Cannot create folder %1").arg(folder));
}

QString HistoryFiles::corruptedFileName(double secondsSince1970)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, secondsSince1970,
                                      std::chars_format::fixed);
    QString seconds = QString::fromLatin1(buffer, result.ptr - buffer);
    if (!seconds.contains(QLatin1Char('.')))
        seconds += QStringLiteral(".0");
    return QStringLiteral("history.corrupted.") + seconds + QStringLiteral(".json");
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

QByteArray HistoryFiles::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw HistoryStoreError::storageAccessFailed(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw HistoryStoreError::storageAccessFailed(file.errorString());
    return bytes;
}

FileSignature HistoryFiles::signature(const QString &path)
{
    struct stat status {};
    if (::stat(nativePath(path).constData(), &status) != 0)
        return {};
    return signatureOf(status);
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

FileSignature HistoryFiles::replaceHistory(const QByteArray &bytes) const
{
    const QString temporary = temporaryPath();
    FileSignature written;
    try {
        written = writeAndSync(temporary, bytes);
    } catch (...) {
        // A partial file is of no use to anyone; on a full disk it holds space too.
        ::unlink(nativePath(temporary).constData());
        throw;
    }
    if (::rename(nativePath(temporary).constData(), nativePath(historyPath()).constData()) != 0)
        failWith(QStringLiteral("Cannot move %1 to %2").arg(temporary, historyPath()), errno);
    syncFolder(m_folder);
    return written;
}

bool HistoryFiles::moveHistoryAside() const
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const QString aside = m_folder + QLatin1Char('/') + corruptedFileName(seconds);
    // QFile::rename never replaces an existing file, so an earlier corrupted copy stays.
    return QFile::rename(historyPath(), aside);
}

} // namespace quorvane
