// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds texts a Linux user would not understand: the names of another desktop system's
// things (its Dock, its menu bar, its settings application, sizes in its points).
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace quorvane::test {

inline bool namesAnotherSystem(const QString &text)
{
    static const QRegularExpression words(QStringLiteral(
        "\\b(Mac|macOS|Dock|iPhone|Finder|System Settings|Notification Center|menu bar|points)\\b"));
    return words.match(text).hasMatch();
}

// Every text under `root` (labels, buttons, group titles, actions, tooltips, window titles)
// that names another system's things.
inline QStringList foreignWordings(const QWidget &root)
{
    QStringList texts{root.windowTitle(), root.toolTip()};
    for (const QWidget *widget : root.findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->windowTitle();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    QStringList foreign;
    for (const QString &text : texts) {
        if (namesAnotherSystem(text))
            foreign << text;
    }
    return foreign;
}

} // namespace quorvane::test
