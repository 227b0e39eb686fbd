#pragma once

#include <QDialog>

class QCalendarWidget;

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
    HistoryViewModel &m_viewModel;
    QCalendarWidget *m_from;
    QCalendarWidget *m_to;
};

} // namespace quorvane
