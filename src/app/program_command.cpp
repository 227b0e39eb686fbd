// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_command.h"

#include <QCoreApplication>

#include <array>

namespace quorvane {

namespace {

struct CommandNames {
    ProgramCommand command;
    const char *verb;
    const char *method;
    const char *summaryId;
};

constexpr std::array kCommands{
    CommandNames{ProgramCommand::capture, "capture", "QuickCapture",
                 //: The command line's help: what the command "capture" does
                 //% "Select a region of the screen and copy its text"
                 QT_TRID_NOOP("command_line.command.capture")},
    CommandNames{ProgramCommand::repeat, "repeat", "RepeatCapture",
                 //: The command line's help: what the command "repeat" does
                 //% "Capture the last region again"
                 QT_TRID_NOOP("command_line.command.repeat")},
    CommandNames{ProgramCommand::code, "code", "CodeCapture",
                 //: The command line's help: what the command "code" does
                 //% "Capture text keeping its indentation (code mode)"
                 QT_TRID_NOOP("command_line.command.code")},
    CommandNames{ProgramCommand::scan, "scan", "ScanCode",
                 //: The command line's help: what the command "scan" does
                 //% "Select a region and read the QR code or barcode in it"
                 QT_TRID_NOOP("command_line.command.scan")},
    CommandNames{ProgramCommand::history, "history", "OpenHistory",
                 //: The command line's help: what the command "history" does
                 //% "Open the capture history"
                 QT_TRID_NOOP("command_line.command.history")},
    CommandNames{ProgramCommand::preferences, "preferences", "OpenPreferences",
                 //: The command line's help: what the command "preferences" does
                 //% "Open the preferences"
                 QT_TRID_NOOP("command_line.command.preferences")},
    CommandNames{ProgramCommand::quit, "quit", "Quit",
                 //: The command line's help: what the command "quit" does
                 //% "Quit the running program"
                 QT_TRID_NOOP("command_line.command.quit")},
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

std::optional<CaptureMode> captureModeOf(ProgramCommand command)
{
    switch (command) {
    case ProgramCommand::capture: return CaptureMode::normal;
    case ProgramCommand::repeat: return CaptureMode::repeat;
    case ProgramCommand::code: return CaptureMode::code;
    case ProgramCommand::scan: return CaptureMode::scanCode;
    case ProgramCommand::history:
    case ProgramCommand::preferences:
    case ProgramCommand::quit: return std::nullopt;
    }
    return std::nullopt;
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
    return qtTrId(names(command).summaryId);
}

} // namespace quorvane
