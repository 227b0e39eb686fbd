// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/global_shortcut_gate.h"
#include "core/hotkey_action.h"
#include "core/shortcut.h"

#include <QList>
#include <QObject>

#include <functional>
#include <map>
#include <set>
#include <optional>

class QTimer;

namespace quorvane {

class GlobalKeyGrabber;
struct UserSettings;

// Makes the five actions reachable from any application through global shortcuts.
// Each registered action holds its key combination system-wide through the grabber; a
// press runs the action's callback on the main thread, after the key event has been
// handled. Watches the grab permission every five seconds. While suspended (the shortcut
// recorder records) the registrations stay but their combinations are given back.
// Main thread only.
class HotkeyManager : public QObject, public GlobalShortcutGate {
    Q_OBJECT
public:
    using Callback = std::function<void()>;

    static constexpr int permissionPollIntervalMs = 5000;

    // `grabber` takes the combinations, and its `canGrab` is the permission check.
    // Reads the permission once and starts watching it.
    explicit HotkeyManager(GlobalKeyGrabber &grabber, QObject *parent = nullptr);
    // Releases every combination still held.
    ~HotkeyManager() override;

    // Registers `shortcut` for `action`, replacing its earlier registration; `callback` runs on
    // every press until the action is unregistered or registered again. Throws HotkeyError:
    // accessibilityPermissionDenied without the permission and systemReservedShortcut for a
    // reserved combination (both leave the earlier registration in place); registrationFailed
    // when the combination cannot be taken (the action is then left without a registration).
    virtual void registerHotkey(const Shortcut &shortcut, HotkeyAction action, Callback callback);
    // Releases the action's combination and drops its callback; nothing else for an action
    // that is not registered.
    virtual void unregisterHotkey(HotkeyAction action);
    // Unregisters every action, then registers the five in declaration order with the shortcuts
    // of `settings` and the given callbacks; the first failure is thrown and the actions after
    // it stay unregistered.
    virtual void registerAll(const UserSettings &settings, const std::map<HotkeyAction, Callback> &callbacks);
    // Unregisters every action.
    virtual void unregisterAll();

    // True while at least one action is registered.
    virtual bool isEnabled() const { return m_isEnabled; }
    // The last answer of the permission check.
    virtual bool hasAccessibilityPermission() const { return m_hasAccessibilityPermission; }
    // The shortcut an action is registered with, none when it is not registered.
    virtual std::optional<Shortcut> registeredShortcut(HotkeyAction action) const;
    const QTimer *permissionMonitorTimer() const { return m_permissionMonitorTimer; }

    void suspend() override;
    // Taking a combination back can fail when another program took it meanwhile: that
    // action is then left unregistered and `registrationLost` reports it.
    void resume() override;
    bool isHeldByAnotherProgram(const Shortcut &shortcut) override;
    ShortcutOwnership ownership() const override;
    std::optional<QString> desktopTrigger(ShortcutAction slot) const override;
    bool wasRefused(ShortcutAction slot) const override;
    // Takes `shortcut` for a passing task, on top of the actions' combinations; each press
    // runs `callback` as an action's press does. Only where this program takes keys itself
    // (a desktop that binds shortcuts would list it as one of the program's own) and not
    // while suspended; false when it is not taken. One at a time: a second replaces the first.
    bool holdKey(const Shortcut &shortcut, Callback callback);
    // Gives back what `holdKey` took; nothing when it holds nothing.
    void releaseHeldKey();
    // The actions whose combination was refused by the last attempt to take it.
    QList<HotkeyAction> refusedActions() const;
    bool isSuspended() const { return m_suspensions > 0; }

    // One tick of the permission watch: reads the permission and posts
    // Emits `accessibilityPermissionGranted` when it has just been granted.
    virtual void checkAccessibilityPermission();

signals:
    void isEnabledChanged(bool enabled);
    // `ownership()` or the desktop's triggers changed.
    void desktopShortcutsChanged();
    void hasAccessibilityPermissionChanged(bool granted);
    // The permission to take global keys turned granted.
    void accessibilityPermissionGranted();
    // `action` lost its combination `shortcut` when the suspension ended; `reason` says why.
    void registrationLost(quorvane::HotkeyAction action, const quorvane::Shortcut &shortcut, const QString &reason);
    // `refusedActions` changed.
    void refusalsChanged();

private:
    void startPermissionMonitoring();
    void registerWithKeyGrab(const Shortcut &shortcut, HotkeyAction action);
    void handlePress(quint16 keyCode, quint32 modifierBits);
    void runAction(HotkeyAction action);
    // The id and description a desktop that binds shortcuts itself lists the action under.
    static GrabPurpose purposeOf(HotkeyAction action);
    void setEnabled(bool enabled);
    void setAccessibility(bool granted);
    void setRefused(HotkeyAction action, bool refused);

    GlobalKeyGrabber &m_grabber;
    std::map<HotkeyAction, Shortcut> m_grabs;
    std::map<HotkeyAction, Callback> m_actionCallbacks;
    std::set<HotkeyAction> m_refused;
    std::optional<std::pair<Shortcut, Callback>> m_held;  // see holdKey
    bool m_isEnabled = false;
    bool m_hasAccessibilityPermission = false;
    int m_suspensions = 0;
    QTimer *m_permissionMonitorTimer = nullptr;
};

} // namespace quorvane
