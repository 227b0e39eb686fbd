// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hotkey_error.h"

namespace quorvane {

ErrorText HotkeyError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::registrationFailed:
        //: Error when hotkey registration fails
        //% "Failed to register global shortcut: %1"
        return {QT_TRID_NOOP("error.hotkey.registration_failed")};
    case Kind::hotkeyConflict:
        //: Error when shortcut conflicts
        //% "Shortcut %1 conflicts with another registered shortcut"
        return {QT_TRID_NOOP("error.hotkey.conflict")};
    case Kind::systemReservedShortcut:
        //: Error when shortcut is system reserved
        //% "Shortcut %1 is reserved by the system"
        return {QT_TRID_NOOP("error.hotkey.system_reserved")};
    case Kind::accessibilityPermissionDenied:
        //: Error when the global shortcuts permission is denied
        //% "Permission for global shortcuts is required. Please grant access in your desktop's privacy settings."
        return {QT_TRID_NOOP("error.hotkey.permission_denied")};
    case Kind::invalidShortcut:
        //: Error when shortcut is invalid
        //% "Invalid shortcut configuration"
        return {QT_TRID_NOOP("error.hotkey.invalid")};
    }
    //: Error when shortcut is invalid
    //% "Invalid shortcut configuration"
    return {QT_TRID_NOOP("error.hotkey.invalid")};
}

} // namespace quorvane
