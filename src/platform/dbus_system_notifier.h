// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system_notifier.h"

#include <QDBusConnection>
#include <QFuture>
#include <QHash>
#include <QPromise>

#include <memory>

namespace quorvane {

// Notifications through org.freedesktop.Notifications on a D-Bus connection. Every
// notification carries the "default" action, which servers invoke on a click.
class DBusSystemNotifier : public SystemNotifier {
    Q_OBJECT
public:
    explicit DBusSystemNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                                QObject *parent = nullptr);

    Authorization authorization() const override;
    QFuture<void> post(const SystemNotification &notification) override;

private slots:
    void onActionInvoked(uint serverID, const QString &actionKey);
    void onNotificationClosed(uint serverID, uint reason);

private:
    void send(const SystemNotification &notification, const std::shared_ptr<QPromise<void>> &promise);

    QDBusConnection m_bus;
    // What each notification still on screen carries, by the server's number for it.
    QHash<uint, QVariantMap> m_userInfoByServerID;
    // The server's number for the last notification that stood in for a toast; 0 when none.
    uint m_toastServerID = 0;
    // The post of that notification, finished once the server has answered it.
    QFuture<void> m_toastPosted = QtFuture::makeReadyFuture();
};

} // namespace quorvane
