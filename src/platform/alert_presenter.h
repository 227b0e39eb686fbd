// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace quorvane {

// A modal question or notice to the user. Its texts are shown as they are, never read
// as markup: they may carry file names, feed or history text.
struct Alert {
    enum class Style { warning, informational, critical };

    Style style = Style::warning;
    QString messageText;     // the bold first line
    QString informativeText; // the explanation below it
    QStringList buttons;     // in order. None: one "OK" button
    // The button Return chooses (its index in `buttons`): a destructive question
    // defaults to its way out.
    int defaultButton = 0;
    // The button that Escape and the window's close button choose (its index in
    // `buttons`); -1: the alert has no way out but its buttons, unless it has only one.
    int cancelButton = -1;
    // The window the alert belongs to: it opens above it and blocks only it. None: the
    // alert stands alone, above every window.
    QPointer<QWidget> window;
};

// Shows alerts. Behind an interface so code under test never blocks on a real dialog.
class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    // Shows `alert` modally and returns the index of the chosen button (`cancelButton`
    // when it was dismissed), or -1 when it was closed without one.
    virtual int runModal(const Alert &alert) = 0;
};

} // namespace quorvane
