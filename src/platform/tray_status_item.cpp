// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tray_status_item.h"

#include "platform/dbus_call.h"
#include "platform/log_categories.h"
#include "platform/session_type.h"
#include "platform/sway_window_rules.h"
#include "platform/tiling_float.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QMenu>
#include <QWindow>

namespace quorvane {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

TrayStatusItem::TrayStatusItem(QObject *parent)
    : StatusItem(parent), m_trayDrawsMenu(currentSessionType() == SessionType::wayland)
{
    if (!m_trayDrawsMenu) {
        createTray();
        return;
    }
    // Qt decides once per process, when the first tray icon is made, between a
    // StatusNotifierItem and an XEmbed icon, by whether a host is registered then. Under
    // Wayland an XEmbed icon shows nowhere, so a program started before the desktop's bar
    // would never get an icon: the icon is made when a host is there.
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_trayWatcher.setConnection(bus);
    m_trayWatcher.addWatchedService(kWatcherService);
    m_trayWatcher.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TrayStatusItem::closeMenuOnceKeyboardLeaves);
    connect(&m_trayWatcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayStatusItem::checkForTray);
    bus.connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                SLOT(checkForTray()));
    checkForTray();
}

TrayStatusItem::~TrayStatusItem()
{
    if (m_tray)
        m_tray->hide();
}

void TrayStatusItem::checkForTray()
{
    if (m_tray)
        return;
    QDBusMessage ask = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    ask << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = callServingEvents(QDBusConnection::sessionBus(), ask);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && reply.arguments().first().value<QDBusVariant>().variant().toBool())
        createTray();
}

void TrayStatusItem::createTray()
{
    m_tray = std::make_unique<QSystemTrayIcon>();
    connect(m_tray.get(), &QSystemTrayIcon::activated, this, &TrayStatusItem::activated);
    if (m_trayDrawsMenu)
        m_tray->setContextMenu(&m_exported);
    m_tray->setToolTip(m_toolTip);
    m_tray->setIcon(m_icon);
    // Shown once it has something to show; Qt keeps it registered until a tray appears.
    if (!m_icon.isNull())
        m_tray->show();
}

bool TrayStatusItem::hasButton() const
{
    return m_tray && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayStatusItem::setIcon(const QIcon &icon)
{
    m_icon = icon;
    if (!m_tray)
        return;
    m_tray->setIcon(icon);
    if (!icon.isNull())
        m_tray->show();
}

QIcon TrayStatusItem::icon() const
{
    return m_icon;
}

void TrayStatusItem::setToolTip(const QString &text)
{
    m_toolTip = text;
    if (m_tray)
        m_tray->setToolTip(text);
}

QString TrayStatusItem::toolTip() const
{
    return m_toolTip;
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
    return m_tray ? m_tray->geometry() : QRect();
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
    // window of its own: floated, not tiled. Where Qt cannot tell where the pointer is
    // (Wayland tells a program only over its own windows), sway can put it there.
    if (SwayWindowRules *sway = SwayWindowRules::session()) {
        //: Title of the tray icon's menu where the desktop shows it as a window of its own; window lists show it
        //% "Quorvane Menu"
        m_menu->setWindowTitle(qtTrId("menubar.window.title"));
        sway->floatBorderless(m_menu->windowTitle(), SwayWindowRules::Keyboard::taken,
                              SwayWindowRules::Place::atPointer);
    }
    m_menuHadKeyboard = false;
    floatWhenShown(*m_menu);
    m_menu->popup(QCursor::pos());
}

// A menu that is a window of its own is closed as a menu is once the user turns to another
// window: Qt closes it only on clicks into the program's own windows.
void TrayStatusItem::closeMenuOnceKeyboardLeaves(QWindow *focused)
{
    if (!m_menu || !m_menu->isVisible())
        return;
    if (focused && focused == m_menu->windowHandle()) {
        m_menuHadKeyboard = true;
        qCInfo(lcPlatform) << "The tray menu has the keyboard";
    } else if (m_menuHadKeyboard) {
        m_menuHadKeyboard = false;
        m_menu->hide();
    }
}

} // namespace quorvane
