// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_search_bar.h"

#include "history/date_filter.h"
#include "history/history_date_range_sheet.h"
#include "history/history_style.h"
#include "history/history_view_model.h"
#include "platform/date_text.h"
#include "platform/language_change.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QWidgetAction>

namespace quorvane {

HistorySearchBar::HistorySearchBar(HistoryViewModel &viewModel, QWidget *parent)
    : QWidget(parent), m_viewModel(viewModel)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(12);

    // The search field: symbol, borderless text field, clear button, on a rounded plate.
    auto *field = new QWidget(this);
    field->setObjectName(QStringLiteral("searchPlate"));
    field->setMaximumWidth(searchFieldMaxWidth);
    field->setAttribute(Qt::WA_StyledBackground);
    field->setStyleSheet(QStringLiteral("#searchPlate { background: palette(base); border-radius: 6px; }"));
    auto *fieldLayout = new QHBoxLayout(field);
    fieldLayout->setContentsMargins(8, 6, 8, 6);
    fieldLayout->setSpacing(6);
    const QColor secondary = HistoryStyle::secondary(palette());
    const int symbolSide = QFontMetrics(HistoryStyle::systemFont(14)).height();
    auto *glass = new QLabel(field);
    glass->setPixmap(HistoryStyle::symbolPixmap("magnifyingglass", symbolSide, secondary));
    fieldLayout->addWidget(glass);
    m_searchField = new QLineEdit(field);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setFrame(false);
    m_searchField->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    fieldLayout->addWidget(m_searchField, 1);
    m_clearSearch = new QToolButton(field);
    m_clearSearch->setObjectName(QStringLiteral("clearSearchButton"));
    m_clearSearch->setAutoRaise(true);
    m_clearSearch->setIcon(QIcon(HistoryStyle::symbolPixmap("xmark.circle.fill", symbolSide, secondary)));
    m_clearSearch->setCursor(Qt::ArrowCursor);
    // No taller than the symbol, so that the bar keeps its height when the button appears.
    m_clearSearch->setIconSize(QSize(symbolSide, symbolSide));
    m_clearSearch->setFixedSize(symbolSide, symbolSide);
    m_clearSearch->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    fieldLayout->addWidget(m_clearSearch);
    layout->addWidget(field, 1);
    connect(m_searchField, &QLineEdit::textEdited, &m_viewModel, &HistoryViewModel::setSearchQuery);
    m_searchField->installEventFilter(this);
    connect(m_clearSearch, &QToolButton::clicked, this, [this] { m_viewModel.setSearchQuery(QString()); });

    // The date-filter menu.
    m_filterButton = new QPushButton(this);
    m_filterButton->setObjectName(QStringLiteral("dateFilterButton"));
    m_filterButton->setFlat(true);
    m_filterButton->setAutoDefault(false);
    m_filterButton->setMinimumWidth(filterMenuMinWidth);
    m_filterButton->setIcon(HistoryStyle::symbol("calendar"));
    m_filterButton->setFont(HistoryStyle::systemFont(13));
    m_filterMenu = new QMenu(m_filterButton);
    m_filterButton->setMenu(m_filterMenu);
    buildFilterMenu();
    layout->addWidget(m_filterButton);
    m_sheet = new HistoryDateRangeSheet(m_viewModel, this);
    connect(m_sheet, &QDialog::finished, this, [this] { m_showDatePicker = false; });

    layout->addStretch(1);

    m_stats = new QLabel(this);
    m_stats->setObjectName(QStringLiteral("statsLabel"));
    m_stats->setFont(HistoryStyle::font(HistoryStyle::TextStyle::caption));
    QPalette statsPalette = m_stats->palette();
    statsPalette.setColor(QPalette::WindowText, secondary);
    m_stats->setPalette(statsPalette);
    layout->addWidget(m_stats);

    m_clearAll = new QPushButton(HistoryStyle::symbol("trash"), QString(), this);
    m_clearAll->setObjectName(QStringLiteral("clearAllButton"));
    m_clearAll->setFlat(true);
    m_clearAll->setAutoDefault(false);
    m_clearAll->setFont(HistoryStyle::systemFont(13));
    QPalette red = m_clearAll->palette();
    red.setColor(QPalette::ButtonText, QColor(0xD7, 0x26, 0x1E));
    m_clearAll->setPalette(red);
    m_clearAll->setGraphicsEffect(new QGraphicsOpacityEffect(m_clearAll));
    layout->addWidget(m_clearAll);
    connect(m_clearAll, &QPushButton::clicked, this, [this] { m_viewModel.setShowClearAllConfirmation(true); });

    for (auto signal : {&HistoryViewModel::searchQueryChanged, &HistoryViewModel::dateFilterChanged,
                        &HistoryViewModel::customDateRangeChanged, &HistoryViewModel::entriesChanged})
        connect(&m_viewModel, signal, this, &HistorySearchBar::refresh);
    onLanguageChange(this, [this] { retranslate(); });
}

void HistorySearchBar::retranslate()
{
    //: Search placeholder
    //% "Search captures…"
    m_searchField->setPlaceholderText(qtTrId("history.search.placeholder"));
    //: Clear all button
    //% "Clear All"
    m_clearAll->setText(qtTrId("history.search.clear_all"));
    for (QAction *item : m_filterMenu->actions()) {
        if (const std::optional<DateFilter> filter = dateFilterFromRawValue(item->data().toString()))
            item->setText(displayName(*filter));
    }
    // The filter's name, the range and the counts.
    refresh();
}

bool HistorySearchBar::eventFilter(QObject *watched, QEvent *event)
{
    // Return belongs to the window's Copy everywhere but here: typed in the field it only
    // ends the search, so the field claims the key before the shortcut sees it.
    if (watched == m_searchField && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HistorySearchBar::setShowDatePicker(bool show)
{
    m_showDatePicker = show;
    if (show) {
        m_sheet->reload();
        m_sheet->open();
    } else if (m_sheet->isVisible()) {
        m_sheet->reject();
    }
}

void HistorySearchBar::refresh()
{
    if (m_searchField->text() != m_viewModel.searchQuery())
        m_searchField->setText(m_viewModel.searchQuery());
    m_clearSearch->setVisible(!m_viewModel.searchQuery().isEmpty());

    m_filterButton->setText(displayName(m_viewModel.dateFilter()));
    updateFilterMenu();

    m_stats->setText(m_viewModel.statsText());

    const bool anyCapture = !m_viewModel.allEntries().isEmpty();
    m_clearAll->setEnabled(anyCapture);
    static_cast<QGraphicsOpacityEffect *>(m_clearAll->graphicsEffect())->setOpacity(anyCapture ? 1.0 : 0.5);
}

void HistorySearchBar::buildFilterMenu()
{
    for (DateFilter filter : kAllDateFilters) {
        QAction *item = m_filterMenu->addAction(QString());
        item->setData(rawValue(filter));
        connect(item, &QAction::triggered, this, [this, filter] {
            // The custom range takes effect only through the sheet's Apply.
            if (filter == DateFilter::customRange)
                setShowDatePicker(true);
            else
                m_viewModel.setDateFilter(filter);
        });
    }
    m_filterMenu->addSeparator();
    m_rangeLabel = new QLabel(m_filterMenu);
    m_rangeLabel->setObjectName(QStringLiteral("customRangeLabel"));
    m_rangeLabel->setFont(HistoryStyle::font(HistoryStyle::TextStyle::caption));
    QPalette pal = m_rangeLabel->palette();
    pal.setColor(QPalette::WindowText, HistoryStyle::secondary(pal));
    m_rangeLabel->setPalette(pal);
    m_rangeLabel->setContentsMargins(12, 4, 12, 4);
    m_rangeItem = new QWidgetAction(m_filterMenu);
    m_rangeItem->setDefaultWidget(m_rangeLabel);
    m_filterMenu->addAction(m_rangeItem);
}

void HistorySearchBar::updateFilterMenu()
{
    const DateFilter current = m_viewModel.dateFilter();
    // Only the current filter carries the check mark.
    const QIcon checkmark = HistoryStyle::symbol("checkmark");
    for (QAction *item : m_filterMenu->actions()) {
        if (!item->data().isNull())
            item->setIcon(item->data().toString() == rawValue(current) ? checkmark : QIcon());
    }
    m_rangeItem->setVisible(current == DateFilter::customRange);
    //: Custom date range display
    //% "%1 to %2"
    m_rangeLabel->setText(qtTrId("history.filter.custom_range").arg(DateText::shortDate(m_viewModel.customDateFrom().toLocalTime().date()),
         DateText::shortDate(m_viewModel.customDateTo().toLocalTime().date())));
}

} // namespace quorvane
