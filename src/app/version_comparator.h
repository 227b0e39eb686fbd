// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVersionNumber>

#include <optional>

namespace quorvane {

// Orders release versions such as "1.2", "1.10.3", "v2.0" and "2.0-beta1".
// Numeric parts compare as numbers and trailing zeros do not count ("1.0" equals "1");
// with equal numbers a version carrying a suffix is a pre-release and sorts first, and
// pre-releases order by the numbers in their suffix ("beta2" before "beta10").
class VersionComparator {
public:
    // Negative when `a` is older than `b`, zero when equal, positive when newer.
    // Both must be readable (see `isReadable`); an unreadable one sorts before any other.
    static int compare(const QString &a, const QString &b);

    // True when the text starts (after an optional "v") with at least one number.
    static bool isReadable(const QString &version);

private:
    struct Parsed {
        QVersionNumber number;
        QString suffix;
    };
    static std::optional<Parsed> parse(const QString &version);
};

} // namespace quorvane
