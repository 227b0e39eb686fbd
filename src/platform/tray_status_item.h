// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/status_item.h"

#include <QDBusServiceWatcher>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QWindow;

namespace quorvane {

// The status item as a system-tray icon (XEmbed tray or StatusNotifierItem host).
// Under X11 the menu is kept by the item and opened on a left click; it is never handed
// to the tray as its context menu, so a right click reaches the program instead of a menu.
// A Wayland session has only StatusNotifierItem hosts (waybar, Plasma, GNOME's
// AppIndicator extension), which draw an exported menu at the icon on a right click and
// never hand that click on, while a menu of the program's own could only open as a window
// the compositor places: there the menu is exported and a left click is the plain one.
// The icon appears once a tray runs, also when the tray starts after the program.
class TrayStatusItem : public StatusItem {
    Q_OBJECT
public:
    explicit TrayStatusItem(QObject *parent = nullptr);
    ~TrayStatusItem() override;

    bool hasButton() const override;
    void setIcon(const QIcon &icon) override;
    QIcon icon() const override;
    void setToolTip(const QString &text) override;
    QString toolTip() const override;
    void setMenu(QMenu *menu) override;
    QMenu *menu() const override;
    QRect buttonGeometry() const override;
    bool trayDrawsMenu() const override;

private slots:
    // Makes the icon once a StatusNotifierItem host has registered with the bus's watcher.
    void checkForTray();

private:
    void createTray();
    void activated(QSystemTrayIcon::ActivationReason reason);
    void popUpMenu();
    void closeMenuOnceKeyboardLeaves(QWindow *focused);

    const bool m_trayDrawsMenu;
    QIcon m_icon;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
    bool m_menuHadKeyboard = false; // the popped-up menu, a window of its own, had the keyboard
    // What the tray draws: the rows of m_menu, whose actions it shares. One menu for the
    // item's life, so that a host keeps reading the same exported object.
    QMenu m_exported;
    QDBusServiceWatcher m_trayWatcher;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};

} // namespace quorvane
