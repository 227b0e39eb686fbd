// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland_screen_redraws.h"

#include <QAbstractEventDispatcher>
#include <QPromise>
#include <QTimer>

namespace quorvane {

QFuture<void> WaylandScreenRedraws::whenRedrawn(const QRegion &, std::chrono::milliseconds bound)
{
    auto promise = std::make_shared<QPromise<void>>();
    promise->start();
    auto finish = [promise] {
        if (!promise->future().isFinished())
            promise->finish();
    };
    // Connected after Qt's own flush of the Wayland requests, so it runs after it.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                [this, finish] { QTimer::singleShot(settle, this, finish); }, Qt::SingleShotConnection);
    QTimer::singleShot(bound, this, finish);
    return promise->future();
}

} // namespace quorvane
