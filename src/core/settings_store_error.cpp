#include "core/settings_store_error.h"

namespace quorvane {

SettingsStoreError::SettingsStoreError(const Shortcut &conflicting)
    : CaseError(Kind::shortcutConflict, conflicting.displayString()), m_shortcut(conflicting)
{
}

ErrorText SettingsStoreError::textOf(SettingsStoreErrorKind kind)
{
    switch (kind) {
    case Kind::persistenceFailed:
        return {"error.settings_store.persistence", "Failed to save settings: %@",
                "Error when settings persistence fails"};
    case Kind::validationFailed:
        return {"error.settings_store.validation", "Settings validation failed: %@",
                "Error when settings validation fails"};
    case Kind::migrationFailed:
        return {"error.settings_store.migration", "Settings migration failed: %@",
                "Error when settings migration fails"};
    case Kind::launchItemConfigurationFailed:
        return {"error.settings_store.launch_item", "Failed to configure launch at login: %@",
                "Error when launch item configuration fails"};
    case Kind::shortcutConflict:
        return {"error.settings_store.shortcut_conflict",
                "Shortcut %@ is already in use or conflicts with system shortcuts",
                "Error when shortcut conflicts"};
    case Kind::invalidValue:
        return {"error.settings_store.invalid_value", "Invalid setting value: %@",
                "Error when setting value is invalid"};
    }
    return {"error.settings_store.invalid_value", "Invalid setting value: %@",
            "Error when setting value is invalid"};
}

} // namespace quorvane
