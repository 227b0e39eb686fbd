// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/service_adapters.h"

#include "capture/screen_capture_error.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "history/history_store.h"
#include "pins/pin_widget_manager.h"

namespace quorvane {

QFuture<void> HistoryRecorder::addEntry(CaptureHistoryEntry entry)
{
    return m_store.addEntry(std::move(entry));
}

void PinManagerPinner::pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center)
{
    if (m_pins)
        m_manager.pinCapture(entry, image, center);
}

void NotificationToasts::showSuccess(CaptureMode mode, const QUuid &captureID, std::optional<quint32> displayID)
{
    m_service.showSuccess(mode, captureID, displayID);
}

void NotificationToasts::showError(const LocalizedError &error, std::optional<quint32> displayID)
{
    m_service.showError(error, displayID);
}

bool PermissionManagerGrant::hasScreenRecordingPermission() const
{
    return m_manager.hasScreenRecordingPermission();
}

QFuture<bool> PermissionManagerGrant::requestScreenRecordingPermission()
{
    // A refusal for want of the desktop's screenshot service says what to install instead.
    return m_manager.requestScreenRecordingPermission().then([&manager = m_manager](bool granted) {
        if (!granted && manager.screenServiceSilent())
            throw ScreenCaptureError(ScreenCaptureErrorKind::portalNotAnswering);
        if (!granted && manager.screenServiceMissing())
            throw ScreenCaptureError::portalMissing();
        return granted;
    });
}

const UserSettings &SettingsStoreSettings::settings() const
{
    return m_store.settings();
}

} // namespace quorvane
