// SPDX-License-Identifier: GPL-3.0-or-later
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
        //: Error when settings persistence fails
        //% "Failed to save settings: %1"
        return {QT_TRID_NOOP("error.settings_store.persistence")};
    case Kind::validationFailed:
        //: Error when settings validation fails
        //% "Settings validation failed: %1"
        return {QT_TRID_NOOP("error.settings_store.validation")};
    case Kind::migrationFailed:
        //: Error when settings migration fails
        //% "Settings migration failed: %1"
        return {QT_TRID_NOOP("error.settings_store.migration")};
    case Kind::launchItemConfigurationFailed:
        //: Error when launch item configuration fails
        //% "Failed to configure launch at login: %1"
        return {QT_TRID_NOOP("error.settings_store.launch_item")};
    case Kind::shortcutConflict:
        //: Error when shortcut conflicts
        //% "Shortcut %1 is already in use or conflicts with system shortcuts"
        return {QT_TRID_NOOP("error.settings_store.shortcut_conflict")};
    case Kind::invalidValue:
        //: Error when setting value is invalid
        //% "Invalid setting value: %1"
        return {QT_TRID_NOOP("error.settings_store.invalid_value")};
    }
    //: Error when setting value is invalid
    //% "Invalid setting value: %1"
    return {QT_TRID_NOOP("error.settings_store.invalid_value")};
}

} // namespace quorvane
