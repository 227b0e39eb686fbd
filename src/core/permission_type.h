// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

namespace quorvane {

// The two grants the program needs: reading the screen and global shortcuts.
enum class PermissionType { screenRecording, accessibility };

inline constexpr std::array<PermissionType, 2> kAllPermissionTypes{PermissionType::screenRecording,
                                                                  PermissionType::accessibility};

// The case name: "screenRecording", "accessibility".
QString caseName(PermissionType type);
// The localised name ("Screen Access", "Global Shortcuts"), looked up on every call.
QString displayName(PermissionType type);

} // namespace quorvane
