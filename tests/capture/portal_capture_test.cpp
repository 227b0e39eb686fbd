// SPDX-License-Identifier: GPL-3.0-or-later
// Screen capture the way a Wayland session does it: the desktop portal (a fake one on the
// test bus) gives a picture of the whole desktop, the real overlay runs over it with real
// pointer events, and what comes back is cut from the portal's picture, never from the
// screen the X server shows.
#include "x_display_test_tools.h"

#include "capture/screen_capture_error.h"
#include "capture/screen_capture_service.h"
#include "platform/portal_region_selector.h"
#include "platform/screen_access_probe.h"
#include "platform/selection_overlay.h"
#include "platform/wayland_display_list.h"
#include "support/conceal_nothing.h"
#include "support/fake_desktop_portal.h"

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

template <typename T>
std::optional<ScreenCaptureErrorKind> failureOf(QFuture<T> future)
{
    if (!waitFor(future, 10000)) {
        ADD_FAILURE() << "the capture never ended";
        return std::nullopt;
    }
    try {
        future.waitForFinished();
    } catch (const ScreenCaptureError &error) {
        return error.kind();
    }
    return std::nullopt;
}

// The capture services as a Wayland session makes them.
struct PortalCapture {
    PortalScreenAccessProbe probe;
    WaylandDisplayList displays{PortalScreenshot()};
    SelectionOverlay overlay{displays};
    PortalRegionSelector selector{displays, overlay};
    ConcealNothing concealer;
    ScreenCaptureService service{probe, displays, selector, concealer};
};

class PortalCaptureTest : public ::testing::Test, protected PortalCapture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(portal.registered);
        portal.screenshots->picture = desktopPicture(0);
    }
    void TearDown() override { waitUntil([] { return visibleOverlayWindows().isEmpty(); }); }

    // The pattern, shifted by `shift`, over the whole desktop at its full resolution.
    static QImage desktopPicture(int shift)
    {
        const QSize size = QGuiApplication::primaryScreen()->geometry().size();
        return patternImage(size + QSize(shift, shift)).copy(QRect(QPoint(shift, shift), size));
    }

    QFuture<CaptureResult> dragOverOverlay(QPoint from, QPoint to)
    {
        bool shown = false;
        const QMetaObject::Connection c = QObject::connect(&overlay, &SelectionOverlay::shown, [&] { shown = true; });
        QFuture<CaptureResult> future = service.showCaptureOverlay();
        EXPECT_TRUE(waitUntil([&] { return shown || future.isFinished(); }, 10000));
        QObject::disconnect(c);
        if (shown) {
            EXPECT_TRUE(xDrag(from, to));
        }
        EXPECT_TRUE(waitFor(future, 10000));
        return future;
    }

    FakeDesktopPortal portal{FakeDesktopPortal::screenshot};
};

} // namespace

TEST_F(PortalCaptureTest, SelectionIsCutFromThePortalsPictureAndARepeatTakesAFreshOne)
{
    const CaptureResult result = dragOverOverlay({100, 120}, {400, 320}).result();
    EXPECT_EQ(result.rect, QRectF(100, 120, 300, 200));
    EXPECT_EQ(result.displayID, displays.mainDisplayId());
    EXPECT_EQ(result.displayID, DisplayList::idFromOutput(*QGuiApplication::primaryScreen()));
    EXPECT_EQ(firstDifference(result.image, desktopPicture(0).copy(100, 120, 300, 200)), QString());
    EXPECT_TRUE(portal.screenshots->lastOptions.value("interactive") == false);

    // What the screen shows now is what a repeat reads.
    portal.screenshots->picture = desktopPicture(7);
    QFuture<QImage> again = service.captureRegion(result.rect, result.displayID);
    ASSERT_TRUE(waitFor(again, 10000));
    EXPECT_EQ(firstDifference(again.result(), desktopPicture(7).copy(100, 120, 300, 200)), QString());
}

// A portal picture at twice the desktop's logical size (a monitor of scale 2 that Qt
// reports at scale 1) is cut at the monitor's place and brought to its scale.
TEST_F(PortalCaptureTest, APictureAtAnotherResolutionIsMappedOntoTheMonitorsPlaceAndScale)
{
    const QImage doubled = patternImage(QGuiApplication::primaryScreen()->geometry().size() * 2);
    portal.screenshots->picture = doubled;
    QFuture<void> refreshed = displays.refresh();
    ASSERT_TRUE(waitFor(refreshed, 10000));
    const QImage grabbed = displays.grab(displays.mainDisplayId(), QRect(10, 20, 100, 50));
    EXPECT_EQ(grabbed.devicePixelRatio(), 1.0);
    EXPECT_EQ(firstDifference(grabbed, doubled.copy(20, 40, 200, 100).scaled(100, 50, Qt::IgnoreAspectRatio,
                                                                              Qt::SmoothTransformation)),
              QString());
}

// A portal that pictures only part of the desktop (one monitor of several) gives nothing
// that can be placed on the monitors: the capture fails instead of cutting the wrong pixels.
TEST_F(PortalCaptureTest, APictureOfAnotherShapeThanTheDesktopFailsTheCapture)
{
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    portal.screenshots->picture = patternImage(QSize(desktop.width() / 2, desktop.height()));
    EXPECT_EQ(failureOf(service.showCaptureOverlay()), ScreenCaptureErrorKind::captureFailed);
    EXPECT_TRUE(displays.grab(displays.mainDisplayId(), QRect(0, 0, 50, 50)).isNull());
}

TEST_F(PortalCaptureTest, ThePortalsRefusalAndCancelBecomeTheCapturesErrors)
{
    portal.screenshots->responseCode = 2;
    EXPECT_EQ(failureOf(service.showCaptureOverlay()), ScreenCaptureErrorKind::pictureRefused);
    EXPECT_EQ(failureOf(service.captureRegion(QRectF(0, 0, 50, 50), std::nullopt)),
              ScreenCaptureErrorKind::pictureRefused);
    EXPECT_FALSE(ScreenCaptureError(ScreenCaptureErrorKind::pictureRefused).localizedDescription().contains("privacy"));
    portal.screenshots->responseCode = 1;
    EXPECT_EQ(failureOf(service.showCaptureOverlay()), ScreenCaptureErrorKind::overlayDismissed);
    EXPECT_EQ(failureOf(service.captureRegion(QRectF(0, 0, 50, 50), std::nullopt)),
              ScreenCaptureErrorKind::overlayDismissed);
    EXPECT_TRUE(visibleOverlayWindows().isEmpty());
    EXPECT_FALSE(service.lastCapturedRegion().has_value());
}

TEST(PortalCaptureWithoutPortal, NoPortalOnTheBusFailsTheCaptureSayingWhatToInstall)
{
    PortalCapture capture;
    ScreenCaptureService &service = capture.service;
    EXPECT_EQ(failureOf(service.showCaptureOverlay()), ScreenCaptureErrorKind::portalMissing);
    EXPECT_EQ(failureOf(service.captureRegion(QRectF(0, 0, 50, 50), std::nullopt)),
              ScreenCaptureErrorKind::portalMissing);
}
