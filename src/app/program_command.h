// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"

#include <QList>
#include <QString>

#include <optional>

namespace quorvane {

// What the desktop's shortcuts, a script or a second start of the program may ask the
// running program to do.
enum class ProgramCommand { capture, repeat, code, scan, history, preferences, quit };

// How a capture ended, for whoever asked for it by a command: `failed` with the reason in
// `message`, or finished with what was done in `message` (empty when the user called the
// capture off).
struct CaptureOutcome {
    bool failed = false;
    QString message;
};

// Every command, in the order `--help` lists them.
const QList<ProgramCommand> &allProgramCommands();
// The kind of capture `command` starts, if it starts one (such a command is refused, or
// cancels the running capture's reading, while a capture runs).
std::optional<CaptureMode> captureModeOf(ProgramCommand command);
// The command-line verb ("capture", "repeat", …).
QString commandVerb(ProgramCommand command);
std::optional<ProgramCommand> commandFromVerb(const QString &verb);
// The method of the program's D-Bus interface ("QuickCapture", …).
QString commandMethod(ProgramCommand command);
// One line saying what the verb does, for `--help`, in the interface language.
QString commandSummary(ProgramCommand command);

} // namespace quorvane
