#pragma once

#include "platform/display_directory.h"

class QScreen;

namespace quorvane {

// Qt's screens, each numbered by its RandR output id; where no X server answers
// (offscreen, other platforms), by a stable hash of the screen's name.
class X11DisplayDirectory : public DisplayDirectory {
public:
    std::vector<DisplayInfo> displays() const override;
    std::optional<DisplayInfo> mainDisplay() const override;

    // The number of one screen.
    static quint32 displayID(const QScreen *screen);
};

} // namespace quorvane
