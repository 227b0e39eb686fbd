// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/status_item.h"

#include <QPointer>
#include <QSystemTrayIcon>

namespace quorvane {

// The status item as a system-tray icon (XEmbed tray or StatusNotifierItem host).
// The menu is kept by the item and opened on a left click; it is never handed to the
// tray as its context menu, so a right click reaches the program instead of a menu.
// The icon stays registered while no tray runs and appears once one starts.
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

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon m_tray;
    QPointer<QMenu> m_menu;
};

} // namespace quorvane
