#include "capture/clipboard_error.h"

namespace quorvane {

ClipboardError::ClipboardError(ClipboardErrorKind kind, ClipboardFormat format)
    : CaseError(kind, displayName(format))
    , m_format(format)
{
}

ErrorText ClipboardError::textOf(ClipboardErrorKind kind)
{
    switch (kind) {
    case ClipboardErrorKind::writeFailed:
        return {"error.clipboard.write_failed", "Failed to copy to clipboard: %@",
                "Error when clipboard write fails"};
    case ClipboardErrorKind::unsupportedFormat:
        return {"error.clipboard.unsupported_format", "Clipboard format %@ is not supported",
                "Error when format is unsupported"};
    case ClipboardErrorKind::conversionFailed:
        return {"error.clipboard.conversion_failed", "Failed to convert text to %@ format",
                "Error when format conversion fails"};
    case ClipboardErrorKind::emptyContent:
        return {"error.clipboard.empty", "Cannot copy empty content to clipboard",
                "Error when content is empty"};
    }
    return {"error.clipboard.write_failed", "Failed to copy to clipboard: %@",
            "Error when clipboard write fails"};
}

} // namespace quorvane
