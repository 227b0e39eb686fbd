// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"
#include "core/shortcut.h"

#include <optional>

namespace quorvane {

enum class SettingsStoreErrorKind {
    persistenceFailed,
    validationFailed,
    migrationFailed,
    launchItemConfigurationFailed,
    shortcutConflict,
    invalidValue,
};

// A failure of the settings store; the value is the case's text (for a conflict, the
// shortcut's display string).
class SettingsStoreError : public CaseError<SettingsStoreError, SettingsStoreErrorKind> {
public:
    using CaseError::CaseError;
    // The `shortcutConflict` case for `shortcut`.
    explicit SettingsStoreError(const Shortcut &conflicting);

    static ErrorText textOf(SettingsStoreErrorKind kind);

    // The conflicting shortcut of a `shortcutConflict`.
    std::optional<Shortcut> shortcut() const { return m_shortcut; }

private:
    std::optional<Shortcut> m_shortcut;
};

} // namespace quorvane
