// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/code_scan_error.h"

namespace quorvane {

ErrorText CodeScanError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::visionRequestFailed:
        //: The barcode detector reported an error; %1 is its description
        //% "Barcode detection failed: %1"
        return {QT_TRID_NOOP("code_scan_error.vision_failed")};
    case Kind::invalidImage:
        //: The image to scan is empty
        //% "The captured image is invalid or corrupted"
        return {QT_TRID_NOOP("code_scan_error.invalid_image")};
    case Kind::noCodeDetected:
        //: Scanning found no barcode or QR code
        //% "No code was detected in the selected region"
        return {QT_TRID_NOOP("code_scan_error.no_code")};
    case Kind::timedOut:
        //: Scanning gave up on an image that took too long (noise, or a large photo)
        //% "Looking for a code took too long, so it was stopped. Try selecting a smaller region around the code."
        return {QT_TRID_NOOP("code_scan_error.timed_out")};
    case Kind::cancelled:
        //: The user stopped a running code scan
        //% "Code scanning was cancelled"
        return {QT_TRID_NOOP("code_scan_error.cancelled")};
    }
    //% "Barcode detection failed: %1"
    return {QT_TRID_NOOP("code_scan_error.vision_failed")};
}

} // namespace quorvane
