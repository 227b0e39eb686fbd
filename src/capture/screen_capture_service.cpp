// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/screen_capture_service.h"

#include "capture/screen_capture_error.h"
#include "capture/window_concealer.h"
#include "core/diagnostics.h"
#include "platform/portal_region_selector.h"
#include "platform/screen_access_probe.h"

#include <QPointer>

#include <chrono>
#include <exception>

namespace quorvane {

namespace {

// The active display list is read with room for this many monitors.
constexpr int kMaxDisplays = 32;
constexpr double kMinimumSide = 10.0;
// How long a capture waits for other programs to draw what this program's windows covered;
// a program that hangs must not hold the capture.
constexpr std::chrono::milliseconds kRedrawBound{1500};

using ResultPromise = std::shared_ptr<QPromise<CaptureResult>>;

void fail(const ResultPromise &promise, std::exception_ptr error)
{
    promise->setException(error);
    promise->finish();
}

void fail(const ResultPromise &promise, const ScreenCaptureError &error)
{
    fail(promise, std::make_exception_ptr(error));
}

QString describe(const QRectF &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

ScreenCaptureError errorOf(NoSelection none)
{
    switch (none) {
    case NoSelection::dismissed:
        diag(lcCapture(), QStringLiteral("[ScreenCaptureService] Cancelled"));
        return ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed);
    case NoSelection::accessDenied:
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService] The desktop refused the screen's picture"));
        // Said as it happened: a desktop that refuses through its portal may have no
        // privacy settings to send the user to.
        return ScreenCaptureError(ScreenCaptureErrorKind::pictureRefused);
    case NoSelection::noPortal:
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService] The desktop portal offers no screenshots"));
        return ScreenCaptureError::portalMissing();
    case NoSelection::unreadable:
        break;
    }
    diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService] No display's pixels could be read"));
    return ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                              //: Why a screen capture failed: no monitor's picture could be taken
                              //% "Could not read the screen"
                              Phrase::text(QT_TRID_NOOP("error.screen_capture.reason.unreadable")));
}

bool tooSmall(const QRectF &rect)
{
    // Written so that a side that is not a number also fails.
    return !(rect.width() >= kMinimumSide) || !(rect.height() >= kMinimumSide);
}

} // namespace

ScreenCaptureService::ScreenCaptureService(ScreenAccessProbe &probe, DisplayList &displays,
                                           RegionSelector &selector, WindowConcealer &concealer, QObject *parent)
    : QObject(parent)
    , m_probe(probe)
    , m_displays(displays)
    , m_selector(selector)
    , m_concealer(concealer)
{
}

ScreenCaptureService::~ScreenCaptureService() = default;

QFuture<CaptureResult> ScreenCaptureService::showCaptureOverlay()
{
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Starting interactive selection"));
    const bool granted = m_probe.canReadScreenForCapture();
    diag(lcCapture(), granted ? QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Screen access granted")
                 : QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Screen access denied"));

    auto promise = std::make_shared<QPromise<CaptureResult>>();
    promise->start();
    QFuture<CaptureResult> result = promise->future();
    if (granted)
        beginSelection(promise);
    else
        fail(promise, refusal());
    return result;
}

void ScreenCaptureService::beginSelection(const ResultPromise &promise)
{
    const QList<DisplayInfo> displays = m_displays.activeDisplays();
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Active displays: %1")
             .arg(displays.size()));
    if (displays.isEmpty()) {
        fail(promise, ScreenCaptureError(ScreenCaptureErrorKind::noActiveDisplay));
        return;
    }
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Showing the selection overlay"));
    // Held weakly: a service released during the selection ends the wait with an error
    // instead of being kept alive by it.
    QPointer<ScreenCaptureService> self(this);
    const bool started = m_selector.select(displays, [self, promise, displays](SelectionOutcome outcome) {
        if (!self) {
            diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Service deallocated"));
            fail(promise, ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                                             QStringLiteral("Service deallocated")));
            return;
        }
        self->finishSelection(promise, displays, std::move(outcome));
    });
    if (!started)
        fail(promise, errorOf(NoSelection::unreadable));
}

void ScreenCaptureService::finishSelection(const ResultPromise &promise,
                                           const QList<DisplayInfo> &displays,
                                           SelectionOutcome outcome)
{
    if (const NoSelection *none = std::get_if<NoSelection>(&outcome)) {
        fail(promise, errorOf(*none));
        return;
    }
    auto selection = std::get_if<RegionSelection>(&outcome);
    const QRectF rect(selection->rect);
    if (tooSmall(rect)) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Selection %1 is too small")
                 .arg(describe(rect)));
        fail(promise, ScreenCaptureError(ScreenCaptureErrorKind::invalidRegion));
        return;
    }
    if (selection->image.isNull() || selection->image.width() < 1 || selection->image.height() < 1) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Selection has no pixels"));
        fail(promise, ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                                         Phrase::text(QT_TRID_NOOP("error.screen_capture.reason.empty_image"))));
        return;
    }
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Selection completed: %1 on display %2, scale %3")
             .arg(describe(rect))
             .arg(selection->displayId)
             .arg(selection->scale));
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Picture format %1, %2 x %3 px")
             .arg(int(selection->image.format()))
             .arg(selection->image.width())
             .arg(selection->image.height()));

    // The region and the layout it was selected on are stored together, before the
    // caller sees the result.
    m_lastCapturedRegion = CapturedRegion{rect, selection->displayId, selection->scale};
    updateDisplayConfiguration(displays);
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.showCaptureOverlay] Capture succeeded"));
    promise->addResult(CaptureResult{selection->image, rect, selection->displayId, QDateTime::currentDateTime(),
                                     selection->scale});
    promise->finish();
}

ScreenCaptureError ScreenCaptureService::refusal() const
{
    // A service that said nothing is asked no more: it did not answer, which is not the
    // same as missing.
    if (m_probe.serviceSilent())
        return ScreenCaptureError(ScreenCaptureErrorKind::portalNotAnswering);
    return m_probe.serviceMissing() ? ScreenCaptureError::portalMissing()
                                    : ScreenCaptureError(ScreenCaptureErrorKind::permissionDenied);
}

void ScreenCaptureService::updateDisplayConfiguration(const QList<DisplayInfo> &displays)
{
    m_lastDisplayConfiguration.clear();
    for (const DisplayInfo &display : displays.first(std::min<qsizetype>(displays.size(), kMaxDisplays)))
        m_lastDisplayConfiguration.insert(display.id, QRectF(display.bounds));
}

QFuture<QImage> ScreenCaptureService::captureRegion(const QRectF &rect, std::optional<quint32> displayID)
{
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Capturing %1 on display %2")
             .arg(describe(rect), displayID ? QString::number(*displayID) : QStringLiteral("main")));
    try {
        checkRecapture(rect, displayID);
        return grabBeneathOwnWindows(rect, recaptureDisplay(displayID));
    } catch (const ScreenCaptureError &error) {
        return QtFuture::makeExceptionalFuture<QImage>(std::make_exception_ptr(error));
    }
}

void ScreenCaptureService::checkRecapture(const QRectF &rect, std::optional<quint32> displayID) const
{
    if (!m_probe.canReadScreenForCapture()) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Screen access denied"));
        throw refusal();
    }
    if (tooSmall(rect)) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Region %1 is too small")
                 .arg(describe(rect)));
        throw ScreenCaptureError(ScreenCaptureErrorKind::invalidRegion);
    }
    if (!displayID)
        return;
    const auto stored = m_lastDisplayConfiguration.constFind(*displayID);
    if (stored == m_lastDisplayConfiguration.constEnd())
        return;
    // A monitor that is gone has no bounds, which differ from any stored ones.
    QRectF now;
    for (const DisplayInfo &display : m_displays.activeDisplays()) {
        if (display.id == *displayID)
            now = QRectF(display.bounds);
    }
    if (now != stored.value()) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Display %1 was %2, now %3")
                 .arg(*displayID)
                 .arg(describe(stored.value()), describe(now)));
        throw ScreenCaptureError(ScreenCaptureErrorKind::displayConfigurationChanged);
    }
}

DisplayInfo ScreenCaptureService::recaptureDisplay(std::optional<quint32> displayID) const
{
    const quint32 id = displayID ? *displayID : m_displays.mainDisplayId();
    if (id == 0)
        throw ScreenCaptureError(ScreenCaptureErrorKind::noActiveDisplay);
    // The monitor is found by its id: two monitors of one size are still two monitors.
    const std::optional<DisplayInfo> display = m_displays.display(id);
    if (!display) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] No display %1").arg(id));
        throw ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                                 //: Why a screen capture failed: the monitor of the selection is gone
                                 //% "Could not find matching display"
                                 Phrase::text(QT_TRID_NOOP("error.screen_capture.reason.no_display")));
    }
    return *display;
}

QFuture<QImage> ScreenCaptureService::grabBeneathOwnWindows(const QRectF &rect, const DisplayInfo &display)
{
    // A pin of the last capture usually lies right over the region it was read from.
    std::shared_ptr<ConcealedWindows> windows =
        m_concealer.windowsOver(rect.toRect().translated(display.bounds.topLeft()));
    // Where the pixels come from a picture the desktop portal takes, a fresh one is taken
    // while the windows are hidden.
    return windows->conceal(kRedrawBound)
        .then(this, [this] { return m_displays.refresh(); })
        .unwrap()
        .onFailed(this, [](const PortalError &error) { throw errorOf(noSelectionFor(error)); })
        .then(this, [this, rect, id = display.id, windows]() mutable {
            // Shown again as this step ends, whether it returns or throws.
            const std::shared_ptr<ConcealedWindows> showAgain = std::move(windows);
            // Access may have gone while the windows were hidden: the last check before any
            // pixels are read.
            if (!m_probe.canReadScreen()) {
                diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Screen access denied"));
                throw refusal();
            }
            return grabDisplayRegion(rect, id);
        });
}

QImage ScreenCaptureService::grabDisplayRegion(const QRectF &rect, quint32 displayID)
{
    const QImage image = m_displays.grab(displayID, rect.toRect());
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        diagWarning(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Captured image has zero dimensions"));
        throw ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                                 //: Why a screen capture failed: the picture taken is empty
                                 //% "Captured image has zero dimensions"
                                 Phrase::text(QT_TRID_NOOP("error.screen_capture.reason.empty_image")));
    }
    diag(lcCapture(), QStringLiteral("[ScreenCaptureService.captureRegion] Captured %1 x %2 px")
             .arg(image.width())
             .arg(image.height()));
    return image;
}

void ScreenCaptureService::clearLastCapturedRegion()
{
    m_lastCapturedRegion.reset();
    m_lastDisplayConfiguration.clear();
}

} // namespace quorvane
