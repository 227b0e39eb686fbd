// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"

#include <QWidget>

#include <array>

class QLabel;

namespace quorvane {

// Shown in place of the list when the history holds no capture at all: a symbol, a
// title and how to make a first capture with the user's shortcuts (the defaults until
// `setShortcuts` says otherwise).
class HistoryEmptyStateView : public QWidget {
    Q_OBJECT
public:
    explicit HistoryEmptyStateView(int iconSize = 80, int spacing = 16, QWidget *parent = nullptr);

    // The shortcuts of quick capture, repeat capture and code mode that the hints name.
    void setShortcuts(const Shortcut &capture, const Shortcut &repeat, const Shortcut &codeMode);

private:
    // Sets every text in the interface language.
    void retranslate();

    // The quick capture, repeat and code mode shortcuts the hints name.
    std::array<Shortcut, 3> m_shortcuts;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_repeatTip = nullptr;
    QLabel *m_codeTip = nullptr;
};

} // namespace quorvane
