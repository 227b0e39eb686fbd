#include "capture/code_scan_error.h"

namespace quorvane {

ErrorText CodeScanError::textOf(Kind kind)
{
    switch (kind) {
    case Kind::visionRequestFailed:
        return {"code_scan_error.vision_failed", "Barcode detection failed: %@",
                "The barcode detector reported an error; %@ is its description"};
    case Kind::invalidImage:
        return {"code_scan_error.invalid_image", "The captured image is invalid or corrupted",
                "The image to scan is empty"};
    case Kind::noCodeDetected:
        return {"code_scan_error.no_code", "No code was detected in the selected region",
                "Scanning found no barcode or QR code"};
    }
    return {"code_scan_error.vision_failed", "Barcode detection failed: %@", ""};
}

} // namespace quorvane
