// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/onboarding_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QVBoxLayout>

namespace quorvane {

OnboardingWindow::OnboardingWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Quitting closes every window before the application says it is about to quit.
    qApp->installEventFilter(this);
}

OnboardingWindow::~OnboardingWindow() = default;

void OnboardingWindow::setContent(QWidget *content)
{
    delete m_content;
    m_content = content;
    layout()->addWidget(content);
    adjustSize();
}

void OnboardingWindow::closeAfterCompletion()
{
    m_completing = true;
    close();
}

void OnboardingWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && !m_completing && !m_quitting)
        emit closedByUser();
}

bool OnboardingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_quitting = true;
    return QWidget::eventFilter(watched, event);
}

} // namespace quorvane
