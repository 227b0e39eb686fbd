// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace quorvane {

class HistoryViewModel;

// The sheet in which the user picks the custom date range: two calendars that write the
// view model's range ends as the user picks (without re-filtering), from the start of the
// From day to the end of the To day in local time, Cancel, and Apply, which closes the
// sheet and then applies the range of the days shown.
class HistoryDateRangeSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int width = 400;

    // `viewModel` must outlive the sheet.
    explicit HistoryDateRangeSheet(HistoryViewModel &viewModel, QWidget *parent = nullptr);

    QCalendarWidget *fromCalendar() const { return m_from; }
    QCalendarWidget *toCalendar() const { return m_to; }

    // Shows the view model's current range ends.
    void reload();
    void apply();

private:
    // Sets every text in the interface language.
    void retranslate();

    HistoryViewModel &m_viewModel;
    QLabel *m_title;
    QLabel *m_fromLabel;
    QCalendarWidget *m_from;
    QLabel *m_toLabel;
    QCalendarWidget *m_to;
    QPushButton *m_cancelButton;
    QPushButton *m_applyButton;
};

} // namespace quorvane
