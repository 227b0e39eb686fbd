// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"

namespace quorvane {

enum class NotificationServiceErrorKind { configurationFailed, permissionDenied, displayNotFound };

// Why a system notification could not be posted. `configurationFailed` carries its
// message as the value.
class NotificationServiceError
    : public CaseError<NotificationServiceError, NotificationServiceErrorKind> {
public:
    using CaseError::CaseError;
    static ErrorText textOf(NotificationServiceErrorKind kind);
};

} // namespace quorvane
