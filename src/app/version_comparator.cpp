#include "app/version_comparator.h"

namespace quorvane {

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
    const int bySuffix = QString::compare(pa->suffix, pb->suffix, Qt::CaseInsensitive);
    return bySuffix < 0 ? -1 : (bySuffix > 0 ? 1 : 0);
}

} // namespace quorvane
