// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/display_list.h"

#include <QImage>
#include <QList>
#include <QRect>

#include <functional>
#include <variant>

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

// Why a selection ended without a region.
enum class NoSelection {
    dismissed,    // the user dismissed the overlay, or the desktop's own screenshot dialog
    accessDenied, // the desktop refused to give the screen's picture
    noPortal,     // the desktop's portal offers no screenshots (a backend is not installed)
    unreadable,   // the screen's picture could not be had for another reason
};

// How a selection ended: the region, or why there is none.
using SelectionOutcome = std::variant<RegionSelection, NoSelection>;

// Lets the user select a region of the screen.
class RegionSelector {
public:
    using Completion = std::function<void(SelectionOutcome)>;

    virtual ~RegionSelector() = default;

    // Freezes what `displays` show, lets the user drag out a rectangle on one of them and
    // calls `done` exactly once: with the selection, or with why there is none (the user
    // dismissed it with Escape or a right click; a selector that asks the desktop for the
    // picture also passes on its refusal). A request while one is running is dismissed at
    // once. Returns false, without calling `done`, when no monitor's picture could be
    // read at once, so nothing could be shown. Main thread.
    virtual bool select(const QList<DisplayInfo> &displays, Completion done) = 0;
};

} // namespace quorvane
