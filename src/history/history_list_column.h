// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/history_thumbnail_cache.h"

#include <QWidget>

class QListView;
class QProgressBar;
class QPropertyAnimation;

namespace quorvane {

class HistoryListItemDelegate;
class HistoryListModel;
class HistoryViewModel;

// The left column of the history window: a "Captures" header with a small progress
// indicator while the view model works, and the list of the listed records. The list
// paints only the rows in view, selects a row on a click, scrolls the selected row to the
// centre, and takes the keyboard focus: the arrow, page, Home and End keys scroll it,
// while the selection moves only by a click or by the view model.
class HistoryListColumn : public QWidget {
    Q_OBJECT
public:
    // `viewModel` must outlive the column.
    explicit HistoryListColumn(HistoryViewModel &viewModel, QWidget *parent = nullptr);
    ~HistoryListColumn() override;

    QListView *listView() const { return m_list; }
    HistoryListModel &model() const { return *m_model; }
    bool isShowingProgress() const;

private:
    void scrollToSelection();

    HistoryViewModel &m_viewModel;
    HistoryThumbnailCache m_thumbnails;
    HistoryListModel *m_model;
    HistoryListItemDelegate *m_delegate;
    QProgressBar *m_progress;
    QListView *m_list;
    QPropertyAnimation *m_scrollAnimation;
};

} // namespace quorvane
