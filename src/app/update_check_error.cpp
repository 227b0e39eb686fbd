// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/update_check_error.h"

namespace quorvane {

ErrorText UpdateCheckError::textOf(UpdateCheckErrorKind kind)
{
    switch (kind) {
    case UpdateCheckErrorKind::invalidFeedAddress:
        //: Error when the configured update feed address cannot be used
        //% "The update feed address is not valid: %1"
        return {QT_TRID_NOOP("error.updater.invalid_feed")};
    case UpdateCheckErrorKind::insecureAddress:
        //: Error when an update address is not secure
        //% "Updates are only fetched over HTTPS: %1"
        return {QT_TRID_NOOP("error.updater.insecure_address")};
    case UpdateCheckErrorKind::downloadFailed:
        //: Error when the update feed cannot be fetched
        //% "The update information could not be downloaded: %1"
        return {QT_TRID_NOOP("error.updater.download_failed")};
    case UpdateCheckErrorKind::malformedFeed:
        //: Error when the update feed is not understood
        //% "The update information could not be read: %1"
        return {QT_TRID_NOOP("error.updater.malformed_feed")};
    }
    //: Unknown update error
    //% "%1"
    return {QT_TRID_NOOP("error.updater.unknown")};
}

} // namespace quorvane
