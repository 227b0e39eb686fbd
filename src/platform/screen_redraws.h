#pragma once

#include <QFuture>
#include <QRegion>

#include <chrono>
#include <memory>

namespace quorvane {

// Tells when parts of the screen have been drawn. Main thread only.
class ScreenRedraws {
public:
    virtual ~ScreenRedraws() = default;

    // Resolves once every point of `area` (Qt's global logical coordinates) has been drawn
    // on the screen after this call, by whichever program owns what shows there, or after
    // `bound` when that does not happen; at once where the desktop cannot tell.
    virtual QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds bound) = 0;

    // The screen of the running desktop.
    static std::unique_ptr<ScreenRedraws> create();
};

} // namespace quorvane
