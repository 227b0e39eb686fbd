// SPDX-License-Identifier: GPL-3.0-or-later
// The command interface on the test's private session bus, reached the way another
// process reaches it (its own connection), and the command line that feeds it.
#include "app/command_line.h"
#include "app/command_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// A name of this test's own, so that nothing else on the bus is touched.
const QString testName = QStringLiteral("com.corvantis.QuorvaneTest");

struct CallerConnection {
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("caller"));
    ~CallerConnection() { QDBusConnection::disconnectFromBus(QStringLiteral("caller")); }
};

} // namespace

TEST(CommandServiceTest, EveryCommandArrivesAsSentAndTheNameKeepsOneOwner)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "needs a session bus: run under dbus-run-session";
    CallerConnection caller;
    const CommandClient client(caller.bus, testName);
    EXPECT_FALSE(client.isProgramRunning());
    EXPECT_TRUE(client.send(ProgramCommand::capture).has_value()); // nobody to take it

    QList<ProgramCommand> received;
    QStringList tokens;
    {
        CommandService service;
        QObject::connect(&service, &CommandService::commandReceived, [&](ProgramCommand c) { received << c; });
        QObject::connect(&service, &CommandService::activationTokenReceived, [&](const QString &t) { tokens << t; });
        ASSERT_TRUE(service.publish(QDBusConnection::sessionBus(), testName));
        EXPECT_TRUE(client.isProgramRunning());

        // A second copy finds the name taken.
        CommandService second;
        EXPECT_FALSE(second.publish(caller.bus, testName));

        for (ProgramCommand command : allProgramCommands())
            EXPECT_EQ(client.send(command), std::nullopt) << commandVerb(command).toStdString();
        // With the desktop's activation token for the window it brings up.
        qputenv("XDG_ACTIVATION_TOKEN", "token-1");
        EXPECT_EQ(client.send(ProgramCommand::preferences, CommandClient::platformDataFromEnvironment()), std::nullopt);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        EXPECT_TRUE(CommandClient::platformDataFromEnvironment().isEmpty());
        EXPECT_EQ(client.send(ProgramCommand::history, {{"other", 1}}), std::nullopt);
    }
    EXPECT_EQ(received, allProgramCommands() + QList<ProgramCommand>({ProgramCommand::preferences, ProgramCommand::history}));
    EXPECT_EQ(tokens, QStringList{"token-1"});
    // Gone with the service.
    EXPECT_FALSE(client.isProgramRunning());
}

TEST(CommandLineTest, VerbsNameTheirCommandsAndAnythingElseIsRefused)
{
    for (ProgramCommand command : allProgramCommands()) {
        const CommandLineRequest request = parseCommandLine({"quorvane", commandVerb(command)});
        EXPECT_EQ(request.kind, CommandLineRequest::Kind::run);
        EXPECT_EQ(request.command, command);
    }
    EXPECT_EQ(parseCommandLine({"quorvane"}).command, std::nullopt);
    EXPECT_EQ(parseCommandLine({"quorvane", "-platform", "xcb", "scan"}).command, ProgramCommand::scan);
    EXPECT_EQ(parseCommandLine({"quorvane", "capture", "history"}).kind, CommandLineRequest::Kind::invalid);
    EXPECT_EQ(parseCommandLine({"quorvane", "Capture"}).kind, CommandLineRequest::Kind::invalid);
    EXPECT_EQ(parseCommandLine({"quorvane", "--bogus"}).kind, CommandLineRequest::Kind::invalid);
    EXPECT_EQ(parseCommandLine({"quorvane", "history", "--help"}).kind, CommandLineRequest::Kind::help);
}

TEST(CommandServiceTest, ARefusedCommandStillArrivesAndItsCallerHearsWhy)
{
    CallerConnection caller;
    const CommandClient client(caller.bus, testName);
    CommandService service;
    QList<ProgramCommand> received;
    QObject::connect(&service, &CommandService::commandReceived, [&](ProgramCommand c) { received << c; });
    service.setRefusal([](ProgramCommand command) -> std::optional<QString> {
        if (command == ProgramCommand::capture)
            return QStringLiteral("A capture operation is already in progress");
        return std::nullopt;
    });
    ASSERT_TRUE(service.publish(QDBusConnection::sessionBus(), testName));
    EXPECT_EQ(client.send(ProgramCommand::capture), QStringLiteral("A capture operation is already in progress"));
    EXPECT_EQ(client.send(ProgramCommand::history), std::nullopt);
    EXPECT_EQ(received, (QList<ProgramCommand>{ProgramCommand::capture, ProgramCommand::history}));
}

TEST(CommandServiceTest, ACaptureCallerWaitsForHowTheCaptureEndedAndOthersAreAnsweredAtOnce)
{
    CallerConnection caller;
    const CommandClient client(caller.bus, testName);
    CommandService service;
    service.answerCapturesWhenDone();
    CaptureOutcome next;
    QObject::connect(&service, &CommandService::commandReceived, [&](ProgramCommand command) {
        if (isCaptureCommand(command))
            QTimer::singleShot(0, &service, [&service, command, &next] { service.answer(command, next); });
    });
    ASSERT_TRUE(service.publish(QDBusConnection::sessionBus(), testName));

    std::optional<CaptureOutcome> outcome;
    next = {true, QStringLiteral("no screenshot service")};
    EXPECT_EQ(client.send(ProgramCommand::capture, {}, &outcome), std::nullopt);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->failed);
    EXPECT_EQ(outcome->message, QStringLiteral("no screenshot service"));

    outcome.reset();
    next = {false, QStringLiteral("Copied to clipboard")};
    EXPECT_EQ(client.send(ProgramCommand::repeat, {}, &outcome), std::nullopt);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->failed);
    EXPECT_EQ(outcome->message, QStringLiteral("Copied to clipboard"));

    outcome.reset();
    EXPECT_EQ(client.send(ProgramCommand::history, {}, &outcome), std::nullopt);
    EXPECT_FALSE(outcome.has_value());
}
