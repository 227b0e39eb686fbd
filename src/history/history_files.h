// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace quorvane {

// The history files of one folder and the file-system steps on them. The history file
// is only ever replaced by a rename of a complete, synced file, so at every moment the
// folder holds either the old or the new history in full. Called from one thread at a time.
class HistoryFiles {
public:
    static constexpr const char *historyFileName = "history.json";
    static constexpr const char *backupFileName = "history.backup.json";
    static constexpr const char *temporaryFileName = "history.tmp.json";

    explicit HistoryFiles(QString folder);

    // Creates `folder` (mode 0700) and any missing parents (default mode); an existing
    // folder is fine. Throws HistoryStoreError::storageAccessFailed.
    static void createFolder(const QString &folder);
    // Creates and removes a file in `folder`. Throws HistoryStoreError::storageAccessFailed
    // when that cannot be done.
    static void checkWritable(const QString &folder);

    // "history.corrupted.<seconds>.json", seconds in the shortest decimal form that reads
    // back to the same double, always with a fractional part.
    static QString corruptedFileName(double secondsSince1970);
    // "history.<label>.<seconds>.json", seconds as in corruptedFileName.
    static QString asideFileName(const char *label, double secondsSince1970);

    const QString &folder() const { return m_folder; }
    QString historyPath() const;
    QString backupPath() const;
    QString temporaryPath() const;

    // Far above a full history with its thumbnails; a larger file is not one of ours.
    static constexpr qint64 maxFileBytes = qint64(512) << 20;

    static bool exists(const QString &path);
    // The whole file when it is a regular file of at most maxFileBytes. Throws
    // HistoryStoreError::storageAccessFailed; `forGood` then says whether no later
    // attempt can read it either (see BoundedRead::failsForGood).
    static QByteArray read(const QString &path, bool *forGood = nullptr);

    // Makes "history.backup.json" hold what "history.json" holds now, when that exists.
    // Links the file rather than copying it where the file system allows. Best effort:
    // a failure leaves no backup or the previous one, never touches "history.json".
    void refreshBackup() const;

    // Removes whatever "history.tmp.json" is (a leftover, a planted link), creates it
    // afresh (mode 0600, exclusively, never through a link), writes `bytes` and syncs it, renames it over
    // "history.json" in one step and syncs the folder. Throws HistoryStoreError
    // (diskFull when the volume ran out of space, else storageAccessFailed); on failure
    // "history.json" is untouched.
    void replaceHistory(const QByteArray &bytes) const;

    // Keeps what "history.json" holds now under its corrupted name as well (a link, else
    // a copy), leaving "history.json" in place. Returns the new path; empty when it could not.
    QString linkHistoryAside() const;
    // Writes `bytes` to a new file "history.<label>.<seconds>.json" (mode 0600, synced).
    // Returns its path; empty when it could not.
    QString writeAside(const QByteArray &bytes, const char *label) const;
    // Moves the file at `path` to "history.<label>.<seconds>.json". Returns the new path;
    // empty when it could not.
    QString moveAside(const QString &path, const char *label) const;

private:
    QString asidePath(const char *label) const;

    QString m_folder;
};

} // namespace quorvane
