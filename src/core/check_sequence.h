// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace quorvane {

// Numbers the checks of one state so that an older check never replaces a newer result:
// a check may still wait for its answer while a later one starts and finishes.
class CheckSequence {
public:
    // Numbers a check as it starts.
    quint64 start() { return ++m_started; }
    // Whether the check numbered `check` may show its result: not when a check started
    // after it has already shown one.
    bool mayShow(quint64 check)
    {
        if (check < m_shown)
            return false;
        m_shown = check;
        return true;
    }

private:
    quint64 m_started = 0;
    quint64 m_shown = 0;
};

} // namespace quorvane
