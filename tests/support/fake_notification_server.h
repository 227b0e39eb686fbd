// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A notification server on the test's private bus, as desktops provide it.

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

namespace quorvane::test {

// A notification server as desktops provide it, recording every Notify call.
class FakeNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        uint replacesID = 0;
        int expireTimeout = -1;
    };
    std::vector<Call> calls;
    bool reject = false;
    uint lastID = 0;

public slots:
    uint Notify(const QString &appName, uint replacesID, const QString & /*appIcon*/,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int expireTimeout)
    {
        if (reject) {
            sendErrorReply(QStringLiteral("org.freedesktop.Notifications.Error.Refused"),
                           QStringLiteral("too many notifications"));
            return 0;
        }
        calls.push_back({appName, summary, body, actions, hints, replacesID, expireTimeout});
        // A replaced notification keeps its number, as the protocol asks.
        return replacesID != 0 && replacesID <= lastID ? replacesID : ++lastID;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }
    QString GetServerInformation(QString &vendor, QString &version, QString &protocolVersion)
    {
        vendor = QStringLiteral("test");
        version = QStringLiteral("1");
        protocolVersion = QStringLiteral("1.2");
        return QStringLiteral("fake");
    }

signals:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);
};

} // namespace quorvane::test
