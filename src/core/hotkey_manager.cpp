// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hotkey_manager.h"

#include "core/diagnostics.h"
#include "core/hotkey_error.h"
#include "core/user_settings.h"
#include "platform/global_key_grabber.h"
#include "platform/key_table.h"

#include <QTimer>

#include <algorithm>

namespace quorvane {

namespace {

QString grabFailureText(const GrabError &error, const Shortcut &shortcut)
{
    switch (error.reason) {
    case GrabError::Reason::noDisplay:
        return QStringLiteral("there is no X display to take key combinations on");
    case GrabError::Reason::unknownKey:
        return QStringLiteral("key code %1 is not a key of this keyboard").arg(shortcut.keyCode);
    case GrabError::Reason::takenByOtherProgram:
        return QStringLiteral("%1 is already taken by another program").arg(shortcut.displayString());
    case GrabError::Reason::alreadyGrabbed:
        return QStringLiteral("%1 is already registered for another action").arg(shortcut.displayString());
    case GrabError::Reason::refused:
        return QStringLiteral("the X server refused %1 (error %2)").arg(shortcut.displayString()).arg(error.xErrorCode);
    }
    return {};
}

} // namespace

HotkeyManager::HotkeyManager(GlobalKeyGrabber &grabber, QObject *parent)
    : QObject(parent), m_grabber(grabber)
{
    connect(&m_grabber, &GlobalKeyGrabber::pressed, this, &HotkeyManager::handlePress);
    connect(&m_grabber, &GlobalKeyGrabber::desktopShortcutsChanged, this, &HotkeyManager::desktopShortcutsChanged);
    setAccessibility(m_grabber.canGrab());
    startPermissionMonitoring();
}

HotkeyManager::~HotkeyManager()
{
    if (isSuspended())
        return; // nothing is held
    for (const auto &[action, shortcut] : m_grabs)
        m_grabber.release(shortcut.keyCode, shortcut.modifierFlags);
    releaseHeldKey();
}

bool HotkeyManager::holdKey(const Shortcut &shortcut, Callback callback)
{
    releaseHeldKey();
    if (isSuspended() || m_grabber.ownership() != ShortcutOwnership::program || !m_grabber.canGrab())
        return false;
    if (const std::optional<GrabError> error = m_grabber.grab(shortcut.keyCode, shortcut.modifierFlags, {})) {
        diag(lcHotkeys(), QStringLiteral("[HotkeyManager] %1 not held: %2").arg(shortcut.displayString(), grabFailureText(*error, shortcut)));
        return false;
    }
    m_held.emplace(shortcut, std::move(callback));
    return true;
}

void HotkeyManager::releaseHeldKey()
{
    if (!m_held)
        return;
    m_grabber.release(m_held->first.keyCode, m_held->first.modifierFlags);
    m_held.reset();
}

void HotkeyManager::registerHotkey(const Shortcut &shortcut, HotkeyAction action, Callback callback)
{
    setAccessibility(m_grabber.canGrab());
    if (!m_hasAccessibilityPermission) {
        diagWarning(lcHotkeys(), QStringLiteral("[HotkeyManager.register] No permission to take global shortcuts"));
        throw HotkeyError(HotkeyError::Kind::accessibilityPermissionDenied);
    }
    if (shortcut.isSystemReserved()) {
        diagWarning(lcHotkeys(), QStringLiteral("[HotkeyManager.register] %1 is reserved").arg(shortcut.displayString()));
        throw HotkeyError(HotkeyError::Kind::systemReservedShortcut, shortcut);
    }
    // The old registration goes first, so a failed registration leaves the action with none.
    unregisterHotkey(action);
    registerWithKeyGrab(shortcut, action);
    m_actionCallbacks[action] = std::move(callback);
    setEnabled(true);
    diag(lcHotkeys(), QStringLiteral("[HotkeyManager.register] %1 on %2").arg(rawValue(action), shortcut.displayString()));
}

void HotkeyManager::unregisterHotkey(HotkeyAction action)
{
    if (const auto it = m_grabs.find(action); it != m_grabs.end()) {
        if (!isSuspended())
            m_grabber.release(it->second.keyCode, it->second.modifierFlags);
        m_grabs.erase(it);
    }
    m_actionCallbacks.erase(action);
    setEnabled(!m_grabs.empty());
}

void HotkeyManager::registerAll(const UserSettings &settings, const std::map<HotkeyAction, Callback> &callbacks)
{
    // Release everything first: a new shortcut may be the one a later action still holds
    // (after the shortcuts were swapped or reset), which would refuse a correct record.
    unregisterAll();
    for (HotkeyAction action : kAllHotkeyActions) {
        const auto it = callbacks.find(action);
        registerHotkey(settings.shortcut(shortcutAction(action)), action,
                       it != callbacks.end() ? it->second : Callback{});
    }
}

void HotkeyManager::unregisterAll()
{
    for (HotkeyAction action : kAllHotkeyActions)
        unregisterHotkey(action);
}

std::optional<Shortcut> HotkeyManager::registeredShortcut(HotkeyAction action) const
{
    if (const auto it = m_grabs.find(action); it != m_grabs.end())
        return it->second;
    return std::nullopt;
}

void HotkeyManager::checkAccessibilityPermission()
{
    const bool had = m_hasAccessibilityPermission;
    setAccessibility(m_grabber.canGrab());
    if (m_hasAccessibilityPermission && !had)
        emit accessibilityPermissionGranted();
}

void HotkeyManager::startPermissionMonitoring()
{
    // A child timer: it stops with the manager, so no tick reaches a destroyed manager.
    m_permissionMonitorTimer = new QTimer(this);
    m_permissionMonitorTimer->setInterval(permissionPollIntervalMs);
    connect(m_permissionMonitorTimer, &QTimer::timeout, this, &HotkeyManager::checkAccessibilityPermission);
    m_permissionMonitorTimer->start();
}

void HotkeyManager::suspend()
{
    if (m_suspensions++ > 0)
        return;
    for (const auto &[action, shortcut] : m_grabs)
        m_grabber.release(shortcut.keyCode, shortcut.modifierFlags);
    diag(lcHotkeys(), QStringLiteral("[HotkeyManager] Global shortcuts suspended"));
}

void HotkeyManager::resume()
{
    if (m_suspensions == 0 || --m_suspensions > 0)
        return;
    diag(lcHotkeys(), QStringLiteral("[HotkeyManager] Global shortcuts resumed"));
    const std::map<HotkeyAction, Shortcut> registrations = m_grabs;
    for (const auto &[action, shortcut] : registrations) {
        if (const auto failure = m_grabber.grab(shortcut.keyCode, shortcut.modifierFlags, purposeOf(action))) {
            const QString reason = grabFailureText(*failure, shortcut);
            diagWarning(lcHotkeys(), QStringLiteral("[HotkeyManager] %1 not taken back: %2").arg(rawValue(action), reason));
            m_grabs.erase(action);
            m_actionCallbacks.erase(action);
            setEnabled(!m_grabs.empty());
            setRefused(action, true);
            emit registrationLost(action, shortcut, reason);
        }
    }
}

bool HotkeyManager::isHeldByAnotherProgram(const Shortcut &shortcut)
{
    // No purpose: only asking, so a desktop that binds shortcuts by purpose binds nothing.
    const auto failure = m_grabber.grab(shortcut.keyCode, shortcut.modifierFlags, GrabPurpose{});
    if (!failure) {
        m_grabber.release(shortcut.keyCode, shortcut.modifierFlags);
        return false;
    }
    return failure->reason == GrabError::Reason::takenByOtherProgram;
}

void HotkeyManager::registerWithKeyGrab(const Shortcut &shortcut, HotkeyAction action)
{
    // While suspended the combination is only recorded; `resume` takes it.
    if (isSuspended()) {
        m_grabs[action] = shortcut;
        return;
    }
    if (const auto failure = m_grabber.grab(shortcut.keyCode, shortcut.modifierFlags, purposeOf(action))) {
        const QString reason = grabFailureText(*failure, shortcut);
        diagWarning(lcHotkeys(), QStringLiteral("[HotkeyManager.register] %1: %2").arg(rawValue(action), reason));
        setRefused(action, true);
        throw HotkeyError(HotkeyError::Kind::registrationFailed, reason);
    }
    setRefused(action, false);
    m_grabs[action] = shortcut;
}

GrabPurpose HotkeyManager::purposeOf(HotkeyAction action)
{
    return GrabPurpose{rawValue(action), displayName(shortcutAction(action))};
}

ShortcutOwnership HotkeyManager::ownership() const
{
    return m_grabber.ownership();
}

bool HotkeyManager::wasRefused(ShortcutAction slot) const
{
    return std::any_of(m_refused.begin(), m_refused.end(),
                       [slot](HotkeyAction action) { return shortcutAction(action) == slot; });
}

QList<HotkeyAction> HotkeyManager::refusedActions() const
{
    return QList<HotkeyAction>(m_refused.begin(), m_refused.end());
}

void HotkeyManager::setRefused(HotkeyAction action, bool refused)
{
    const bool changed = refused ? m_refused.insert(action).second : m_refused.erase(action) > 0;
    if (changed)
        emit refusalsChanged();
}

std::optional<QString> HotkeyManager::desktopTrigger(ShortcutAction slot) const
{
    for (const HotkeyAction action : kAllHotkeyActions) {
        if (shortcutAction(action) == slot) {
            const QMap<QString, QString> triggers = m_grabber.desktopTriggers();
            const auto it = triggers.constFind(rawValue(action));
            if (it != triggers.constEnd())
                return it.value();
        }
    }
    return std::nullopt;
}

void HotkeyManager::handlePress(quint16 keyCode, quint32 modifierBits)
{
    if (m_held && m_held->first.keyCode == keyCode && KeyTable::modifierBits(m_held->first.modifierFlags) == modifierBits) {
        QMetaObject::invokeMethod(this, m_held->second, Qt::QueuedConnection);
        return;
    }
    for (const auto &[action, shortcut] : m_grabs) {
        if (shortcut.keyCode == keyCode && KeyTable::modifierBits(shortcut.modifierFlags) == modifierBits) {
            // Never inside the key event's handling: the callback may open windows or
            // re-register shortcuts.
            const HotkeyAction pressed = action;
            QMetaObject::invokeMethod(this, [this, pressed] { runAction(pressed); }, Qt::QueuedConnection);
            return;
        }
    }
}

void HotkeyManager::runAction(HotkeyAction action)
{
    const auto it = m_actionCallbacks.find(action);
    if (it == m_actionCallbacks.end() || !it->second) {
        diagWarning(lcHotkeys(), QStringLiteral("[HotkeyManager] No callback for %1").arg(rawValue(action)));
        return;
    }
    diag(lcHotkeys(), QStringLiteral("[HotkeyManager] %1 pressed").arg(rawValue(action)));
    // A copy: the callback may register the action again and replace the stored one.
    const Callback callback = it->second;
    callback();
}

void HotkeyManager::setEnabled(bool enabled)
{
    if (m_isEnabled == enabled)
        return;
    m_isEnabled = enabled;
    emit isEnabledChanged(enabled);
}

void HotkeyManager::setAccessibility(bool granted)
{
    m_hasAccessibilityPermission = granted;
    emit hasAccessibilityPermissionChanged(granted);
}

} // namespace quorvane
