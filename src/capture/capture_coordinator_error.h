// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/localized_error.h"
#include "core/permission_type.h"

namespace quorvane {

enum class CaptureCoordinatorErrorKind {
    permissionRequired,          // value: the permission's display name, for logs; the text names it whole
    workflowFailed,              // value: what went wrong, already readable
    captureInProgress,           // no value
    invalidRegion,               // no value
    noLastRegion,                // no value
    displayConfigurationChanged, // no value
};

// Failures that the capture workflows raise themselves.
class CaptureCoordinatorError
    : public CaseError<CaptureCoordinatorError, CaptureCoordinatorErrorKind> {
public:
    using CaseError::CaseError;

    static ErrorText textOf(CaptureCoordinatorErrorKind kind);

    static CaptureCoordinatorError permissionRequired(PermissionType permission);
    static CaptureCoordinatorError workflowFailed(const Phrase &message);
    static CaptureCoordinatorError captureInProgress();
    static CaptureCoordinatorError noLastRegion();
    static CaptureCoordinatorError displayConfigurationChanged();
};

} // namespace quorvane
