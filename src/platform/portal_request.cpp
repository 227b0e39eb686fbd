// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_request.h"

#include <QAtomicInteger>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QPromise>

#include <memory>

namespace quorvane {

const QString PortalRequest::service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalRequest::objectPath = QStringLiteral("/org/freedesktop/portal/desktop");

namespace {

const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

bool isUnavailable(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownObject:
    case QDBusError::NoServer:
    case QDBusError::NoReply:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

// Receives the Response of one request, then lets go of its subscription.
class ResponseListener : public QObject {
    Q_OBJECT
public:
    ResponseListener(QDBusConnection bus, std::shared_ptr<QPromise<QVariantMap>> promise)
        : m_bus(std::move(bus)), m_promise(std::move(promise))
    {
    }

    bool listen(const QString &path)
    {
        if (path == m_path)
            return true;
        unlisten();
        m_path = path;
        return m_bus.connect(PortalRequest::service, m_path, kRequestInterface, kResponse, this,
                             SLOT(onResponse(uint, QVariantMap)));
    }

    void fail(const PortalError &error)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_promise->setException(std::make_exception_ptr(error));
        m_promise->finish();
        unlisten();
        deleteLater();
    }

public slots:
    void onResponse(uint code, const QVariantMap &results)
    {
        if (m_finished)
            return;
        if (code == 0) {
            m_finished = true;
            m_promise->addResult(results);
            m_promise->finish();
            unlisten();
            deleteLater();
            return;
        }
        fail(code == 1 ? PortalError(PortalError::Kind::cancelled, QStringLiteral("cancelled by the user"))
                       : PortalError(PortalError::Kind::denied,
                                     QStringLiteral("the request ended with response %1").arg(code)));
    }

private:
    void unlisten()
    {
        if (!m_path.isEmpty())
            m_bus.disconnect(PortalRequest::service, m_path, kRequestInterface, kResponse, this,
                             SLOT(onResponse(uint, QVariantMap)));
        m_path.clear();
    }

    QDBusConnection m_bus;
    std::shared_ptr<QPromise<QVariantMap>> m_promise;
    QString m_path;
    bool m_finished = false;
};

} // namespace

const char *PortalError::what() const noexcept
{
    if (m_what.isEmpty())
        m_what = m_message.toUtf8();
    return m_what.constData();
}

QString PortalRequest::newToken()
{
    static QAtomicInteger<quint32> counter;
    return QStringLiteral("quorvane%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QFuture<QVariantMap> PortalRequest::call(const QDBusConnection &bus, const QString &interface,
                                         const QString &method, const QVariantList &arguments,
                                         QVariantMap options)
{
    auto promise = std::make_shared<QPromise<QVariantMap>>();
    promise->start();
    QFuture<QVariantMap> future = promise->future();

    // Owned by itself from here: it deletes itself once the request has ended.
    auto *listener = new ResponseListener(bus, promise);
    if (!bus.isConnected()) {
        listener->fail(PortalError(PortalError::Kind::unavailable, QStringLiteral("no session bus")));
        return future;
    }

    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    // The portal names the request after our unique bus name without its colon, with
    // dots made underscores.
    QString sender = bus.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    listener->listen(objectPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QDBusMessage message = QDBusMessage::createMethodCall(service, objectPath, interface, method);
    QVariantList all = arguments;
    all.append(options);
    message.setArguments(all);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), listener);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, listener,
                     [listener, watcher] {
                         watcher->deleteLater();
                         const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                         if (reply.isError()) {
                             const QDBusError error = reply.error();
                             listener->fail(PortalError(isUnavailable(error) ? PortalError::Kind::unavailable
                                                                             : PortalError::Kind::denied,
                                                        error.name() + QStringLiteral(": ") + error.message()));
                             return;
                         }
                         // Portals older than the handle_token option choose their own path.
                         if (!listener->listen(reply.value().path()))
                             listener->fail(PortalError(PortalError::Kind::unavailable,
                                                        QStringLiteral("cannot listen for the portal's answer")));
                     });
    return future;
}

} // namespace quorvane

#include "portal_request.moc"
