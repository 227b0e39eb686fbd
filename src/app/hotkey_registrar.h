// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/hotkey_manager.h"

#include <QList>
#include <QString>

#include <map>

namespace quorvane {

class SettingsStore;

// Binds the five global actions to the shortcuts of the current settings. Each action is
// registered on its own: a refused shortcut is reported and the other four still work.
class HotkeyRegistrar {
public:
    using Callbacks = std::map<HotkeyAction, HotkeyManager::Callback>;

    struct Outcome {
        bool permitted = false;                               // the grab permission was there
        QList<HotkeyAction> registered;                       // bound now
        QList<std::pair<HotkeyAction, QString>> failures;     // refused, with the reason
    };

    HotkeyRegistrar(HotkeyManager &hotkeyManager, const SettingsStore &settingsStore);

    // Checks the grab permission (without asking the user) and records it in the hotkey
    // manager. Without it nothing changes. With it every action is released and then bound
    // to its shortcut with its callback, in the order of the actions.
    Outcome registerAll(const Callbacks &callbacks);

    // Releases the five actions in their order; harmless for actions never registered.
    void unregisterAll();

private:
    HotkeyManager &m_hotkeyManager;
    const SettingsStore &m_settingsStore;
};

} // namespace quorvane
