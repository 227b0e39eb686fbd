#pragma once

#include "app/first_launch_manager.h"
#include "platform/status_item.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace quorvane {

class ContinuityRuntime;
class FirstLaunchTooltip;
class SparkleUpdater;

// The look of the status icon: full opacity for `normal` and `active`, half for `disabled`.
enum class MenuBarIconState { normal, active, disabled };

// Owns the status item and its menu. A left click opens the menu; a right click starts
// a quick capture at once. The controller knows nothing of the services: each row
// calls one of the callbacks below (an unset callback makes its row do nothing), except
// "Check for Updates", which asks the updater, and "Import Image…", which asks the
// import runtime.
class MenuBarController : public QObject {
    Q_OBJECT
public:
    // The icon asset used unless another is given.
    static inline const QString defaultIconPath = QStringLiteral(":/icons/menubar-icon.svg");
    // How long after a right click the menu stays detached, in milliseconds.
    static constexpr int menuRestoreDelayMs = 200;
    // How long the first-launch tooltip stays, in milliseconds.
    static constexpr int tooltipDurationMs = 5000;

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

    // Builds a new menu and hands it to the status item.
    void refreshMenu();
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
    void setupMenu();
    void setupStatusItem();
    void updateStatusIcon(MenuBarIconState state);
    QAction *addRow(const char *key, const char *english, const char *comment, const QKeySequence &keys,
                    void (MenuBarController::*handler)());

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
};

} // namespace quorvane
