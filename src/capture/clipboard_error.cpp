// SPDX-License-Identifier: GPL-3.0-or-later
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
        //: Error when clipboard write fails
        //% "Failed to copy to clipboard: %1"
        return {QT_TRID_NOOP("error.clipboard.write_failed")};
    case ClipboardErrorKind::unsupportedFormat:
        //: Error when format is unsupported
        //% "Clipboard format %1 is not supported"
        return {QT_TRID_NOOP("error.clipboard.unsupported_format")};
    case ClipboardErrorKind::conversionFailed:
        //: Error when format conversion fails
        //% "Failed to convert text to %1 format"
        return {QT_TRID_NOOP("error.clipboard.conversion_failed")};
    case ClipboardErrorKind::emptyContent:
        //: Error when content is empty
        //% "Cannot copy empty content to clipboard"
        return {QT_TRID_NOOP("error.clipboard.empty")};
    }
    //: Error when clipboard write fails
    //% "Failed to copy to clipboard: %1"
    return {QT_TRID_NOOP("error.clipboard.write_failed")};
}

} // namespace quorvane
