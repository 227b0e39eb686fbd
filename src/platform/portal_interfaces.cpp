// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_interfaces.h"

#include "platform/dbus_call.h"
#include "platform/portal_request.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPromise>

#include <memory>

namespace quorvane {

const QString PortalInterfaces::screenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString PortalInterfaces::globalShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

namespace {

QDBusMessage versionQuery(const QString &interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(PortalRequest::service, PortalRequest::objectPath,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
    message << interface << QStringLiteral("version");
    return message;
}

// A portal that hangs, is still being started or went away is not one that lacks the
// interface.
bool isSilence(QDBusError::ErrorType type)
{
    return type == QDBusError::NoReply || type == QDBusError::Timeout || type == QDBusError::TimedOut
        || type == QDBusError::Disconnected;
}

PortalError versionError(const QString &interface, const QDBusError &error)
{
    const bool silent = isSilence(error.type());
    return PortalError(silent ? PortalError::Kind::unavailable : PortalError::Kind::missing,
                       QStringLiteral("the desktop portal does not offer %1 (%2: %3)")
                           .arg(interface, error.name(), error.message()));
}

} // namespace

PortalInterfaces::PortalInterfaces(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::optional<uint> PortalInterfaces::version(const QString &interface, int timeoutMs, bool *silent) const
{
    if (silent)
        *silent = false;
    if (!m_bus.isConnected())
        return std::nullopt;
    const QDBusMessage reply = callServingEvents(m_bus, versionQuery(interface), timeoutMs);
    if (silent && reply.type() == QDBusMessage::ErrorMessage)
        *silent = isSilence(QDBusError(reply).type());
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
}

QFuture<uint> PortalInterfaces::versionLater(const QString &interface) const
{
    if (!m_bus.isConnected())
        return QtFuture::makeExceptionalFuture<uint>(std::make_exception_ptr(
            PortalError(PortalError::Kind::unavailable, QStringLiteral("no session bus"))));
    auto promise = std::make_shared<QPromise<uint>>();
    promise->start();
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(versionQuery(interface)));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, promise, interface] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (reply.isError())
            promise->setException(std::make_exception_ptr(versionError(interface, reply.error())));
        else
            promise->addResult(reply.value().variant().toUInt());
        promise->finish();
    });
    return promise->future();
}

QString screenshotPortalPackages(const QString &currentDesktop)
{
    const QStringList desktops = currentDesktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (desktops.contains(QLatin1String("kde")))
        return QStringLiteral("xdg-desktop-portal-kde");
    if (desktops.contains(QLatin1String("gnome")))
        return QStringLiteral("xdg-desktop-portal-gnome");
    // wlroots desktops (sway, Wayfire, river, Hyprland): the wlroots backend takes the
    // picture, the GTK one offers the Access dialogs the portal also asks for.
    return QStringLiteral("xdg-desktop-portal-wlr, xdg-desktop-portal-gtk");
}

} // namespace quorvane
