// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quorvane {

// Commands to sway through its IPC socket, as swaymsg sends them. Each call connects,
// asks and waits up to a second for the answer.
class SwayIpc {
public:
    // `socketPath` is sway's IPC socket (SWAYSOCK).
    explicit SwayIpc(QString socketPath);

    // Where the session is sway's (SWAYSOCK is set); none elsewhere.
    static std::optional<SwayIpc> fromEnvironment();

    // Runs `commands` (sway's command syntax, separated by ';' or ','). False when sway
    // did not answer or refused any of them.
    bool run(const QString &commands) const;

private:
    QString m_socketPath;
};

} // namespace quorvane
