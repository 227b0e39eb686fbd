// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capture_pinner.h"
#include "capture/capture_recorder.h"
#include "capture/capture_settings.h"
#include "capture/capture_toasts.h"
#include "capture/screen_recording_permission.h"

namespace quorvane {

class HistoryStore;
class NotificationService;
class PermissionManager;
class PinWidgetManager;
class SettingsStore;

// The services of the layers below capture cannot name the coordinator's roles, so these
// hand each role on to the service that plays it. Each service must outlive its adapter.

class HistoryRecorder final : public CaptureRecorder {
public:
    explicit HistoryRecorder(HistoryStore &store) : m_store(store) {}
    QFuture<void> addEntry(CaptureHistoryEntry entry) override;

private:
    HistoryStore &m_store;
};

class PinManagerPinner final : public CapturePinner {
public:
    // Without `pins`, nothing is pinned after a capture, whatever the setting.
    explicit PinManagerPinner(PinWidgetManager &manager, bool pins = true) : m_manager(manager), m_pins(pins) {}
    void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center) override;

private:
    PinWidgetManager &m_manager;
    bool m_pins;
};

class NotificationToasts final : public CaptureToasts {
public:
    explicit NotificationToasts(NotificationService &service) : m_service(service) {}
    void showSuccess(CaptureMode mode, const QUuid &captureID, std::optional<quint32> displayID) override;
    void showError(const LocalizedError &error, std::optional<quint32> displayID) override;

private:
    NotificationService &m_service;
};

class PermissionManagerGrant final : public ScreenRecordingPermission {
public:
    explicit PermissionManagerGrant(PermissionManager &manager) : m_manager(manager) {}
    bool hasScreenRecordingPermission() const override;
    QFuture<bool> requestScreenRecordingPermission() override;

private:
    PermissionManager &m_manager;
};

class SettingsStoreSettings final : public CaptureSettings {
public:
    explicit SettingsStoreSettings(SettingsStore &store) : m_store(store) {}
    const UserSettings &settings() const override;

private:
    SettingsStore &m_store;
};

// One adapter per role, for the program's wiring.
struct ServiceAdapters {
    ServiceAdapters(HistoryStore &history, PinWidgetManager &pins, NotificationService &notifications,
                    PermissionManager &permissions, SettingsStore &settings, bool pinsAfterCapture = true)
        : recorder(history), pinner(pins, pinsAfterCapture), toasts(notifications), permission(permissions), settings(settings)
    {
    }

    HistoryRecorder recorder;
    PinManagerPinner pinner;
    NotificationToasts toasts;
    PermissionManagerGrant permission;
    SettingsStoreSettings settings;
};

} // namespace quorvane
