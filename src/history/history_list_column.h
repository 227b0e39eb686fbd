#pragma once

#include <QHash>
#include <QList>
#include <QUuid>
#include <QWidget>

class QProgressBar;
class QPropertyAnimation;
class QScrollArea;
class QVBoxLayout;

namespace quorvane {

class HistoryListItemView;
class HistoryViewModel;

// The left column of the history window: a "Captures" header with a small progress
// indicator while the view model works, and the scrolling list of the listed records,
// one row per record, that keeps the selected row centred.
class HistoryListColumn : public QWidget {
    Q_OBJECT
public:
    static constexpr int rowSpacing = 4;
    static constexpr int listPadding = 8;

    // `viewModel` must outlive the column.
    explicit HistoryListColumn(HistoryViewModel &viewModel, QWidget *parent = nullptr);

    // The rows in list order.
    QList<HistoryListItemView *> rows() const;
    QScrollArea *scrollArea() const { return m_scrollArea; }
    bool isShowingProgress() const;

private:
    void rebuildRows();
    void updateSelection();
    void scrollToSelection();

    HistoryViewModel &m_viewModel;
    QProgressBar *m_progress;
    QScrollArea *m_scrollArea;
    QWidget *m_rowsContainer;
    QVBoxLayout *m_rowsLayout;
    QHash<QUuid, HistoryListItemView *> m_rows; // kept by record id across reloads
    QPropertyAnimation *m_scrollAnimation;
};

} // namespace quorvane
