// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// The name the preferences show for a key of the settings record ("maxHistoryEntries"
// reads "Maximum history entries"); the key itself when there is none.
QString settingDisplayName(const QString &key);

// The warning that names the settings whose stored values could not be read and took
// their defaults.
QString settingsResetMessage(const QStringList &keys);
QString settingsResetTitle();

} // namespace quorvane
