#include "history/history_list_column.h"

#include "history/history_list_item_view.h"
#include "history/history_style.h"
#include "history/history_view_model.h"
#include "platform/l10n.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>

namespace quorvane {

HistoryListColumn::HistoryListColumn(HistoryViewModel &viewModel, QWidget *parent)
    : QWidget(parent), m_viewModel(viewModel)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *header = new QWidget(this);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(12, 8, 12, 8);
    auto *title = new QLabel(L10n::text("history.list.title", "Captures", "List title"), header);
    title->setFont(HistoryStyle::font(HistoryStyle::TextStyle::headline));
    headerLayout->addWidget(title);
    headerLayout->addStretch(1);
    m_progress = new QProgressBar(header);
    m_progress->setObjectName(QStringLiteral("listProgress"));
    m_progress->setRange(0, 0);
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(48, 8);
    headerLayout->addWidget(m_progress);
    column->addWidget(header);

    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    column->addWidget(divider);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("captureList"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollArea->setFocusPolicy(Qt::StrongFocus);
    m_rowsContainer = new QWidget(m_scrollArea);
    m_rowsLayout = new QVBoxLayout(m_rowsContainer);
    m_rowsLayout->setContentsMargins(listPadding, listPadding, listPadding, listPadding);
    m_rowsLayout->setSpacing(rowSpacing);
    m_rowsLayout->addStretch(1);
    m_scrollArea->setWidget(m_rowsContainer);
    column->addWidget(m_scrollArea, 1);

    m_scrollAnimation = new QPropertyAnimation(m_scrollArea->verticalScrollBar(), "value", this);
    m_scrollAnimation->setDuration(250);
    m_scrollAnimation->setEasingCurve(QEasingCurve::InOutQuad);

    connect(&m_viewModel, &HistoryViewModel::entriesChanged, this, &HistoryListColumn::rebuildRows);
    connect(&m_viewModel, &HistoryViewModel::selectedEntryChanged, this, &HistoryListColumn::updateSelection);
    connect(&m_viewModel, &HistoryViewModel::isLoadingChanged, this,
            [this] { m_progress->setVisible(m_viewModel.isLoading()); });
    m_progress->setVisible(m_viewModel.isLoading());
    rebuildRows();
}

QList<HistoryListItemView *> HistoryListColumn::rows() const
{
    QList<HistoryListItemView *> ordered;
    for (int i = 0; i < m_rowsLayout->count(); ++i) {
        if (auto *row = qobject_cast<HistoryListItemView *>(m_rowsLayout->itemAt(i)->widget()))
            ordered << row;
    }
    return ordered;
}

bool HistoryListColumn::isShowingProgress() const
{
    return !m_progress->isHidden();
}

void HistoryListColumn::rebuildRows()
{
    const QDateTime now = m_viewModel.now();
    const auto &selected = m_viewModel.selectedEntry();

    // Take every row out, drop the ones no longer listed, then lay out the listed ones
    // in list order, reusing the row of each record id.
    while (m_rowsLayout->count() > 0)
        delete m_rowsLayout->takeAt(0);
    QSet<QUuid> listed;
    for (const CaptureHistoryEntry &entry : m_viewModel.entries())
        listed.insert(entry.id);
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (!listed.contains(it.key())) {
            delete it.value();
            it = m_rows.erase(it);
        } else {
            ++it;
        }
    }
    for (const CaptureHistoryEntry &entry : m_viewModel.entries()) {
        HistoryListItemView *&row = m_rows[entry.id];
        if (!row) {
            row = new HistoryListItemView(entry, false, now, m_rowsContainer);
            connect(row, &HistoryListItemView::selectRequested, this, [this, row] {
                m_viewModel.setSelectedEntry(row->entry());
            });
        }
        row->setNow(now);
        row->setSelected(selected && selected->id == entry.id);
        m_rowsLayout->addWidget(row);
        row->show();
    }
    m_rowsLayout->addStretch(1);
}

void HistoryListColumn::updateSelection()
{
    const auto &selected = m_viewModel.selectedEntry();
    const QDateTime now = m_viewModel.now();
    for (HistoryListItemView *row : std::as_const(m_rows)) {
        row->setNow(now);
        row->setSelected(selected && selected->id == row->entry().id);
    }
    if (selected)
        scrollToSelection();
}

void HistoryListColumn::scrollToSelection()
{
    HistoryListItemView *row = m_rows.value(m_viewModel.selectedEntry()->id);
    if (!row)
        return;
    m_rowsLayout->activate();
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    const int centre = row->y() + row->height() / 2;
    const int target = std::clamp(centre - m_scrollArea->viewport()->height() / 2, bar->minimum(), bar->maximum());
    m_scrollAnimation->stop();
    m_scrollAnimation->setStartValue(bar->value());
    m_scrollAnimation->setEndValue(target);
    m_scrollAnimation->start();
}

} // namespace quorvane
