// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A desktop portal on the test's private bus, answering Screenshot and GlobalShortcuts
// through the Request/Response protocol the way xdg-desktop-portal does. Each interface
// is offered only when asked for, so tests can also meet a portal that lacks one.

#include "platform/portal_global_shortcuts.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

namespace quorvane::test {


// Sends a Request's Response from the request's predicted path before the method returns,
// as a quick portal may: the caller must already be listening.
inline QDBusObjectPath respond(QDBusConnection &bus, const QDBusMessage &call, const QVariantMap &options,
                               uint code, const QVariantMap &results)
{
    QString sender = call.service();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender + QLatin1Char('/')
        + options.value(QStringLiteral("handle_token")).toString();
    QDBusMessage response =
        QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response << code << results;
    bus.send(response);
    return QDBusObjectPath(path);
}

class FakeScreenshotAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version)
public:
    FakeScreenshotAdaptor(QObject *portal, QDBusConnection &bus) : QDBusAbstractAdaptor(portal), m_bus(bus) {}

    uint version() const { return 2; }
    uint responseCode = 0;
    QImage picture;
    QVariantMap lastOptions;
    QString lastFile;

public slots:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options, const QDBusMessage &call)
    {
        lastOptions = options;
        QVariantMap results;
        if (responseCode == 0) {
            lastFile = m_files.filePath(QStringLiteral("Screenshot-%1.png").arg(++m_count));
            picture.save(lastFile);
            results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(lastFile).toString());
        }
        return respond(m_bus, call, options, responseCode, results);
    }

private:
    QDBusConnection &m_bus;
    QTemporaryDir m_files;
    int m_count = 0;
};

class FakeGlobalShortcutsAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)
public:
    FakeGlobalShortcutsAdaptor(QObject *portal, QDBusConnection &bus) : QDBusAbstractAdaptor(portal), m_bus(bus) {}

    uint version() const { return 1; }
    uint bindResponseCode = 0;
    int sessionsCreated = 0;
    int bindCalls = 0;
    QList<PortalShortcut> lastBound;
    QString sessionPath = QStringLiteral("/org/freedesktop/portal/desktop/session/test/quorvane");

    // What the desktop reports for each shortcut it bound.
    static QString describe(const PortalShortcut &s)
    {
        return QStringLiteral("Press ") + s.properties.value(QStringLiteral("preferred_trigger")).toString();
    }

    void press(const QString &id, const QString &session)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                         QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0) << QVariantMap();
        m_bus.send(signal);
    }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap &options, const QDBusMessage &call)
    {
        ++sessionsCreated;
        return respond(m_bus, call, options, 0,
                       {{QStringLiteral("session_handle"), sessionPath}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath &, const QList<quorvane::PortalShortcut> &shortcuts,
                                  const QString &, const QVariantMap &options, const QDBusMessage &call)
    {
        ++bindCalls;
        lastBound = shortcuts;
        QList<PortalShortcut> bound;
        for (PortalShortcut s : shortcuts) {
            s.properties.insert(QStringLiteral("trigger_description"), describe(s));
            bound.append(s);
        }
        return respond(m_bus, call, options, bindResponseCode,
                       {{QStringLiteral("shortcuts"), QVariant::fromValue(bound)}});
    }

private:
    QDBusConnection &m_bus;
};

// The portal object, on a connection of its own, owning the portal's bus name.
class FakeDesktopPortal : public QObject {
    Q_OBJECT
public:
    enum Interface { screenshot = 1, globalShortcuts = 2 };

    explicit FakeDesktopPortal(int interfaces)
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-desktop-portal")))
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        if (interfaces & screenshot)
            screenshots = new FakeScreenshotAdaptor(this, m_bus);
        if (interfaces & globalShortcuts)
            shortcuts = new FakeGlobalShortcutsAdaptor(this, m_bus);
        registered = m_bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this)
            && m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }

    ~FakeDesktopPortal() override
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(m_bus.name());
    }

    bool registered = false;
    FakeScreenshotAdaptor *screenshots = nullptr;
    FakeGlobalShortcutsAdaptor *shortcuts = nullptr;

private:
    QDBusConnection m_bus;
};

} // namespace quorvane::test
