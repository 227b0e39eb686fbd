// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

namespace quorvane {

// Sends `call` on `bus` and waits for the answer while this thread's other events go on,
// so that a service in this same process can answer; an error message when none comes
// within `timeoutMs` (-1: the bus's own default).
QDBusMessage callServingEvents(const QDBusConnection &bus, const QDBusMessage &call, int timeoutMs = -1);

} // namespace quorvane
