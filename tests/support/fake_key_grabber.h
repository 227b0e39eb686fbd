// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/global_key_grabber.h"
#include "platform/key_table.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace quorvane::test {

// A grabber that keeps its combinations in memory. Like the real one it refuses a
// combination it already holds, and it refuses the ones in `takenElsewhere` as if another
// program held them. `press` simulates a key press arriving from the display.
class FakeKeyGrabber : public GlobalKeyGrabber {
public:
    using Combination = std::pair<quint16, quint32>; // key code, four modifier bits

    bool permitted = true;
    std::set<Combination> held;
    std::set<Combination> takenElsewhere;
    int grabCalls = 0;
    // What each held combination was taken for.
    std::map<Combination, GrabPurpose> purposes;

    bool canGrab() const override { return permitted; }

    std::optional<GrabError> grab(quint16 keyCode, quint32 modifierFlags, const GrabPurpose &purpose) override
    {
        ++grabCalls;
        if (!permitted)
            return GrabError{GrabError::Reason::noDisplay};
        const Combination c{keyCode, KeyTable::modifierBits(modifierFlags)};
        if (takenElsewhere.count(c))
            return GrabError{GrabError::Reason::takenByOtherProgram, 10};
        if (held.count(c))
            return GrabError{GrabError::Reason::alreadyGrabbed};
        held.insert(c);
        purposes[c] = purpose;
        return std::nullopt;
    }

    void release(quint16 keyCode, quint32 modifierFlags) override
    {
        held.erase({keyCode, KeyTable::modifierBits(modifierFlags)});
    }

    bool holds(quint16 keyCode, quint32 modifierFlags) const
    {
        return held.count({keyCode, KeyTable::modifierBits(modifierFlags)}) > 0;
    }

    // Emits `pressed` for a held combination, as the display would.
    void press(quint16 keyCode, quint32 modifierFlags)
    {
        if (holds(keyCode, modifierFlags))
            emit pressed(keyCode, KeyTable::modifierBits(modifierFlags));
    }
};

} // namespace quorvane::test
