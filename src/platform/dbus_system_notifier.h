#pragma once

#include "platform/system_notifier.h"

#include <QDBusConnection>
#include <QHash>

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
    QDBusConnection m_bus;
    // What each notification still on screen carries, by the server's number for it.
    QHash<uint, QVariantMap> m_userInfoByServerID;
};

} // namespace quorvane
