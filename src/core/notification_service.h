// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"
#include "core/toast_type.h"
#include "core/toast_window.h"
#include "platform/system_notifier.h"

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quorvane {

class AccessibilityAnnouncer;
class LocalizedError;
class MotionPreference;
class SoundPlayer;
class SystemNotifier;

// Tells the user how a capture ended: a toast on the captured monitor for 1.5 s, an event
// sound, a screen-reader announcement and, when asked for, a desktop notification.
// Clicking a success toast or its notification asks for the history (`openHistoryWithEntry`).
// Main thread only.
class NotificationService : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    static constexpr int kToastDisplayMs = 1500; // for a toast read at a glance
    static constexpr int kGlanceCharacters = 40;  // what is read at a glance
    static constexpr int kReadingMsPerCharacter = 70;
    static constexpr int kLongestToastMs = 12000;
    static constexpr int kThrottleMs = 2000;   // a toast younger than this is replaced at once
    static inline const QString captureIDKey = QStringLiteral("captureID");
    // User-info key of an actionable warning's notification: the action its click names.
    static inline const QString clickActionKey = QStringLiteral("clickAction");
    static inline const QString successSoundName = QStringLiteral("complete");
    static inline const QString errorSoundName = QStringLiteral("dialog-error");

    // `systemNotifier`'s clicks are handled for the whole life of the service. Every reference must outlive it. Where
    // `makeToast` makes no window (a Wayland session), every toast is posted as a desktop
    // notification instead.
    NotificationService(SystemNotifier &systemNotifier,
                        SoundPlayer &sounds, AccessibilityAnnouncer &announcer,
                        MotionPreference &motion, ToastFactory makeToast,
                        Clock clock = &QDateTime::currentDateTimeUtc, QObject *parent = nullptr);
    ~NotificationService() override;

    // Where `makeToast` makes no window and the desktop notification standing in for a
    // toast cannot be posted (no notification server runs), `makeStandIn` makes the
    // program's own window for it.
    void setStandInToasts(ToastFactory makeStandIn) { m_makeStandIn = std::move(makeStandIn); }

    // Also post a desktop notification for every toast (off at first).
    bool useSystemNotifications() const { return m_useSystemNotifications; }
    void setUseSystemNotifications(bool on) { m_useSystemNotifications = on; }
    // Play the success and error sounds, and let desktop notifications sound (on at first).
    bool playSounds() const { return m_playSounds; }
    void setPlaySounds(bool on) { m_playSounds = on; }

    // The success toast of a capture of `mode` that made the record `captureID`, on the
    // monitor `displayID` (the main one when none).
    virtual void showSuccess(CaptureMode mode, const QUuid &captureID,
                             std::optional<quint32> displayID);
    // The error toast with the error's description.
    virtual void showError(const LocalizedError &error,
                           std::optional<quint32> displayID = std::nullopt);
    // A warning toast with its own title and message, without a sound.
    virtual void showWarning(const QString &title, const QString &message,
                             std::optional<quint32> displayID = std::nullopt);
    // A warning that asks the user to act: a desktop notification, which stays until the
    // user dismisses it, or a warning toast when no notification server runs. A click on
    // either emits `warningClicked(clickAction)`.
    virtual void showActionableWarning(const QString &title, const QString &message,
                                       const QString &clickAction);
    // A toast for work that is still running: it stays until `endProgress` or a newer toast
    // replaces it, and a click on it (or on the desktop notification that stands in for it
    // where no toast can be shown) emits `warningClicked(clickAction)`.
    virtual void showProgress(const QString &title, const QString &message, const QString &clickAction);
    // Removes the toast `showProgress` showed, unless another toast has replaced it.
    // `atOnce`: without fading out, for a toast that must be off the screen before it is read.
    virtual void endProgress(bool atOnce = false);
    // Starts removing the current toast, if any.
    virtual void dismissToast();
    // Posts one desktop notification. Fails with NotificationServiceError(permissionDenied)
    // when no notification server is available, or with the server's SystemNotificationError.
    QFuture<void> postSystemNotification(const QString &title, const QString &body,
                                         std::optional<QUuid> captureID);

    // The current toast (an older one may still be fading out); null when none.
    ToastWindow *toastWindow() const { return m_toastWindow; }
    // Whether the current toast's removal timer is running.
    bool isDismissScheduled() const { return m_dismissTimer.isActive(); }
    // How long the current toast stays: long enough to read its title and message.
    std::chrono::milliseconds toastDuration() const { return m_dismissTimer.intervalAsDuration(); }

    // The success toast's title for `mode`.
    static QString successTitle(CaptureMode mode);

signals:
    // A success toast or its notification was clicked; `captureID` is its record.
    void openHistoryWithEntry(const QUuid &captureID);
    // An actionable warning was clicked; `clickAction` is what it was shown with.
    void warningClicked(const QString &clickAction);

private:
    struct Toast {
        QString title;
        QString message;
        ToastType type;
        std::optional<CaptureMode> captureMode;
        std::optional<QUuid> captureID;
        std::optional<QString> clickAction = std::nullopt; // what a click names
        // The title and message in the interface language of the moment, for toasts whose
        // texts are the program's own; a shown toast changes language with the interface.
        std::function<std::pair<QString, QString>()> texts = nullptr;
        bool lasting = false; // stays until it is removed or replaced
    };
    void present(const Toast &toast, std::optional<quint32> displayID,
                 const std::optional<QString> &sound);
    ToastWindow::ClickHandler clickHandler(const Toast &toast);
    static int shownDuration(const Toast &toast);
    // Makes `window` the current toast and schedules its removal.
    void showWindow(std::unique_ptr<ToastWindow> window, const Toast &toast);
    void showStandIn(const Toast &toast, std::optional<quint32> displayID);
    SystemNotification systemNotification(const QString &title, const QString &body,
                                          std::optional<QUuid> captureID) const;
    // Fails as postSystemNotification does.
    QFuture<void> post(const SystemNotification &notification);
    void hideToast(bool animated);
    void handleToastClick(std::optional<QUuid> captureID, const std::optional<QString> &clickAction);
    void handleNotificationResponse(const QVariantMap &userInfo);
    void announceForVoiceOver(const QString &title, const QString &message, ToastType type);
    void loadSounds();
    void release(ToastWindow *toast);

    SystemNotifier &m_systemNotifier;
    SoundPlayer &m_sounds;
    AccessibilityAnnouncer &m_announcer;
    MotionPreference &m_motion;
    ToastFactory m_makeToast;
    ToastFactory m_makeStandIn;
    Clock m_clock;

    ToastWindow *m_toastWindow = nullptr;
    ToastWindow *m_progressToast = nullptr;  // the current toast when it is a progress toast
    std::vector<std::unique_ptr<ToastWindow>> m_liveToasts;  // shown or still fading out
    QTimer m_dismissTimer;
    std::optional<QDateTime> m_lastToastTimestamp;
    bool m_useSystemNotifications = false;
    bool m_playSounds = true;
    std::optional<QString> m_successSound;
    std::optional<QString> m_errorSound;
};

} // namespace quorvane
