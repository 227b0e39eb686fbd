// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class UpdateCheckErrorKind {
    invalidFeedAddress, // the configured address is not a URL
    insecureAddress,    // the feed, a redirect or the download page is not HTTPS (nor loopback)
    downloadFailed,     // the network or the server failed
    malformedFeed,      // the answer is not a readable appcast
};

// Why a check for updates found no answer.
class UpdateCheckError : public CaseError<UpdateCheckError, UpdateCheckErrorKind> {
public:
    using CaseError::CaseError;
    static ErrorText textOf(UpdateCheckErrorKind kind);
};

} // namespace quorvane
