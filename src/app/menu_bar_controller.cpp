// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_bar_controller.h"

#include "app/app_resources.h"
#include "app/first_launch_tooltip.h"
#include "app/sparkle_updater.h"
#include "capture/continuity_runtime.h"
#include "core/diagnostics.h"
#include "core/text_utils.h"
#include "core/user_settings.h"
#include "platform/key_table.h"
#include "platform/theme_icon.h"
#include "windows/key_event.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace quorvane {

MenuBarController::MenuBarController(std::unique_ptr<StatusItem> statusItem, UserDefaults &userDefaults,
                                     SparkleUpdater &updater, ContinuityRuntime &continuity, QString iconPath,
                                     QObject *parent)
    : QObject(parent),
      m_statusItem(std::move(statusItem)),
      m_firstLaunchManager(userDefaults),
      m_updater(updater),
      m_continuity(continuity),
      m_iconPath(std::move(iconPath)),
      m_captureShortcut(UserSettings::defaults().quickZarrowShortcut),
      m_scanCodeShortcut(UserSettings::defaults().scanCodeShortcut),
      m_historyShortcut(UserSettings::defaults().historyShortcut)
{
    registerAppResources();
    m_tooltipTimer.setSingleShot(true);
    connect(&m_tooltipTimer, &QTimer::timeout, this, &MenuBarController::dismissFirstLaunchTooltip);
    m_menuRestoreTimer.setSingleShot(true);
    m_menuRestoreTimer.setInterval(menuRestoreDelayMs);
    connect(&m_menuRestoreTimer, &QTimer::timeout, this, &MenuBarController::restoreMenu);

    setupMenu();
    setupStatusItem();
}

MenuBarController::~MenuBarController()
{
    m_tooltipTimer.stop();
    m_menuRestoreTimer.stop();
    delete m_tooltipPopover.data();
    if (m_statusItem)
        m_statusItem->setMenu(nullptr);
    m_statusItem.reset(); // removes the icon from the status area
}

QAction *MenuBarController::addRow(QString title, std::optional<Shortcut> keys,
                                   void (MenuBarController::*handler)())
{
    if (keys) {
        // The menu shows what follows a tab as the row's key combination, in our own
        // naming; a QKeySequence would read "Meta+Shift+L" and would not fire while the
        // menu holds the keyboard.
        title += QLatin1Char('\t') + leftToRightRun(keys->displayString());
    }
    QAction *action = m_menu->addAction(title);
    if (keys)
        m_keyEquivalents.emplace_back(*keys, action);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

bool MenuBarController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu.get() && event->type() == QEvent::LanguageChange) {
        // Every window hears of a new interface language; the menu's is the tray's cue.
        retranslate();
        return false;
    }
    if (watched != m_menu.get() || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const std::optional<KeyEvent> key = KeyEvent::from(*static_cast<QKeyEvent *>(event));
    if (!key)
        return false;
    for (const auto &[keys, action] : m_keyEquivalents) {
        if (keys.keyCode == key->keyCode && KeyTable::modifierBits(keys.modifierFlags) == key->modifierFlags) {
            m_menu->hide();
            action->trigger();
            return true;
        }
    }
    return false;
}

std::optional<Shortcut> MenuBarController::rowKeys(const Shortcut &shortcut) const
{
    return m_shortcutsShown ? std::optional(shortcut) : std::nullopt;
}

void MenuBarController::setShortcuts(const UserSettings &settings, bool shown)
{
    if (m_captureShortcut == settings.quickZarrowShortcut && m_scanCodeShortcut == settings.scanCodeShortcut
        && m_historyShortcut == settings.historyShortcut && m_shortcutsShown == shown)
        return;
    m_shortcutsShown = shown;
    m_captureShortcut = settings.quickZarrowShortcut;
    m_scanCodeShortcut = settings.scanCodeShortcut;
    m_historyShortcut = settings.historyShortcut;
    refreshMenu();
    if (m_tooltipPopover)
        m_tooltipPopover->setShortcutText(tooltipShortcutText());
}

QString MenuBarController::tooltipShortcutText() const
{
    return m_shortcutsShown ? m_captureShortcut.displayString() : QString();
}

void MenuBarController::setRefusedShortcuts(const QList<ShortcutAction> &refused)
{
    if (refused == m_refusedShortcuts)
        return;
    m_refusedShortcuts = refused;
    refreshMenu();
}

void MenuBarController::markRefusedRows()
{
    // A row whose shortcut could not be taken says so with a warning sign: pressing the
    // combination shown there does nothing.
    const std::pair<const char *, ShortcutAction> rows[] = {{"handleCaptureText", ShortcutAction::quickZarrow},
                                                            {"handleScanCode", ShortcutAction::scanCode},
                                                            {"handleOpenHistory", ShortcutAction::openHistory}};
    for (const auto &[name, slot] : rows) {
        for (QAction *action : m_menu->actions()) {
            if (action->objectName() == QLatin1String(name) && m_refusedShortcuts.contains(slot))
                action->setIcon(themeIcon({QStringLiteral("dialog-warning")}, QStyle::SP_MessageBoxWarning));
        }
    }
}

void MenuBarController::setupMenu()
{
    std::unique_ptr<QMenu> previous = std::move(m_menu);
    m_menu = std::make_unique<QMenu>();
    m_menu->installEventFilter(this);
    m_keyEquivalents.clear();
    // These keys work only while the program's own menu holds the keyboard; a menu the
    // tray draws never hands them on, so it shows none.
    const bool ownMenu = !m_statusItem || !m_statusItem->trayDrawsMenu();

    //: Tray menu item
    //% "Capture Text"
    addRow(qtTrId("menubar.capture"), rowKeys(m_captureShortcut),
           &MenuBarController::handleCaptureText)
        ->setObjectName(QStringLiteral("handleCaptureText"));
    //: Tray menu item
    //% "Read QR/Bar Code"
    addRow(qtTrId("menubar.scan_code"), rowKeys(m_scanCodeShortcut),
           &MenuBarController::handleScanCode)
        ->setObjectName(QStringLiteral("handleScanCode"));
    //: Tray menu item
    //% "Import Image…"
    m_importAction = addRow(qtTrId("menubar.import_from_iphone"), std::nullopt,
                            &MenuBarController::handleImportFromiPhone);
    m_importAction->setObjectName(QStringLiteral("handleImportFromiPhone"));
    m_menu->addSeparator();
    //: Tray menu item
    //% "Open History"
    addRow(qtTrId("menubar.history"), rowKeys(m_historyShortcut),
           &MenuBarController::handleOpenHistory)
        ->setObjectName(QStringLiteral("handleOpenHistory"));
    m_menu->addSeparator();
    //: Tray menu item
    //% "Preferences…"
    addRow(qtTrId("menubar.preferences"), ownMenu ? std::optional(preferencesKeys) : std::nullopt,
           &MenuBarController::handleOpenPreferences)
        ->setObjectName(QStringLiteral("handleOpenPreferences"));
    //: Tray menu item
    //% "Send Feedback…"
    addRow(qtTrId("menubar.feedback"), std::nullopt, &MenuBarController::handleSendFeedback)
        ->setObjectName(QStringLiteral("handleSendFeedback"));
    if (m_updater.hasFeed()) {
        //: Tray menu item
        //% "Check for Updates…"
        addRow(qtTrId("menubar.checkForUpdates"), std::nullopt, &MenuBarController::handleCheckForUpdates)
            ->setObjectName(QStringLiteral("handleCheckForUpdates"));
    }
    m_menu->addSeparator();
    //: Tray menu item
    //% "About Quorvane"
    addRow(qtTrId("menubar.about"), std::nullopt, &MenuBarController::handleAbout)
        ->setObjectName(QStringLiteral("handleAbout"));
    //: Tray menu item
    //% "Quit Quorvane"
    addRow(qtTrId("menubar.quit"), ownMenu ? std::optional(quitKeys) : std::nullopt,
           &MenuBarController::handleQuit)
        ->setObjectName(QStringLiteral("handleQuit"));

    markRefusedRows();

    connect(m_menu.get(), &QMenu::aboutToShow, this, &MenuBarController::menuAboutToShow);
    connect(m_menu.get(), &QMenu::aboutToHide, this, [] { diag(lcApp(), QStringLiteral("Menu closed")); });

    // The previous menu may be on screen right now: let it finish its event first.
    if (previous)
        previous.release()->deleteLater();

    const bool reversed = m_statusItem && m_statusItem->trayDrawsMenu();
    diag(lcApp(), reversed ? QStringLiteral("Tray menu ready: the tray draws it on a right click, a left click captures")
                           : QStringLiteral("Tray menu ready: left click opens the menu, right click captures"));
    diag(lcApp(), QStringLiteral("   Menu items: %1").arg(m_menu->actions().size()));
    diag(lcApp(), reversed ? QStringLiteral("   Right-click: Show menu") : QStringLiteral("   Left-click: Show menu"));
    diag(lcApp(), reversed ? QStringLiteral("   Left-click: Quick capture") : QStringLiteral("   Right-click: Quick capture"));
}

void MenuBarController::setupStatusItem()
{
    // Set up whether or not a tray runs now: at login the program may start before the
    // desktop's tray, and the icon then appears as soon as the tray does.
    if (!m_statusItem->hasButton())
        diagWarning(lcApp(), QStringLiteral("[MenuBarController] No system tray is running yet - the icon appears when one starts"));
    updateStatusIcon(MenuBarIconState::normal);
    connect(m_statusItem.get(), &StatusItem::plainClicked, this, &MenuBarController::handleRightClickGesture);
    m_statusItem->setMenu(m_menu.get());
    setToolTip();
}

void MenuBarController::setToolTip()
{
    if (m_statusItem->trayDrawsMenu()) {
        //: Tooltip of the tray icon where the desktop's tray opens the menu on a right click
        //% "Quorvane\nLeft-click: Quick Capture\nRight-click: Menu"
        m_statusItem->setToolTip(qtTrId("menubar.tooltip_tray_menu"));
        return;
    }
    //: Tooltip of the tray icon
    //% "Quorvane\nLeft-click: Menu\nRight-click: Quick Capture"
    m_statusItem->setToolTip(qtTrId("menubar.tooltip"));
}

void MenuBarController::retranslate()
{
    refreshMenu();
    if (m_statusItem)
        setToolTip();
}

QIcon MenuBarController::iconForState(const QIcon &icon, MenuBarIconState state)
{
    if (state != MenuBarIconState::disabled || icon.isNull())
        return icon;
    QIcon faded;
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        const QPixmap source = icon.pixmap(QSize(side, side));
        if (source.isNull())
            continue;
        QPixmap half(source.size());
        half.setDevicePixelRatio(source.devicePixelRatio());
        half.fill(Qt::transparent);
        QPainter painter(&half);
        painter.setOpacity(0.5);
        painter.drawPixmap(0, 0, source);
        painter.end();
        faded.addPixmap(half);
    }
    faded.setIsMask(icon.isMask());
    return faded;
}

void MenuBarController::updateStatusIcon(MenuBarIconState state)
{
    QIcon icon;
    if (QFile::exists(m_iconPath))
        icon = QIcon(m_iconPath);
    if (icon.isNull() || icon.pixmap(22).isNull()) { // also when SVG cannot be drawn
        diagWarning(lcApp(), QStringLiteral("Tray icon asset not found, using the theme's fallback icon"));
        icon = QIcon::fromTheme(QStringLiteral("edit-find"));
        if (icon.isNull())
            return;
    }
    // Desktops that tint status icons to their panel treat mask icons as such.
    icon.setIsMask(true);
    m_statusItem->setIcon(iconForState(icon, state));
}

void MenuBarController::refreshMenu()
{
    setupMenu();
    // Right after a right click the menu stays detached; it comes back (the newest one)
    // when that short pause ends.
    if (m_statusItem && !m_menuRestoreTimer.isActive())
        m_statusItem->setMenu(m_menu.get());
    diag(lcApp(), QStringLiteral("[MenuBarController] Menu refreshed with %1 items").arg(m_menu ? m_menu->actions().size() : 0));
}

void MenuBarController::menuAboutToShow()
{
    if (onMenuOpening)
        onMenuOpening();
    for (QAction *action : m_menu->actions()) {
        if (action->isSeparator())
            continue;
        diag(lcApp(), QStringLiteral("validateMenuItem: action=%1").arg(action->objectName()));
        if (action == m_importAction)
            diag(lcApp(), QStringLiteral("Import Image item is enabled"));
    }
}

void MenuBarController::handleCaptureText()
{
    if (onCaptureText)
        onCaptureText();
}

void MenuBarController::handleScanCode()
{
    if (onScanCode)
        onScanCode();
}

void MenuBarController::handleOpenHistory()
{
    if (onOpenHistory)
        onOpenHistory();
}

void MenuBarController::handleOpenPreferences()
{
    if (onOpenPreferences)
        onOpenPreferences();
}

void MenuBarController::handleSendFeedback()
{
    diag(lcApp(), QStringLiteral("Send Feedback requested"));
    if (onSendFeedback)
        onSendFeedback();
}

void MenuBarController::handleCheckForUpdates()
{
    diag(lcApp(), QStringLiteral("Check for Updates requested"));
    m_updater.checkForUpdates();
}

void MenuBarController::handleAbout()
{
    diag(lcApp(), QStringLiteral("ℹ️ About Quorvane requested"));
    if (onAbout)
        onAbout();
}

void MenuBarController::handleQuit()
{
    if (onQuit)
        onQuit();
}

void MenuBarController::handleRightClickGesture()
{
    diag(lcApp(), QStringLiteral("Right-click gesture detected - triggering quick capture"));
    m_statusItem->setMenu(nullptr);
    QTimer::singleShot(0, this, [this] {
        if (onCaptureText)
            onCaptureText();
    });
    // Restarted by every right click, and the menu handed back is always the current
    // one: a second right click inside the pause cannot leave the item without a menu.
    m_menuRestoreTimer.start();
}

void MenuBarController::restoreMenu()
{
    if (m_statusItem)
        m_statusItem->setMenu(m_menu.get());
}

void MenuBarController::handleImportFromiPhone()
{
    diag(lcApp(), QStringLiteral("Import Image requested"));

    // Anchor the import menu under the middle of the icon when the desktop says where it is.
    std::optional<QPoint> anchor;
    const QRect button = m_statusItem->buttonGeometry();
    if (!button.isEmpty())
        anchor = QPoint(button.center().x(), button.y() + button.height());
    diag(lcApp(), QStringLiteral("Import anchor: %1")
             .arg(anchor ? QStringLiteral("%1,%2").arg(anchor->x()).arg(anchor->y()) : QStringLiteral("none")));

    QPointer<MenuBarController> self(this);
    m_continuity.showContinuityItem(
        [self](const QImage &image) {
            if (!self)
                return;
            diag(lcApp(), QStringLiteral("Image received for import: %1x%2").arg(image.width()).arg(image.height()));
            if (self->onImageFromiPhone)
                self->onImageFromiPhone(image);
        },
        anchor);
}

void MenuBarController::showFirstLaunchTooltip()
{
    if (m_firstLaunchManager.hasLaunchedBefore())
        return;
    if (!m_statusItem || !m_statusItem->hasButton())
        return; // the flag stays unset, so a later call may still show it
    if (onFirstLaunchNote) {
        onFirstLaunchNote(FirstLaunchTooltip::title(), FirstLaunchTooltip::captureSentence(tooltipShortcutText()));
        m_firstLaunchManager.markLaunched();
        diag(lcApp(), QStringLiteral("First launch note posted"));
        return;
    }
    m_tooltipTimer.stop();
    if (m_tooltipPopover) {
        m_tooltipPopover->hide();
        m_tooltipPopover->deleteLater();
    }
    auto *popover = new FirstLaunchTooltip(tooltipShortcutText());
    popover->showRelativeTo(m_statusItem->buttonGeometry());
    m_tooltipPopover = popover;
    m_tooltipTimer.start(tooltipDurationMs);
    m_firstLaunchManager.markLaunched();
    diag(lcApp(), QStringLiteral("First launch tooltip shown"));
}

void MenuBarController::dismissFirstLaunchTooltip()
{
    m_tooltipTimer.stop();
    if (m_tooltipPopover) {
        m_tooltipPopover->hide();
        m_tooltipPopover->deleteLater();
    }
    m_tooltipPopover = nullptr;
}

} // namespace quorvane
