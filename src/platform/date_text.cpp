// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/date_text.h"


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
    auto count = [span](qint64 unit) { return int(span / unit); };
    if (span < minute) {
        //: Seconds, short
        //% "%n sec."
        amount = qtTrId("relative_time.seconds", count(1));
    } else if (span < hour) {
        //: Minutes, short
        //% "%n min."
        amount = qtTrId("relative_time.minutes", count(minute));
    } else if (span < day) {
        //: Hours, short
        //% "%n hr."
        amount = qtTrId("relative_time.hours", count(hour));
    } else if (span < week) {
        // One day too takes the plural text: languages name a single unit without the
        // number ("منذ يوم").
        //: Days
        //% "%n days"
        amount = qtTrId("relative_time.days", count(day));
    } else if (span < month) {
        //: Weeks, short
        //% "%n wk."
        amount = qtTrId("relative_time.weeks", count(week));
    } else if (span < year) {
        //: Months, short
        //% "%n mo."
        amount = qtTrId("relative_time.months", count(month));
    } else {
        //: Years, short
        //% "%n yr."
        amount = qtTrId("relative_time.years", count(year));
    }
    if (seconds >= 0)
        //: Time before now
        //% "%1 ago"
        return qtTrId("relative_time.past").arg(amount);
    //: Time after now
    //% "in %1"
    return qtTrId("relative_time.future").arg(amount);
}

} // namespace quorvane
