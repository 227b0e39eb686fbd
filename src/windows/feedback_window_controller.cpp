// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/feedback_window_controller.h"

#include "platform/language_change.h"
#include "platform/message_box_alert_presenter.h"
#include "platform/pasteboard.h"
#include "windows/feedback_dialog_view.h"
#include "windows/feedback_url_opener.h"

#include <QVBoxLayout>
#include <QWidget>

namespace quorvane {

FeedbackWindowController::FeedbackWindowController(std::unique_ptr<FeedbackUrlOpener> urlOpener,
                                                   std::unique_ptr<Pasteboard> pasteboard,
                                                   std::unique_ptr<AlertPresenter> alerts, QObject *parent)
    : QObject(parent),
      m_urlOpener(std::move(urlOpener)),
      m_pasteboard(std::move(pasteboard)),
      m_alerts(std::move(alerts))
{
    // Titled and closable only; it cannot be resized or minimised.
    m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                      Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_window->setObjectName(QStringLiteral("FeedbackWindow"));
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);

    QWidget *window = m_window.get();
    onLanguageChange(window, [window] {
        //: Heading of the Feedback window
        //% "Send Feedback"
        window->setWindowTitle(qtTrId("feedback.title"));
    });
    m_view = new FeedbackDialogView(*m_urlOpener, *m_pasteboard, *m_alerts, [window] { window->close(); });
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_window->setFixedSize(windowWidth, windowHeight);
}

FeedbackWindowController::FeedbackWindowController(QObject *parent)
    : FeedbackWindowController(std::make_unique<DesktopFeedbackUrlOpener>(), Pasteboard::createSystem(),
                               std::make_unique<MessageBoxAlertPresenter>(), parent)
{
}

FeedbackWindowController::~FeedbackWindowController() = default;

} // namespace quorvane
