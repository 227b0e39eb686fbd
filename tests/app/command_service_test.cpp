// SPDX-License-Identifier: GPL-3.0-or-later
// The command interface on the test's private session bus, reached the way another
// process reaches it (its own connection), and the command line that feeds it.
#include "app/command_line.h"
#include "app/command_service.h"
#include "platform/log_categories.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QMetaMethod>

#include <functional>
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

TEST(CommandServiceTest, ARefusedOrCancellingCommandStillArrivesAndItsCallerHearsWhatHappened)
{
    CallerConnection caller;
    const CommandClient client(caller.bus, testName);
    CommandService service;
    QList<ProgramCommand> received;
    QObject::connect(&service, &CommandService::commandReceived, [&](ProgramCommand c) { received << c; });
    service.setAnswering([](ProgramCommand command) -> std::optional<CommandService::Answer> {
        if (command == ProgramCommand::capture)
            return CommandService::Answer{false, QStringLiteral("A capture operation is already in progress")};
        if (command == ProgramCommand::scan)
            return CommandService::Answer{true, QStringLiteral("The running capture was cancelled.")};
        return std::nullopt;
    });
    ASSERT_TRUE(service.publish(QDBusConnection::sessionBus(), testName));
    std::optional<CaptureOutcome> note;
    EXPECT_EQ(client.send(ProgramCommand::capture, {}, &note), QStringLiteral("A capture operation is already in progress"));
    EXPECT_FALSE(note.has_value());
    // A cancel is what the caller asked for: taken, and said.
    EXPECT_EQ(client.send(ProgramCommand::scan, {{"activation-token", "t"}}, &note), std::nullopt);
    ASSERT_TRUE(note.has_value());
    EXPECT_FALSE(note->failed);
    EXPECT_EQ(note->message, QStringLiteral("The running capture was cancelled."));
    note.reset();
    EXPECT_EQ(client.send(ProgramCommand::history, {}, &note), std::nullopt);
    EXPECT_FALSE(note.has_value());
    EXPECT_EQ(received, (QList<ProgramCommand>{ProgramCommand::capture, ProgramCommand::scan, ProgramCommand::history}));
}

// The man page is the reference: it names every command, every method of the bus interface
// in each of its forms, and every log category the program writes in.
TEST(CommandServiceTest, TheManPageDescribesEveryCommandMethodAndLogCategory)
{
    QFile file(QStringLiteral(QUORVANE_SOURCE_DIR "/resources/quorvane.1"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());

    for (ProgramCommand command : allProgramCommands())
        EXPECT_TRUE(page.contains(QStringLiteral("\n.B %1\n").arg(commandVerb(command)))) << commandVerb(command).toStdString();

    const QMetaObject &interface = CommandService::staticMetaObject;
    int methods = 0;
    for (int i = interface.methodOffset(); i < interface.methodCount(); ++i) {
        const QMetaMethod method = interface.method(i);
        if (!(method.attributes() & QMetaMethod::Scriptable))
            continue;
        ++methods;
        const QString name = QString::fromLatin1(method.name());
        const QString form = method.parameterCount() == 0 ? QStringLiteral(".BR %1 \"(), \"").arg(name)
                                                          : QStringLiteral("%1 \"(a{sv} platform_data)\"").arg(name);
        EXPECT_EQ(method.parameterCount() == 0 || method.parameterMetaType(0) == QMetaType::fromType<QVariantMap>(), true)
            << name.toStdString();
        EXPECT_TRUE(page.contains(form)) << form.toStdString();
    }
    EXPECT_EQ(methods, 2 * allProgramCommands().size());

    for (const QLoggingCategory &category :
         {std::cref(lcApp()), std::cref(lcCapture()), std::cref(lcRecognition()), std::cref(lcImport()),
          std::cref(lcHistory()), std::cref(lcPins()), std::cref(lcHotkeys()), std::cref(lcPermissions()),
          std::cref(lcSettings()), std::cref(lcNotifications()), std::cref(lcUpdater()), std::cref(lcWindows()),
          std::cref(lcPlatform()), std::cref(lcText())})
        EXPECT_TRUE(page.contains(QString::fromLatin1(category.categoryName()))) << category.categoryName();
}

TEST(CommandServiceTest, ACaptureCallerWaitsForHowTheCaptureEndedAndOthersAreAnsweredAtOnce)
{
    CallerConnection caller;
    const CommandClient client(caller.bus, testName);
    CommandService service;
    service.answerCapturesWhenDone();
    CaptureOutcome next;
    QObject::connect(&service, &CommandService::commandReceived, [&](ProgramCommand command) {
        if (captureModeOf(command).has_value())
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
