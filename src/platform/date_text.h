// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/interface_translations.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quorvane {

// Dates and times written the way the desktop's date formatters write them, in a locale:
// by default the interface language's, as the texts around them.
// "Long" and "medium" dates carry no weekday; "short" is the locale's numeric date.
class DateText {
public:
    // "March 14, 2025" in English.
    static QString longDate(const QDate &date, const QLocale &locale = InterfaceTranslations::locale());
    // "Mar 14, 2025" in English.
    static QString mediumDate(const QDate &date, const QLocale &locale = InterfaceTranslations::locale());
    // "3/14/25" in English.
    static QString shortDate(const QDate &date, const QLocale &locale = InterfaceTranslations::locale());
    // "9:30 AM" in English.
    static QString shortTime(const QTime &time, const QLocale &locale = InterfaceTranslations::locale());
    // Date and time of `instant` in local time, joined as the locale's formatters join them.
    static QString longDateShortTime(const QDateTime &instant, const QLocale &locale = InterfaceTranslations::locale());
    static QString mediumDateShortTime(const QDateTime &instant, const QLocale &locale = InterfaceTranslations::locale());

    // How long before (or after) `now` the `instant` lies, in the largest whole unit with
    // abbreviated unit names: "5 min. ago", "2 days ago", "in 3 sec.".
    static QString relative(const QDateTime &instant, const QDateTime &now);

private:
    static QString longFormatWithoutWeekday(const QLocale &locale);
};

} // namespace quorvane
