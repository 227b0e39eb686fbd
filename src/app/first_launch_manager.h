// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/user_defaults.h"

#include <QString>

namespace quorvane {

// Remembers, per user, that the first-launch tooltip has been shown.
class FirstLaunchManager {
public:
    explicit FirstLaunchManager(UserDefaults &userDefaults) : m_userDefaults(userDefaults) {}

    static inline const QString hasLaunchedKey = QStringLiteral("com.corvantis.hasLaunchedBefore");

    // The stored flag; an absent key reads false.
    bool hasLaunchedBefore() const { return m_userDefaults.boolValue(hasLaunchedKey).value_or(false); }
    void markLaunched() { m_userDefaults.setBool(hasLaunchedKey, true); }

private:
    UserDefaults &m_userDefaults;
};

} // namespace quorvane
