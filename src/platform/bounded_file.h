// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

namespace quorvane {

// The whole of a stored file, or why it was not read. Only a regular file (a link to one
// is followed) of at most `maxBytes` is read: a FIFO would block the read, and a device
// or a link to /dev/zero would never end. Nothing waits on the file at any step.
struct BoundedRead {
    enum class Failure { missing, notRegularFile, tooLarge, unreadable };
    struct Error {
        Failure failure;
        QString reason; // the system's words or the limit, with the file's path
        int systemError = 0; // errno of an unreadable file
    };
    std::variant<QByteArray, Error> result;

    bool ok() const { return std::holds_alternative<QByteArray>(result); }
    const QByteArray &bytes() const { return std::get<QByteArray>(result); }
    const Error &error() const { return std::get<Error>(result); }
    // Whether a later attempt cannot do better: the file is no regular file, too large,
    // or this user may not read it. A busy or failing disk is worth another try.
    bool failsForGood() const;
};

BoundedRead readStoredFile(const QString &path, qint64 maxBytes);

} // namespace quorvane
