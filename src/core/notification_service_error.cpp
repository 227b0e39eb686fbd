#include "core/notification_service_error.h"

namespace quorvane {

ErrorText NotificationServiceError::textOf(NotificationServiceErrorKind kind)
{
    switch (kind) {
    case NotificationServiceErrorKind::configurationFailed:
        return {"error.notification.configuration_failed", "Failed to configure notifications: %@",
                "Error when notification configuration fails"};
    case NotificationServiceErrorKind::permissionDenied:
        return {"error.notification.permission_denied", "Notification permission denied",
                "Error when notification permission is denied"};
    case NotificationServiceErrorKind::displayNotFound:
        return {"error.notification.display_not_found",
                "Could not determine display for notification",
                "Error when display cannot be found"};
    }
    return {"", "", ""};
}

} // namespace quorvane
