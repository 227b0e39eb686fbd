#include "core/hotkey_error.h"

namespace quorvane {

ErrorText HotkeyError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::registrationFailed:
        return {"error.hotkey.registration_failed", "Failed to register global shortcut: %@",
                "Error when hotkey registration fails"};
    case Kind::hotkeyConflict:
        return {"error.hotkey.conflict", "Shortcut %@ conflicts with another registered shortcut",
                "Error when shortcut conflicts"};
    case Kind::systemReservedShortcut:
        return {"error.hotkey.system_reserved", "Shortcut %@ is reserved by the system",
                "Error when shortcut is system reserved"};
    case Kind::accessibilityPermissionDenied:
        return {"error.hotkey.permission_denied",
                "Accessibility permission is required for global shortcuts. Please grant access in your "
                "desktop's privacy settings.",
                "Error when Accessibility permission is denied"};
    case Kind::invalidShortcut:
        return {"error.hotkey.invalid", "Invalid shortcut configuration", "Error when shortcut is invalid"};
    }
    return {"error.hotkey.invalid", "Invalid shortcut configuration", "Error when shortcut is invalid"};
}

} // namespace quorvane
