#include "platform/non_activating_panel.h"

#include "platform/x11_connection.h"
#include "platform/xcb_reply.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

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
    if (!isVisible())
        show();
    raise();
}

void NonActivatingPanel::showEvent(QShowEvent *event)
{
    joinAllDesktops();
    QWidget::showEvent(event);
}

// _NET_WM_DESKTOP 0xFFFFFFFF asks the window manager to show the window on every
// virtual desktop. Without an X connection (other platforms) there is nothing to do.
void NonActivatingPanel::joinAllDesktops()
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !windowHandle())
        return;
    static const char name[] = "_NET_WM_DESKTOP";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    if (!atom)
        return;
    const quint32 allDesktops = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(winId()), atom->atom,
                        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    xcb_flush(connection);
}

} // namespace quorvane
