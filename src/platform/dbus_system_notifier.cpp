// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dbus_system_notifier.h"


#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPromise>

namespace quorvane {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
} // namespace

const char *SystemNotificationError::what() const noexcept
{
    if (m_what.isEmpty())
        m_what = m_message.toUtf8();
    return m_what.constData();
}

DBusSystemNotifier::DBusSystemNotifier(QDBusConnection bus, QObject *parent)
    : SystemNotifier(parent), m_bus(std::move(bus))
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

SystemNotifier::Authorization DBusSystemNotifier::authorization() const
{
    QDBusConnectionInterface *names = m_bus.interface();
    if (!names)
        return Authorization::denied;
    if (names->isServiceRegistered(kService).value())
        return Authorization::granted;
    // Many servers (dunst, xfce4-notifyd, ...) are started by the bus on the first call.
    const QDBusReply<QStringList> activatable = names->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService)
               ? Authorization::granted
               : Authorization::denied;
}

QFuture<void> DBusSystemNotifier::post(const SystemNotification &notification)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    QFuture<void> future = promise->future();
    if (!notification.toastMs) {
        send(notification, promise);
        return future;
    }
    // A stand-in replaces the one before it, whose number the server may not have given yet.
    QFuture<void> before = m_toastPosted;
    m_toastPosted = future;
    if (before.isFinished())
        send(notification, promise);
    else
        before.then(this, [this, notification, promise] { send(notification, promise); })
            .onFailed(this, [this, notification, promise] { send(notification, promise); });
    return future;
}

void DBusSystemNotifier::send(const SystemNotification &notification, const std::shared_ptr<QPromise<void>> &promise)
{
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("com.corvantis.Quorvane"));
    if (!notification.playSound)
        hints.insert(QStringLiteral("suppress-sound"), true);
    if (!notification.category.isEmpty())
        hints.insert(QStringLiteral("category"), notification.category);
    uint replaces = 0;
    int expireMs = -1; // the server's default
    if (notification.toastMs) {
        hints.insert(QStringLiteral("transient"), true);
        replaces = m_toastServerID;
        expireMs = *notification.toastMs;
    }
    const QStringList actions{
        kDefaultAction,
        //: Open History shortcut
        //% "Open History"
        qtTrId("shortcut.open_history")};

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("Notify"));
    call << QStringLiteral("Quorvane") << replaces << QString() << notification.title
         << notification.body << actions << hints << expireMs;

    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const QVariantMap userInfo = notification.userInfo;
    const bool standsIn = notification.toastMs.has_value();
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, promise, userInfo, standsIn](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    promise->setException(SystemNotificationError(
                        reply.error().name() + QStringLiteral(": ") + reply.error().message()));
                } else {
                    m_userInfoByServerID.insert(reply.value(), userInfo);
                    if (standsIn)
                        m_toastServerID = reply.value();
                }
                promise->finish();
            });
}

void DBusSystemNotifier::onActionInvoked(uint serverID, const QString &actionKey)
{
    const auto found = m_userInfoByServerID.constFind(serverID);
    if (found == m_userInfoByServerID.constEnd() || actionKey != kDefaultAction)
        return;
    emit activated(found.value());
}

void DBusSystemNotifier::onNotificationClosed(uint serverID, uint /*reason*/)
{
    m_userInfoByServerID.remove(serverID);
    if (serverID == m_toastServerID)
        m_toastServerID = 0;
}

std::unique_ptr<SystemNotifier> createSystemNotifier()
{
    return std::make_unique<DBusSystemNotifier>();
}

} // namespace quorvane
