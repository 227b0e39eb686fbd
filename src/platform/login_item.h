// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/phrase.h"

namespace quorvane {

// A login item failed to change; `what()` is a readable reason.
class LoginItemError : public PhraseError {
public:
    using PhraseError::PhraseError;
};

// Whether the program starts when the user logs in.
class LoginItem {
public:
    enum class Status {
        notRegistered, // nothing starts the program at login
        enabled,       // the program starts at login
    };

    virtual ~LoginItem() = default;

    // The current registration, read afresh on every call.
    virtual Status status() const = 0;
    // Makes the program start at login; throws LoginItemError when that fails.
    virtual void registerItem() = 0;
    // Stops the program from starting at login; throws LoginItemError when that fails.
    virtual void unregisterItem() = 0;
};

} // namespace quorvane
