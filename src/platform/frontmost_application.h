// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace quorvane {

// Names the application the user is working in, so a capture can record where it came from.
class FrontmostApplication {
public:
    virtual ~FrontmostApplication() = default;

    // The identifier of the application that owns the active window right now: its
    // desktop-file id when the window announces one, otherwise its window class.
    // Absent when no window is active (or no window manager tracks one).
    virtual std::optional<QString> bundleIdentifier() const = 0;

    // The implementation for this session's display server.
    static std::unique_ptr<FrontmostApplication> create();
};

} // namespace quorvane
