#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// A modal question or notice to the user.
struct Alert {
    enum class Style { warning, informational, critical };

    Style style = Style::warning;
    QString messageText;     // the bold first line
    QString informativeText; // the explanation below it
    QStringList buttons;     // in order; the first is the default. None: one "OK" button
};

// Shows alerts. Behind an interface so code under test never blocks on a real dialog.
class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    // Shows `alert` modally and returns the index of the chosen button, or -1 when it was
    // closed without one.
    virtual int runModal(const Alert &alert) = 0;
};

} // namespace quorvane
