// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tray_status_item.h"

#include "platform/tiling_float.h"

#include <QCursor>
#include <QMenu>

namespace quorvane {

TrayStatusItem::TrayStatusItem(QObject *parent) : StatusItem(parent)
{
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
}

QMenu *TrayStatusItem::menu() const
{
    return m_menu;
}

QRect TrayStatusItem::buttonGeometry() const
{
    return m_tray.geometry();
}

void TrayStatusItem::activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (m_menu) {
            // Without a window of ours to hang from, a Wayland compositor gets the menu as a
            // window of its own: floated, not tiled.
            floatWhenShown(*m_menu);
            m_menu->popup(QCursor::pos());
        }
        emit leftClicked();
        break;
    case QSystemTrayIcon::Context:
        emit rightClicked();
        break;
    default:
        break;
    }
}

} // namespace quorvane
