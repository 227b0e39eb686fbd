// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <unistd.h>

namespace quorvane {

namespace {

QString fileSafe(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(QString lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : std::move(lockPath))
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::lockFileName(const QString &display)
{
    // An X display is "[host]:number[.screen]"; "unix:" is the local host too.
    static const QRegularExpression x11(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch match = x11.match(display);
    if (match.hasMatch()) {
        QString host = match.captured(1);
        if (host.isEmpty() || host == QLatin1String("unix"))
            host = QStringLiteral("local");
        return QStringLiteral("quorvane-x11-%1-%2.lock").arg(fileSafe(host), match.captured(2));
    }
    if (display.isEmpty())
        return QStringLiteral("quorvane-nodisplay.lock");
    return QStringLiteral("quorvane-%1.lock").arg(fileSafe(display));
}

QString SingleInstanceGuard::defaultLockPath()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");

    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Quorvane");
    return folder + QLatin1Char('/') + lockFileName(display);
}

std::optional<QString> SingleInstanceGuard::folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        //: Why the program cannot keep its lock file in a folder; %1 is the folder
        //% "%1 is not a folder"
        return qtTrId("single_instance.folder_missing").arg(folder);
    if (info.isSymLink() || info.ownerId() != ::geteuid())
        //: Why the program cannot keep its lock file in a folder; %1 is the folder
        //% "%1 belongs to another user"
        return qtTrId("single_instance.folder_foreign").arg(folder);
    if (info.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther))
        //: Why the program cannot keep its lock file in a folder; %1 is the folder
        //% "other users may write to %1"
        return qtTrId("single_instance.folder_shared").arg(folder);
    return std::nullopt;
}

SingleInstanceGuard::Result SingleInstanceGuard::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return Result::acquired;
    const QString folder = QFileInfo(m_path).absolutePath();
    // The cache folder is the program's own, so it is made private when it is made.
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (folderProblem(folder))
        return Result::unsafeFolder;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock whose process is gone is removed by QLockFile itself; never treat a live
    // holder's lock as stale because it is old.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0) ? Result::acquired : Result::heldByAnother;
}

qint64 SingleInstanceGuard::ownerProcessId() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    QLockFile probe(m_path);
    if (m_lock && m_lock->isLocked())
        return QCoreApplication::applicationPid();
    return probe.getLockInfo(&pid, &host, &application) ? pid : 0;
}

} // namespace quorvane
