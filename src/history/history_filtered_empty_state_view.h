// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/date_filter.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace quorvane {

// Shown in place of the list when captures exist but the search text or the date
// filter matches none: says why and offers to clear the filters.
class HistoryFilteredEmptyStateView : public QWidget {
    Q_OBJECT
public:
    HistoryFilteredEmptyStateView(const QString &searchQuery, DateFilter dateFilter,
                                  QWidget *parent = nullptr);

    void setFilters(const QString &searchQuery, DateFilter dateFilter);

    // The line under the title: the search text while there is one, else the date
    // filter's name unless it is `all`; empty when neither narrows the list.
    static QString reasonText(const QString &searchQuery, DateFilter dateFilter);

signals:
    // The Clear Filters button was pressed.
    void clearFiltersRequested();

private:
    // Sets every text in the interface language.
    void retranslate();

    QString m_searchQuery;
    DateFilter m_dateFilter = DateFilter::all;
    QLabel *m_title;
    QLabel *m_reason;
    QPushButton *m_clearButton;
};

} // namespace quorvane
