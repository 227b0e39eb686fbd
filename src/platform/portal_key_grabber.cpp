// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portal_key_grabber.h"

#include "platform/key_table.h"
#include "platform/log_categories.h"
#include "platform/portal_interfaces.h"
#include "platform/portal_request.h"

#include <QTimer>

#include <xkbcommon/xkbcommon.h>

namespace quorvane {

namespace {

// The trigger we ask for, in the portal's form; empty when the key has no name.
QString triggerFor(quint16 keyCode, quint32 modifierBits)
{
    const auto keysym = KeyTable::keysym(keyCode);
    if (!keysym)
        return {};
    char name[64] = {};
    if (xkb_keysym_get_name(*keysym, name, sizeof name) <= 0)
        return {};
    return PortalGlobalShortcuts::triggerText(modifierBits & KeyTable::controlFlag, modifierBits & KeyTable::optionFlag,
                                              modifierBits & KeyTable::shiftFlag, modifierBits & KeyTable::commandFlag,
                                              QString::fromLatin1(name));
}

} // namespace

PortalKeyGrabber::PortalKeyGrabber(QDBusConnection bus, QObject *parent)
    : GlobalKeyGrabber(parent), m_bus(bus), m_portal(std::move(bus))
{
    connect(&m_portal, &PortalGlobalShortcuts::activated, this, &PortalKeyGrabber::onActivated);
    connect(&m_portal, &PortalGlobalShortcuts::shortcutsChanged, this, [this](const QList<PortalShortcut> &shortcuts) {
        for (const PortalShortcut &s : shortcuts)
            m_triggers.insert(s.id, s.properties.value(QStringLiteral("trigger_description")).toString());
        emit desktopShortcutsChanged();
    });
    // Known from the start, before any shortcut is asked for: whether the desktop offers them.
    PortalInterfaces(m_bus)
        .versionLater(PortalInterfaces::globalShortcuts)
        .then(this, [](uint version) { qCInfo(lcHotkeys) << "The desktop portal offers global shortcuts, version" << version; })
        .onFailed(this, [this](const PortalError &error) {
            qCInfo(lcHotkeys) << "The desktop portal offers no global shortcuts";
            if (error.kind() == PortalError::Kind::missing && m_bound.empty()) {
                setOwnership(ShortcutOwnership::unavailable);
                emit desktopShortcutsChanged();
            }
        });
}

bool PortalKeyGrabber::canGrab() const
{
    // Stays true when the desktop offers no shortcuts: that is no missing permission the
    // user could grant, and the shortcuts pane says what to do instead.
    return m_bus.isConnected();
}

std::optional<GrabError> PortalKeyGrabber::grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose)
{
    if (!canGrab())
        return GrabError{GrabError::Reason::noDisplay};
    if (!KeyTable::keysym(keyCode))
        return GrabError{GrabError::Reason::unknownKey};
    const quint32 bits = KeyTable::modifierBits(modifierFlags);
    // Only asking: the desktop tells nobody in advance which keys it would give.
    if (purpose.id.isEmpty())
        return std::nullopt;
    for (const auto &[id, wanted] : m_wanted) {
        if (id != purpose.id && wanted.held && wanted.keyCode == keyCode && wanted.modifierBits == bits)
            return GrabError{GrabError::Reason::alreadyGrabbed};
    }
    m_wanted[purpose.id] = Wanted{keyCode, bits, purpose.description, true};
    scheduleBinding();
    return std::nullopt;
}

void PortalKeyGrabber::release(quint16 keyCode, quint32 modifierFlags)
{
    const quint32 bits = KeyTable::modifierBits(modifierFlags);
    for (auto &[id, wanted] : m_wanted) {
        if (wanted.keyCode == keyCode && wanted.modifierBits == bits)
            wanted.held = false;
    }
}

void PortalKeyGrabber::scheduleBinding()
{
    if (m_bindingScheduled)
        return;
    m_bindingScheduled = true;
    QTimer::singleShot(0, this, &PortalKeyGrabber::bind);
}

void PortalKeyGrabber::bind()
{
    m_bindingScheduled = false;
    std::map<QString, std::pair<QString, QString>> wanted;
    QList<PortalShortcut> shortcuts;
    for (const auto &[id, w] : m_wanted) {
        const QString trigger = triggerFor(w.keyCode, w.modifierBits);
        wanted[id] = {w.description, trigger};
        QVariantMap properties{{QStringLiteral("description"), w.description}};
        if (!trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        shortcuts.append(PortalShortcut{id, properties});
    }
    // The same set again (shortcuts taken back after the recorder) asks the desktop nothing.
    if (wanted == m_bound)
        return;
    m_bound = wanted;
    m_portal.bind(shortcuts)
        .then(this,
              [this](const QList<PortalShortcut> &bound) {
                  m_triggers.clear();
                  for (const PortalShortcut &s : bound)
                      m_triggers.insert(s.id, s.properties.value(QStringLiteral("trigger_description")).toString());
                  qCInfo(lcHotkeys) << "The desktop bound" << bound.size() << "global shortcuts";
                  setOwnership(ShortcutOwnership::desktop);
                  emit desktopShortcutsChanged();
              })
        .onFailed(this, [this](const PortalError &error) {
            qCWarning(lcHotkeys) << "The desktop gave no global shortcuts:" << error.message();
            m_bound.clear();
            m_triggers.clear();
            setOwnership(ShortcutOwnership::unavailable);
            emit desktopShortcutsChanged();
        });
}

void PortalKeyGrabber::onActivated(const QString &id)
{
    const auto it = m_wanted.find(id);
    if (it == m_wanted.end() || !it->second.held)
        return;
    emit pressed(it->second.keyCode, it->second.modifierBits);
}

void PortalKeyGrabber::setOwnership(ShortcutOwnership ownership)
{
    m_ownership = ownership;
}

} // namespace quorvane
