// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QFuture>
#include <QString>
#include <QVariantMap>

#include <exception>

namespace quorvane {

// How a desktop-portal call ended when it gave no result.
class PortalError : public std::exception {
public:
    enum class Kind {
        unavailable, // no portal answers on the bus, or it lacks the interface or method
        missing,     // asked beforehand: the portal or the interface is not there
        cancelled,   // the user dismissed the portal's dialog
        denied,      // the portal or the user refused, or the request ended another way
    };
    PortalError(Kind kind, QString message) : m_kind(kind), m_message(std::move(message)) {}

    Kind kind() const { return m_kind; }
    // The bus's or the portal's own words, for diagnostics.
    const QString &message() const { return m_message; }
    const char *what() const noexcept override;

private:
    Kind m_kind;
    QString m_message;
    mutable QByteArray m_what;
};

// Calls one method of org.freedesktop.portal.Desktop that answers later through a Request
// object's Response signal. The request's handle is predicted from a token of our own and
// its Response subscribed to before the call, so an answer that comes at once is not
// missed. The future finishes on the thread of the caller's event loop (the main thread)
// with the Response's results, or fails with a PortalError.
class PortalRequest {
public:
    static const QString service;    // "org.freedesktop.portal.Desktop"
    static const QString objectPath; // "/org/freedesktop/portal/desktop"

    // `arguments` come first; `options` last, with a fresh "handle_token" added.
    static QFuture<QVariantMap> call(const QDBusConnection &bus, const QString &interface,
                                     const QString &method, const QVariantList &arguments,
                                     QVariantMap options);

    // A token fit for the last element of an object path, different at every call.
    static QString newToken();
};

} // namespace quorvane
