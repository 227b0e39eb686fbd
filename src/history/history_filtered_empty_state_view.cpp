#include "history/history_filtered_empty_state_view.h"

#include "history/history_style.h"

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

    //: Filtered empty state title
    //% "No matching captures"
    auto *title = new QLabel(qtTrId("history.filtered_empty.title"),
                             this);
    QFont titleFont = HistoryStyle::font(HistoryStyle::TextStyle::title3);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    layout->addWidget(title, 0, Qt::AlignHCenter);

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

    //: Clear filters button
    //% "Clear Filters"
    auto *clear = new QPushButton(qtTrId("history.filtered_empty.clear"),
                                  this);
    clear->setObjectName(QStringLiteral("clearFiltersButton"));
    clear->setMinimumHeight(36);
    clear->setAutoDefault(false);
    layout->addSpacing(8);
    layout->addWidget(clear, 0, Qt::AlignHCenter);
    connect(clear, &QPushButton::clicked, this, &HistoryFilteredEmptyStateView::clearFiltersRequested);
    layout->addStretch(1);

    setFilters(searchQuery, dateFilter);
}

void HistoryFilteredEmptyStateView::setFilters(const QString &searchQuery, DateFilter dateFilter)
{
    const QString reason = reasonText(searchQuery, dateFilter);
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
        return qtTrId("history.filtered_empty.date").arg(displayName(dateFilter).toLower());
    }
    return {};
}

} // namespace quorvane
