// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/concealed_windows.h"

#include "platform/screen_redraws.h"
#include "platform/tiling_float.h"

#include <QApplication>
#include <QEvent>

namespace quorvane {

namespace {

bool mayCover(const QWidget *window)
{
    if (!window->isWindow() || !window->isVisible())
        return false;
    switch (window->windowType()) {
    case Qt::Desktop:
    case Qt::Popup: // an open menu holds the keyboard; hiding would close it
        return false;
    default:
        // The tray icon's window lives inside the tray, where Qt reports no screen position.
        return !window->inherits("QSystemTrayIconSys");
    }
}

} // namespace

ConcealedWindows::ConcealedWindows(const QRect &area, const Selection &select, ScreenRedraws &redraws,
                                   SeeThrough seeThrough)
    : m_redraws(redraws), m_seeThrough(std::move(seeThrough))
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!mayCover(window) || !window->frameGeometry().intersects(area) || !select(*window))
            continue;
        m_windows.append(window);
        m_covered += window->frameGeometry().intersected(area);
    }
}

ConcealedWindows::~ConcealedWindows()
{
    if (m_madeSeeThrough)
        m_seeThrough(false);
    for (const QPointer<QWidget> &window : std::as_const(m_hidden)) {
        if (window) {
            window->removeEventFilter(this);
            // A tiling compositor sees a window shown again as a new one: it floats again,
            // at the size it had, rather than being tiled beside the user's windows.
            floatWhenShown(*window);
            window->setVisible(true);
        }
    }
}

QFuture<void> ConcealedWindows::conceal(std::chrono::milliseconds bound)
{
    // Watched before the windows go, so no drawing is missed.
    QFuture<void> redrawn = m_redraws.whenRedrawn(m_covered, bound);
    // Drawn see-through, the windows keep their place, size and the keyboard; hidden and
    // shown again, a compositor that places windows itself sees new ones.
    if (!m_windows.isEmpty() && m_seeThrough && m_seeThrough(true)) {
        m_madeSeeThrough = true;
        m_redraws.makeOwnChanges([] {});
        return redrawn;
    }
    m_redraws.makeOwnChanges([this] {
        for (const QPointer<QWidget> &window : std::as_const(m_windows)) {
            if (!window || !window->isVisible())
                continue;
            // A window the program closes while it is hidden (a toast running out) stays closed.
            window->installEventFilter(this);
            window->hide();
            m_hidden.append(window);
        }
    });
    return redrawn;
}

bool ConcealedWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        m_hidden.removeAll(qobject_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}

} // namespace quorvane
