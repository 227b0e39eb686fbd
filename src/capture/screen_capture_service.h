// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capture_result.h"
#include "capture/captured_region.h"
#include "capture/screen_source.h"
#include "platform/display_list.h"
#include "platform/region_selector.h"

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QPromise>

#include <memory>
#include <optional>

namespace quorvane {

class ScreenAccessProbe;
class ScreenCaptureError;
class WindowConcealer;

// Obtains the screen pictures the capture workflows recognise: the interactive selection
// and the silent re-capture of a stored region. It remembers the last selected region and
// the monitors' layout at that moment, so a re-capture refuses to run after the layout
// changed. Main thread only: its state, the overlay and the screen reads all live there.
// Failures arrive as `ScreenCaptureError`.
class ScreenCaptureService : public QObject, public ScreenSource {
    Q_OBJECT
public:
    // `probe` checks screen access, `displays` lists and reads the monitors, `selector`
    // runs the overlay, `concealer` takes this program's own windows off a re-captured
    // region; all four must outlive the service.
    ScreenCaptureService(ScreenAccessProbe &probe, DisplayList &displays, RegionSelector &selector,
                         WindowConcealer &concealer, QObject *parent = nullptr);
    ~ScreenCaptureService() override;

    // Lets the user drag out a region over frozen pictures of every monitor and returns
    // its pixels, its rectangle, monitor and scale; stores that region (with the current
    // monitor layout) before the result arrives. Fails with `permissionDenied` (`portalMissing`
    // where the desktop has no service to read the screen with),
    // `overlayDismissed` (Escape, right click), `invalidRegion` (under 10 x 10 points) or
    // `captureFailed`; a failure leaves the stored region and layout as they were.
    QFuture<CaptureResult> showCaptureOverlay() override;

    // Pixels of `rect` (points, relative to the monitor's top left) on the monitor
    // `displayID`, or on the main monitor when it is absent, as they show with this
    // program's own windows (pins, toasts, other windows) taken away. Fails with
    // `permissionDenied` (or `portalMissing`), `invalidRegion`, `displayConfigurationChanged` (that monitor's
    // bounds differ from those stored with the last region) or `captureFailed`.
    QFuture<QImage> captureRegion(const QRectF &rect, std::optional<quint32> displayID) override;

    // The region of the last successful selection; none before the first.
    std::optional<CapturedRegion> lastCapturedRegion() const override { return m_lastCapturedRegion; }
    // The monitor layout stored with that region; empty before the first.
    const DisplayConfiguration &lastDisplayConfiguration() const { return m_lastDisplayConfiguration; }
    // Forgets the stored region and its monitor layout in one step.
    void clearLastCapturedRegion() override;

private:
    void beginSelection(const std::shared_ptr<QPromise<CaptureResult>> &promise);
    void finishSelection(const std::shared_ptr<QPromise<CaptureResult>> &promise,
                         const QList<DisplayInfo> &displays,
                         SelectionOutcome outcome);
    // Why the screen may not be read: no access, or no service on this desktop to read it.
    ScreenCaptureError refusal() const;
    // Rebuilds the stored layout from `displays`.
    void updateDisplayConfiguration(const QList<DisplayInfo> &displays);
    // Throws the ScreenCaptureError that refuses a re-capture of `rect` before anything is
    // hidden or read: no access, too small, or the monitor's bounds changed since the selection.
    void checkRecapture(const QRectF &rect, std::optional<quint32> displayID) const;
    // The monitor a re-capture reads: `displayID`, or else the main one.
    DisplayInfo recaptureDisplay(std::optional<quint32> displayID) const;
    // Hides this program's windows over the region, waits until what lay beneath them has
    // been drawn again, reads the pixels and shows the windows again.
    QFuture<QImage> grabBeneathOwnWindows(const QRectF &rect, const DisplayInfo &display);
    QImage grabDisplayRegion(const QRectF &rect, quint32 displayID);

    ScreenAccessProbe &m_probe;
    DisplayList &m_displays;
    RegionSelector &m_selector;
    WindowConcealer &m_concealer;

    std::optional<CapturedRegion> m_lastCapturedRegion;
    DisplayConfiguration m_lastDisplayConfiguration;
};

} // namespace quorvane
