// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"
#include "core/shortcut.h"

namespace quorvane {

enum class HotkeyErrorKind {
    registrationFailed,           // value: why
    hotkeyConflict,               // value: the shortcut's display string
    systemReservedShortcut,       // value: the shortcut's display string
    accessibilityPermissionDenied,
    invalidShortcut,
};

// Why a global shortcut could not be registered.
class HotkeyError : public CaseError<HotkeyError, HotkeyErrorKind> {
public:
    using CaseError::CaseError;
    // For the cases about a shortcut, which is shown by its display string.
    HotkeyError(Kind kind, const Shortcut &shortcut) : CaseError(kind, shortcut.displayString()) {}

    static ErrorText textOf(Kind kind);
};

} // namespace quorvane
