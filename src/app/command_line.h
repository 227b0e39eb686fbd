#pragma once

#include "app/program_command.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quorvane {

// What the command line asks for.
struct CommandLineRequest {
    enum class Kind {
        run,      // start the program, or hand `command` to the copy that runs
        help,     // print `text` and end
        version,  // print `text` and end
        invalid,  // print `text` (why the line was refused) and end with a failure
    };
    Kind kind = Kind::run;
    std::optional<ProgramCommand> command;
    QString text;
};

// Reads `arguments` (the program name first). Needs an application object for the
// program's name and version, not a display; its texts come in the interface language,
// so the caller applies that first.
CommandLineRequest parseCommandLine(const QStringList &arguments);

} // namespace quorvane
