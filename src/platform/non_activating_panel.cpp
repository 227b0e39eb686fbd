// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/non_activating_panel.h"

#include "platform/sway_window_rules.h"
#include "platform/tiling_float.h"
#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QRegion>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

namespace quorvane {

NonActivatingPanel::NonActivatingPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void NonActivatingPanel::orderFront()
{
    if (!isVisible()) {
        if (SwayWindowRules *sway = SwayWindowRules::session()) {
            sway->floatBorderless(windowTitle(), SwayWindowRules::Keyboard::left,
                                  appearsAtPointer() ? SwayWindowRules::Place::atPointer
                                                     : SwayWindowRules::Place::byCompositor);
        }
        floatWhenShown(*this);
        show();
    }
    raise();
}

QList<QRect> NonActivatingPanel::otherPanelFrames(const std::function<bool(const QWidget &)> &ignored) const
{
    QList<QRect> frames;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != this && widget->isVisible() && qobject_cast<NonActivatingPanel *>(widget)
            && !(ignored && ignored(*widget)))
            frames.append(widget->frameGeometry());
    }
    return frames;
}

QRect NonActivatingPanel::keptClear(const QRect &frame, const QList<QRect> &occupied, const QRect &area, int gap)
{
    const auto clear = [&](const QRect &candidate) {
        return area.contains(candidate)
            && std::none_of(occupied.begin(), occupied.end(),
                            [&](const QRect &taken) { return taken.intersects(candidate); });
    };
    if (clear(frame) || area.isEmpty())
        return frame;
    QList<QRect> candidates;
    for (const QRect &taken : occupied) {
        if (!taken.intersects(frame))
            continue;
        candidates << frame.translated(0, taken.bottom() + 1 + gap - frame.top())
                   << frame.translated(0, taken.top() - gap - 1 - frame.bottom())
                   << frame.translated(taken.right() + 1 + gap - frame.left(), 0)
                   << frame.translated(taken.left() - gap - 1 - frame.right(), 0);
    }
    const auto distance = [&](const QRect &candidate) { return (candidate.center() - frame.center()).manhattanLength(); };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const QRect &a, const QRect &b) { return distance(a) < distance(b); });
    for (const QRect &candidate : candidates) {
        if (clear(candidate))
            return candidate;
    }
    return frame;
}

void NonActivatingPanel::showEvent(QShowEvent *event)
{
    watchNativeWindow();
    joinAllDesktops();
    updateShapeMask();
    QWidget::showEvent(event);
}

void NonActivatingPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateShapeMask();
}

void NonActivatingPanel::updateShapeMask()
{
    const QPainterPath shape = paintedShape();
    if (shape.isEmpty() || !x11Connection() || x11CompositingActive(x11Connection())) {
        clearMask();
        return;
    }
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

// The desktop property belongs to one native window. Qt makes a new one when it
// re-creates the platform window, and also, without telling, while showing a window
// whose stay-on-top flag changed; so each native window gets it anew, the latter once
// it appears on the screen.
bool NonActivatingPanel::event(QEvent *event)
{
    if (event->type() == QEvent::WinIdChange) {
        watchNativeWindow();
        joinAllDesktops();
    }
    return QWidget::event(event);
}

bool NonActivatingPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watched) {
        const bool created = event->type() == QEvent::PlatformSurface
            && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
                == QPlatformSurfaceEvent::SurfaceCreated;
        const bool newlyExposed = event->type() == QEvent::Expose && m_watched->isExposed()
            && m_watched->winId() != m_joinedWindow;
        if (created || newlyExposed)
            joinAllDesktops();
    }
    return QWidget::eventFilter(watched, event);
}

void NonActivatingPanel::watchNativeWindow()
{
    QWindow *handle = windowHandle();
    if (handle == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = handle;
    if (handle)
        handle->installEventFilter(this);
}

// _NET_WM_DESKTOP 0xFFFFFFFF asks the window manager to show the window on every
// virtual desktop: as a property read when the window is mapped, and for a window
// already on the screen as a request to the root window. Without an X connection
// (other platforms) there is nothing to do.
void NonActivatingPanel::joinAllDesktops()
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = x11FirstScreen(connection);
    if (!screen || !windowHandle())
        return;
    static const char name[] = "_NET_WM_DESKTOP";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    if (!atom)
        return;
    const quint32 allDesktops = 0xFFFFFFFF;
    const auto window = xcb_window_t(windowHandle()->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom->atom, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    if (windowHandle()->isExposed()) {
        xcb_client_message_event_t request = {};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window;
        request.type = atom->atom;
        request.data.data32[0] = allDesktops;
        request.data.data32[1] = 2; // from a pager-like source: the user's own choice
        xcb_send_event(connection, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&request));
    }
    xcb_flush(connection);
    m_joinedWindow = windowHandle()->winId();
}

} // namespace quorvane
