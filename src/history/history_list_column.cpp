// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_list_column.h"

#include "history/history_list_item_delegate.h"
#include "history/history_list_model.h"
#include "history/history_style.h"
#include "history/history_view_model.h"
#include "platform/language_change.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quorvane {

namespace {

// A list whose keys scroll it and never move the selection, and which leaves every other
// key (Return, the copy and delete shortcuts, typed letters) to the window.
class CaptureListView : public QListView {
public:
    using QListView::QListView;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QScrollBar *bar = verticalScrollBar();
        switch (event->key()) {
        case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case Qt::Key_PageDown: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
        case Qt::Key_End: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
        default: event->ignore(); return;
        }
        event->accept();
    }
};

} // namespace

HistoryListColumn::HistoryListColumn(HistoryViewModel &viewModel, QWidget *parent)
    : QWidget(parent), m_viewModel(viewModel)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *header = new QWidget(this);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(12, 8, 12, 8);
    auto *title = new QLabel(header);
    onLanguageChange(title, [title] {
        //: List title
        //% "Captures"
        title->setText(qtTrId("history.list.title"));
    });
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

    m_model = new HistoryListModel(m_viewModel, this);
    m_delegate = new HistoryListItemDelegate(m_thumbnails, this);
    m_list = new CaptureListView(this);
    m_list->setObjectName(QStringLiteral("captureList"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->viewport()->setAutoFillBackground(false); // the column's background shows through
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    m_list->setFocusPolicy(Qt::StrongFocus);
    m_list->setItemDelegate(m_delegate);
    m_list->setModel(m_model);
    column->addWidget(m_list, 1);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        m_viewModel.setSelectedEntry(m_model->entryAt(index.row()));
    });

    m_scrollAnimation = new QPropertyAnimation(m_list->verticalScrollBar(), "value", this);
    m_scrollAnimation->setDuration(250);
    m_scrollAnimation->setEasingCurve(QEasingCurve::InOutQuad);

    connect(&m_viewModel, &HistoryViewModel::selectedEntryChanged, this, [this] {
        if (m_viewModel.selectedEntry())
            scrollToSelection();
    });
    connect(&m_viewModel, &HistoryViewModel::isLoadingChanged, this,
            [this] { m_progress->setVisible(m_viewModel.isLoading()); });
    m_progress->setVisible(m_viewModel.isLoading());
}

// The list and its delegate go before the thumbnails they draw from.
HistoryListColumn::~HistoryListColumn()
{
    delete m_list;
    delete m_delegate;
}

bool HistoryListColumn::isShowingProgress() const
{
    return !m_progress->isHidden();
}

void HistoryListColumn::scrollToSelection()
{
    const int row = m_model->rowOf(m_viewModel.selectedEntry()->id);
    if (row < 0)
        return;
    QScrollBar *bar = m_list->verticalScrollBar();
    const QRect rect = m_list->visualRect(m_model->index(row));
    const int target = std::clamp(bar->value() + rect.center().y() - m_list->viewport()->height() / 2,
                                  bar->minimum(), bar->maximum());
    m_scrollAnimation->stop();
    m_scrollAnimation->setStartValue(bar->value());
    m_scrollAnimation->setEndValue(target);
    m_scrollAnimation->start();
}

} // namespace quorvane
