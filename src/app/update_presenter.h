// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appcast.h"

#include <QString>

namespace quorvane {

// What the user sees of a check for updates. The program's presenter shows dialogs;
// tests hand in a recorder so that no check ever waits for a click.
class UpdatePresenter {
public:
    virtual ~UpdatePresenter() = default;

    // Offers `item`, newer than `currentVersion`; true when the user wants its download page.
    virtual bool offerUpdate(const AppcastItem &item, const QString &currentVersion) = 0;
    // Tells the user who asked that `currentVersion` is the newest one.
    virtual void showUpToDate(const QString &currentVersion) = 0;
    // Tells the user who asked that the check failed, with `reason`.
    virtual void showCheckFailed(const QString &reason) = 0;
    // Tells the user who asked that this build has no feed to check.
    virtual void showNotConfigured() = 0;
};

} // namespace quorvane
