// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class QWidget;

namespace quorvane {

class AlertPresenter;
class FeedbackDialogView;
class FeedbackUrlOpener;
class Pasteboard;

// Builds and keeps the feedback window: titled and closable only, 400 x 460, above
// ordinary windows. Closing the window (its close button, Close or Escape) only hides
// it; the owner shows the same window again. It is built hidden: the owner centres it,
// shows it and gives it the focus. Main thread only.
class FeedbackWindowController : public QObject {
    Q_OBJECT
public:
    static constexpr int windowWidth = 400;
    static constexpr int windowHeight = 460;

    FeedbackWindowController(std::unique_ptr<FeedbackUrlOpener> urlOpener, std::unique_ptr<Pasteboard> pasteboard,
                             std::unique_ptr<AlertPresenter> alerts, QObject *parent = nullptr);
    // With the desktop's link handling, the system clipboard and message boxes.
    explicit FeedbackWindowController(QObject *parent = nullptr);
    ~FeedbackWindowController() override;

    QWidget *window() const { return m_window.get(); }
    FeedbackDialogView *view() const { return m_view; }

private:
    std::unique_ptr<FeedbackUrlOpener> m_urlOpener;
    std::unique_ptr<Pasteboard> m_pasteboard;
    std::unique_ptr<AlertPresenter> m_alerts;
    std::unique_ptr<QWidget> m_window;
    FeedbackDialogView *m_view = nullptr;
};

} // namespace quorvane
