// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/preferences_services.h"

#include "core/settings_store.h"
#include "platform/login_item.h"

namespace quorvane {

namespace {

// The short-lived store only reads: it never saves, so it never touches the login item.
class UnusedLoginItem : public LoginItem {
public:
    Status status() const override { return Status::notRegistered; }
    void registerItem() override { throw LoginItemError("not available to a read-only settings store"); }
    void unregisterItem() override { throw LoginItemError("not available to a read-only settings store"); }
};

} // namespace

UserSettings PreferencesServices::storedSettings() const
{
    UnusedLoginItem loginItem;
    const SettingsStore store(userDefaults, loginItem);
    return store.settings();
}

} // namespace quorvane
