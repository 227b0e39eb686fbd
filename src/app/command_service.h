#pragma once

#include "app/program_command.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace quorvane {

// The running program's command interface on the session bus: one method per action
// that the desktop's shortcut settings, a script or `quorvane <command>` may ask for.
// Owning its bus name is what makes a copy of the program the running one.
class CommandService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.corvantis.Quorvane")
public:
    static inline const QString serviceName = QStringLiteral("com.corvantis.Quorvane");
    static inline const QString objectPath = QStringLiteral("/com/corvantis/Quorvane");
    static inline const QString interfaceName = QStringLiteral("com.corvantis.Quorvane");

    explicit CommandService(QObject *parent = nullptr);
    // Withdraws the interface and gives the name up.
    ~CommandService() override;

    // Exports the interface on `bus`, then claims `name`. False when the bus is not
    // connected or another copy owns the name; nothing stays published then.
    bool publish(QDBusConnection bus, const QString &name = serviceName);

    // Why the program cannot take `command` now (a capture already runs), or nothing.
    using Refusal = std::function<std::optional<QString>(ProgramCommand command)>;
    // A refused command is still delivered (the program tells the user, or cancels the
    // running capture when it is the same one), and its caller gets the reason as an error.
    void setRefusal(Refusal refusal) { m_refusal = std::move(refusal); }

public slots:
    Q_SCRIPTABLE void QuickCapture();
    Q_SCRIPTABLE void RepeatCapture();
    Q_SCRIPTABLE void CodeCapture();
    Q_SCRIPTABLE void ScanCode();
    Q_SCRIPTABLE void OpenHistory();
    Q_SCRIPTABLE void OpenPreferences();
    Q_SCRIPTABLE void Quit();

signals:
    // A caller on the bus asked for `command`; delivered on the main thread.
    void commandReceived(quorvane::ProgramCommand command);

private:
    void withdraw();
    void deliver(ProgramCommand command);

    std::optional<QDBusConnection> m_bus;
    QString m_name;
    Refusal m_refusal;
};

// Hands commands to the running program over the session bus.
class CommandClient {
public:
    explicit CommandClient(QDBusConnection bus, QString service = CommandService::serviceName);

    // Whether a copy of the program owns the command interface's name.
    bool isProgramRunning() const;
    // Asks that copy to perform `command` and waits for its answer: nothing when it took
    // the command, otherwise why it did not.
    std::optional<QString> send(ProgramCommand command) const;

private:
    QDBusConnection m_bus;
    QString m_service;
};

} // namespace quorvane
