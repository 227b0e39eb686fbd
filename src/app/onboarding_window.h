// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCloseEvent;

namespace quorvane {

// The window the first-launch walk-through is shown in: titled and closable, above
// ordinary windows, sized by its content, deleted once closed. It reports a close by
// the user; the close made through `closeAfterCompletion` is the program's own and is
// not reported, and so are the closes of every window when the application quits.
class OnboardingWindow : public QWidget {
    Q_OBJECT
public:
    explicit OnboardingWindow(QWidget *parent = nullptr);
    ~OnboardingWindow() override;

    // Takes `content` into the window and fits the window to it.
    void setContent(QWidget *content);
    QWidget *content() const { return m_content; }

    void closeAfterCompletion();

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_content = nullptr;
    bool m_completing = false;
    bool m_quitting = false;
};

} // namespace quorvane
