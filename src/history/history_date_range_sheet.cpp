#include "history/history_date_range_sheet.h"

#include "history/history_style.h"
#include "history/history_view_model.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvane {

HistoryDateRangeSheet::HistoryDateRangeSheet(HistoryViewModel &viewModel, QWidget *parent)
    : QDialog(parent), m_viewModel(viewModel)
{
    setWindowModality(Qt::WindowModal);
    setFixedWidth(width);
    //: Custom date range title
    //% "Custom Date Range"
    setWindowTitle(qtTrId("history.filter.custom_title"));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(16);

    auto *title = new QLabel(windowTitle(), this);
    title->setFont(HistoryStyle::font(HistoryStyle::TextStyle::headline));
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto picker = [this, layout](const QString &label, const char *objectName) {
        auto *row = new QVBoxLayout;
        row->setSpacing(4);
        row->addWidget(new QLabel(label, this));
        auto *calendar = new QCalendarWidget(this);
        calendar->setObjectName(QLatin1String(objectName));
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        row->addWidget(calendar);
        layout->addLayout(row);
        return calendar;
    };
    //: From date label
    //% "From:"
    m_from = picker(qtTrId("history.filter.from"), "fromCalendar");
    //: To date label
    //% "To:"
    m_to = picker(qtTrId("history.filter.to"), "toCalendar");
    // The pickers choose whole days in local time: the range runs from the first moment of
    // the From day to the last moment of the To day, whatever the time of day.
    connect(m_from, &QCalendarWidget::selectionChanged, this,
            [this] { m_viewModel.setCustomDateFrom(m_from->selectedDate().startOfDay()); });
    connect(m_to, &QCalendarWidget::selectionChanged, this,
            [this] { m_viewModel.setCustomDateTo(m_to->selectedDate().endOfDay()); });

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch(1);
    //: Cancel button
    //% "Cancel"
    auto *cancel = new QPushButton(qtTrId("general.cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    //: Apply filter button
    //% "Apply"
    auto *applyButton = new QPushButton(qtTrId("history.filter.apply"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    applyButton->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(applyButton);
    buttons->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(applyButton, &QPushButton::clicked, this, &HistoryDateRangeSheet::apply);

    reload();
}

void HistoryDateRangeSheet::reload()
{
    m_from->setSelectedDate(m_viewModel.customDateFrom().toLocalTime().date());
    m_to->setSelectedDate(m_viewModel.customDateTo().toLocalTime().date());
}

void HistoryDateRangeSheet::apply()
{
    // Days shown but never picked (the range the sheet opened with) count as whole days too.
    m_viewModel.setCustomDateFrom(m_from->selectedDate().startOfDay());
    m_viewModel.setCustomDateTo(m_to->selectedDate().endOfDay());
    // The sheet closes at once; the range is applied right after, with the ends as they
    // stand then.
    QTimer::singleShot(0, &m_viewModel, [model = &m_viewModel] {
        model->setCustomDateRange(model->customDateFrom(), model->customDateTo());
    });
    accept();
}

} // namespace quorvane
