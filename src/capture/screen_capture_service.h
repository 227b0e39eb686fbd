#pragma once

#include "capture/capture_result.h"
#include "capture/captured_region.h"
#include "platform/display_list.h"
#include "platform/region_selector.h"

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QPromise>
#include <QThreadPool>

#include <memory>
#include <optional>

namespace quorvane {

class ScreenAccessProbe;
class WindowConcealer;

// Obtains the screen pictures the capture workflows recognise: the interactive selection
// and the silent re-capture of a stored region. It remembers the last selected region and
// the monitors' layout at that moment, so a re-capture refuses to run after the layout
// changed. Its state lives on its own executor (one operation at a time); screen reads
// and the overlay run on the main thread. Failures arrive as `ScreenCaptureError`.
class ScreenCaptureService : public QObject {
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
    // monitor layout) before the result arrives. Fails with `permissionDenied`,
    // `overlayDismissed` (Escape, right click), `invalidRegion` (under 10 x 10 points) or
    // `captureFailed`; a failure leaves the stored region and layout as they were.
    virtual QFuture<CaptureResult> showCaptureOverlay();

    // Pixels of `rect` (points, relative to the monitor's top left) on the monitor
    // `displayID`, or on the main monitor when it is absent, as they show with this
    // program's own windows (pins, toasts, other windows) taken away. Fails with
    // `permissionDenied`, `invalidRegion`, `displayConfigurationChanged` (that monitor's
    // bounds differ from those stored with the last region) or `captureFailed`.
    virtual QFuture<QImage> captureRegion(const QRectF &rect, std::optional<quint32> displayID);

    // The region of the last successful selection; none before the first.
    virtual QFuture<std::optional<CapturedRegion>> lastCapturedRegion();
    // The monitor layout stored with that region; empty before the first.
    virtual QFuture<DisplayConfiguration> lastDisplayConfiguration();
    // Forgets the stored region and its monitor layout in one step.
    virtual QFuture<void> clearLastCapturedRegion();

private:
    void beginSelection(const std::shared_ptr<QPromise<CaptureResult>> &promise);
    void finishSelection(const std::shared_ptr<QPromise<CaptureResult>> &promise,
                         const QList<DisplayInfo> &displays,
                         SelectionOutcome outcome);
    // Rebuilds the stored layout from `displays` (executor only).
    void updateDisplayConfiguration(const QList<DisplayInfo> &displays);
    // The grab itself, on the main thread, after a last access check.
    QFuture<QImage> performRegionCapture(const QRectF &rect, std::optional<quint32> displayID);
    // Hides this program's windows over the region, waits until what lay beneath them has
    // been drawn again, reads the pixels and shows the windows again.
    QFuture<QImage> grabBeneathOwnWindows(const QRectF &rect, const DisplayInfo &display);
    QImage grabDisplayRegion(const QRectF &rect, quint32 displayID);

    ScreenAccessProbe &m_probe;
    DisplayList &m_displays;
    RegionSelector &m_selector;
    WindowConcealer &m_concealer;

    // Touched only on the executor.
    std::optional<CapturedRegion> m_lastCapturedRegion;
    DisplayConfiguration m_lastDisplayConfiguration;

    // Declared last: destroyed first, so no executor task outlives the state above.
    QThreadPool m_executor;
};

} // namespace quorvane
