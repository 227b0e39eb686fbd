// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QException>
#include <QFuture>
#include <QObject>
#include <QPointer>

#include <exception>
#include <memory>
#include <optional>

namespace quorvane {

// How a finished future ended: with its value, with the exception it carries, or with
// neither when it was cancelled without one.
template <typename T>
struct FutureOutcome {
    std::optional<T> value;
    std::exception_ptr error;
};

// A service's own error, when a worker pool has wrapped it in QUnhandledException.
inline std::exception_ptr unwrappedException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const QUnhandledException &wrapper) {
        if (wrapper.exception())
            return unwrappedException(wrapper.exception());
    } catch (...) {
    }
    return error;
}

// The exception a finished future carries (unwrapped), or null.
template <typename T>
std::exception_ptr failureOf(QFuture<T> finished)
{
    try {
        finished.waitForFinished();
    } catch (...) {
        return unwrappedException(std::current_exception());
    }
    return nullptr;
}

template <typename T>
FutureOutcome<T> outcomeOf(QFuture<T> finished)
{
    FutureOutcome<T> outcome;
    try {
        finished.waitForFinished();
        if (finished.resultCount() > 0)
            outcome.value = finished.result();
    } catch (...) {
        outcome.error = unwrappedException(std::current_exception());
    }
    return outcome;
}

// Calls `handler` with the finished future once `future` has finished in any way,
// cancellation included (which a plain continuation skips), on `context`'s thread.
// Once `context` is gone the handler is not called.
template <typename T, typename Handler>
void whenFinished(QFuture<T> future, QObject *context, Handler handler)
{
    // Qt 6.4 asserts that a continuation's context still lives when the future ends (later
    // versions cancel the continuation instead), and a capture can end while the program
    // takes its services down: the continuation runs where the future ends and crosses to
    // the context itself, only while it lives.
    // The continuations live in the future's own state, so they must not hold the future
    // itself once it has been delivered: the state would keep itself, and its result (a
    // whole screenshot, say), alive for good. It is handed on and let go at the first call.
    QPointer<QObject> guard(context);
    auto pending = std::make_shared<std::optional<QFuture<T>>>(std::move(future));
    const auto deliver = [guard, handler, pending] {
        if (!*pending)
            return;
        QFuture<T> finished = std::move(**pending);
        pending->reset();
        if (QObject *target = guard.data())
            QMetaObject::invokeMethod(target, [guard, handler, finished] {
                if (guard)
                    handler(finished);
            });
    };
    QFuture<T> watched = **pending;
    watched.then(QtFuture::Launch::Sync, [deliver](const QFuture<T> &) { deliver(); }).onCanceled(deliver);
}

} // namespace quorvane
