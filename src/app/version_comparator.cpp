// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/version_comparator.h"

namespace quorvane {

namespace {

// Compares pre-release suffixes piece by piece: runs of digits as numbers ("beta10" after
// "beta2"), everything else as text without regard to case.
int compareSuffixes(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = a[i].isDigit();
        if (digitA != b[j].isDigit())
            return digitA ? -1 : 1;
        qsizetype endA = i;
        qsizetype endB = j;
        while (endA < a.size() && a[endA].isDigit() == digitA)
            ++endA;
        while (endB < b.size() && b[endB].isDigit() == digitA)
            ++endB;
        const QStringView pieceA = QStringView(a).mid(i, endA - i);
        const QStringView pieceB = QStringView(b).mid(j, endB - j);
        int order = 0;
        if (digitA) {
            // Without leading zeros the longer run is the larger number.
            auto stripped = [](QStringView piece) {
                while (piece.size() > 1 && piece.front() == u'0')
                    piece = piece.mid(1);
                return piece;
            };
            const QStringView numberA = stripped(pieceA);
            const QStringView numberB = stripped(pieceB);
            order = numberA.size() != numberB.size() ? (numberA.size() < numberB.size() ? -1 : 1)
                                                     : numberA.compare(numberB);
        } else {
            order = pieceA.compare(pieceB, Qt::CaseInsensitive);
        }
        if (order != 0)
            return order < 0 ? -1 : 1;
        i = endA;
        j = endB;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

} // namespace

std::optional<VersionComparator::Parsed> VersionComparator::parse(const QString &version)
{
    QString text = version.trimmed();
    if (text.startsWith(u'v') || text.startsWith(u'V'))
        text.remove(0, 1);
    qsizetype suffixIndex = 0;
    const QVersionNumber number = QVersionNumber::fromString(text, &suffixIndex);
    if (number.isNull())
        return std::nullopt;
    QString suffix = text.mid(suffixIndex);
    // "1.2-beta", "1.2 beta" and "1.2beta" all name the same pre-release.
    while (!suffix.isEmpty() && (suffix.front() == u'-' || suffix.front() == u' ' || suffix.front() == u'+'))
        suffix.remove(0, 1);
    return Parsed{number.normalized(), suffix};
}

bool VersionComparator::isReadable(const QString &version)
{
    return parse(version).has_value();
}

int VersionComparator::compare(const QString &a, const QString &b)
{
    const auto pa = parse(a);
    const auto pb = parse(b);
    if (!pa || !pb)
        return (pa ? 1 : 0) - (pb ? 1 : 0);
    const int byNumber = QVersionNumber::compare(pa->number, pb->number);
    if (byNumber != 0)
        return byNumber < 0 ? -1 : 1;
    if (pa->suffix.isEmpty() != pb->suffix.isEmpty())
        return pa->suffix.isEmpty() ? 1 : -1;
    return compareSuffixes(pa->suffix, pb->suffix);
}

} // namespace quorvane
