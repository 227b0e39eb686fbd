// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QException>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>

#include <exception>
#include <memory>
#include <optional>
#include <type_traits>

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
    // Not a continuation with a context: Qt 6.4 checks that context from the thread that
    // ends the future and then posts to it, so a context deleted in between (a window
    // closed while the history is read) is posted to after it is gone. A watcher owned by
    // the context is told under the future's own lock and goes with the context.
    // It holds the future only until delivery, so that its result (a whole screenshot,
    // say) is not kept as long as the context lives.
    auto *watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, handler] {
        const QFuture<T> finished = watcher->future();
        watcher->deleteLater();
        handler(finished);
    });
    watcher->setFuture(std::move(future));
}

// `future` handed on so that it finishes on `context`'s thread, where continuations that
// name a context may safely check it; cancelled if `context` goes first. For the futures
// of work done on a pool's thread.
template <typename T>
QFuture<T> finishedOnThreadOf(QObject *context, QFuture<T> future)
{
    auto promise = std::make_shared<QPromise<T>>();
    promise->start();
    QFuture<T> handedOn = promise->future();
    // Should the context go first, the promise goes with the watcher and cancels itself.
    whenFinished(std::move(future), context, [promise](QFuture<T> finished) {
        try {
            finished.waitForFinished();
            if constexpr (!std::is_void_v<T>) {
                if (finished.resultCount() > 0)
                    promise->addResult(finished.result());
            }
            if (finished.isCanceled())
                promise->future().cancel();
        } catch (...) {
            promise->setException(std::current_exception());
        }
        promise->finish();
    });
    return handedOn;
}

} // namespace quorvane
