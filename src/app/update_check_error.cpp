#include "app/update_check_error.h"

namespace quorvane {

ErrorText UpdateCheckError::textOf(UpdateCheckErrorKind kind)
{
    switch (kind) {
    case UpdateCheckErrorKind::invalidFeedAddress:
        return {"error.updater.invalid_feed", "The update feed address is not valid: %@",
                "Error when the configured update feed address cannot be used"};
    case UpdateCheckErrorKind::insecureAddress:
        return {"error.updater.insecure_address", "Updates are only fetched over HTTPS: %@",
                "Error when an update address is not secure"};
    case UpdateCheckErrorKind::downloadFailed:
        return {"error.updater.download_failed", "The update information could not be downloaded: %@",
                "Error when the update feed cannot be fetched"};
    case UpdateCheckErrorKind::malformedFeed:
        return {"error.updater.malformed_feed", "The update information could not be read: %@",
                "Error when the update feed is not understood"};
    }
    return {"error.updater.unknown", "%@", "Unknown update error"};
}

} // namespace quorvane
