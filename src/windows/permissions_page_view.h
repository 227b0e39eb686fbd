// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/permission_manager.h"
#include "windows/onboarding_symbols.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QSpacerItem;
class QTimer;

namespace quorvane {

class AlertPresenter;
class PrivacySettingsOpener;

// One permission on the permissions page: its symbol (green with a tick badge once
// granted), title, description, and at the trailing end "Granted" or a Grant button.
class PermissionRow : public QWidget {
    Q_OBJECT
public:
    // Without `onGrant` a missing permission shows no button.
    PermissionRow(Symbol icon, bool isGranted, std::function<void()> onGrant, QWidget *parent = nullptr);

    // The permission's name and what it allows, in the interface language.
    void setTexts(const QString &title, const QString &description);
    bool isGranted() const { return m_isGranted; }
    void setGranted(bool granted);
    // Where the desktop does not offer the permission at all: neither "Granted" nor a
    // Grant button, but a note that says so.
    void setUnavailable(bool unavailable);

    QPushButton *grantButton() const { return m_grantButton; }
    QLabel *grantedLabel() const { return m_grantedLabel; }
    QLabel *unavailableLabel() const { return m_unavailableLabel; }

private:
    void refresh();

    Symbol m_icon;
    bool m_isGranted;
    bool m_isUnavailable = false;
    std::function<void()> m_onGrant;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_grantedLabel = nullptr;
    QLabel *m_unavailableLabel = nullptr;
    QPushButton *m_grantButton = nullptr;
};

// What the permissions page checks the grants with, and what its own permission manager
// is made of (the same kinds of services as the application's manager).
struct PermissionsPageServices {
    PermissionChecks checks;
    PrivacySettingsOpener &privacySettings;
    AlertPresenter &alerts;
};

// The second onboarding page: screen access (required) and global shortcuts (optional),
// each live; where the desktop offers no global shortcuts, their row says so and how to
// bind the capture command instead. While the page is on screen it re-checks both once a second, so a grant made
// elsewhere shows up by itself; the Grant buttons send the user to the desktop's settings.
// Main thread only.
class PermissionsPageView : public QWidget {
    Q_OBJECT
public:
    static constexpr int pollIntervalMs = 1000;

    explicit PermissionsPageView(PermissionsPageServices services, QWidget *parent = nullptr);
    ~PermissionsPageView() override;

    // Checks both grants, updates the rows and reports the screen access state.
    void checkPermissionStatus();
    // May the program read the screen?
    bool checkScreenRecordingPermission();
    static QString instructionsText();
    // (Re)starts the once-a-second check.
    void startPermissionPolling();
    void stopPermissionPolling();
    // The Grant buttons: ask for the grant, then open the desktop's privacy settings.
    void grantScreenRecording();
    void grantAccessibility();

    bool screenRecordingGranted() const { return m_screenRecordingGranted; }
    bool accessibilityGranted() const { return m_accessibilityGranted; }
    // The running check's timer; null while the page is not polling.
    const QTimer *permissionCheckTimer() const { return m_permissionCheckTimer; }
    // The page's own manager, made when the page is first shown; null before.
    PermissionManager *permissionManager() const { return m_permissionManager.get(); }

    PermissionRow *screenRecordingRow() const { return m_screenRecordingRow; }
    PermissionRow *accessibilityRow() const { return m_accessibilityRow; }
    QLabel *instructionsLabel() const { return m_instructions; }

signals:
    // After every check: whether the required permission (screen access) is granted.
    void areRequiredPermissionsGrantedChanged(bool granted);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Sets every text in the interface language.
    void retranslate();

    PermissionsPageServices m_services;
    std::unique_ptr<PermissionManager> m_permissionManager;
    bool m_screenRecordingGranted = false;
    bool m_accessibilityGranted = false;
    // The desktop offers programs no global shortcuts: the row says how to bind the command.
    bool m_shortcutsUnavailable = false;
    // A check may wait for its answer while the next tick's check runs to its end.
    CheckSequence m_checkOrder;
    QTimer *m_permissionCheckTimer = nullptr;
    PermissionRow *m_screenRecordingRow = nullptr;
    PermissionRow *m_accessibilityRow = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_explanation = nullptr;
    QLabel *m_instructions = nullptr;
    QSpacerItem *m_instructionsGap = nullptr;
};

} // namespace quorvane
