#pragma once

namespace quorvane {

struct Shortcut;

// What the shortcut recorder needs of the program's global shortcuts while it records.
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
};

} // namespace quorvane
