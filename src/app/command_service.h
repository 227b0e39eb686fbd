// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/program_command.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

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

    // How the program takes a command other than as asked: refused (a capture already
    // runs), or taken as a cancel of the running capture of the same kind. `text` says
    // why, or what was done instead, in the interface language.
    struct Answer {
        bool taken = false;
        QString text;
    };
    // The answer to `command` if given now, or nothing when it is simply taken.
    using Answering = std::function<std::optional<Answer>(ProgramCommand command)>;
    // The command is delivered either way (the program tells the user, or cancels the
    // running capture); its caller gets a refusal as an error and a different taking as
    // the reply's text.
    void setAnswering(Answering answering) { m_answering = std::move(answering); }

    // From now on a caller of a capture command is answered when that capture ends, through
    // `answer`, rather than as soon as it is delivered.
    void answerCapturesWhenDone() { m_answersWhenDone = true; }
    // Answers every caller waiting for `command`: an error that carries the reason when the
    // capture failed, otherwise a reply that carries what was done.
    void answer(ProgramCommand command, const CaptureOutcome &outcome);
    static inline const QString failedError = QStringLiteral("com.corvantis.Quorvane.Error.Failed");

public slots:
    Q_SCRIPTABLE void QuickCapture();
    Q_SCRIPTABLE void RepeatCapture();
    Q_SCRIPTABLE void CodeCapture();
    Q_SCRIPTABLE void ScanCode();
    Q_SCRIPTABLE void OpenHistory();
    Q_SCRIPTABLE void OpenPreferences();
    Q_SCRIPTABLE void Quit();
    // The same, with what the desktop handed the caller to pass on (as
    // org.freedesktop.Application's platform data): "activation-token" is the caller's
    // XDG_ACTIVATION_TOKEN, with which a window the command brings up may take the focus.
    Q_SCRIPTABLE void QuickCapture(const QVariantMap &platformData);
    Q_SCRIPTABLE void RepeatCapture(const QVariantMap &platformData);
    Q_SCRIPTABLE void CodeCapture(const QVariantMap &platformData);
    Q_SCRIPTABLE void ScanCode(const QVariantMap &platformData);
    Q_SCRIPTABLE void OpenHistory(const QVariantMap &platformData);
    Q_SCRIPTABLE void OpenPreferences(const QVariantMap &platformData);
    Q_SCRIPTABLE void Quit(const QVariantMap &platformData);

signals:
    // The desktop's token for activating a window came with the next command; delivered
    // on the main thread, before that command.
    void activationTokenReceived(const QString &token);
    // A caller on the bus asked for `command`; delivered on the main thread.
    void commandReceived(quorvane::ProgramCommand command);

private:
    void withdraw();
    void deliver(ProgramCommand command);
    void receive(ProgramCommand command, const QVariantMap &platformData);

    std::optional<QDBusConnection> m_bus;
    QString m_name;
    Answering m_answering;
    bool m_answersWhenDone = false;
    std::vector<std::pair<ProgramCommand, QDBusMessage>> m_waiting;
};

// Hands commands to the running program over the session bus.
class CommandClient {
public:
    explicit CommandClient(QDBusConnection bus, QString service = CommandService::serviceName);

    // Whether a copy of the program owns the command interface's name.
    bool isProgramRunning() const;
    // Asks that copy to perform `command` and waits for its answer: nothing when it took
    // the command, otherwise why it did not. `platformData` (see CommandService) goes with
    // it where there is any.
    // With `outcome`, a capture command is waited for until the capture ends (see
    // CommandService::answerCapturesWhenDone), and how it ended is stored there; a copy that
    // answers at once leaves it empty.
    std::optional<QString> send(ProgramCommand command, const QVariantMap &platformData = {},
                                std::optional<CaptureOutcome> *outcome = nullptr) const;

    // What the desktop handed this process for the running copy: its activation token.
    static QVariantMap platformDataFromEnvironment();

private:
    QDBusConnection m_bus;
    QString m_service;
};

} // namespace quorvane
