// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recognition_cancel_prompt.h"

#include "core/diagnostics.h"
#include "core/hotkey_manager.h"
#include "core/notification_service.h"
#include "core/shortcut.h"

namespace quorvane {

namespace {

// Escape without modifiers, in the stored key codes.
const Shortcut kEscape{53, 0};

} // namespace

RecognitionCancelPrompt::RecognitionCancelPrompt(NotificationService &notifications, HotkeyManager &hotkeys,
                                                 std::function<void()> callOff, std::chrono::milliseconds delay,
                                                 QObject *parent)
    : QObject(parent), m_notifications(notifications), m_hotkeys(hotkeys), m_cancel(std::move(callOff))
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(delay);
    connect(&m_delay, &QTimer::timeout, this, &RecognitionCancelPrompt::show);
    connect(&m_notifications, &NotificationService::warningClicked, this, [this](const QString &action) {
        if (action == clickAction)
            cancel();
    });
}

RecognitionCancelPrompt::~RecognitionCancelPrompt()
{
    end();
}

void RecognitionCancelPrompt::setRecognitionRunning(bool running)
{
    if (running) {
        m_delay.start();
        return;
    }
    end();
}

void RecognitionCancelPrompt::show()
{
    // Escape belongs to the focused window again the moment the recognition ends.
    const bool escapeHeld = m_hotkeys.holdKey(kEscape, [this] { cancel(); });
    m_notifications.showProgress(title(), message(escapeHeld), clickAction);
    m_shown = true;
}

void RecognitionCancelPrompt::cancel()
{
    // A click on a stand-in notification can arrive after its recognition ended.
    if (!m_shown)
        return;
    diag(lcApp(), QStringLiteral("Recognition cancelled by the user"));
    m_cancel();
}

void RecognitionCancelPrompt::end()
{
    m_delay.stop();
    if (!m_shown)
        return;
    m_shown = false;
    m_hotkeys.releaseHeldKey();
    m_notifications.endProgress();
}

QString RecognitionCancelPrompt::title()
{
    //: Title of the notice shown while text recognition takes more than a moment
    //% "Reading Text…"
    return qtTrId("notification.recognition_running.title");
}

QString RecognitionCancelPrompt::message(bool escapeHeld)
{
    if (escapeHeld)
        //: Message while text recognition runs, when Escape cancels it from any window
        //% "Click here or press Escape to cancel."
        return qtTrId("notification.recognition_running.escape");
    //: Message while text recognition runs where the desktop lets no program take the Escape key
    //% "Click here or use the same shortcut again to cancel."
    return qtTrId("notification.recognition_running.click");
}

} // namespace quorvane
