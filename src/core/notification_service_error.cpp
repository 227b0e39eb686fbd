// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/notification_service_error.h"

namespace quorvane {

ErrorText NotificationServiceError::textOf(NotificationServiceErrorKind kind)
{
    switch (kind) {
    case NotificationServiceErrorKind::configurationFailed:
        //: Error when notification configuration fails
        //% "Failed to configure notifications: %1"
        return {QT_TRID_NOOP("error.notification.configuration_failed")};
    case NotificationServiceErrorKind::permissionDenied:
        //: Error when notification permission is denied
        //% "Notification permission denied"
        return {QT_TRID_NOOP("error.notification.permission_denied")};
    case NotificationServiceErrorKind::displayNotFound:
        //: Error when display cannot be found
        //% "Could not determine display for notification"
        return {QT_TRID_NOOP("error.notification.display_not_found")};
    }
    //% ""
    return {QT_TRID_NOOP("")};
}

} // namespace quorvane
