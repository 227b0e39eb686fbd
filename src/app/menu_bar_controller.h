// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/first_launch_manager.h"
#include "app/first_launch_tooltip.h"
#include "core/shortcut.h"
#include "platform/status_item.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace quorvane {

class ContinuityRuntime;
class SparkleUpdater;
struct UserSettings;

// The look of the status icon: full opacity for `normal` and `active`, half for `disabled`.
enum class MenuBarIconState { normal, active, disabled };

// Owns the status item and its menu. A left click opens the menu; a right click starts
// a quick capture at once. The controller knows nothing of the services: each row
// calls one of the callbacks below (an unset callback makes its row do nothing), except
// "Check for Updates", which asks the updater, and "Import Image…", which asks the
// import runtime.
// Rows show their key combination: the user's global shortcuts for the capture, scan and
// history rows, Super+, and Super+Q for Preferences and Quit. While the menu is open it
// holds the keyboard, so it runs a row itself when that row's combination is pressed.
class MenuBarController : public QObject {
    Q_OBJECT
public:
    // The icon asset used unless another is given.
    static inline const QString defaultIconPath = QStringLiteral(":/icons/menubar-icon.svg");
    // How long after a right click the menu stays detached, in milliseconds.
    static constexpr int menuRestoreDelayMs = 200;
    // How long the first-launch tooltip stays, in milliseconds.
    static constexpr int tooltipDurationMs = 5000;
    // The key equivalents of Preferences and Quit, which every menu of this kind has.
    static constexpr Shortcut preferencesKeys{43, ModifierFlag::command}; // Super+,
    static constexpr Shortcut quitKeys{12, ModifierFlag::command};        // Super+Q

    // Builds the menu, then sets up `statusItem` (icon, tooltip, menu, clicks).
    MenuBarController(std::unique_ptr<StatusItem> statusItem, UserDefaults &userDefaults,
                      SparkleUpdater &updater, ContinuityRuntime &continuity,
                      QString iconPath = defaultIconPath, QObject *parent = nullptr);
    ~MenuBarController() override;

    std::function<void()> onCaptureText;
    std::function<void()> onOpenHistory;
    std::function<void()> onOpenPreferences;
    std::function<void()> onSendFeedback;
    std::function<void()> onQuit;
    std::function<void()> onScanCode;
    std::function<void()> onAbout;
    std::function<void(const QImage &image)> onImageFromiPhone;
    // The menu is about to open, before its rows show.
    std::function<void()> onMenuOpening;
    // Where a window cannot place itself beside the icon (Wayland), the first-launch
    // tooltip would float far from it: when set, its title and capture sentence go here
    // instead (the shell posts them as a notification).
    std::function<void(const QString &title, const QString &body)> onFirstLaunchNote;

    // Builds a new menu and hands it to the status item.
    void refreshMenu();
    // The user's global shortcuts changed (or are first known): the rows and the
    // first-launch tooltip show them from now on. Without `shown` (the desktop lets no
    // program take shortcuts) the rows show none.
    void setShortcuts(const UserSettings &settings, bool shown = true);
    // The slots whose shortcut could not be taken: their rows are marked.
    void setRefusedShortcuts(const QList<ShortcutAction> &refused);
    // Shows the first-launch tooltip under the icon, once per user.
    void showFirstLaunchTooltip();
    // Closes the tooltip.
    void dismissFirstLaunchTooltip();

    QMenu *menu() const { return m_menu.get(); }
    StatusItem *statusItem() const { return m_statusItem.get(); }
    MenuBarIconState currentIconState() const { return m_currentIconState; }
    FirstLaunchManager &firstLaunchManager() { return m_firstLaunchManager; }
    FirstLaunchTooltip *tooltipPopover() const { return m_tooltipPopover; }

    // `icon` as drawn for `state`.
    static QIcon iconForState(const QIcon &icon, MenuBarIconState state);

private:
    void markRefusedRows();
    void setupMenu();
    void setToolTip();
    // The menu and the tooltip in the interface language.
    void retranslate();
    void setupStatusItem();
    void updateStatusIcon(MenuBarIconState state);
    QAction *addRow(QString title, std::optional<Shortcut> keys, void (MenuBarController::*handler)());
    bool eventFilter(QObject *watched, QEvent *event) override;

    void handleCaptureText();
    void handleScanCode();
    void handleImportFromiPhone();
    void handleOpenHistory();
    void handleOpenPreferences();
    void handleSendFeedback();
    void handleCheckForUpdates();
    void handleAbout();
    void handleQuit();
    void handleRightClickGesture();
    void menuAboutToShow();
    void restoreMenu();

    std::unique_ptr<StatusItem> m_statusItem;
    std::unique_ptr<QMenu> m_menu;
    MenuBarIconState m_currentIconState = MenuBarIconState::normal;
    FirstLaunchManager m_firstLaunchManager;
    QPointer<FirstLaunchTooltip> m_tooltipPopover;
    QTimer m_tooltipTimer;
    QTimer m_menuRestoreTimer;

    SparkleUpdater &m_updater;
    ContinuityRuntime &m_continuity;
    QString m_iconPath;
    QAction *m_importAction = nullptr;
    // Shown beside the rows; the capture shortcut also in the first-launch tooltip.
    Shortcut m_captureShortcut;
    Shortcut m_scanCodeShortcut;
    Shortcut m_historyShortcut;
    QList<ShortcutAction> m_refusedShortcuts;
    bool m_shortcutsShown = true;
    // The capture shortcut as the tooltip shows it; empty while the shortcuts are not shown.
    QString tooltipShortcutText() const;
    // A row's key combination, none while the shortcuts are not shown.
    std::optional<Shortcut> rowKeys(const Shortcut &shortcut) const;
    // Each row's combination, for presses while the menu is open.
    std::vector<std::pair<Shortcut, QAction *>> m_keyEquivalents;
};

} // namespace quorvane
