// SPDX-License-Identifier: GPL-3.0-or-later
// The quick capture with the real services on a real X server: a window shows a known
// line of text, the overlay is driven with a real drag, and the recognised text is read
// back from the X clipboard (through another program), from the history file and from
// the toast's record.
#include "x_display_test_tools.h"

#include "capture/capture_coordinator.h"
#include "capture/clipboard_service.h"
#include "capture/code_scan_service.h"
#include "capture/ocr_service.h"
#include "capture/screen_capture_service.h"
#include "capture/service_adapters.h"
#include "core/json_util.h"
#include "core/notification_service.h"
#include "core/permission_manager.h"
#include "core/settings_store.h"
#include "core/toast_content_view.h"
#include "history/history_store.h"
#include "platform/alert_presenter.h"
#include "platform/login_item.h"
#include "platform/pasteboard.h"
#include "platform/privacy_settings_opener.h"
#include "platform/screen_access_probe.h"
#include "platform/selection_overlay.h"
#include "platform/user_defaults.h"
#include "platform/x11_display_list.h"
#include "platform/x11_frontmost_application.h"
#include "support/conceal_nothing.h"
#include "support/fake_notification_platform.h"
#include "quiet_desktop.h"

#include <QFile>
#include <QFont>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

const QString kKnownText = QStringLiteral("Quorvane reads this line");

// Black text on white, large and plain, at a known place of the primary screen.
class TextWindow : public QWidget {
public:
    TextWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
    {
        setGeometry(QRect(200, 200, 900, 160));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    // Where the text stands, in global coordinates, with a white margin around it.
    QRect textArea() const { return QRect(220, 230, 860, 100); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(40);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, kKnownText);
    }
};

using test::NoAlerts;
using test::NoLoginItem;
using test::NoOpener;

// The pin widgets are not part of this run; the hand-off to them is recorded.
class RecordingPins : public CapturePinner {
public:
    QList<CaptureHistoryEntry> pinned;
    void pinCapture(const CaptureHistoryEntry &entry, const QImage &, std::optional<QPoint>) override
    {
        pinned.append(entry);
    }
};

bool screenShowsWhite(const QRect &area)
{
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), 4, 4).toImage();
    return !shown.isNull() && (shown.pixel(0, 0) & 0xffffff) == 0xffffff;
}

} // namespace

TEST(CaptureCoordinatorLive, QuickCaptureCopiesRecordsAndAnnouncesTheRecognisedText)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    ScreenAccessProbe probe;
    X11DisplayList displays;
    SelectionOverlay overlay{displays};
    test::ConcealNothing concealer;
    ScreenCaptureService screen{probe, displays, overlay, concealer};
    OCRService ocr;
    CodeScanService scanner;
    HistoryStore history{folder.filePath(QStringLiteral("Quorvane")), 100};
    UserDefaults defaults{folder.filePath(QStringLiteral("defaults.json"))};
    NoLoginItem loginItem;
    SettingsStore settings{defaults, loginItem};
    std::unique_ptr<Pasteboard> pasteboard = Pasteboard::createSystem();
    ClipboardService clipboard{*pasteboard};
    FakeSystemNotifier notifier;
    FakeSoundPlayer sounds;
    FakeAnnouncer announcer;
    FakeMotionPreference motion;
    NotificationService notifications{notifier, sounds, announcer, motion, toastFactory(displays)};
    NoOpener opener;
    NoAlerts alerts;
    PermissionManager permissions{{[&probe] { return probe.canReadScreen(); }, [] { return true; }, {}},
                                  opener, alerts};
    RecordingPins pins;
    X11FrontmostApplication frontmost;
    HistoryRecorder recorder{history};
    SettingsStoreSettings captureSettings{settings};
    NotificationToasts toasts{notifications};
    PermissionManagerGrant permission{permissions};
    CaptureCoordinator coordinator{screen, ocr, scanner, recorder, captureSettings, clipboard,
                                   toasts, permission, pins, frontmost};

    TextWindow window;
    window.show();
    ASSERT_TRUE(waitUntil([&] { return screenShowsWhite(window.textArea()); }));

    bool overlayShown = false;
    QObject::connect(&overlay, &SelectionOverlay::shown, [&] { overlayShown = true; });
    QFuture<CaptureWorkflowResult> future = coordinator.performQuickZarrowCapture();
    ASSERT_TRUE(waitUntil([&] { return overlayShown || future.isFinished(); }));
    ASSERT_TRUE(overlayShown) << "the overlay never appeared";
    EXPECT_TRUE(coordinator.isCaptureInProgress());
    const QRect area = window.textArea();
    ASSERT_TRUE(xDrag(area.topLeft(), area.topLeft() + QPoint(area.width(), area.height())));
    ASSERT_TRUE(waitFor(future, 60000));
    ASSERT_FALSE(future.isCanceled());
    const CaptureWorkflowResult result = future.result();

    EXPECT_EQ(result.text.trimmed(), kKnownText);
    EXPECT_FALSE(coordinator.isCaptureInProgress());

    // The success toast (read first: it leaves after 1.5 s of event handling) names the record.
    ToastWindow *toast = notifications.toastWindow();
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->captureID(), std::optional<QUuid>(result.historyEntry.id));
    EXPECT_EQ(toast->contentView()->title(), "Text Captured");
    EXPECT_EQ(toast->contentView()->message(), "Copied to clipboard");

    // The clipboard, as another program reads it.
    const ToolRun paste = runTool(QStringLiteral("xclip"), {"-selection", "clipboard", "-o"});
    EXPECT_EQ(paste.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(paste.output), result.text);

    // The history file.
    QFile file(history.historyFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const json::Json stored = json::parse(file.readAll());
    ASSERT_TRUE(stored.is_array());
    ASSERT_EQ(stored.size(), 1u);
    const CaptureHistoryEntry entry = CaptureHistoryEntry::fromJson(stored.at(0));
    EXPECT_EQ(entry.id, result.historyEntry.id);
    EXPECT_EQ(entry.text, result.text);
    EXPECT_EQ(entry.captureMode, CaptureMode::normal);
    EXPECT_EQ(entry.sourceRect, QRectF(area));
    EXPECT_FALSE(entry.thumbnailData.isEmpty());

    ASSERT_EQ(pins.pinned.size(), 1);
    EXPECT_EQ(pins.pinned.first().id, entry.id);
}
