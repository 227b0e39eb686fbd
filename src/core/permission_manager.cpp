// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/permission_manager.h"

#include "core/diagnostics.h"
#include "platform/alert_presenter.h"
#include "platform/privacy_settings_opener.h"

#include <QTimer>

namespace quorvane {

PermissionManager::PermissionManager(PermissionChecks checks, PrivacySettingsOpener &opener, AlertPresenter &alerts, QObject *parent)
    : QObject(parent), m_checks(std::move(checks)), m_opener(opener), m_alerts(alerts)
{
    // Read the grants now rather than waiting for the first poll, so nothing reports a
    // granted permission as missing in the meantime. No notification: nothing changed.
    m_hasScreenRecordingPermission = checkScreenRecording();
    m_hasAccessibilityPermission = checkAccessibility();
    startStatusMonitoring();
}

PermissionManager::~PermissionManager() = default;

QFuture<bool> PermissionManager::requestScreenRecordingPermission()
{
    if (recheckScreenRecording(true))
        return QtFuture::makeReadyFuture(true);
    // A service that said nothing after a long wait is not asked again at once.
    if (screenServiceSilent())
        return QtFuture::makeReadyFuture(false);
    // There is no grant to ask the desktop for: look once more, then point the user at the
    // settings whatever the answer, as a prompt would have.
    const bool granted = recheckScreenRecording();
    // No privacy setting installs a missing desktop service or wakes a silent one.
    if (!granted && !screenServiceMissing() && !screenServiceSilent())
        openSystemSettings(PermissionType::screenRecording, m_opener);
    return QtFuture::makeReadyFuture(granted);
}

bool PermissionManager::screenServiceMissing() const
{
    return m_checks.screenServiceMissing && m_checks.screenServiceMissing();
}

bool PermissionManager::screenServiceSilent() const
{
    return m_checks.screenServiceSilent && m_checks.screenServiceSilent();
}

bool PermissionManager::recheckScreenRecording(bool waiting)
{
    const quint64 check = m_checkOrder.start();
    const bool granted = waiting && m_checks.screenRecordingWaiting ? m_checks.screenRecordingWaiting()
                                                                    : checkScreenRecording();
    if (m_checkOrder.mayShow(check))
        setScreenRecording(granted);
    return granted;
}

QList<PermissionType> PermissionManager::missingPermissions() const
{
    QList<PermissionType> missing;
    if (!m_hasScreenRecordingPermission)
        missing.append(PermissionType::screenRecording);
    if (!m_hasAccessibilityPermission)
        missing.append(PermissionType::accessibility);
    return missing;
}

void PermissionManager::showPermissionSummaryAlert()
{
    const QList<PermissionType> missing = missingPermissions();
    if (missing.isEmpty())
        return;

    QStringList lines;
    for (PermissionType type : missing)
        lines.append(QStringLiteral("• ") + displayName(type));

    Alert alert;
    alert.style = Alert::Style::warning;
    //: Permission summary title
    //% "Permissions Required"
    alert.messageText = qtTrId("permission.summary.title");
    //: Permission summary message
    //% "Quorvane requires the following permissions:\n\n%1\n\nPlease grant these permissions in your desktop's privacy settings to use Quorvane."
    alert.informativeText = qtTrId("permission.summary.message").arg(lines.join(u'\n'));
    alert.buttons = {
        //: Open Settings button
        //% "Open Privacy Settings"
        qtTrId("permission.summary.open_settings"),
        //: OK button
        //% "OK"
        qtTrId("permission.summary.ok"),
    };
    alert.cancelButton = 1;
    if (m_alerts.runModal(alert) == 0)
        openSystemSettings(missing.first(), m_opener);
}

void PermissionManager::refreshPermissionStatus()
{
    const quint64 check = m_checkOrder.start();
    const bool screenRecording = checkScreenRecording();
    const bool accessibility = checkAccessibility();
    if (!m_checkOrder.mayShow(check))
        return;
    const bool hadScreenRecording = m_hasScreenRecordingPermission;
    const bool hadAccessibility = m_hasAccessibilityPermission;
    setScreenRecording(screenRecording);
    setAccessibility(accessibility);

    if (m_hasScreenRecordingPermission != hadScreenRecording)
        emit screenRecordingPermissionChanged(m_hasScreenRecordingPermission);
    if (m_hasAccessibilityPermission != hadAccessibility)
        emit accessibilityPermissionChanged(m_hasAccessibilityPermission);
}

void PermissionManager::startStatusMonitoring()
{
    // A child timer: it dies with the manager, so no tick ever reaches a destroyed manager.
    delete m_statusMonitorTimer;
    m_statusMonitorTimer = new QTimer(this);
    m_statusMonitorTimer->setInterval(statusPollIntervalMs);
    connect(m_statusMonitorTimer, &QTimer::timeout, this, &PermissionManager::refreshPermissionStatus);
    m_statusMonitorTimer->start();
}

void PermissionManager::openSystemSettings(PermissionType type, PrivacySettingsOpener &opener)
{
    if (!opener.hasPrivacyPage()) {
        diagWarning(lcPermissions(), QStringLiteral("Failed to find the desktop's privacy settings for ") + caseName(type));
        return;
    }
    const QString failure = opener.openPrivacyPage();
    if (!failure.isEmpty()) {
        diagWarning(lcPermissions(), QStringLiteral("Failed to open the desktop's privacy settings: ") + failure);
        return;
    }
    diag(lcPermissions(), QStringLiteral("Desktop privacy settings opened for ") + caseName(type));
}

void PermissionManager::openSystemSettings(PermissionType type)
{
    DesktopPrivacySettingsOpener opener;
    openSystemSettings(type, opener);
}

bool PermissionManager::checkScreenRecording() const
{
    return m_checks.screenRecording && m_checks.screenRecording();
}

bool PermissionManager::checkAccessibility() const
{
    return m_checks.accessibility && m_checks.accessibility();
}

void PermissionManager::setScreenRecording(bool granted)
{
    m_hasScreenRecordingPermission = granted;
    emit hasScreenRecordingPermissionChanged(granted);
}

void PermissionManager::setAccessibility(bool granted)
{
    m_hasAccessibilityPermission = granted;
    emit hasAccessibilityPermissionChanged(granted);
}

} // namespace quorvane
