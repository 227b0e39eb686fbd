#include "platform/date_text.h"

#include "platform/l10n.h"

#include <QRegularExpression>

#include <cstdlib>

namespace quorvane {

QString DateText::longFormatWithoutWeekday(const QLocale &locale)
{
    // The locale's long format names the weekday ("dddd, MMMM d, yyyy"); the long style
    // wanted here is the same date without it.
    static const QRegularExpression weekday(QStringLiteral("\\s*dddd[,.]?\\s*"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.replace(weekday, QString());
    return format.trimmed();
}

QString DateText::longDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, longFormatWithoutWeekday(locale));
}

QString DateText::mediumDate(const QDate &date, const QLocale &locale)
{
    QString format = longFormatWithoutWeekday(locale);
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(date, format);
}

QString DateText::shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString DateText::shortTime(const QTime &time, const QLocale &locale)
{
    // Some locales' short time still shows seconds (the C locale's "HH:mm:ss").
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time, format);
}

QString DateText::longDateShortTime(const QDateTime &instant, const QLocale &locale)
{
    const QDateTime local = instant.toLocalTime();
    return longDate(local.date(), locale) + QStringLiteral(", ") + shortTime(local.time(), locale);
}

QString DateText::mediumDateShortTime(const QDateTime &instant, const QLocale &locale)
{
    const QDateTime local = instant.toLocalTime();
    return mediumDate(local.date(), locale) + QStringLiteral(", ") + shortTime(local.time(), locale);
}

QString DateText::relative(const QDateTime &instant, const QDateTime &now)
{
    const qint64 seconds = instant.secsTo(now); // positive: in the past
    const qint64 span = std::llabs(seconds);

    constexpr qint64 minute = 60, hour = 60 * minute, day = 24 * hour, week = 7 * day,
                     month = 30 * day, year = 365 * day;
    QString amount;
    auto count = [span](qint64 unit) { return QString::number(span / unit); };
    if (span < minute) {
        amount = L10n::fill(L10n::text("relative_time.seconds", "%d sec.", "Seconds, short"), {count(1)});
    } else if (span < hour) {
        amount = L10n::fill(L10n::text("relative_time.minutes", "%d min.", "Minutes, short"), {count(minute)});
    } else if (span < day) {
        amount = L10n::fill(L10n::text("relative_time.hours", "%d hr.", "Hours, short"), {count(hour)});
    } else if (span < week) {
        amount = span / day == 1
                     ? L10n::fill(L10n::text("relative_time.day", "%d day", "One day"), {count(day)})
                     : L10n::fill(L10n::text("relative_time.days", "%d days", "Days"), {count(day)});
    } else if (span < month) {
        amount = L10n::fill(L10n::text("relative_time.weeks", "%d wk.", "Weeks, short"), {count(week)});
    } else if (span < year) {
        amount = L10n::fill(L10n::text("relative_time.months", "%d mo.", "Months, short"), {count(month)});
    } else {
        amount = L10n::fill(L10n::text("relative_time.years", "%d yr.", "Years, short"), {count(year)});
    }
    if (seconds >= 0)
        return L10n::fill(L10n::text("relative_time.past", "%@ ago", "Time before now"), {amount});
    return L10n::fill(L10n::text("relative_time.future", "in %@", "Time after now"), {amount});
}

} // namespace quorvane
