// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/notification_service.h"

#include "core/json_util.h"
#include "core/localized_error.h"
#include "core/notification_service_error.h"
#include "core/text_utils.h"
#include "platform/accessibility_announcer.h"
#include "platform/language_change.h"
#include "platform/motion_preference.h"
#include "platform/sound_player.h"
#include "platform/system_notifier.h"

#include <QPointer>
#include <QPromise>

#include <algorithm>

namespace quorvane {

namespace {

// The freedesktop "category" hint: a vendor class of our own ("x-" prefix), which notification servers accept beside the standard ones.
QString toastCategory(ToastType type)
{
    switch (type) {
    case ToastType::success:
        return QStringLiteral("x-quorvane.capture.success");
    case ToastType::warning:
        return QStringLiteral("x-quorvane.warning");
    case ToastType::progress:
        return QStringLiteral("x-quorvane.progress");
    case ToastType::error:
        break;
    }
    return QStringLiteral("x-quorvane.capture.error");
}

} // namespace

NotificationService::NotificationService(SystemNotifier &systemNotifier, SoundPlayer &sounds,
                                         AccessibilityAnnouncer &announcer,
                                         MotionPreference &motion, ToastFactory makeToast,
                                         Clock clock, QObject *parent)
    : QObject(parent), m_systemNotifier(systemNotifier), m_sounds(sounds),
      m_announcer(announcer), m_motion(motion), m_makeToast(std::move(makeToast)),
      m_clock(std::move(clock))
{
    m_dismissTimer.setSingleShot(true);
    connect(&m_dismissTimer, &QTimer::timeout, this, &NotificationService::dismissToast);
    connect(&m_systemNotifier, &SystemNotifier::activated, this,
            &NotificationService::handleNotificationResponse);
    loadSounds();
}

NotificationService::~NotificationService()
{
    m_dismissTimer.stop();
    m_toastWindow = nullptr;
    m_liveToasts.clear();
}

void NotificationService::loadSounds()
{
    if (m_sounds.canPlay(successSoundName))
        m_successSound = successSoundName;
    if (m_sounds.canPlay(errorSoundName))
        m_errorSound = errorSoundName;
}

QString NotificationService::successTitle(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::normal:
        //: Success notification title
        //% "Text Captured"
        return qtTrId("notification.capture_success.title");
    case CaptureMode::repeat:
        //: Repeat capture success notification title
        //% "Text Re-captured"
        return qtTrId("notification.repeat_capture_success.title");
    case CaptureMode::code:
        //: Code capture success notification title
        //% "Code Captured"
        return qtTrId("notification.code_capture_success.title");
    case CaptureMode::scanCode:
        //: Scan Code capture success notification title
        //% "Code Captured"
        return qtTrId("notification.scan_code_capture_success.title");
    }
    return {};
}

void NotificationService::showSuccess(CaptureMode mode, const QUuid &captureID,
                                      std::optional<quint32> displayID)
{
    const auto texts = [mode] {
        return std::pair{successTitle(mode),
                         //: Success notification message
                         //% "Copied to clipboard"
                         qtTrId("notification.capture_success.message")};
    };
    const auto [title, message] = texts();
    present({title, message, ToastType::success, mode, captureID, std::nullopt, texts}, displayID, m_successSound);
}

void NotificationService::showError(const LocalizedError &error, std::optional<quint32> displayID)
{
    // The error's own description is looked up again in each language.
    const auto texts = [error = LocalizedError(error)] {
        return std::pair{//: Error notification title
                         //% "Capture Failed"
                         qtTrId("notification.capture_error.title"), error.localizedDescription()};
    };
    const auto [title, message] = texts();
    present({title, message, ToastType::error, std::nullopt, std::nullopt, std::nullopt, texts}, displayID,
            m_errorSound);
}

void NotificationService::showWarning(const QString &title, const QString &message,
                                      std::optional<quint32> displayID)
{
    present({title, message, ToastType::warning, std::nullopt, std::nullopt}, displayID, std::nullopt);
}

void NotificationService::showActionableWarning(const QString &title, const QString &message,
                                                const QString &clickAction)
{
    const Toast toast{title, message, ToastType::warning, std::nullopt, std::nullopt, clickAction};
    if (m_systemNotifier.authorization() != SystemNotifier::Authorization::granted) {
        present(toast, std::nullopt, std::nullopt);
        return;
    }
    SystemNotification notification;
    notification.identifier = json::uuidString(QUuid::createUuid());
    notification.title = title;
    notification.body = message;
    notification.playSound = false;
    notification.userInfo.insert(clickActionKey, clickAction);
    QPointer<NotificationService> self(this);
    // A server that refuses it leaves the toast to tell the user.
    m_systemNotifier.post(notification).onFailed(this, [self, toast] {
        if (self)
            self->present(toast, std::nullopt, std::nullopt);
    });
}

void NotificationService::showProgress(const QString &title, const QString &message, const QString &clickAction)
{
    Toast toast{title, message, ToastType::progress, std::nullopt, std::nullopt, clickAction};
    toast.lasting = true;
    present(toast, std::nullopt, std::nullopt);
}

void NotificationService::endProgress(bool atOnce)
{
    if (m_progressToast && m_progressToast == m_toastWindow)
        hideToast(!atOnce && !m_motion.reduceMotion());
    m_progressToast = nullptr;
}

void NotificationService::present(const Toast &toast, std::optional<quint32> displayID,
                                  const std::optional<QString> &sound)
{
    const QDateTime now = m_clock();
    if (m_lastToastTimestamp && m_lastToastTimestamp->msecsTo(now) < kThrottleMs)
        dismissToast();
    m_lastToastTimestamp = now;

    std::unique_ptr<ToastWindow> window = m_makeToast(toast.title, toast.message, toast.type, toast.captureMode,
                                                      toast.captureID, displayID, clickHandler(toast));

    // A factory that makes no toast stands for a desktop where a window cannot place
    // itself: there the notification is the one way the user hears of it.
    const bool toastShown = window != nullptr;
    if (m_toastWindow)
        dismissToast();
    const int shownMs = shownDuration(toast);
    if (window) {
        showWindow(std::move(window), toast);
    } else {
        m_progressToast = nullptr;
        if (toast.lasting)
            m_dismissTimer.stop();
        else
            m_dismissTimer.start(shownMs);
    }

    if (m_playSounds && sound)
        m_sounds.play(*sound);

    announceForVoiceOver(toast.title, toast.message, toast.type);

    if (m_useSystemNotifications || !toastShown) {
        SystemNotification notification = systemNotification(toast.title, toast.message, toast.captureID);
        notification.category = toastCategory(toast.type);
        if (toast.clickAction)
            notification.userInfo.insert(clickActionKey, *toast.clickAction);
        // The server cannot be asked to close a stand-in: a lasting one expires at the
        // longest toast's time unless the next toast replaces it first.
        if (!toastShown)
            notification.toastMs = toast.lasting ? kLongestToastMs : shownMs;
        QPointer<NotificationService> self(this);
        post(notification).onFailed(this, [self, toast, displayID, toastShown] {
            // Beside a toast it only repeated it; without one the program's own window
            // tells the user instead, rather than nothing.
            if (self && !toastShown)
                self->showStandIn(toast, displayID);
        });
    }
}

ToastWindow::ClickHandler NotificationService::clickHandler(const Toast &toast)
{
    QPointer<NotificationService> self(this);
    return [self, clickAction = toast.clickAction](std::optional<QUuid> captureID) {
        if (self)
            self->handleToastClick(captureID, clickAction);
    };
}

int NotificationService::shownDuration(const Toast &toast)
{
    // Longer texts stay longer, at a calm reading pace beyond what a glance takes in.
    const int characters = graphemeCount(toast.title) + graphemeCount(toast.message);
    return std::min(kLongestToastMs,
                    kToastDisplayMs + kReadingMsPerCharacter * std::max(0, characters - kGlanceCharacters));
}

void NotificationService::showWindow(std::unique_ptr<ToastWindow> window, const Toast &toast)
{
    if (toast.texts) {
        ToastWindow *shown = window.get();
        onLanguageChange(shown, [shown, texts = toast.texts] {
            const auto [title, message] = texts();
            shown->setTexts(title, message);
        });
    }
    m_toastWindow = window.get();
    m_liveToasts.push_back(std::move(window));
    m_toastWindow->show(!m_motion.reduceMotion());
    m_progressToast = toast.lasting ? m_toastWindow : nullptr;
    if (toast.lasting)
        m_dismissTimer.stop();
    else
        m_dismissTimer.start(shownDuration(toast));
}

void NotificationService::showStandIn(const Toast &toast, std::optional<quint32> displayID)
{
    if (!m_makeStandIn)
        return;
    std::unique_ptr<ToastWindow> window = m_makeStandIn(toast.title, toast.message, toast.type, toast.captureMode,
                                                        toast.captureID, displayID, clickHandler(toast));
    if (!window)
        return;
    if (m_toastWindow)
        dismissToast();
    showWindow(std::move(window), toast);
}

void NotificationService::dismissToast()
{
    hideToast(!m_motion.reduceMotion());
}

void NotificationService::hideToast(bool animated)
{
    m_dismissTimer.stop();
    if (!m_toastWindow)
        return;
    ToastWindow *hidden = m_toastWindow;
    QPointer<NotificationService> self(this);
    hidden->hide(animated, [self, hidden] {
        if (!self)
            return;
        // A newer toast stored while this one faded out stays the current one.
        if (self->m_toastWindow == hidden)
            self->m_toastWindow = nullptr;
        self->release(hidden);
    });
}

void NotificationService::release(ToastWindow *toast)
{
    const auto found = std::find_if(m_liveToasts.begin(), m_liveToasts.end(),
                                    [toast](const auto &live) { return live.get() == toast; });
    if (found == m_liveToasts.end())
        return;
    // The toast is still inside its own fade-out handler: delete it from the event loop.
    found->release()->deleteLater();
    m_liveToasts.erase(found);
}

void NotificationService::handleToastClick(std::optional<QUuid> captureID,
                                           const std::optional<QString> &clickAction)
{
    if (clickAction) {
        dismissToast();
        emit warningClicked(*clickAction);
        return;
    }
    if (!captureID)
        return;
    dismissToast();
    emit openHistoryWithEntry(*captureID);
}

QFuture<void> NotificationService::postSystemNotification(const QString &title,
                                                          const QString &body,
                                                          std::optional<QUuid> captureID)
{
    return post(systemNotification(title, body, captureID));
}

SystemNotification NotificationService::systemNotification(const QString &title, const QString &body,
                                                           std::optional<QUuid> captureID) const
{
    SystemNotification notification;
    notification.title = title;
    notification.body = body;
    notification.playSound = m_playSounds;
    if (captureID) {
        notification.identifier = json::uuidString(*captureID);
        notification.userInfo.insert(captureIDKey, notification.identifier);
    } else {
        notification.identifier = json::uuidString(QUuid::createUuid());
    }
    return notification;
}

QFuture<void> NotificationService::post(const SystemNotification &notification)
{
    if (m_systemNotifier.authorization() != SystemNotifier::Authorization::granted) {
        QPromise<void> refused;
        refused.start();
        refused.setException(std::make_exception_ptr(
            NotificationServiceError(NotificationServiceErrorKind::permissionDenied)));
        refused.finish();
        return refused.future();
    }
    return m_systemNotifier.post(notification);
}

void NotificationService::handleNotificationResponse(const QVariantMap &userInfo)
{
    if (const QVariant click = userInfo.value(clickActionKey); click.userType() == QMetaType::QString) {
        QMetaObject::invokeMethod(
            this, [this, action = click.toString()] { emit warningClicked(action); }, Qt::QueuedConnection);
        return;
    }
    const QVariant value = userInfo.value(captureIDKey);
    if (value.userType() != QMetaType::QString)
        return;
    const std::optional<QUuid> captureID = json::parseUuid(value.toString());
    if (!captureID)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, id = *captureID] { emit openHistoryWithEntry(id); },
        Qt::QueuedConnection);
}

void NotificationService::announceForVoiceOver(const QString &title, const QString &message,
                                               ToastType type)
{
    QString text;
    switch (type) {
    case ToastType::success:
    case ToastType::progress:
        text = title + QStringLiteral(". ") + message;
        break;
    case ToastType::warning:
        //: VoiceOver announcement for warning
        //% "Warning: %1. %2"
        text = qtTrId("notification.voiceover.warning").arg(title, message);
        break;
    case ToastType::error:
        //: VoiceOver announcement for error
        //% "Error: %1. %2"
        text = qtTrId("notification.voiceover.error").arg(title, message);
        break;
    }
    m_announcer.announce(text);
}

} // namespace quorvane
