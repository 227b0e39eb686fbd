#include "capture/capture_coordinator_error.h"

namespace quorvane {

ErrorText CaptureCoordinatorError::textOf(CaptureCoordinatorErrorKind kind)
{
    switch (kind) {
    case CaptureCoordinatorErrorKind::permissionRequired:
        return {"error.coordinator.permission_required", "%@ permission is required to capture text",
                "Error when permission is required"};
    case CaptureCoordinatorErrorKind::workflowFailed:
        return {"error.coordinator.workflow_failed", "Capture workflow failed: %@",
                "Error when workflow fails"};
    case CaptureCoordinatorErrorKind::captureInProgress:
        return {"error.coordinator.in_progress", "A capture operation is already in progress",
                "Error when capture is already in progress"};
    case CaptureCoordinatorErrorKind::invalidRegion:
        return {"error.coordinator.invalid_region", "The selected region is invalid",
                "Error when region is invalid"};
    case CaptureCoordinatorErrorKind::noLastRegion:
        return {"error.coordinator.no_last_region",
                "No previous capture region available. Please perform a new capture first.",
                "Error when no last region exists"};
    case CaptureCoordinatorErrorKind::displayConfigurationChanged:
        return {"error.coordinator.display_changed",
                "Display configuration has changed. Please select a new region.",
                "Error when display config changed"};
    }
    return {"error.coordinator.workflow_failed", "Capture workflow failed: %@", "Error when workflow fails"};
}

CaptureCoordinatorError CaptureCoordinatorError::permissionRequired(PermissionType permission)
{
    return CaptureCoordinatorError(CaptureCoordinatorErrorKind::permissionRequired,
                                   displayName(permission));
}

CaptureCoordinatorError CaptureCoordinatorError::workflowFailed(const QString &message)
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
