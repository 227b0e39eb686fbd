// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shortcut.h"
#include "platform/global_key_grabber.h"

#include <QString>

#include <optional>

namespace quorvane {

// What the shortcuts pane needs of the program's global shortcuts: to give them back while
// a recorder records, and to say who holds them.
class GlobalShortcutGate {
public:
    virtual ~GlobalShortcutGate() = default;

    // Gives every held combination back to the desktop until the matching `resume`, so a
    // press of one of them reaches the focused window instead of running its action.
    // Calls nest.
    virtual void suspend() = 0;
    // Ends one `suspend`; after the last one the combinations are taken again.
    virtual void resume() = 0;
    // Whether another program holds the combination, so that this program could not take it.
    virtual bool isHeldByAnotherProgram(const Shortcut &shortcut) = 0;
    // Whether this program, the desktop or nobody holds the shortcuts.
    virtual ShortcutOwnership ownership() const { return ShortcutOwnership::program; }
    // Whether the slot's shortcut could not be taken when last registered (another
    // program holds it), so pressing it does nothing.
    virtual bool wasRefused(ShortcutAction) const { return false; }
    // Where the desktop holds them: how it says the slot's shortcut is triggered.
    virtual std::optional<QString> desktopTrigger(ShortcutAction) const { return std::nullopt; }
};

} // namespace quorvane
