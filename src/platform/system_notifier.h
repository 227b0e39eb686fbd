// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QException>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>

namespace quorvane {

// One notification for the desktop's notification centre.
struct SystemNotification {
    QString identifier;      // the program's own name for this notification
    QString title;
    QString body;
    bool playSound = true;   // false asks the server to stay silent
    QVariantMap userInfo;    // handed back unchanged when the user clicks the notification
    QString category;        // the freedesktop "category" hint; none when empty
    // Where it stands in for a toast that cannot be shown: how long that toast would have
    // stayed. It then replaces the last stand-in still open, expires when the toast would
    // have, and is transient (kept out of the desktop's notification history).
    std::optional<int> toastMs;
};

// Why the notification server refused or failed a notification.
class SystemNotificationError : public QException {
public:
    explicit SystemNotificationError(QString message) : m_message(std::move(message)) {}

    const QString &message() const { return m_message; }
    const char *what() const noexcept override;
    void raise() const override { throw *this; }
    SystemNotificationError *clone() const override { return new SystemNotificationError(*this); }

private:
    QString m_message;
    mutable QByteArray m_what;
};

// The desktop's notification centre. Lives on the main thread; its signal arrives there.
class SystemNotifier : public QObject {
    Q_OBJECT
public:
    enum class Authorization { granted, denied };

    using QObject::QObject;

    // "granted" while a notification server can receive notifications, "denied" otherwise.
    virtual Authorization authorization() const = 0;
    // Hands the notification to the server; the future fails with SystemNotificationError
    // when the server rejects it or cannot be reached.
    virtual QFuture<void> post(const SystemNotification &notification) = 0;

signals:
    // The user clicked a notification this notifier posted; `userInfo` is what it carried.
    void activated(const QVariantMap &userInfo);
};

// The notifier that talks to the session's org.freedesktop.Notifications server.
std::unique_ptr<SystemNotifier> createSystemNotifier();

} // namespace quorvane
