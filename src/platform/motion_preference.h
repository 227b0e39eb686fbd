// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace quorvane {

// The user's desktop-wide wish for less animation.
class MotionPreference {
public:
    virtual ~MotionPreference() = default;

    // True when the user asked the desktop to reduce or turn off animations; read anew
    // on every call.
    virtual bool reduceMotion() const = 0;
};

// The preference as the running desktop publishes it.
std::unique_ptr<MotionPreference> createMotionPreference();

} // namespace quorvane
