// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <chrono>
#include <functional>

namespace quorvane {

class ScreenRedraws;

// This program's own windows (pins, toasts, the history and preferences windows) that lie
// over part of the screen, taken off the screen while it is read and shown again after.
// Main thread only.
class ConcealedWindows : public QObject {
public:
    // Which windows may be hidden; `window` is a visible top-level window of the program.
    using Selection = std::function<bool(const QWidget &window)>;
    // Has the compositor draw all the program's windows see-through (true) or opaque
    // again; false when it did not. Where it does, the windows stay where they are.
    using SeeThrough = std::function<bool(bool seeThrough)>;

    // Finds the visible windows over `area` (Qt's global logical coordinates) that
    // `select` accepts; hides none yet. `redraws` must outlive this object.
    ConcealedWindows(const QRect &area, const Selection &select, ScreenRedraws &redraws,
                     SeeThrough seeThrough = {});
    // Shows again every window `conceal` hid, unless the program closed it meanwhile.
    ~ConcealedWindows() override;

    // Hides the windows and resolves once what they covered has been drawn again by
    // whatever lies beneath, or after `bound` when another program does not draw it.
    QFuture<void> conceal(std::chrono::milliseconds bound);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScreenRedraws &m_redraws;
    QList<QPointer<QWidget>> m_windows;
    QList<QPointer<QWidget>> m_hidden;
    SeeThrough m_seeThrough;
    bool m_madeSeeThrough = false;
    // The part of the area the windows cover.
    QRegion m_covered;
};

} // namespace quorvane
