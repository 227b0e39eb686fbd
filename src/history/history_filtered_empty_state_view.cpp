// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_filtered_empty_state_view.h"

#include "history/history_style.h"
#include "platform/language_change.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane {

HistoryFilteredEmptyStateView::HistoryFilteredEmptyStateView(const QString &searchQuery,
                                                             DateFilter dateFilter, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->addStretch(1);

    const QColor secondary = HistoryStyle::secondary(palette());
    auto *icon = new QLabel(this);
    icon->setPixmap(HistoryStyle::symbolPixmap("magnifyingglass", 60, secondary));
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    m_title = new QLabel(this);
    QFont titleFont = HistoryStyle::font(HistoryStyle::TextStyle::title3);
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    layout->addWidget(m_title, 0, Qt::AlignHCenter);

    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("filteredReason"));
    m_reason->setFont(HistoryStyle::font(HistoryStyle::TextStyle::body));
    m_reason->setAlignment(Qt::AlignCenter);
    m_reason->setWordWrap(true);
    m_reason->setTextFormat(Qt::PlainText);
    QPalette pal = m_reason->palette();
    pal.setColor(QPalette::WindowText, secondary);
    m_reason->setPalette(pal);
    layout->addWidget(m_reason);

    auto *clear = new QPushButton(this);
    m_clearButton = clear;
    clear->setObjectName(QStringLiteral("clearFiltersButton"));
    clear->setMinimumHeight(36);
    clear->setAutoDefault(false);
    layout->addSpacing(8);
    layout->addWidget(clear, 0, Qt::AlignHCenter);
    connect(clear, &QPushButton::clicked, this, &HistoryFilteredEmptyStateView::clearFiltersRequested);
    layout->addStretch(1);

    onLanguageChange(this, [this] { retranslate(); });
    setFilters(searchQuery, dateFilter);
}

void HistoryFilteredEmptyStateView::setFilters(const QString &searchQuery, DateFilter dateFilter)
{
    m_searchQuery = searchQuery;
    m_dateFilter = dateFilter;
    retranslate();
}

void HistoryFilteredEmptyStateView::retranslate()
{
    //: Filtered empty state title
    //% "No matching captures"
    m_title->setText(qtTrId("history.filtered_empty.title"));
    //: Clear filters button
    //% "Clear Filters"
    m_clearButton->setText(qtTrId("history.filtered_empty.clear"));
    const QString reason = reasonText(m_searchQuery, m_dateFilter);
    m_reason->setText(reason);
    m_reason->setVisible(!reason.isEmpty());
}

QString HistoryFilteredEmptyStateView::reasonText(const QString &searchQuery, DateFilter dateFilter)
{
    if (!searchQuery.isEmpty()) {
        //: No search results message
        //% "No captures found matching \"%1\""
        return qtTrId("history.filtered_empty.search").arg(searchQuery);
    }
    if (dateFilter != DateFilter::all) {
        //: No date filter results message
        //% "No captures found for \"%1\""
        // The filter's name as the translation writes it: lower-casing it would break
        // languages that capitalise nouns ("Diese Woche").
        return qtTrId("history.filtered_empty.date").arg(displayName(dateFilter));
    }
    return {};
}

} // namespace quorvane
