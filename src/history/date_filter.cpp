// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/date_filter.h"


#include <QLocale>
#include <QTimeZone>

namespace quorvane {

QString rawValue(DateFilter filter)
{
    switch (filter) {
    case DateFilter::all: return QStringLiteral("all");
    case DateFilter::today: return QStringLiteral("today");
    case DateFilter::thisWeek: return QStringLiteral("thisWeek");
    case DateFilter::thisMonth: return QStringLiteral("thisMonth");
    case DateFilter::customRange: return QStringLiteral("customRange");
    }
    return {};
}

std::optional<DateFilter> dateFilterFromRawValue(const QString &raw)
{
    for (DateFilter filter : kAllDateFilters) {
        if (rawValue(filter) == raw)
            return filter;
    }
    return std::nullopt;
}

QString displayName(DateFilter filter)
{
    switch (filter) {
    //: All time filter
    //% "All"
    case DateFilter::all: return qtTrId("history.filter.all");
    //: Today filter
    //% "Today"
    case DateFilter::today: return qtTrId("history.filter.today");
    //: This week filter
    //% "This Week"
    case DateFilter::thisWeek: return qtTrId("history.filter.week");
    case DateFilter::thisMonth:
        //: This month filter
        //% "This Month"
        return qtTrId("history.filter.month");
    case DateFilter::customRange:
        //: Custom range filter
        //% "Custom Range"
        return qtTrId("history.filter.custom");
    }
    return {};
}

std::optional<DateRange> dateRange(DateFilter filter, const QDateTime &now,
                                   Qt::DayOfWeek firstDayOfWeek)
{
    const QDate today = now.date();
    const QTimeZone zone = now.timeZone();
    QDate first;
    switch (filter) {
    case DateFilter::all:
    case DateFilter::customRange:
        return std::nullopt;
    case DateFilter::today:
        first = today;
        break;
    case DateFilter::thisWeek:
        first = today.addDays(-((today.dayOfWeek() - firstDayOfWeek + 7) % 7));
        break;
    case DateFilter::thisMonth:
        first = QDate(today.year(), today.month(), 1);
        break;
    }
    const QDateTime start = first.startOfDay(zone);
    if (!start.isValid())
        return std::nullopt;
    return DateRange{start, now};
}

std::optional<DateRange> dateRange(DateFilter filter)
{
    return dateRange(filter, QDateTime::currentDateTime(), QLocale().firstDayOfWeek());
}

} // namespace quorvane
