// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class QShowEvent;
class QSplitter;
class QStackedWidget;

class QLabel;

namespace quorvane {

class AlertPresenter;
class HistoryDetailView;
class HistoryEmptyStateView;
class HistoryFilteredEmptyStateView;
class HistoryListColumn;
class HistorySearchBar;
class HistoryViewModel;
class PinWidgetManager;

// The content of the history window: the search bar above either the loading view, one
// of the two empty states, or the split of the capture list and the detail pane. It
// reloads the history each time it is shown and whenever "historyDidChange" or
// "RefreshHistory" is posted, and asks for confirmation before deleting one capture or
// clearing them all. All list state lives in its view model. Its minimum size is 800 by 500,
// or wider where the interface language's action labels need it.
class HistoryView : public QWidget {
    Q_OBJECT
public:
    static constexpr int listMinWidth = 280;
    static constexpr int listMaxWidth = 400;
    static constexpr int windowMinWidth = 800;
    static constexpr int windowMinHeight = 500;

    // What the main area shows.
    enum class Content { loading, empty, filteredEmpty, list };

    // The references must outlive the view.
    HistoryView(std::unique_ptr<HistoryViewModel> viewModel, PinWidgetManager &pinManager,
                AlertPresenter &alerts, QWidget *parent = nullptr);
    ~HistoryView() override;

    HistoryViewModel &viewModel() const { return *m_viewModel; }
    Content content() const;
    HistorySearchBar *searchBar() const { return m_searchBar; }
    HistoryListColumn *listColumn() const { return m_listColumn; }
    HistoryDetailView *detailView() const { return m_detailView; }
    HistoryFilteredEmptyStateView *filteredEmptyState() const { return m_filteredEmptyState; }
    HistoryEmptyStateView *emptyState() const { return m_emptyState; }
    // Says what the history store kept aside in this run; hidden when nothing was.
    QLabel *setAsideBanner() const { return m_setAsideBanner; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Widens the window's minimum to what the detail pane's texts need in the interface
    // language, so that no action's label is cut.
    void fitToContent();
    void reload();
    void updateContent();
    void updateSetAsideBanner();
    void presentDeleteConfirmation();
    void presentClearAllConfirmation();
    void presentError(const QString &message);

    std::unique_ptr<HistoryViewModel> m_viewModel;
    AlertPresenter &m_alerts;

    HistorySearchBar *m_searchBar;
    QLabel *m_setAsideBanner;
    QStackedWidget *m_content;
    QWidget *m_loadingView;
    HistoryEmptyStateView *m_emptyState;
    HistoryFilteredEmptyStateView *m_filteredEmptyState;
    QSplitter *m_split;
    HistoryListColumn *m_listColumn;
    HistoryDetailView *m_detailView;
    QSize m_fittedMinimum;
};

} // namespace quorvane
