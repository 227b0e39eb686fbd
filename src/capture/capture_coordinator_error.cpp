// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capture_coordinator_error.h"

namespace quorvane {

namespace {

// A whole sentence per permission: a name joined into one sentence reads wrong in many
// languages.
ErrorText permissionRequiredText(PermissionType permission)
{
    switch (permission) {
    case PermissionType::screenRecording:
        break;
    case PermissionType::accessibility:
        //: Error when the desktop has not allowed Quorvane's global shortcuts
        //% "Global shortcuts need your permission first"
        return {QT_TRID_NOOP("error.coordinator.global_shortcuts_required")};
    }
    //: Error when the desktop has not allowed Quorvane to read the screen
    //% "Screen access is required to capture text"
    return {QT_TRID_NOOP("error.coordinator.screen_access_required")};
}

} // namespace

ErrorText CaptureCoordinatorError::textOf(CaptureCoordinatorErrorKind kind)
{
    switch (kind) {
    case CaptureCoordinatorErrorKind::permissionRequired:
        // The permission a capture asks for; `permissionRequired` names each.
        return permissionRequiredText(PermissionType::screenRecording);
    case CaptureCoordinatorErrorKind::workflowFailed:
        //: Error when workflow fails
        //% "Capture workflow failed: %1"
        return {QT_TRID_NOOP("error.coordinator.workflow_failed")};
    case CaptureCoordinatorErrorKind::captureInProgress:
        //: Error when capture is already in progress
        //% "A capture operation is already in progress"
        return {QT_TRID_NOOP("error.coordinator.in_progress")};
    case CaptureCoordinatorErrorKind::invalidRegion:
        //: Error when region is invalid
        //% "The selected region is invalid"
        return {QT_TRID_NOOP("error.coordinator.invalid_region")};
    case CaptureCoordinatorErrorKind::noLastRegion:
        //: Error when no last region exists
        //% "No previous capture region available. Please perform a new capture first."
        return {QT_TRID_NOOP("error.coordinator.no_last_region")};
    case CaptureCoordinatorErrorKind::displayConfigurationChanged:
        //: Error when display config changed
        //% "Display configuration has changed. Please select a new region."
        return {QT_TRID_NOOP("error.coordinator.display_changed")};
    }
    //: Error when workflow fails
    //% "Capture workflow failed: %1"
    return {QT_TRID_NOOP("error.coordinator.workflow_failed")};
}

CaptureCoordinatorError CaptureCoordinatorError::permissionRequired(PermissionType permission)
{
    CaptureCoordinatorError error(CaptureCoordinatorErrorKind::permissionRequired, displayName(permission));
    error.setDescription(permissionRequiredText(permission), {});
    return error;
}

CaptureCoordinatorError CaptureCoordinatorError::workflowFailed(const Phrase &message)
{
    return CaptureCoordinatorError(CaptureCoordinatorErrorKind::workflowFailed, message);
}

CaptureCoordinatorError CaptureCoordinatorError::captureInProgress()
{
    return CaptureCoordinatorError(CaptureCoordinatorErrorKind::captureInProgress);
}

CaptureCoordinatorError CaptureCoordinatorError::noLastRegion()
{
    return CaptureCoordinatorError(CaptureCoordinatorErrorKind::noLastRegion);
}

CaptureCoordinatorError CaptureCoordinatorError::displayConfigurationChanged()
{
    return CaptureCoordinatorError(CaptureCoordinatorErrorKind::displayConfigurationChanged);
}

} // namespace quorvane
