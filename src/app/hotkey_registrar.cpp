// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hotkey_registrar.h"

#include "core/diagnostics.h"
#include "core/localized_error.h"
#include "core/settings_store.h"

namespace quorvane {

HotkeyRegistrar::HotkeyRegistrar(HotkeyManager &hotkeyManager, const SettingsStore &settingsStore)
    : m_hotkeyManager(hotkeyManager), m_settingsStore(settingsStore)
{
}

HotkeyRegistrar::Outcome HotkeyRegistrar::registerAll(const Callbacks &callbacks)
{
    Outcome outcome;
    m_hotkeyManager.checkAccessibilityPermission();
    outcome.permitted = m_hotkeyManager.hasAccessibilityPermission();
    if (!outcome.permitted) {
        diag(lcHotkeys(), QStringLiteral("ℹ️ [setupHotkeys] No accessibility permission - skipping hotkey registration"));
        diag(lcHotkeys(), QStringLiteral("ℹ️ [setupHotkeys] Hotkeys will be registered when permission is granted"));
        return outcome;
    }

    // Everything is released first, so shortcuts swapped between two actions never find
    // their new combination still held by the other action.
    m_hotkeyManager.unregisterAll();
    const UserSettings settings = m_settingsStore.settings();
    for (HotkeyAction action : kAllHotkeyActions) {
        const auto callback = callbacks.find(action);
        try {
            m_hotkeyManager.registerHotkey(settings.shortcut(shortcutAction(action)), action,
                                           callback != callbacks.end() ? callback->second : HotkeyManager::Callback{});
            outcome.registered.append(action);
        } catch (const LocalizedError &error) {
            outcome.failures.append({action, error.localizedDescription()});
            diagWarning(lcHotkeys(), QStringLiteral("Failed to register hotkeys: %1 (%2)")
                     .arg(error.englishDescription(), rawValue(action)));
        }
    }
    if (outcome.failures.isEmpty())
        diag(lcHotkeys(), QStringLiteral("Global hotkeys registered successfully"));
    return outcome;
}

void HotkeyRegistrar::unregisterAll()
{
    for (HotkeyAction action : kAllHotkeyActions)
        m_hotkeyManager.unregisterHotkey(action);
}

} // namespace quorvane
