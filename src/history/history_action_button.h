// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace quorvane {

// A push button with a symbol and a label, as the history's detail pane shows them. In a
// right-to-left window the style's own drawing puts the label against the button's far
// edge (it mirrors an alignment that was already mirrored); this one keeps the symbol and
// the label together in the middle, the symbol at the reading start.
class HistoryActionButton : public QPushButton {
    Q_OBJECT
public:
    explicit HistoryActionButton(const QIcon &icon, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quorvane
