// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_command.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace quorvane {

// What the command line asks for.
struct CommandLineRequest {
    enum class Kind {
        run,      // start the program, or hand `command` to the copy that runs
        help,     // print `text` and end
        helpWithQtOptions,  // print the help with Qt's own options (see describeCommandLine) and end
        version,  // print `text` and end
        invalid,  // print `text` (why the line was refused) and end with a failure
    };
    Kind kind = Kind::run;
    std::optional<ProgramCommand> command;
    QString text;
};

// Gives `parser` the program's options, commands and description. Qt adds its own options
// (platform, window geometry and the like) to --help-all when a QGuiApplication runs.
void describeCommandLine(QCommandLineParser &parser);

// Reads `arguments` (the program name first). Needs an application object for the
// program's name and version, not a display; its texts come in the interface language,
// so the caller applies that first.
CommandLineRequest parseCommandLine(const QStringList &arguments);

} // namespace quorvane
