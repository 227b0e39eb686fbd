// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quorvane {

namespace {

QString commandsHelp()
{
    //: The command line's help: the heading above the list of commands
    //% "Commands (sent to the running Quorvane, which is started first when none runs):"
    QString text = QLatin1Char('\n') + qtTrId("command_line.commands_heading") + QLatin1Char('\n');
    for (ProgramCommand command : allProgramCommands())
        text += QStringLiteral("  %1%2\n").arg(commandVerb(command), -14).arg(commandSummary(command));
    //: The command line's help: the line below the list of commands
    //% "Without a command, Quorvane starts; when it already runs, its preferences open."
    text += qtTrId("command_line.without_command");
    return text;
}

QString verbList()
{
    QStringList verbs;
    for (ProgramCommand command : allProgramCommands())
        verbs << commandVerb(command);
    return verbs.join(QStringLiteral(", "));
}

} // namespace

void describeCommandLine(QCommandLineParser &parser)
{
    // The commands come with the description, so that Qt's own --help-all lists them too.
    //: The command line's help: what the program does, in one sentence
    //% "Turns any region of the screen into text."
    parser.setApplicationDescription(qtTrId("command_line.description") + QLatin1Char('\n') + commandsHelp());
    // Qt's own "-platform xcb" style, which a session manager's restart line may carry.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const char *qtOption : {"platform", "session", "display", "style"}) {
        QCommandLineOption option(QString::fromLatin1(qtOption), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // The argument's name stays as typed; only what it means is translated.
    parser.addPositionalArgument(QStringLiteral("command"),
                                 //: The command line's help: what the optional argument "command" is; the list of commands stands above it
                                 //% "One of the commands above."
                                 qtTrId("command_line.command_argument"), QStringLiteral("[command]"));
}

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeCommandLine(parser);

    if (!parser.parse(arguments))
        return {CommandLineRequest::Kind::invalid, std::nullopt, parser.errorText()};
    if (parser.isSet(QStringLiteral("help-all")))
        return {CommandLineRequest::Kind::helpWithQtOptions, std::nullopt, {}};
    if (parser.isSet(QStringLiteral("help")))
        return {CommandLineRequest::Kind::help, std::nullopt, parser.helpText()};
    if (parser.isSet(QStringLiteral("version"))) {
        return {CommandLineRequest::Kind::version, std::nullopt,
                QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion())};
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return {};
    if (positional.size() > 1)
        return {CommandLineRequest::Kind::invalid, std::nullopt,
                //: The command line was given more than one command
                //% "Give one command at a time."
                qtTrId("command_line.one_command")};
    const std::optional<ProgramCommand> command = commandFromVerb(positional.first());
    if (!command) {
        return {CommandLineRequest::Kind::invalid, std::nullopt,
                //: The command line was given a word that is no command; %1 is that word, %2 lists the commands
                //% "Unknown command \"%1\"; the commands are %2."
                qtTrId("command_line.unknown_command").arg(positional.first(), verbList())};
    }
    return {CommandLineRequest::Kind::run, command, {}};
}

} // namespace quorvane
