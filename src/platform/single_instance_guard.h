// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace quorvane {

// Keeps one running copy of the program per user and display server where no session
// bus is there to tell the copies apart. The lock is a file in a folder that only the
// user owns, held while the guard lives; a lock left by a copy that crashed is taken over.
class SingleInstanceGuard {
public:
    enum class Result {
        acquired,       // this copy is the one that runs
        heldByAnother,  // another running copy holds the lock
        unsafeFolder,   // the lock's folder is not the user's own: see folderProblem
    };

    // `lockPath` empty: the default path for this user and display (see defaultLockPath).
    explicit SingleInstanceGuard(QString lockPath = {});
    ~SingleInstanceGuard();

    Result tryAcquire();
    // The process that holds the lock, or 0 when unknown.
    qint64 ownerProcessId() const;
    QString lockPath() const { return m_path; }

    // "quorvane-<server>.lock" for the display named `display` (an X11 DISPLAY or a
    // Wayland socket): an X display is keyed on its host and display number, so ":1"
    // and ":1.0" (another screen of the same server) share one lock.
    static QString lockFileName(const QString &display);
    // The file for this session's display in the user's runtime folder, or, without
    // one, in a folder of the user's cache ($XDG_CACHE_HOME/Quorvane), never in a
    // folder other users can write to.
    static QString defaultLockPath();
    // Why `folder` cannot hold the lock (it is missing, another user's, or others may
    // write to it); nothing when it is the user's own.
    static std::optional<QString> folderProblem(const QString &folder);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace quorvane
