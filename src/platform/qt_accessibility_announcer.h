// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/accessibility_announcer.h"

namespace quorvane {

// Announcements through Qt's accessibility bridge (AT-SPI on Linux), posted on the
// application object. Qt versions without announcement events stay silent.
class QtAccessibilityAnnouncer : public AccessibilityAnnouncer {
public:
    void announce(const QString &text) override;
};

} // namespace quorvane
