// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_motion_preference.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace quorvane {

namespace {
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
constexpr int kReplyTimeoutMs = 250;

// The portal wraps the value in one or two variants depending on its version.
QVariant unwrap(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
} // namespace

PortalMotionPreference::PortalMotionPreference(QDBusConnection bus) : m_bus(std::move(bus)) {}

bool PortalMotionPreference::reduceMotion() const
{
    // Only ask a running portal: starting one on demand could stall a toast.
    QDBusConnectionInterface *names = m_bus.interface();
    if (!names || !names->isServiceRegistered(kPortal).value())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortal, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.gnome.desktop.interface") << QStringLiteral("enable-animations");
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QVariant value = unwrap(reply.arguments().constFirst());
    return value.userType() == QMetaType::Bool && !value.toBool();
}

std::unique_ptr<MotionPreference> createMotionPreference()
{
    return std::make_unique<PortalMotionPreference>();
}

} // namespace quorvane
