#include "platform/single_instance_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

namespace quorvane {

SingleInstanceGuard::SingleInstanceGuard(QString lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : std::move(lockPath))
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::defaultLockPath()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    if (display.isEmpty())
        display = QStringLiteral("nodisplay");

    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QStringLiteral("%1/quorvane-%2.lock").arg(runtime, display);
    return QStringLiteral("%1/quorvane-%2-%3.lock").arg(QDir::tempPath()).arg(::getuid()).arg(display);
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock whose process is gone is removed by QLockFile itself; never treat a live
    // holder's lock as stale because it is old.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
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
