// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/permission_type.h"
#include "core/shortcut.h"

#include <QObject>

#include <functional>

namespace quorvane {

class AlertPresenter;
class PermissionManager;
class PrivacySettingsOpener;

// Leads the user through the two grants after the onboarding: key grabbing first, then
// reading the screen. Each grant that is missing gets its request, an explanation that
// can open the desktop's privacy settings, and a bounded wait for the user to grant it;
// then the hotkeys are bound again and what is still missing is named. Refusals are not
// errors: the program runs on with what it has. Main thread only.
class PermissionRequestFlow : public QObject {
    Q_OBJECT
public:
    // How often a wait checks, and how long it waits for one grant.
    struct Timing {
        int pollIntervalMs = 1000;
        double timeoutSeconds = 60.0;
    };

    // `registerHotkeys` binds the global hotkeys again. The references must outlive the flow.
    PermissionRequestFlow(PermissionManager &permissions, AlertPresenter &alerts, PrivacySettingsOpener &opener,
                          std::function<void()> registerHotkeys, Timing timing, QObject *parent = nullptr);
    PermissionRequestFlow(PermissionManager &permissions, AlertPresenter &alerts, PrivacySettingsOpener &opener,
                          std::function<void()> registerHotkeys, QObject *parent = nullptr);
    ~PermissionRequestFlow() override;

    // Runs the whole flow once; `finished` follows the final verdict. Ignored while running.
    void start();
    bool isRunning() const { return m_running; }

    // Checks `type` every poll interval, storing the answer in the permission manager, until
    // it is granted or `timeoutSeconds` have passed; then calls `done` once, either way.
    void waitForPermission(PermissionType type, double timeoutSeconds, std::function<void()> done);

    // The quick capture shortcut the key-grabbing explanation names (the default until set).
    void setCaptureShortcut(const Shortcut &shortcut) { m_captureShortcut = shortcut; }

    // The modal explanations; each first button opens the privacy settings.
    void showAccessibilityPermissionAlert();
    void showScreenRecordingPermissionAlert();
    void showPermissionsRequiredAlert();

signals:
    void finished();

private:
    void requestAccessibility();
    void requestScreenRecording();
    void screenRecordingAnswered(bool granted);
    void finish();
    bool isGranted(PermissionType type) const;
    void showExplanation(PermissionType type, const QString &title, const QString &message);

    PermissionManager &m_permissions;
    AlertPresenter &m_alerts;
    PrivacySettingsOpener &m_opener;
    std::function<void()> m_registerHotkeys;
    Timing m_timing;
    bool m_running = false;
    Shortcut m_captureShortcut;
};

} // namespace quorvane
