// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/window_concealer.h"
#include "platform/screen_redraws.h"

namespace quorvane::test {

// Hides none of the test's windows: they stand for other programs' windows on the screen.
class ConcealNothing : public WindowConcealer {
public:
    ConcealNothing()
        : WindowConcealer(s_noRedraws, [](const QWidget &) { return false; })
    {
    }

private:
    // Nothing hidden, nothing to wait for.
    class NoRedraws : public ScreenRedraws {
    public:
        QFuture<void> whenRedrawn(const QRegion &, std::chrono::milliseconds) override
        {
            return QtFuture::makeReadyFuture();
        }
    };
    inline static NoRedraws s_noRedraws;
};

} // namespace quorvane::test
