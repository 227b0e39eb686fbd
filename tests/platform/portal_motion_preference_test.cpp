// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_motion_preference.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QScopeGuard>
#include <QThread>

#include <atomic>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// The desktop portal's settings, answering "enable-animations" the way portals do: a
// variant, which some versions wrap in a second variant. It answers from a thread of its
// own, as the blocking read would otherwise wait on itself.
class FakePortalSettings : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    std::atomic<bool> animations = true;
    std::atomic<bool> doubleWrapped = true;

public slots:
    QDBusVariant Read(const QString &nameSpace, const QString &key)
    {
        if (nameSpace != "org.gnome.desktop.interface" || key != "enable-animations") {
            sendErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting");
            return {};
        }
        const QDBusVariant value{QVariant(animations.load())};
        return doubleWrapped ? QDBusVariant(QVariant::fromValue(value)) : value;
    }
};

} // namespace

TEST(PortalMotionPreference, FollowsTheDesktopsAnimationSetting)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    PortalMotionPreference preference(QDBusConnection::sessionBus());
    EXPECT_FALSE(preference.reduceMotion()) << "no portal: animations stay on";

    QDBusConnection portalBus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-portal"));
    FakePortalSettings settings;
    QThread portalThread;
    settings.moveToThread(&portalThread);
    portalThread.start();
    const auto stopThread = qScopeGuard([&] {
        portalThread.quit();
        portalThread.wait();
    });
    ASSERT_TRUE(portalBus.registerObject("/org/freedesktop/portal/desktop", &settings,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalBus.registerService("org.freedesktop.portal.Desktop"));

    EXPECT_FALSE(preference.reduceMotion());
    settings.animations = false;
    EXPECT_TRUE(preference.reduceMotion());
    settings.doubleWrapped = false;
    EXPECT_TRUE(preference.reduceMotion());
    settings.animations = true;
    EXPECT_FALSE(preference.reduceMotion());

    portalBus.unregisterService("org.freedesktop.portal.Desktop");
    portalBus.unregisterObject("/org/freedesktop/portal/desktop");
    QDBusConnection::disconnectFromBus(portalBus.name());
}

#include "portal_motion_preference_test.moc"
