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
    // The menu a left click opens; none: a left click opens nothing. Not owned.
    virtual void setMenu(QMenu *menu) = 0;
    virtual QMenu *menu() const = 0;
    // Where the item is on screen, in global coordinates; empty when the desktop does not say.
    virtual QRect buttonGeometry() const = 0;

signals:
    // A left click, after the item's menu (if any) has been opened.
    void leftClicked();
    // A right click; it opens no menu.
    void rightClicked();
};

} // namespace quorvane
