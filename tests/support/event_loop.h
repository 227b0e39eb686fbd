// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFuture>

#include <functional>

namespace quorvane::test {

// Spins the event loop until `done` holds or `timeoutMs` passes; returns whether it held.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Waits for `future` while the event loop runs, so continuations on the main thread fire.
template <typename T>
bool waitFor(const QFuture<T> &future, int timeoutMs = 30000)
{
    return waitUntil([&] { return future.isFinished(); }, timeoutMs);
}

// Lets queued work run: posted events, zero-delay timers, and what they post in turn.
inline void drainEvents()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

} // namespace quorvane::test
