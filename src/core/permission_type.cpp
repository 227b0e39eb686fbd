#include "core/permission_type.h"

#include "platform/l10n.h"

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
        return L10n::text("permission.screen_recording", "Screen Recording", "Screen Recording permission");
    case PermissionType::accessibility:
        return L10n::text("permission.accessibility", "Accessibility", "Accessibility permission");
    }
    return {};
}

} // namespace quorvane
