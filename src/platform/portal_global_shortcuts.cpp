// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_global_shortcuts.h"

#include "platform/portal_request.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>

namespace quorvane {

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

void registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        return true;
    }();
    Q_UNUSED(registered);
}

// Session handles arrive as an object path or, from some portals, as a string.
QString pathText(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QList<PortalShortcut> portalShortcutsFrom(const QVariant &value)
{
    registerTypes();
    if (value.metaType() == QMetaType::fromType<QList<PortalShortcut>>())
        return value.value<QList<PortalShortcut>>();
    QList<PortalShortcut> shortcuts;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> shortcuts;
    return shortcuts;
}

PortalGlobalShortcuts::PortalGlobalShortcuts(QDBusConnection bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus))
{
    registerTypes();
    m_bus.connect(PortalRequest::service, PortalRequest::objectPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bus.connect(PortalRequest::service, PortalRequest::objectPath, kInterface, QStringLiteral("ShortcutsChanged"),
                  this, SLOT(onShortcutsChanged(QDBusMessage)));
}

PortalGlobalShortcuts::~PortalGlobalShortcuts()
{
    // Closing the session gives the keys back to the desktop.
    if (!m_sessionPath.isEmpty() && m_bus.isConnected()) {
        m_bus.asyncCall(QDBusMessage::createMethodCall(PortalRequest::service, m_sessionPath,
                                                       QStringLiteral("org.freedesktop.portal.Session"),
                                                       QStringLiteral("Close")));
    }
}

QFuture<QString> PortalGlobalShortcuts::session()
{
    if (!m_sessionPath.isEmpty())
        return QtFuture::makeReadyFuture(m_sessionPath);
    const QVariantMap options{{QStringLiteral("session_handle_token"), PortalRequest::newToken()}};
    return PortalRequest::call(m_bus, kInterface, QStringLiteral("CreateSession"), {}, options)
        .then(this, [this](const QVariantMap &results) {
            const QString path = pathText(results.value(QStringLiteral("session_handle")));
            if (path.isEmpty())
                throw PortalError(PortalError::Kind::denied, QStringLiteral("the portal opened no session"));
            m_sessionPath = path;
            return path;
        });
}

QFuture<QList<PortalShortcut>> PortalGlobalShortcuts::bind(const QList<PortalShortcut> &shortcuts)
{
    return session()
        .then(this,
              [this, shortcuts](const QString &path) {
                  return PortalRequest::call(m_bus, kInterface, QStringLiteral("BindShortcuts"),
                                             {QVariant::fromValue(QDBusObjectPath(path)),
                                              QVariant::fromValue(shortcuts), QString()},
                                             {});
              })
        .unwrap()
        .then(this, [](const QVariantMap &results) {
            return portalShortcutsFrom(results.value(QStringLiteral("shortcuts")));
        });
}

QString PortalGlobalShortcuts::triggerText(bool control, bool alt, bool shift, bool logo, const QString &keysymName)
{
    QStringList parts;
    if (control)
        parts << QStringLiteral("CTRL");
    if (alt)
        parts << QStringLiteral("ALT");
    if (shift)
        parts << QStringLiteral("SHIFT");
    if (logo)
        parts << QStringLiteral("LOGO");
    parts << keysymName;
    return parts.join(QLatin1Char('+'));
}

void PortalGlobalShortcuts::onActivated(const QDBusObjectPath &session, const QString &id, qulonglong,
                                        const QVariantMap &)
{
    if (!m_sessionPath.isEmpty() && session.path() == m_sessionPath)
        emit activated(id);
}

void PortalGlobalShortcuts::onShortcutsChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || m_sessionPath.isEmpty() || pathText(arguments.at(0)) != m_sessionPath)
        return;
    emit shortcutsChanged(portalShortcutsFrom(arguments.at(1)));
}

} // namespace quorvane
