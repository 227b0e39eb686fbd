#include "core/permission_type.h"


namespace quorvane {

QString caseName(PermissionType type)
{
    switch (type) {
    case PermissionType::screenRecording: return QStringLiteral("screenRecording");
    case PermissionType::accessibility: return QStringLiteral("accessibility");
    }
    return {};
}

QString displayName(PermissionType type)
{
    switch (type) {
    case PermissionType::screenRecording:
        //: Screen Recording permission
        //% "Screen Recording"
        return qtTrId("permission.screen_recording");
    case PermissionType::accessibility:
        //: Accessibility permission
        //% "Accessibility"
        return qtTrId("permission.accessibility");
    }
    return {};
}

} // namespace quorvane
