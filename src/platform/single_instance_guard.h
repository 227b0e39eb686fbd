#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace quorvane {

// Keeps one running copy of the program per user and display. The lock is a file in the
// user's runtime folder, held while the guard lives; a lock left by a copy that crashed
// is taken over.
class SingleInstanceGuard {
public:
    // `lockPath` empty: the default path for this user and display (see defaultLockPath).
    explicit SingleInstanceGuard(QString lockPath = {});
    ~SingleInstanceGuard();

    // Takes the lock; false when another running copy holds it.
    bool tryAcquire();
    // The process that holds the lock, or 0 when unknown.
    qint64 ownerProcessId() const;

    // "$XDG_RUNTIME_DIR/quorvane-<display>.lock" (the temporary folder, with the user id,
    // when there is no runtime folder).
    static QString defaultLockPath();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace quorvane
