// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// Where a shortcut recorder stands: showing its shortcut, waiting for a key, or asking
// the settings store about a candidate.
enum class ShortcutRecordingState { idle, recording, validating };

// The case name, as diagnostics print it.
inline QString rawValue(ShortcutRecordingState state)
{
    switch (state) {
    case ShortcutRecordingState::idle: return QStringLiteral("idle");
    case ShortcutRecordingState::recording: return QStringLiteral("recording");
    case ShortcutRecordingState::validating: return QStringLiteral("validating");
    }
    return {};
}

} // namespace quorvane
