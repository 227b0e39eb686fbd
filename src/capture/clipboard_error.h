// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/clipboard_format.h"
#include "core/localized_error.h"

#include <optional>

namespace quorvane {

enum class ClipboardErrorKind {
    writeFailed,       // carries a message
    unsupportedFormat, // carries a format
    conversionFailed,  // carries a format
    emptyContent,
};

// Failures of the clipboard service. The value is the message of `writeFailed`, or the
// display name of the format of the two format cases.
class ClipboardError : public CaseError<ClipboardError, ClipboardErrorKind> {
public:
    using CaseError::CaseError;
    ClipboardError(ClipboardErrorKind kind, ClipboardFormat format);
    static ErrorText textOf(ClipboardErrorKind kind);

    // The format of `unsupportedFormat` and `conversionFailed`.
    std::optional<ClipboardFormat> format() const { return m_format; }

private:
    std::optional<ClipboardFormat> m_format;
};

} // namespace quorvane
