// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QFuture>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusArgument;
class QDBusObjectPath;

namespace quorvane {

// One shortcut as the portal's a(sa{sv}) lists carry it: an id of ours and its properties
// ("description", "preferred_trigger" going out; "description", "trigger_description"
// coming back).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);

// Global shortcuts through org.freedesktop.portal.GlobalShortcuts, where the desktop owns
// the keys (a Wayland session): we name the actions and the keys we would like; the
// desktop may show its own dialog to confirm or change them, tells us what it bound, and
// tells us when one is pressed.
class PortalGlobalShortcuts : public QObject {
    Q_OBJECT
public:
    explicit PortalGlobalShortcuts(QDBusConnection bus = QDBusConnection::sessionBus(),
                                   QObject *parent = nullptr);
    ~PortalGlobalShortcuts() override;

    // Opens the session on first use and binds `shortcuts` (each with "description" and,
    // where we have one, "preferred_trigger" as `triggerText` writes it, e.g.
    // "LOGO+SHIFT+l"). The future gives what the desktop bound, with each shortcut's
    // "trigger_description" where it reports one; fails with PortalError, `unavailable`
    // where the desktop's portal offers no global shortcuts.
    QFuture<QList<PortalShortcut>> bind(const QList<PortalShortcut> &shortcuts);

    // A combination as the portal's "preferred_trigger" writes it: modifiers in the order
    // CTRL, ALT, SHIFT, LOGO, then the key's keysym name, joined by "+".
    static QString triggerText(bool control, bool alt, bool shift, bool logo, const QString &keysymName);

signals:
    // A bound shortcut was pressed.
    void activated(const QString &id);
    // The user changed the shortcuts in the desktop's settings.
    void shortcutsChanged(const QList<PortalShortcut> &shortcuts);

private slots:
    void onActivated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp,
                     const QVariantMap &options);
    void onShortcutsChanged(const QDBusMessage &message);

private:
    QFuture<QString> session();

    QDBusConnection m_bus;
    QString m_sessionPath;
};

// The shortcuts of a Response's or a signal's a(sa{sv}) value, however it arrived.
QList<PortalShortcut> portalShortcutsFrom(const QVariant &value);

} // namespace quorvane

Q_DECLARE_METATYPE(quorvane::PortalShortcut)
