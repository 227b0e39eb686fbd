// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QRect>
#include <QString>

class QMenu;

namespace quorvane {

// One item in the desktop's status area (the system tray).
class StatusItem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True when a status area exists that shows the item.
    virtual bool hasButton() const = 0;
    // Shows `icon` in the item (a mask icon where the desktop tints such icons).
    virtual void setIcon(const QIcon &icon) = 0;
    virtual QIcon icon() const = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual QString toolTip() const = 0;
    // The menu a left click opens (where the tray draws it, its menu click); none: that
    // click opens nothing. Not owned.
    virtual void setMenu(QMenu *menu) = 0;
    virtual QMenu *menu() const = 0;
    // Where the item is on screen, in global coordinates; empty when the desktop does not say.
    virtual QRect buttonGeometry() const = 0;
    // True where the tray draws the menu itself, at the icon, on its right click, and hands
    // the program the left click alone: the item's clicks are then the other way round.
    virtual bool trayDrawsMenu() const { return false; }

signals:
    // The click that opens the item's menu, after the menu (if any) has been opened.
    void menuClicked();
    // The click that opens no menu: the right one, or the left one where the tray draws
    // the menu.
    void plainClicked();
};

} // namespace quorvane
