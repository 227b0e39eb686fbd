// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QPromise>
#include <QThreadPool>

#include <exception>
#include <memory>
#include <type_traits>
#include <utility>

namespace quorvane {

// Runs `work` on `pool` and returns its future. Unlike QtConcurrent::run, an exception of
// any type reaches the caller as it was thrown (not wrapped in QUnhandledException), so
// `future.result()` and `.onFailed([](const SomeError &) {...})` see the service's error.
template <typename Work>
auto runAsync(QThreadPool &pool, Work work) -> QFuture<std::invoke_result_t<Work>>
{
    using Result = std::invoke_result_t<Work>;
    // QThreadPool takes a copyable std::function; the promise is move-only, so it is shared.
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    pool.start([promise, work = std::move(work)]() mutable {
        try {
            if constexpr (std::is_void_v<Result>) {
                work();
            } else {
                promise->addResult(work());
            }
        } catch (...) {
            promise->setException(std::current_exception());
        }
        promise->finish();
    });
    return future;
}

} // namespace quorvane
