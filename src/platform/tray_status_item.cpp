// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tray_status_item.h"

#include "platform/session_type.h"
#include "platform/tiling_float.h"

#include <QCursor>
#include <QMenu>

namespace quorvane {

TrayStatusItem::TrayStatusItem(QObject *parent)
    : StatusItem(parent), m_trayDrawsMenu(currentSessionType() == SessionType::wayland)
{
    if (m_trayDrawsMenu)
        m_tray.setContextMenu(&m_exported);
    connect(&m_tray, &QSystemTrayIcon::activated, this, &TrayStatusItem::activated);
}

TrayStatusItem::~TrayStatusItem()
{
    m_tray.hide();
}

bool TrayStatusItem::hasButton() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayStatusItem::setIcon(const QIcon &icon)
{
    m_tray.setIcon(icon);
    // Shown once it has something to show; Qt keeps it registered until a tray appears.
    if (!icon.isNull())
        m_tray.show();
}

QIcon TrayStatusItem::icon() const
{
    return m_tray.icon();
}

void TrayStatusItem::setToolTip(const QString &text)
{
    m_tray.setToolTip(text);
}

QString TrayStatusItem::toolTip() const
{
    return m_tray.toolTip();
}

void TrayStatusItem::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (!m_trayDrawsMenu)
        return;
    // Shared, not copied: the rows' texts, states and triggers stay the controller's.
    m_exported.clear();
    if (menu)
        m_exported.addActions(menu->actions());
}

QMenu *TrayStatusItem::menu() const
{
    return m_menu;
}

QRect TrayStatusItem::buttonGeometry() const
{
    return m_tray.geometry();
}

bool TrayStatusItem::trayDrawsMenu() const
{
    return m_trayDrawsMenu;
}

void TrayStatusItem::activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (m_trayDrawsMenu) {
            emit plainClicked();
            break;
        }
        popUpMenu();
        emit menuClicked();
        break;
    case QSystemTrayIcon::Context:
        // Under Wayland only from a host that asks for the menu rather than drawing it.
        if (m_trayDrawsMenu) {
            popUpMenu();
            emit menuClicked();
            break;
        }
        emit plainClicked();
        break;
    default:
        break;
    }
}

void TrayStatusItem::popUpMenu()
{
    if (!m_menu)
        return;
    // Without a window of ours to hang from, a Wayland compositor gets the menu as a
    // window of its own: floated, not tiled.
    floatWhenShown(*m_menu);
    m_menu->popup(QCursor::pos());
}

} // namespace quorvane
