#pragma once

#include <QWidget>

namespace quorvane {

// Shown in place of the list when the history holds no capture at all: a symbol, a
// title and how to make a first capture with the default shortcuts.
class HistoryEmptyStateView : public QWidget {
    Q_OBJECT
public:
    explicit HistoryEmptyStateView(int iconSize = 80, int spacing = 16, QWidget *parent = nullptr);
};

} // namespace quorvane
