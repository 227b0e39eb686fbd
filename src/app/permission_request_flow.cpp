// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/permission_request_flow.h"

#include "core/diagnostics.h"
#include "core/future_outcome.h"
#include "core/permission_manager.h"
#include "core/text_utils.h"
#include "core/user_settings.h"
#include "platform/alert_presenter.h"

#include <QElapsedTimer>
#include <QTimer>

namespace quorvane {

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

PermissionRequestFlow::PermissionRequestFlow(PermissionManager &permissions, AlertPresenter &alerts,
                                             PrivacySettingsOpener &opener, std::function<void()> registerHotkeys,
                                             Timing timing, QObject *parent)
    : QObject(parent),
      m_permissions(permissions),
      m_alerts(alerts),
      m_opener(opener),
      m_registerHotkeys(std::move(registerHotkeys)),
      m_timing(timing),
      m_captureShortcut(UserSettings::defaults().quickZarrowShortcut)
{
}

PermissionRequestFlow::PermissionRequestFlow(PermissionManager &permissions, AlertPresenter &alerts,
                                             PrivacySettingsOpener &opener, std::function<void()> registerHotkeys,
                                             QObject *parent)
    : PermissionRequestFlow(permissions, alerts, opener, std::move(registerHotkeys), Timing{}, parent)
{
}

PermissionRequestFlow::~PermissionRequestFlow() = default;

void PermissionRequestFlow::start()
{
    if (m_running) {
        diag(lcPermissions(), QStringLiteral("ℹ️ [PermissionRequestFlow] Already asking for permissions"));
        return;
    }
    m_running = true;
    requestAccessibility();
}

void PermissionRequestFlow::requestAccessibility()
{
    if (m_permissions.hasAccessibilityPermission()) {
        requestScreenRecording();
        return;
    }
    // The desktop has no prompt for key grabbing: asking is checking again.
    m_permissions.refreshPermissionStatus();
    const bool granted = m_permissions.hasAccessibilityPermission();
    diag(lcPermissions(), QStringLiteral("Triggered global shortcuts permission request, currently granted: %1").arg(yesNo(granted)));
    if (granted) {
        requestScreenRecording();
        return;
    }
    showAccessibilityPermissionAlert();
    waitForPermission(PermissionType::accessibility, m_timing.timeoutSeconds, [this] { requestScreenRecording(); });
}

void PermissionRequestFlow::requestScreenRecording()
{
    if (m_permissions.hasScreenRecordingPermission()) {
        finish();
        return;
    }
    whenFinished(m_permissions.requestScreenRecordingPermission(), this, [this](const QFuture<bool> &answer) {
        const FutureOutcome<bool> outcome = outcomeOf(answer);
        screenRecordingAnswered(outcome.value.value_or(false));
    });
}

void PermissionRequestFlow::screenRecordingAnswered(bool granted)
{
    diag(lcPermissions(), QStringLiteral("Triggered screen access permission request, currently granted: %1").arg(yesNo(granted)));
    if (granted) {
        finish();
        return;
    }
    showScreenRecordingPermissionAlert();
    waitForPermission(PermissionType::screenRecording, m_timing.timeoutSeconds, [this] { finish(); });
}

void PermissionRequestFlow::finish()
{
    m_permissions.refreshPermissionStatus();
    if (m_permissions.hasAccessibilityPermission()) {
        diag(lcPermissions(), QStringLiteral("Re-registering hotkeys after permissions granted"));
        if (m_registerHotkeys)
            m_registerHotkeys();
    }
    if (m_permissions.hasScreenRecordingPermission() && m_permissions.hasAccessibilityPermission())
        diag(lcPermissions(), QStringLiteral("All permissions granted - Quorvane is ready to use!"));
    else
        showPermissionsRequiredAlert();
    m_running = false;
    emit finished();
}

bool PermissionRequestFlow::isGranted(PermissionType type) const
{
    return type == PermissionType::accessibility ? m_permissions.hasAccessibilityPermission()
                                                 : m_permissions.hasScreenRecordingPermission();
}

void PermissionRequestFlow::waitForPermission(PermissionType type, double timeoutSeconds, std::function<void()> done)
{
    const qint64 limitMs = qint64(timeoutSeconds * 1000);
    const auto timedOut = [type, done] {
        diag(lcPermissions(), QStringLiteral("Timeout waiting for %1 permission").arg(caseName(type)));
        done();
    };
    if (limitMs <= 0) {
        timedOut();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    auto *poll = new QTimer(this);
    poll->setInterval(m_timing.pollIntervalMs);
    connect(poll, &QTimer::timeout, this, [this, poll, clock, limitMs, type, done, timedOut] {
        // Checked without any prompt; the answer is stored in the permission manager.
        m_permissions.refreshPermissionStatus();
        const bool granted = isGranted(type);
        if (!granted && clock.elapsed() < limitMs)
            return;
        poll->stop();
        poll->deleteLater();
        if (granted) {
            diag(lcPermissions(), QStringLiteral("%1 permission granted!").arg(caseName(type)));
            done();
        } else {
            timedOut();
        }
    });
    poll->start();
}

void PermissionRequestFlow::showExplanation(PermissionType type, const QString &title, const QString &message)
{
    Alert alert;
    alert.style = Alert::Style::informational;
    alert.messageText = title;
    alert.informativeText = message;
    //: Open Settings button
    //% "Open Privacy Settings"
    alert.buttons = {qtTrId("permission.open_settings"),
                     //: Cancel button
                     //% "Cancel"
                     qtTrId("permission.cancel")};
    alert.cancelButton = 1;
    if (m_alerts.runModal(alert) == 0)
        PermissionManager::openSystemSettings(type, m_opener);
}

void PermissionRequestFlow::showAccessibilityPermissionAlert()
{
    showExplanation(PermissionType::accessibility,
                    //: Title of the dialog asking for the global shortcuts permission
                    //% "Global Shortcuts Permission Required"
                    qtTrId("permission.accessibility.title"),
                    //: Global shortcuts permission explanation; %1 is the quick capture shortcut
                    //% "Quorvane needs permission to use global keyboard shortcuts (%1). This allows you to capture text from anywhere on your screen.\n\nYour privacy is protected - Quorvane only listens for its own shortcuts."
                    qtTrId("permission.accessibility.message").arg(leftToRightRun(m_captureShortcut.displayString())));
}

void PermissionRequestFlow::showScreenRecordingPermissionAlert()
{
    showExplanation(PermissionType::screenRecording,
                    //: Title of the dialog asking for the screen access permission
                    //% "Screen Access Permission Required"
                    qtTrId("permission.screen_recording.title"),
                    //: Screen access permission explanation
                    //% "Quorvane needs access to your screen to capture text from it.\n\nAll processing happens on your device - no data is uploaded to the cloud."
                    qtTrId("permission.screen_recording.message"));
}

void PermissionRequestFlow::showPermissionsRequiredAlert()
{
    Alert alert;
    alert.style = Alert::Style::informational;
    //: Title of the alert shown when the user goes on without the permissions
    //% "Permissions Required"
    alert.messageText = qtTrId("permission.required.title");
    //: Alert shown when the user goes on without the permissions
    //% "Quorvane needs screen access and global shortcuts to work. You can grant these later in your desktop's privacy settings."
    alert.informativeText = qtTrId("permission.required.message");
    //: OK button
    //% "OK"
    alert.buttons = {qtTrId("general.ok"),
                     //: Open Settings button
                     //% "Open Privacy Settings"
                     qtTrId("permission.open_settings")};
    alert.cancelButton = 0;
    if (m_alerts.runModal(alert) != 1)
        return;
    const QList<PermissionType> missing = m_permissions.missingPermissions();
    if (!missing.isEmpty())
        PermissionManager::openSystemSettings(missing.first(), m_opener);
}

} // namespace quorvane
