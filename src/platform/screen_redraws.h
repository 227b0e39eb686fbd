// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QRegion>

#include <chrono>
#include <functional>
#include <memory>

namespace quorvane {

// Tells when parts of the screen have been drawn. Main thread only.
class ScreenRedraws {
public:
    virtual ~ScreenRedraws() = default;

    // Resolves once every point of `area` (Qt's global logical coordinates) has been drawn
    // on the screen after this call, by whichever program owns what shows there (the
    // server's fills count as makeOwnChanges says), or after `bound` when that does not
    // happen; at once where the desktop cannot tell.
    virtual QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds bound) = 0;
    // Runs `changes`, the program's own changes to the screen (hiding its windows), for
    // the pending waits. What the display server draws for them, such as filling an
    // uncovered window with its background colour, is no drawing by the owner: it counts
    // once the owner has drawn after it, and no longer bars the wait where the owner leaves
    // that background as it is.
    virtual void makeOwnChanges(const std::function<void()> &changes) { changes(); }

    // The screen of the running desktop.
    static std::unique_ptr<ScreenRedraws> create();
};

} // namespace quorvane
