// SPDX-License-Identifier: GPL-3.0-or-later
// The screen capture service against a real X server: a known picture is on screen, the
// overlay is driven with real pointer and key events, and the pixels that come back are
// compared with the picture.
#include "x_display_test_tools.h"

#include "capture/screen_capture_error.h"
#include "capture/screen_capture_service.h"
#include "platform/screen_access_probe.h"
#include "platform/selection_overlay.h"
#include "platform/x11_display_list.h"
#include "platform/x11_screen_redraws.h"
#include "support/conceal_nothing.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <memory>

using namespace quorvane;
using namespace quorvane::test;

namespace {

class ScriptedProbe : public ScreenAccessProbe {
public:
    std::deque<bool> answers;
    bool otherwise = true;
    bool missing = false;
    bool silent = false;
    int calls = 0;

    bool serviceMissing() override { return missing; }
    bool serviceSilent() const override { return silent; }

    bool canReadScreen() override
    {
        ++calls;
        if (answers.empty())
            return otherwise;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Monitors carved out of the real primary screen. Each shows the part of the real screen
// that starts at `source`; the bounds it reports can be changed afterwards to stand for a
// monitor that was moved or resized.
class CarvedDisplayList : public DisplayList {
public:
    struct Monitor {
        DisplayInfo info;
        QPoint source;
    };
    QList<Monitor> monitors;
    // Every read of pixels fails, as when the monitors vanish under a request.
    bool unreadable = false;

    static CarvedDisplayList halves()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int half = screen.width() / 2;
        CarvedDisplayList list;
        const QRect left(0, 0, half, screen.height());
        const QRect right(half, 0, half, screen.height());
        list.monitors = {{{11, left, 1.0, left}, QPoint(0, 0)}, {{22, right, 1.0, right}, QPoint(half, 0)}};
        return list;
    }

    QList<DisplayInfo> activeDisplays() const override
    {
        QList<DisplayInfo> list;
        for (const Monitor &m : monitors)
            list.append(m.info);
        return list;
    }
    quint32 mainDisplayId() const override { return monitors.isEmpty() ? 0 : monitors.first().info.id; }
    QImage grab(quint32 displayId, const QRect &rect) const override
    {
        if (unreadable)
            return {};
        for (const Monitor &m : monitors) {
            if (m.info.id != displayId)
                continue;
            const QRect area = rect.intersected(QRect(QPoint(0, 0), m.info.bounds.size()));
            if (area.isEmpty())
                return {};
            return QGuiApplication::primaryScreen()
                ->grabWindow(0, m.source.x() + area.x(), m.source.y() + area.y(), area.width(), area.height())
                .toImage();
        }
        return {};
    }
    void setBounds(quint32 id, const QRect &bounds)
    {
        for (Monitor &m : monitors) {
            if (m.info.id == id)
                m.info.bounds = bounds;
        }
    }
};

template <typename T>
T valueOf(QFuture<T> future)
{
    EXPECT_TRUE(waitFor(future));
    if constexpr (std::is_void_v<T>)
        future.waitForFinished();
    else
        return future.result();
}

// The ScreenCaptureError a finished future carries, if any.
template <typename T>
std::optional<ScreenCaptureError> errorOf(QFuture<T> future)
{
    EXPECT_TRUE(waitFor(future));
    try {
        future.waitForFinished();
    } catch (const ScreenCaptureError &error) {
        return error;
    } catch (...) {
        ADD_FAILURE() << "an error of another type arrived";
    }
    return std::nullopt;
}

// Starts the overlay, waits until it is on screen, performs `gesture` and waits for the end.
QFuture<CaptureResult> runOverlay(ScreenCaptureService &service, SelectionOverlay &overlay,
                                  const std::function<void()> &gesture)
{
    bool shown = false;
    const QMetaObject::Connection c =
        QObject::connect(&overlay, &SelectionOverlay::shown, [&shown] { shown = true; });
    QFuture<CaptureResult> future = service.showCaptureOverlay();
    const bool onScreen = waitUntil([&] { return shown || future.isFinished(); });
    QObject::disconnect(c);
    EXPECT_TRUE(onScreen) << "the overlay never appeared";
    if (shown)
        gesture();
    EXPECT_TRUE(waitFor(future, 10000));
    return future;
}

class ScreenCaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pattern.show();
        ASSERT_TRUE(waitForScreenToShow(pattern));
    }
    void TearDown() override
    {
        pattern.hide();
        waitUntil([] { return visibleOverlayWindows().isEmpty(); });
    }

    QImage patternAt(const QRect &devicePixels) const { return pattern.picture().copy(devicePixels); }

    PatternWindow pattern;
    ScreenAccessProbe probe;
    X11DisplayList displays;
    SelectionOverlay overlay{displays};
    ConcealNothing concealer;
    ScreenCaptureService service{probe, displays, overlay, concealer};
};

TEST_F(ScreenCaptureTest, DragReturnsSelectedPixelsRectDisplayAndStoresTheRegion)
{
    const QDateTime before = QDateTime::currentDateTime();
    QFuture<CaptureResult> future =
        runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({100, 120}, {400, 320})); });
    const CaptureResult result = valueOf(future);

    EXPECT_EQ(result.rect, QRectF(100, 120, 300, 200));
    EXPECT_NE(result.displayID, 0u);
    EXPECT_EQ(result.displayID, displays.mainDisplayId());
    EXPECT_EQ(result.scaleFactor, 1.0);
    EXPECT_GE(result.timestamp, before);
    EXPECT_LE(result.timestamp, QDateTime::currentDateTime());
    EXPECT_EQ(firstDifference(result.image, patternAt(QRect(100, 120, 300, 200))), QString());

    const std::optional<CapturedRegion> stored = service.lastCapturedRegion();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, (CapturedRegion{QRectF(100, 120, 300, 200), result.displayID, 1.0}));
    const DisplayConfiguration layout = service.lastDisplayConfiguration();
    EXPECT_EQ(layout, (DisplayConfiguration{{result.displayID, QRectF(QGuiApplication::primaryScreen()->geometry())}}));
    EXPECT_TRUE(visibleOverlayWindows().isEmpty());
}

TEST_F(ScreenCaptureTest, DragTowardsTheTopLeftGivesTheSameRectangle)
{
    const CaptureResult result = valueOf(
        runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({400, 320}, {100, 120})); }));
    EXPECT_EQ(result.rect, QRectF(100, 120, 300, 200));
    EXPECT_EQ(firstDifference(result.image, patternAt(QRect(100, 120, 300, 200))), QString());
}

TEST_F(ScreenCaptureTest, SelectionIsCutFromWhatTheScreenShowedAtTheRequest)
{
    const QImage before = patternAt(QRect(100, 120, 300, 200));
    const CaptureResult result = valueOf(runOverlay(service, overlay, [this] {
        pattern.invert();
        QCoreApplication::processEvents();
        ASSERT_TRUE(xDrag({100, 120}, {400, 320}));
    }));
    EXPECT_EQ(firstDifference(result.image, before), QString());
}

TEST_F(ScreenCaptureTest, EscapeAndRightClickDismissAndKeepThePreviousRegion)
{
    valueOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({50, 60}, {250, 160})); }));
    const auto first = service.lastCapturedRegion();
    ASSERT_TRUE(first.has_value());

    auto escaped = errorOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xKey("Escape")); }));
    ASSERT_TRUE(escaped.has_value());
    EXPECT_EQ(escaped->kind(), ScreenCaptureErrorKind::overlayDismissed);
    EXPECT_EQ(service.lastCapturedRegion(), first);

    auto rightClicked = errorOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xClick(3, {500, 500})); }));
    ASSERT_TRUE(rightClicked.has_value());
    EXPECT_EQ(rightClicked->kind(), ScreenCaptureErrorKind::overlayDismissed);
    EXPECT_EQ(service.lastCapturedRegion(), first);
    EXPECT_TRUE(waitUntil([] { return visibleOverlayWindows().isEmpty(); }));
}

TEST_F(ScreenCaptureTest, SelectionUnderTenPointsIsInvalidAndStoresNothing)
{
    auto error = errorOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({300, 300}, {309, 400})); }));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ScreenCaptureErrorKind::invalidRegion);
    EXPECT_FALSE(service.lastCapturedRegion().has_value());
    EXPECT_TRUE(service.lastDisplayConfiguration().isEmpty());
}

TEST_F(ScreenCaptureTest, RecaptureOfTheStoredRegionReturnsTheSamePixels)
{
    const CaptureResult selected =
        valueOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({700, 410}, {1013, 650})); }));
    const auto region = service.lastCapturedRegion();
    ASSERT_TRUE(region.has_value());
    ASSERT_TRUE(waitForScreenToShow(pattern));

    const QImage again = valueOf(service.captureRegion(region->rect, region->displayID));
    EXPECT_EQ(firstDifference(again, selected.image), QString());
    EXPECT_EQ(again.size(), QSize(313, 240));
}

TEST_F(ScreenCaptureTest, RecaptureReadsBeneathThisProgramsOwnWindowsAndShowsThemAgain)
{
    // The pattern stands for another program; the panel over it for this program's pin.
    QWidget pin(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    pin.setStyleSheet(QStringLiteral("background: magenta"));
    pin.setGeometry(760, 450, 200, 120);
    pin.show();
    ASSERT_TRUE(waitUntil([] {
        return QGuiApplication::primaryScreen()->grabWindow(0, 800, 500, 1, 1).toImage().pixel(0, 0) == qRgb(255, 0, 255);
    }));
    X11ScreenRedraws redraws;
    WindowConcealer concealsPin(redraws, [&pin](const QWidget &window) { return &window == &pin; });
    ScreenCaptureService capturing(probe, displays, overlay, concealsPin);

    const QRect region(700, 410, 313, 240);
    const QImage image = valueOf(capturing.captureRegion(region, displays.mainDisplayId()));
    EXPECT_EQ(firstDifference(image, patternAt(region)), QString());
    EXPECT_TRUE(pin.isVisible());
}

TEST_F(ScreenCaptureTest, ReleasingTheServiceDuringASelectionEndsTheWaitWithAnError)
{
    auto doomed = std::make_unique<ScreenCaptureService>(probe, displays, overlay, concealer);
    bool shown = false;
    QObject::connect(&overlay, &SelectionOverlay::shown, [&shown] { shown = true; });
    QFuture<CaptureResult> future = doomed->showCaptureOverlay();
    ASSERT_TRUE(waitUntil([&] { return shown; }));
    doomed.reset();
    ASSERT_TRUE(xKey("Escape"));
    auto error = errorOf(future);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, ScreenCaptureError(ScreenCaptureErrorKind::captureFailed, "Service deallocated"));
}

TEST_F(ScreenCaptureTest, OverlayReleasedDuringASelectionDismissesItAndDeletesItsWindows)
{
    auto doomed = std::make_unique<SelectionOverlay>(displays);
    std::optional<SelectionOutcome> outcome;
    ASSERT_TRUE(doomed->select(displays.activeDisplays(), [&outcome](SelectionOutcome s) { outcome = std::move(s); }));
    doomed.reset();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(std::holds_alternative<NoSelection>(*outcome));
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), QLatin1String("SelectionOverlayWindow"));
}

TEST_F(ScreenCaptureTest, WithoutScreenAccessNothingIsShownOrRead)
{
    ScriptedProbe denied;
    denied.otherwise = false;
    ScreenCaptureService refusing(denied, displays, overlay, concealer);

    // Refused on the spot: the service decides on the main thread, without a hop elsewhere.
    QFuture<CaptureResult> selection = refusing.showCaptureOverlay();
    EXPECT_TRUE(selection.isFinished());
    EXPECT_FALSE(overlay.isActive());
    auto error = errorOf(selection);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ScreenCaptureErrorKind::permissionDenied);
    EXPECT_FALSE(overlay.isActive());
    EXPECT_TRUE(visibleOverlayWindows().isEmpty());

    QFuture<QImage> recapture = refusing.captureRegion(QRectF(0, 0, 100, 100), std::nullopt);
    EXPECT_TRUE(recapture.isFinished());
    auto capture = errorOf(recapture);
    ASSERT_TRUE(capture.has_value());
    EXPECT_EQ(capture->kind(), ScreenCaptureErrorKind::permissionDenied);

    // Where the desktop lacks the service that reads the screen, both say what to install.
    denied.missing = true;
    for (const auto &missing : {errorOf(refusing.showCaptureOverlay()),
                                errorOf(refusing.captureRegion(QRectF(0, 0, 100, 100), std::nullopt))}) {
        ASSERT_TRUE(missing.has_value());
        EXPECT_EQ(missing->kind(), ScreenCaptureErrorKind::portalMissing);
        EXPECT_TRUE(missing->localizedDescription().contains(QStringLiteral("xdg-desktop-portal"))) << missing->what();
    }
    // A service that is there but said nothing in time did not answer; it is not missing.
    denied.silent = true;
    for (const auto &silent : {errorOf(refusing.showCaptureOverlay()),
                               errorOf(refusing.captureRegion(QRectF(0, 0, 100, 100), std::nullopt))}) {
        ASSERT_TRUE(silent.has_value());
        EXPECT_EQ(silent->kind(), ScreenCaptureErrorKind::portalNotAnswering);
        EXPECT_FALSE(silent->localizedDescription().contains(QStringLiteral("Install"))) << silent->what();
    }
    EXPECT_FALSE(overlay.isActive());
}

TEST_F(ScreenCaptureTest, AccessIsCheckedAgainJustBeforeThePixelsAreRead)
{
    ScriptedProbe revoked;
    revoked.answers = {true};
    revoked.otherwise = false;
    ScreenCaptureService service(revoked, displays, overlay, concealer);
    auto error = errorOf(service.captureRegion(QRectF(0, 0, 100, 100), displays.mainDisplayId()));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ScreenCaptureErrorKind::permissionDenied);
    EXPECT_EQ(revoked.calls, 2);
}

// Monitors carved out of the one real screen stand for a desk of several monitors.
class CarvedScreenCaptureTest : public ScreenCaptureTest {
protected:
    CarvedDisplayList carved = CarvedDisplayList::halves();
    SelectionOverlay carvedOverlay{carved};
    ScreenCaptureService carvedService{probe, carved, carvedOverlay, concealer};
    int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
};

TEST_F(CarvedScreenCaptureTest, OverlayCoversEveryMonitorAndReportsTheOneSelectedOn)
{
    int windows = 0;
    const CaptureResult result = valueOf(runOverlay(carvedService, carvedOverlay, [&] {
        windows = int(visibleOverlayWindows().size());
        ASSERT_TRUE(xDrag({half + 100, 120}, {half + 400, 320}));
    }));
    EXPECT_EQ(windows, 2);
    EXPECT_EQ(result.displayID, 22u);
    EXPECT_EQ(result.rect, QRectF(100, 120, 300, 200));
    EXPECT_EQ(firstDifference(result.image, patternAt(QRect(half + 100, 120, 300, 200))), QString());
    EXPECT_EQ(service.lastCapturedRegion(), std::nullopt);
    EXPECT_EQ(carvedService.lastDisplayConfiguration().keys(), (QList<quint32>{11, 22}));
}

TEST_F(CarvedScreenCaptureTest, DragPastTheMonitorEdgeStaysOnThatMonitor)
{
    const CaptureResult result = valueOf(runOverlay(carvedService, carvedOverlay, [&] {
        ASSERT_TRUE(xDrag({half - 200, 300}, {half + 300, 500}));
    }));
    EXPECT_EQ(result.displayID, 11u);
    EXPECT_EQ(result.rect, QRectF(half - 200, 300, 200, 200));
    EXPECT_EQ(firstDifference(result.image, patternAt(QRect(half - 200, 300, 200, 200))), QString());
}

TEST_F(CarvedScreenCaptureTest, RecaptureFindsTheMonitorByIdAmongMonitorsOfOneSize)
{
    const QImage right = valueOf(carvedService.captureRegion(QRectF(10, 20, 100, 50), 22u));
    EXPECT_EQ(firstDifference(right, patternAt(QRect(half + 10, 20, 100, 50))), QString());
    const QImage left = valueOf(carvedService.captureRegion(QRectF(10, 20, 100, 50), 11u));
    EXPECT_EQ(firstDifference(left, patternAt(QRect(10, 20, 100, 50))), QString());

    auto missing = errorOf(carvedService.captureRegion(QRectF(10, 20, 100, 50), 99u));
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(*missing, ScreenCaptureError(ScreenCaptureErrorKind::captureFailed,
                                           "Could not find matching display"));
}

TEST_F(CarvedScreenCaptureTest, MovedMonitorRefusesRecaptureUntilTheRegionIsCleared)
{
    valueOf(runOverlay(carvedService, carvedOverlay, [&] { ASSERT_TRUE(xDrag({half + 50, 50}, {half + 150, 150})); }));
    const auto region = carvedService.lastCapturedRegion();
    ASSERT_TRUE(region.has_value());
    ASSERT_TRUE(waitForScreenToShow(pattern));

    // The other monitor moving changes nothing for this region.
    carved.setBounds(11, QRect(0, 40, half, 900));
    EXPECT_FALSE(valueOf(carvedService.captureRegion(region->rect, region->displayID)).isNull());

    carved.setBounds(22, QRect(half + 8, 0, half, QGuiApplication::primaryScreen()->geometry().height()));
    auto changed = errorOf(carvedService.captureRegion(region->rect, region->displayID));
    ASSERT_TRUE(changed.has_value());
    EXPECT_EQ(changed->kind(), ScreenCaptureErrorKind::displayConfigurationChanged);

    // Without a display id nothing is compared, and the main monitor is read.
    const QImage onMain = valueOf(carvedService.captureRegion(QRectF(5, 5, 40, 40), std::nullopt));
    EXPECT_EQ(firstDifference(onMain, patternAt(QRect(5, 5, 40, 40))), QString());

    // Size is checked before the layout.
    auto small = errorOf(carvedService.captureRegion(QRectF(0, 0, 9.5, 200), region->displayID));
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(small->kind(), ScreenCaptureErrorKind::invalidRegion);

    carvedService.clearLastCapturedRegion();
    EXPECT_FALSE(carvedService.lastCapturedRegion().has_value());
    EXPECT_TRUE(carvedService.lastDisplayConfiguration().isEmpty());
    EXPECT_FALSE(valueOf(carvedService.captureRegion(region->rect, region->displayID)).isNull());
}

TEST_F(CarvedScreenCaptureTest, CancelledSelectionKeepsTheStoredLayout)
{
    valueOf(runOverlay(carvedService, carvedOverlay, [&] { ASSERT_TRUE(xDrag({60, 60}, {160, 160})); }));
    const DisplayConfiguration layout = carvedService.lastDisplayConfiguration();
    carved.setBounds(11, QRect(0, 0, half - 100, 800));
    errorOf(runOverlay(carvedService, carvedOverlay, [] { ASSERT_TRUE(xKey("Escape")); }));
    EXPECT_EQ(carvedService.lastDisplayConfiguration(), layout);
}

TEST_F(CarvedScreenCaptureTest, RegionSizeMustBeAtLeastTenPointsEachWay)
{
    for (const QRectF rect : {QRectF(0, 0, 9.5, 200), QRectF(0, 0, 200, 9.99), QRectF(0, 0, NAN, 50),
                              QRectF(0, 0, 50, NAN)}) {
        auto error = errorOf(carvedService.captureRegion(rect, 11u));
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind(), ScreenCaptureErrorKind::invalidRegion);
    }
    EXPECT_EQ(valueOf(carvedService.captureRegion(QRectF(0, 0, 10, 10), 11u)).size(), QSize(10, 10));
}

TEST_F(CarvedScreenCaptureTest, NoMonitorAtAllIsReportedAsSuch)
{
    carved.monitors.clear();
    auto selection = errorOf(carvedService.showCaptureOverlay());
    ASSERT_TRUE(selection.has_value());
    EXPECT_EQ(selection->kind(), ScreenCaptureErrorKind::noActiveDisplay);
    auto capture = errorOf(carvedService.captureRegion(QRectF(0, 0, 50, 50), std::nullopt));
    ASSERT_TRUE(capture.has_value());
    EXPECT_EQ(capture->kind(), ScreenCaptureErrorKind::noActiveDisplay);
}

TEST_F(CarvedScreenCaptureTest, UnreadableMonitorsFailTheSelectionInsteadOfCancellingIt)
{
    valueOf(runOverlay(carvedService, carvedOverlay, [] { ASSERT_TRUE(xDrag({60, 60}, {160, 160})); }));
    const auto region = carvedService.lastCapturedRegion();
    const DisplayConfiguration layout = carvedService.lastDisplayConfiguration();

    carved.unreadable = true;
    auto error = errorOf(carvedService.showCaptureOverlay());
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, ScreenCaptureError(ScreenCaptureErrorKind::captureFailed, "Could not read the screen"));
    EXPECT_FALSE(carvedOverlay.isActive());
    EXPECT_TRUE(visibleOverlayWindows().isEmpty());
    EXPECT_EQ(carvedService.lastCapturedRegion(), region);
    EXPECT_EQ(carvedService.lastDisplayConfiguration(), layout);
}

// On a screen of scale 2 the selection is in points and the pixels at full resolution.
// The scale is fixed when the application starts, so this runs in a child process.
TEST(ScreenCaptureHiDpi, SelectionIsInPointsAndPixelsAtFullResolution)
{
    if (qEnvironmentVariableIsEmpty("QUORVANE_HIDPI_CHILD")) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", "2");
        env.insert("QUORVANE_HIDPI_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ScreenCaptureHiDpi.*"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << output.constData();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
        return;
    }

    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    PatternWindow pattern;
    pattern.show();
    ASSERT_TRUE(waitForScreenToShow(pattern));
    ScreenAccessProbe probe;
    X11DisplayList displays;
    SelectionOverlay overlay(displays);
    ConcealNothing concealer;
    ScreenCaptureService service(probe, displays, overlay, concealer);

    // xdotool speaks device pixels: (200, 240) is the point (100, 120).
    const CaptureResult result =
        valueOf(runOverlay(service, overlay, [] { ASSERT_TRUE(xDrag({200, 240}, {800, 640})); }));
    EXPECT_EQ(result.rect, QRectF(100, 120, 300, 200));
    EXPECT_EQ(result.scaleFactor, 2.0);
    EXPECT_EQ(result.image.size(), QSize(600, 400));
    EXPECT_EQ(firstDifference(result.image, pattern.picture().copy(200, 240, 600, 400)), QString());
    EXPECT_EQ(service.lastCapturedRegion()->scaleFactor, 2.0);

    ASSERT_TRUE(waitForScreenToShow(pattern));
    const QImage again = valueOf(service.captureRegion(result.rect, result.displayID));
    EXPECT_EQ(firstDifference(again, result.image), QString());
    pattern.hide();
}

TEST(ScreenCaptureErrorText, DescribesEveryCaseAndComparesMessages)
{
    using K = ScreenCaptureErrorKind;
    EXPECT_EQ(ScreenCaptureError(K::captureFailed, "No pixels").localizedDescription(),
              "Screen capture failed: No pixels");
    EXPECT_EQ(ScreenCaptureError(K::permissionDenied).localizedDescription(),
              "Screen access is required. Please grant access in your desktop's privacy settings.");
    EXPECT_EQ(ScreenCaptureError(K::invalidRegion).localizedDescription(),
              "The selected region is invalid or too small.");
    EXPECT_EQ(ScreenCaptureError(K::displayConfigurationChanged).localizedDescription(),
              "Display configuration has changed. Please select a new region.");
    EXPECT_EQ(ScreenCaptureError(K::overlayDismissed).localizedDescription(), "Capture was cancelled.");
    EXPECT_EQ(ScreenCaptureError(K::noActiveDisplay).localizedDescription(), "No active display found.");

    EXPECT_EQ(ScreenCaptureError(K::captureFailed, "a"), ScreenCaptureError(K::captureFailed, "a"));
    EXPECT_FALSE(ScreenCaptureError(K::captureFailed, "a") == ScreenCaptureError(K::captureFailed, "b"));
    EXPECT_FALSE(ScreenCaptureError(K::invalidRegion) == ScreenCaptureError(K::overlayDismissed));
}

} // namespace
