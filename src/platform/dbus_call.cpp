// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dbus_call.h"

#include <QDBusError>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QTimer>

namespace quorvane {

namespace {

// libdbus's own limit on an answer when the caller gives none.
constexpr int kBusDefaultTimeoutMs = 25000;

} // namespace

QDBusMessage callServingEvents(const QDBusConnection &bus, const QDBusMessage &call, int timeoutMs)
{
    // Not QDBus::BlockWithGui: Qt 6.4 starts listening for the answer only after sending,
    // so an answer quick enough (a name nobody owns, on a busy machine) is missed and the
    // wait never ends. A watcher registers under the call's own lock and is told even of an
    // answer that came first.
    QDBusPendingCall pending = bus.asyncCall(call, timeoutMs);
    if (!pending.isFinished()) {
        QDBusPendingCallWatcher watcher(pending);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        // The bus ends an unanswered call itself; this only bounds a wait that would not end.
        QTimer::singleShot((timeoutMs < 0 ? kBusDefaultTimeoutMs : timeoutMs) + 1000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!pending.isFinished())
        return call.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer came in time"));
    return pending.reply();
}

} // namespace quorvane
