// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace quorvane {

// Starts the program on its own, apart from the caller's terminal and process, and waits
// until it takes commands on `bus`: a command given while no copy runs can then be handed
// over as to any running copy, and the caller returns with its answer. Nothing when the
// program came up, otherwise why not, in the interface language. `arguments` are the
// options the new copy is started with.
std::optional<QString> startProgramInBackground(const QDBusConnection &bus, const QStringList &arguments,
                                                std::chrono::milliseconds timeout);

} // namespace quorvane
