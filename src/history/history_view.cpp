// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_view.h"

#include "history/export_service.h"
#include "history/history_detail_view.h"
#include "history/history_empty_state_view.h"
#include "history/history_error_alert.h"
#include "history/history_filtered_empty_state_view.h"
#include "history/history_list_column.h"
#include "history/history_search_bar.h"
#include "history/history_store.h"
#include "history/history_style.h"
#include "history/history_view_model.h"
#include "history/set_aside_message.h"
#include "platform/alert_presenter.h"
#include "platform/language_change.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

QWidget *makeLoadingView(QWidget *parent)
{
    auto *view = new QWidget(parent);
    auto *layout = new QVBoxLayout(view);
    layout->setSpacing(16);
    layout->addStretch(1);
    auto *progress = new QProgressBar(view);
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    progress->setFixedSize(96, 12);
    layout->addWidget(progress, 0, Qt::AlignHCenter);
    auto *text = new QLabel(view);
    onLanguageChange(text, [text] {
        //: Loading message
        //% "Loading captures…"
        text->setText(qtTrId("history.loading"));
    });
    QPalette pal = text->palette();
    pal.setColor(QPalette::WindowText, HistoryStyle::secondary(pal));
    text->setPalette(pal);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return view;
}

} // namespace

HistoryView::HistoryView(std::unique_ptr<HistoryViewModel> viewModel, PinWidgetManager &pinManager,
                         AlertPresenter &alerts, QWidget *parent)
    : QWidget(parent), m_viewModel(std::move(viewModel)), m_alerts(alerts)
{
    // Closed from the keyboard as any document window is.
    auto *close = new QShortcut(this);
    close->setKeys({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    connect(close, &QShortcut::activated, this, &QWidget::close);
    // Widened, if the texts need it, once they are all set.
    setMinimumSize(windowMinWidth, windowMinHeight);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    m_searchBar = new HistorySearchBar(*m_viewModel, this);
    root->addWidget(m_searchBar);
    auto *divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    root->addWidget(divider);
    m_setAsideBanner = new QLabel(this);
    m_setAsideBanner->setWordWrap(true);
    m_setAsideBanner->setTextFormat(Qt::PlainText);
    m_setAsideBanner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_setAsideBanner->setContentsMargins(12, 8, 12, 8);
    m_setAsideBanner->setAutoFillBackground(true);
    {
        QPalette pal = m_setAsideBanner->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
        pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
        m_setAsideBanner->setPalette(pal);
    }
    m_setAsideBanner->hide();
    root->addWidget(m_setAsideBanner);

    m_content = new QStackedWidget(this);
    m_loadingView = makeLoadingView(m_content);
    m_emptyState = new HistoryEmptyStateView(80, 16, m_content);
    m_filteredEmptyState = new HistoryFilteredEmptyStateView(QString(), DateFilter::all, m_content);
    connect(m_filteredEmptyState, &HistoryFilteredEmptyStateView::clearFiltersRequested, this, [this] {
        m_viewModel->setSearchQuery(QString());
        m_viewModel->setDateFilter(DateFilter::all);
    });

    m_split = new QSplitter(Qt::Horizontal, m_content);
    m_split->setChildrenCollapsible(false);
    m_listColumn = new HistoryListColumn(*m_viewModel, m_split);
    m_listColumn->setMinimumWidth(listMinWidth);
    m_listColumn->setMaximumWidth(listMaxWidth);
    m_detailView = new HistoryDetailView(*m_viewModel, pinManager, m_split);
    m_split->addWidget(m_listColumn);
    m_split->addWidget(m_detailView);
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setSizes({listMinWidth + 40, windowMinWidth});

    for (QWidget *page : {m_loadingView, static_cast<QWidget *>(m_emptyState),
                          static_cast<QWidget *>(m_filteredEmptyState), static_cast<QWidget *>(m_split)})
        m_content->addWidget(page);
    root->addWidget(m_content, 1);

    const HistoryViewModel *model = m_viewModel.get();
    for (auto signal : {&HistoryViewModel::entriesChanged, &HistoryViewModel::isLoadingChanged,
                        &HistoryViewModel::searchQueryChanged, &HistoryViewModel::dateFilterChanged})
        connect(model, signal, this, &HistoryView::updateContent);
    connect(model, &HistoryViewModel::entriesChanged, this, &HistoryView::updateSetAsideBanner);
    onLanguageChange(m_setAsideBanner, [this] { updateSetAsideBanner(); });
    for (auto signal : {&HistoryViewModel::entriesChanged, &HistoryViewModel::selectedEntryChanged})
        connect(model, signal, this, [this] { m_detailView->setEntry(m_viewModel->selectedEntry()); });

    // Confirmations and the error alert open after the event that raised them has been
    // handled, never inside a button's click.
    connect(model, &HistoryViewModel::showDeleteConfirmationChanged, this, [this] {
        if (m_viewModel->showDeleteConfirmation())
            QMetaObject::invokeMethod(this, &HistoryView::presentDeleteConfirmation, Qt::QueuedConnection);
    });
    connect(model, &HistoryViewModel::showClearAllConfirmationChanged, this, [this] {
        if (m_viewModel->showClearAllConfirmation())
            QMetaObject::invokeMethod(this, &HistoryView::presentClearAllConfirmation, Qt::QueuedConnection);
    });
    connect(model, &HistoryViewModel::errorChanged, this, [this] {
        if (const auto &error = m_viewModel->error()) {
            QMetaObject::invokeMethod(this, [this, message = *error] { presentError(message); },
                                      Qt::QueuedConnection);
        }
    });

    connect(&m_viewModel->historyStore(), &HistoryStore::historyDidChange, this, &HistoryView::reload);
    // Without this a failed export would end in silence: no file and no word of why.
    connect(&m_viewModel->exportService(), &ExportService::exportFailed, this,
            [this](const QString &message) {
                QMetaObject::invokeMethod(this, [this, message] { presentError(message); }, Qt::QueuedConnection);
            });

    updateContent();
    // After every view of the window has taken the new texts (they all hear the change at once).
    // Fitted at once, so that a window shown right away (and held at its first size until a
    // tiling compositor has placed it) is not resized under it by a queued fit.
    fitToContent();
    onLanguageChange(this, [this] { QTimer::singleShot(0, this, &HistoryView::fitToContent); });
}

void HistoryView::fitToContent()
{
    ensurePolished(); // the style's fonts and margins, which a window not yet shown lacks
    const int width = m_listColumn->minimumWidth() + m_split->handleWidth() + m_detailView->minimumSizeHint().width();
    const QSize fitted(std::max(windowMinWidth, width), windowMinHeight);
    if (fitted != m_fittedMinimum) {
        m_fittedMinimum = fitted;
        setMinimumSize(fitted);
    }
    m_split->refresh();
}

HistoryView::~HistoryView()
{
    // The views refer to the view model, which goes before the base class deletes them.
    delete m_searchBar;
    delete m_content;
}

HistoryView::Content HistoryView::content() const
{
    QWidget *page = m_content->currentWidget();
    if (page == m_loadingView)
        return Content::loading;
    if (page == m_emptyState)
        return Content::empty;
    if (page == m_filteredEmptyState)
        return Content::filteredEmpty;
    return Content::list;
}

void HistoryView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        reload();
}

void HistoryView::reload()
{
    m_viewModel->loadEntries();
}

void HistoryView::updateContent()
{
    const HistoryViewModel &model = *m_viewModel;
    QWidget *page = m_split;
    if (model.isLoading() && model.entries().isEmpty())
        page = m_loadingView;
    else if (model.allEntries().isEmpty())
        page = m_emptyState;
    else if (model.entries().isEmpty())
        page = m_filteredEmptyState;

    m_filteredEmptyState->setFilters(model.searchQuery(), model.dateFilter());
    const bool listAppears = page == m_split && m_content->currentWidget() != m_split;
    m_content->setCurrentWidget(page);
    // Each time the list comes on screen with nothing selected, the newest listed capture is.
    if (listAppears && !model.selectedEntry() && !model.entries().isEmpty())
        m_viewModel->setSelectedEntry(model.entries().front());
}

void HistoryView::presentDeleteConfirmation()
{
    if (!m_viewModel->showDeleteConfirmation())
        return;
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Delete confirmation title
    //% "Delete Capture?"
    alert.messageText = qtTrId("history.delete.title");
    //: Delete confirmation message
    //% "This action cannot be undone."
    alert.informativeText = qtTrId("history.delete.message");
    //: Cancel button
    //% "Cancel"
    alert.buttons = {qtTrId("general.cancel"),
                     //: Delete confirmation button
                     //% "Delete"
                     qtTrId("history.delete.confirm")};
    alert.cancelButton = 0;
    alert.window = window();
    const int choice = m_alerts.runModal(alert);
    if (choice == 1) {
        m_viewModel->setShowDeleteConfirmation(false);
        m_viewModel->confirmDelete();
    } else {
        m_viewModel->setEntryToDelete(std::nullopt);
        m_viewModel->setShowDeleteConfirmation(false);
    }
}

void HistoryView::presentClearAllConfirmation()
{
    if (!m_viewModel->showClearAllConfirmation())
        return;
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Clear all confirmation title
    //% "Clear All History?"
    alert.messageText = qtTrId("history.clear_all.title");
    //: Clear all confirmation message
    //% "This will permanently delete all captures. This action cannot be undone."
    alert.informativeText = qtTrId("history.clear_all.message");
    //: Cancel button
    //% "Cancel"
    alert.buttons = {qtTrId("general.cancel"),
                     //: Clear all confirmation button
                     //% "Clear All"
                     qtTrId("history.clear_all.confirm")};
    alert.cancelButton = 0;
    alert.window = window();
    const int choice = m_alerts.runModal(alert);
    m_viewModel->setShowClearAllConfirmation(false);
    if (choice == 1)
        m_viewModel->clearAllHistory();
}

void HistoryView::presentError(const QString &message)
{
    m_alerts.runModal(historyErrorAlert(message, window()));
}

void HistoryView::updateSetAsideBanner()
{
    QStringList messages;
    for (const HistoryStore::SetAside &setAside : m_viewModel->historyStore().setAsideSoFar())
        messages << setAsideMessage(setAside);
    m_setAsideBanner->setText(messages.join(QLatin1Char('\n')));
    m_setAsideBanner->setVisible(!messages.isEmpty());
}

} // namespace quorvane
