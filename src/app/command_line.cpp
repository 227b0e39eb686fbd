// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quorvane {

namespace {

QString commandsHelp()
{
    QString text = QStringLiteral("\nCommands (sent to the running Quorvane, which is started first when none runs):\n");
    for (ProgramCommand command : allProgramCommands())
        text += QStringLiteral("  %1%2\n").arg(commandVerb(command), -14).arg(commandSummary(command));
    text += QStringLiteral("Without a command, Quorvane starts; when it already runs, its preferences open.");
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
    parser.setApplicationDescription(QStringLiteral("Turns any region of the screen into text.\n") + commandsHelp());
    // Qt's own "-platform xcb" style, which a session manager's restart line may carry.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const char *qtOption : {"platform", "session", "display", "style"}) {
        QCommandLineOption option(QString::fromLatin1(qtOption), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the commands above."),
                                 QStringLiteral("[command]"));
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
        return {CommandLineRequest::Kind::invalid, std::nullopt, QStringLiteral("Give one command at a time.")};
    const std::optional<ProgramCommand> command = commandFromVerb(positional.first());
    if (!command) {
        return {CommandLineRequest::Kind::invalid, std::nullopt,
                QStringLiteral("Unknown command \"%1\"; the commands are %2.").arg(positional.first(), verbList())};
    }
    return {CommandLineRequest::Kind::run, command, {}};
}

} // namespace quorvane
