// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_command.h"

#include <array>

namespace quorvane {

namespace {

struct CommandNames {
    ProgramCommand command;
    const char *verb;
    const char *method;
    const char *summary;
};

constexpr std::array kCommands{
    CommandNames{ProgramCommand::capture, "capture", "QuickCapture", "Select a region of the screen and copy its text"},
    CommandNames{ProgramCommand::repeat, "repeat", "RepeatCapture", "Capture the last region again"},
    CommandNames{ProgramCommand::code, "code", "CodeCapture", "Capture text keeping its indentation (code mode)"},
    CommandNames{ProgramCommand::scan, "scan", "ScanCode", "Select a region and read the QR or barcode in it"},
    CommandNames{ProgramCommand::history, "history", "OpenHistory", "Open the capture history"},
    CommandNames{ProgramCommand::preferences, "preferences", "OpenPreferences", "Open the preferences"},
    CommandNames{ProgramCommand::quit, "quit", "Quit", "Quit the running program"},
};

const CommandNames &names(ProgramCommand command)
{
    for (const CommandNames &entry : kCommands) {
        if (entry.command == command)
            return entry;
    }
    Q_UNREACHABLE();
}

} // namespace

const QList<ProgramCommand> &allProgramCommands()
{
    static const QList<ProgramCommand> all = [] {
        QList<ProgramCommand> list;
        for (const CommandNames &entry : kCommands)
            list.append(entry.command);
        return list;
    }();
    return all;
}

bool isCaptureCommand(ProgramCommand command)
{
    return command == ProgramCommand::capture || command == ProgramCommand::repeat || command == ProgramCommand::code
           || command == ProgramCommand::scan;
}

QString commandVerb(ProgramCommand command)
{
    return QString::fromLatin1(names(command).verb);
}

std::optional<ProgramCommand> commandFromVerb(const QString &verb)
{
    for (const CommandNames &entry : kCommands) {
        if (verb == QLatin1String(entry.verb))
            return entry.command;
    }
    return std::nullopt;
}

QString commandMethod(ProgramCommand command)
{
    return QString::fromLatin1(names(command).method);
}

QString commandSummary(ProgramCommand command)
{
    return QString::fromLatin1(names(command).summary);
}

} // namespace quorvane
