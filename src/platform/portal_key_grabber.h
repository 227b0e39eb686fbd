// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/global_key_grabber.h"
#include "platform/portal_global_shortcuts.h"

#include <QDBusConnection>
#include <QMap>

#include <map>
#include <utility>

namespace quorvane {

// Global shortcuts where the desktop owns the keys (a Wayland session): each combination
// is handed to the desktop portal as the action it is for, with the combination as the
// trigger we would like; the desktop may confirm or change it in its own dialog. A grab
// is accepted at once and the whole set is bound on the next turn of the event loop, so
// registering five actions asks the desktop once. Giving a combination back only stops
// its presses from counting: the desktop keeps the binding, so suspending the shortcuts
// while the recorder records asks the desktop nothing.
class PortalKeyGrabber : public GlobalKeyGrabber {
    Q_OBJECT
public:
    explicit PortalKeyGrabber(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    bool canGrab() const override;
    std::optional<GrabError> grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose) override;
    void release(quint16 keyCode, quint32 modifierFlags) override;
    ShortcutOwnership ownership() const override { return m_ownership; }
    QMap<QString, QString> desktopTriggers() const override { return m_triggers; }

private:
    struct Wanted {
        quint16 keyCode;
        quint32 modifierBits;
        QString description;
        bool held = true;
    };

    void scheduleBinding();
    void bind();
    void onActivated(const QString &id);
    void setOwnership(ShortcutOwnership ownership);

    QDBusConnection m_bus;
    PortalGlobalShortcuts m_portal;
    // By purpose id.
    std::map<QString, Wanted> m_wanted;
    // What was last handed to the desktop: id -> (description, trigger asked for).
    std::map<QString, std::pair<QString, QString>> m_bound;
    QMap<QString, QString> m_triggers;
    ShortcutOwnership m_ownership = ShortcutOwnership::desktop;
    bool m_bindingScheduled = false;
};

} // namespace quorvane
