// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_date_range_sheet.h"

#include "history/history_style.h"
#include "history/history_view_model.h"
#include "platform/language_change.h"

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
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(16);

    m_title = new QLabel(this);
    m_title->setFont(HistoryStyle::font(HistoryStyle::TextStyle::headline));
    layout->addWidget(m_title, 0, Qt::AlignHCenter);

    auto picker = [this, layout](QLabel *label, const char *objectName) {
        auto *row = new QVBoxLayout;
        row->setSpacing(4);
        row->addWidget(label);
        auto *calendar = new QCalendarWidget(this);
        calendar->setObjectName(QLatin1String(objectName));
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        row->addWidget(calendar);
        layout->addLayout(row);
        return calendar;
    };
    m_fromLabel = new QLabel(this);
    m_from = picker(m_fromLabel, "fromCalendar");
    m_toLabel = new QLabel(this);
    m_to = picker(m_toLabel, "toCalendar");
    // The pickers choose whole days in local time: the range runs from the first moment of
    // the From day to the last moment of the To day, whatever the time of day.
    connect(m_from, &QCalendarWidget::selectionChanged, this,
            [this] { m_viewModel.setCustomDateFrom(m_from->selectedDate().startOfDay()); });
    connect(m_to, &QCalendarWidget::selectionChanged, this,
            [this] { m_viewModel.setCustomDateTo(m_to->selectedDate().endOfDay()); });

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch(1);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);
    m_applyButton = new QPushButton(this);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    m_applyButton->setDefault(true);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_applyButton);
    buttons->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_applyButton, &QPushButton::clicked, this, &HistoryDateRangeSheet::apply);

    onLanguageChange(this, [this] { retranslate(); });
    reload();
}

void HistoryDateRangeSheet::retranslate()
{
    //: Custom date range title
    //% "Custom Date Range"
    setWindowTitle(qtTrId("history.filter.custom_title"));
    m_title->setText(windowTitle());
    //: From date label
    //% "From:"
    m_fromLabel->setText(qtTrId("history.filter.from"));
    //: To date label
    //% "To:"
    m_toLabel->setText(qtTrId("history.filter.to"));
    //: Cancel button
    //% "Cancel"
    m_cancelButton->setText(qtTrId("general.cancel"));
    //: Apply filter button
    //% "Apply"
    m_applyButton->setText(qtTrId("history.filter.apply"));
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
