// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidgetAction;

namespace quorvane {

class HistoryDateRangeSheet;
class HistoryViewModel;

// The strip above the history list: the text search, the date-filter menu with the
// custom-range sheet, the count of captures shown, and Clear All. It filters nothing
// itself: every choice goes to the view model, which re-filters.
class HistorySearchBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int searchFieldMaxWidth = 300;
    static constexpr int filterMenuMinWidth = 100;

    // `viewModel` must outlive the bar.
    explicit HistorySearchBar(HistoryViewModel &viewModel, QWidget *parent = nullptr);

    // Whether the custom date-range sheet is shown.
    bool showDatePicker() const { return m_showDatePicker; }
    void setShowDatePicker(bool show);

    QMenu *dateFilterMenu() const { return m_filterMenu; }
    HistoryDateRangeSheet *dateRangeSheet() const { return m_sheet; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sets every text in the interface language.
    void retranslate();
    void refresh();
    void buildFilterMenu();
    void updateFilterMenu();

    HistoryViewModel &m_viewModel;
    bool m_showDatePicker = false;
    QLineEdit *m_searchField;
    QToolButton *m_clearSearch;
    QPushButton *m_filterButton;
    QMenu *m_filterMenu;
    QLabel *m_rangeLabel = nullptr;
    QWidgetAction *m_rangeItem = nullptr;
    QLabel *m_stats;
    QPushButton *m_clearAll;
    HistoryDateRangeSheet *m_sheet;
};

} // namespace quorvane
