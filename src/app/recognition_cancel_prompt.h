// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

namespace quorvane {

class HotkeyManager;
class NotificationService;

// Offers a way out of a recognition that takes more than a moment: a toast that cancels
// it when clicked, and Escape held system-wide for as long as the recognition runs (where
// the desktop lets programs take keys; elsewhere the toast, its notification or the same
// shortcut again cancel). A quick recognition shows nothing. Main thread only.
class RecognitionCancelPrompt : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultDelay{1000};
    // What the toast's click names to the notification service.
    static inline const QString clickAction = QStringLiteral("app.corvantis.cancelRecognition");

    // `callOff` calls the running recognition off. Both references must outlive the prompt.
    RecognitionCancelPrompt(NotificationService &notifications, HotkeyManager &hotkeys, std::function<void()> callOff,
                            std::chrono::milliseconds delay = kDefaultDelay, QObject *parent = nullptr);
    ~RecognitionCancelPrompt() override;

    // A recognition began or ended.
    void setRecognitionRunning(bool running);
    bool isShown() const { return m_shown; }

    static QString title();
    static QString message(bool escapeHeld);

private:
    void show();
    void cancel();
    void end();

    NotificationService &m_notifications;
    HotkeyManager &m_hotkeys;
    std::function<void()> m_cancel;
    QTimer m_delay;
    bool m_shown = false;
};

} // namespace quorvane
