// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_service.h"
#include "platform/dbus_call.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace quorvane {

namespace {

// A command only starts an action or opens a window, so a longer wait means a hung program.
constexpr int kReplyTimeoutMs = 10000;
// A capture waits for the user's selection and then its recognition.
constexpr int kCaptureReplyTimeoutMs = 30 * 60 * 1000;
const QString kActivationToken = QStringLiteral("activation-token");

} // namespace

CommandService::CommandService(QObject *parent) : QObject(parent) {}

CommandService::~CommandService()
{
    withdraw();
}

bool CommandService::publish(QDBusConnection bus, const QString &name)
{
    withdraw();
    if (!bus.isConnected())
        return false;
    // The interface is there before the name: a caller that sees the name finds the methods.
    if (!bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots))
        return false;
    if (!bus.registerService(name)) {
        bus.unregisterObject(objectPath);
        return false;
    }
    m_bus = bus;
    m_name = name;
    return true;
}

void CommandService::deliver(ProgramCommand command)
{
    if (const auto answer = m_answering ? m_answering(command) : std::nullopt; answer && calledFromDBus()) {
        if (!answer->taken) {
            sendErrorReply(QStringLiteral("com.corvantis.Quorvane.Error.Refused"), answer->text);
        } else {
            // The reply carries the text; a caller that expects none still reads it as done.
            setDelayedReply(true);
            connection().send(message().createReply(answer->text));
        }
    } else if (m_answersWhenDone && calledFromDBus() && captureModeOf(command).has_value()) {
        setDelayedReply(true);
        m_waiting.emplace_back(command, message());
    }
    emit commandReceived(command);
}

void CommandService::answer(ProgramCommand command, const CaptureOutcome &outcome)
{
    for (auto waiting = m_waiting.begin(); waiting != m_waiting.end();) {
        if (waiting->first != command) {
            ++waiting;
            continue;
        }
        const QDBusMessage &call = waiting->second;
        const QDBusMessage reply = outcome.failed ? call.createErrorReply(failedError, outcome.message)
                                                  : call.createReply(outcome.message);
        if (m_bus)
            m_bus->send(reply);
        waiting = m_waiting.erase(waiting);
    }
}

void CommandService::withdraw()
{
    if (!m_bus)
        return;
    m_bus->unregisterService(m_name);
    m_bus->unregisterObject(objectPath);
    m_bus.reset();
}

void CommandService::QuickCapture()
{
    deliver(ProgramCommand::capture);
}

void CommandService::RepeatCapture()
{
    deliver(ProgramCommand::repeat);
}

void CommandService::CodeCapture()
{
    deliver(ProgramCommand::code);
}

void CommandService::ScanCode()
{
    deliver(ProgramCommand::scan);
}

void CommandService::OpenHistory()
{
    deliver(ProgramCommand::history);
}

void CommandService::OpenPreferences()
{
    emit commandReceived(ProgramCommand::preferences);
}

void CommandService::Quit()
{
    emit commandReceived(ProgramCommand::quit);
}

void CommandService::receive(ProgramCommand command, const QVariantMap &platformData)
{
    const QString token = platformData.value(kActivationToken).toString();
    if (!token.isEmpty())
        emit activationTokenReceived(token);
    deliver(command);
}

void CommandService::QuickCapture(const QVariantMap &platformData)
{
    receive(ProgramCommand::capture, platformData);
}

void CommandService::RepeatCapture(const QVariantMap &platformData)
{
    receive(ProgramCommand::repeat, platformData);
}

void CommandService::CodeCapture(const QVariantMap &platformData)
{
    receive(ProgramCommand::code, platformData);
}

void CommandService::ScanCode(const QVariantMap &platformData)
{
    receive(ProgramCommand::scan, platformData);
}

void CommandService::OpenHistory(const QVariantMap &platformData)
{
    receive(ProgramCommand::history, platformData);
}

void CommandService::OpenPreferences(const QVariantMap &platformData)
{
    receive(ProgramCommand::preferences, platformData);
}

void CommandService::Quit(const QVariantMap &platformData)
{
    receive(ProgramCommand::quit, platformData);
}

CommandClient::CommandClient(QDBusConnection bus, QString service) : m_bus(std::move(bus)), m_service(std::move(service))
{
}

bool CommandClient::isProgramRunning() const
{
    return m_bus.isConnected() && m_bus.interface() && m_bus.interface()->isServiceRegistered(m_service).value();
}

std::optional<QString> CommandClient::send(ProgramCommand command, const QVariantMap &platformData,
                                           std::optional<CaptureOutcome> *outcome) const
{
    if (outcome)
        outcome->reset();
    if (!m_bus.isConnected())
        return QStringLiteral("no session bus is available");
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, CommandService::objectPath,
                                                       CommandService::interfaceName, commandMethod(command));
    if (!platformData.isEmpty())
        call << platformData;
    // Keeps serving events while waiting, so a service in this same process can answer.
    const bool waits = outcome && captureModeOf(command).has_value();
    QDBusMessage reply = callServingEvents(m_bus, call, waits ? kCaptureReplyTimeoutMs : kReplyTimeoutMs);
    // A copy from before platform data still takes the command itself.
    if (reply.type() == QDBusMessage::ErrorMessage && !platformData.isEmpty()
        && (reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod")
            || reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs")))
        return send(command, {}, outcome);
    if (outcome && reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == CommandService::failedError) {
        *outcome = CaptureOutcome{true, reply.errorMessage()};
        return std::nullopt;
    }
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (outcome && !reply.arguments().isEmpty())
            *outcome = CaptureOutcome{false, reply.arguments().constFirst().toString()};
        return std::nullopt;
    }
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

QVariantMap CommandClient::platformDataFromEnvironment()
{
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        return {};
    return {{kActivationToken, token}};
}

} // namespace quorvane
