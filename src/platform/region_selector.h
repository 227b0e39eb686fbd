#pragma once

#include "platform/display_list.h"

#include <QImage>
#include <QList>
#include <QRect>

#include <functional>
#include <optional>

namespace quorvane {

// A rectangle the user selected on one monitor, with the pixels it showed.
struct RegionSelection {
    // The selected pixels at the monitor's full resolution (device pixel ratio = scale).
    QImage image;
    // The selection in points, relative to the monitor's top left.
    QRect rect;
    quint32 displayId = 0;
    qreal scale = 1.0;
};

// Lets the user select a region of the screen.
class RegionSelector {
public:
    using Completion = std::function<void(std::optional<RegionSelection>)>;

    virtual ~RegionSelector() = default;

    // Freezes what `displays` show, lets the user drag out a rectangle on one of them and
    // calls `done` exactly once: with the selection, or with nothing when the user
    // dismissed it (Escape, right click). A request while one is running is dismissed at
    // once. Returns false, without calling `done`, when no monitor's picture could be
    // read, so nothing could be shown. Main thread.
    virtual bool select(const QList<DisplayInfo> &displays, Completion done) = 0;
};

} // namespace quorvane
