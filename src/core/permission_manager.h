// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/check_sequence.h"
#include "core/permission_type.h"

#include <QFuture>
#include <QList>
#include <QObject>

#include <functional>

class QTimer;

namespace quorvane {

class AlertPresenter;
class PrivacySettingsOpener;

// How the program asks the desktop for its grants. Neither check prompts the user.
struct PermissionChecks {
    // May the program read the screen's pixels? (On X11: a probe reads one root pixel.)
    std::function<bool()> screenRecording;
    // May it take global key combinations? (On X11: there is a connection that can grab keys.)
    std::function<bool()> accessibility;
    // When the screen may not be read: is it because the desktop lacks the service that
    // reads it (no grant would help)? Absent where there is no such service to lack.
    std::function<bool()> screenServiceMissing = {};
    // Does the desktop offer programs no global shortcuts at all (no grant would help; the
    // user binds the commands in its keyboard settings)? Absent: it offers them.
    std::function<bool()> shortcutsUnavailable = {};
    // As screenRecording, when the user waits for the answer (a capture, a grant): a
    // service slow to answer is waited for longer. Absent: screenRecording.
    std::function<bool()> screenRecordingWaiting = {};
    // Did the last look at the screen go unanswered: the service is there, or being
    // started, but said nothing in time? Absent: it always answers.
    std::function<bool()> screenServiceSilent = {};
};

// The last known state of both grants, re-checked every three seconds; a change is
// announced by a signal. Main thread only.
class PermissionManager : public QObject {
    Q_OBJECT
public:
    static constexpr int statusPollIntervalMs = 3000;

    // Reads both grants once (posting nothing), then starts the status poll.
    PermissionManager(PermissionChecks checks, PrivacySettingsOpener &opener,
                      AlertPresenter &alerts, QObject *parent = nullptr);
    ~PermissionManager() override;

    bool hasScreenRecordingPermission() const { return m_hasScreenRecordingPermission; }
    bool hasAccessibilityPermission() const { return m_hasAccessibilityPermission; }
    const QTimer *statusMonitorTimer() const { return m_statusMonitorTimer; }

    // Checks the screen grant again; when it is missing, checks once more and sends the user
    // to the privacy settings. The future is finished on return; false means still missing.
    QFuture<bool> requestScreenRecordingPermission();
    // Screen recording then accessibility, each when its stored flag is false.
    QList<PermissionType> missingPermissions() const;
    // Asks now whether the screen cannot be read for want of a desktop service.
    bool screenServiceMissing() const;
    // Whether the last look at the screen went unanswered (see PermissionChecks).
    bool screenServiceSilent() const;
    // A modal summary of the missing grants whose first button opens the privacy settings.
    // Shows nothing when nothing is missing.
    void showPermissionSummaryAlert();
    // One tick of the poll: reads both grants and announces each that changed.
    void refreshPermissionStatus();
    // (Re)starts the repeating status poll.
    void startStatusMonitoring();

    // Opens the desktop's privacy settings for `type`; usable without a manager.
    // Failures are written to the diagnostics only.
    static void openSystemSettings(PermissionType type, PrivacySettingsOpener &opener);
    // The same with the running desktop's settings application.
    static void openSystemSettings(PermissionType type);

signals:
    // Emitted on every write of the flag, changed or not.
    void hasScreenRecordingPermissionChanged(bool granted);
    void hasAccessibilityPermissionChanged(bool granted);
    // A poll found the grant changed; `granted` is the new state.
    void screenRecordingPermissionChanged(bool granted);
    void accessibilityPermissionChanged(bool granted);

private:
    bool checkScreenRecording() const;
    // Checks the screen grant and stores the answer unless a newer check stored one meanwhile.
    bool recheckScreenRecording(bool waiting = false);
    bool checkAccessibility() const;
    void setScreenRecording(bool granted);
    void setAccessibility(bool granted);

    PermissionChecks m_checks;
    // A check may wait for its answer while the next poll's check runs to its end.
    CheckSequence m_checkOrder;
    PrivacySettingsOpener &m_opener;
    AlertPresenter &m_alerts;
    bool m_hasScreenRecordingPermission = false;
    bool m_hasAccessibilityPermission = false;
    QTimer *m_statusMonitorTimer = nullptr;
};

} // namespace quorvane
