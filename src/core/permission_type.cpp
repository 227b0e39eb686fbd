// SPDX-License-Identifier: GPL-3.0-or-later
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
        //: Name of the permission to read the screen (the desktop's screenshot access)
        //% "Screen Access"
        return qtTrId("permission.screen_recording");
    case PermissionType::accessibility:
        //: Name of the permission to use keyboard shortcuts that work in every program
        //% "Global Shortcuts"
        return qtTrId("permission.accessibility");
    }
    return {};
}

} // namespace quorvane
