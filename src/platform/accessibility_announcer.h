// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace quorvane {

// Speaks short messages through the screen reader without moving the focus.
class AccessibilityAnnouncer {
public:
    virtual ~AccessibilityAnnouncer() = default;

    // Asks the screen reader to speak `text` at once, interrupting what it is saying.
    virtual void announce(const QString &text) = 0;
};

// The announcer of the running toolkit's accessibility layer.
std::unique_ptr<AccessibilityAnnouncer> createAccessibilityAnnouncer();

} // namespace quorvane
