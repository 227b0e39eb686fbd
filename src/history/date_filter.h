// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

namespace quorvane {

// The time span the history window lists.
enum class DateFilter { all, today, thisWeek, thisMonth, customRange };

inline constexpr std::array<DateFilter, 5> kAllDateFilters{
    DateFilter::all, DateFilter::today, DateFilter::thisWeek, DateFilter::thisMonth,
    DateFilter::customRange};

// A span of time, both ends included.
struct DateRange {
    QDateTime start;
    QDateTime end;

    bool contains(const QDateTime &instant) const { return start <= instant && instant <= end; }
};

// "all", "today", "thisWeek", "thisMonth", "customRange".
QString rawValue(DateFilter filter);
// The filter of a raw value; none for any other string.
std::optional<DateFilter> dateFilterFromRawValue(const QString &raw);
// The localised label ("All", "Today", "This Week", "This Month", "Custom Range").
QString displayName(DateFilter filter);

// From the start of the day, week or month that holds `now` (in `now`'s time zone, weeks
// beginning on `firstDayOfWeek`) up to `now`. None for `all` and `customRange`, whose
// span the caller decides.
std::optional<DateRange> dateRange(DateFilter filter, const QDateTime &now,
                                   Qt::DayOfWeek firstDayOfWeek);
// The same for the current time and the user's locale.
std::optional<DateRange> dateRange(DateFilter filter);

} // namespace quorvane
