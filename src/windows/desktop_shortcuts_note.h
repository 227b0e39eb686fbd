// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace quorvane {

class GlobalShortcutGate;

// Says, in the shortcuts pane, when the desktop rather than this program holds the global
// shortcuts (a Wayland session): with the key the desktop reports for each action, or,
// where the desktop gives programs no shortcuts, the command to bind to a key in the
// desktop's own keyboard settings, with a button that copies it. Hidden where the program
// takes the keys itself.
class DesktopShortcutsNote : public QWidget {
    Q_OBJECT
public:
    explicit DesktopShortcutsNote(GlobalShortcutGate *gate, QWidget *parent = nullptr);

    // Reads the gate again.
    void refresh();

    // The command that runs `action` from a desktop shortcut or a script.
    static QString command(ShortcutAction action);

    QLabel *summary() const { return m_summary; }
    QLabel *detail(ShortcutAction action) const;
    QPushButton *copyButton(ShortcutAction action) const;

private:
    void retranslate();

    GlobalShortcutGate *m_gate;
    QLabel *m_summary;
    std::array<QLabel *, 5> m_names{};
    std::array<QLabel *, 5> m_details{};
    std::array<QPushButton *, 5> m_copyButtons{};
};

} // namespace quorvane
