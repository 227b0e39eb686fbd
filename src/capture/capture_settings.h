// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_settings.h"

namespace quorvane {

// The user's choices a capture follows: languages, text clean-up, pinning.
class CaptureSettings {
public:
    virtual ~CaptureSettings() = default;

    // The current record.
    virtual const UserSettings &settings() const = 0;
};

} // namespace quorvane
