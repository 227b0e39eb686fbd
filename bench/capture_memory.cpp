// SPDX-License-Identifier: GPL-3.0-or-later
// Measures whether a long session keeps its screenshots: 300 repeat captures in one
// process, through the real capture coordinator, screen service and X grab, and the
// resident size (RSS) after every 50. Target: after the first 50, flat within 20 MB.
// Recognition, history, clipboard and toasts are stand-ins that keep nothing: what is
// measured is what a capture itself holds on to.
// Usage: capture_memory [--region WxH] [--captures N]   (default 980x180; "full" for the
// whole main monitor). Run on a desktop or, e.g. (one line):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" build/bench/capture_memory --region full
#include "capture/capture_coordinator.h"
#include "capture/capture_pinner.h"
#include "capture/capture_recorder.h"
#include "capture/capture_settings.h"
#include "capture/capture_toasts.h"
#include "capture/screen_capture_service.h"
#include "capture/screen_recording_permission.h"
#include "capture/text_clipboard.h"
#include "capture/text_recognizer.h"
#include "capture/code_scanner.h"
#include "capture/window_concealer.h"
#include "core/localized_error.h"
#include "core/user_settings.h"
#include "platform/frontmost_application.h"
#include "platform/screen_access_probe.h"
#include "platform/screen_redraws.h"
#include "platform/selection_overlay.h"
#include "platform/x11_display_list.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>

using namespace quorvane;

namespace {

// The last selected region, kept here: every capture is a repeat of it through the real service.
class StoredRegion : public ScreenSource {
public:
    StoredRegion(ScreenCaptureService &service, CapturedRegion region) : m_service(service), m_region(region) {}
    QFuture<CaptureResult> showCaptureOverlay() override { return m_service.showCaptureOverlay(); }
    QFuture<QImage> captureRegion(const QRectF &rect, std::optional<quint32> displayID) override
    {
        return m_service.captureRegion(rect, displayID);
    }
    std::optional<CapturedRegion> lastCapturedRegion() const override { return m_region; }
    void clearLastCapturedRegion() override {}

private:
    ScreenCaptureService &m_service;
    CapturedRegion m_region;
};

// Answers from a worker thread, as the engine does.
class QuickRecognizer : public TextRecognizer {
public:
    QFuture<QString> recognizeText(const QImage &image, const std::optional<QStringList> &, CaptureMode,
                                   const TextProcessingSettings &) override
    {
        return QtConcurrent::run([width = image.width()] { return QStringLiteral("text %1").arg(width); });
    }
    void prepare(const std::optional<QStringList> &, CaptureMode) override {}
};

class NoCodes : public CodeScanner {
public:
    QFuture<DetectedCode> detectBestCode(const QImage &) override { return {}; }
};

class ForgetfulRecorder : public CaptureRecorder {
public:
    QFuture<void> addEntry(CaptureHistoryEntry) override { return QtFuture::makeReadyFuture(); }
};

class NoPin : public CaptureSettings {
public:
    NoPin() { m_settings.showPinWidgetAfterCapture = false; }
    const UserSettings &settings() const override { return m_settings; }

private:
    UserSettings m_settings;
};

class NoClipboard : public TextClipboard {
public:
    void copyText(const QString &) override {}
    void copyTextInFormats(const QString &, const QList<ClipboardFormat> &) override {}
};

class NoToasts : public CaptureToasts {
public:
    void showSuccess(CaptureMode, const QUuid &, std::optional<quint32>) override {}
    void showError(const LocalizedError &error, std::optional<quint32>) override
    {
        std::fprintf(stderr, "capture failed: %s\n", qPrintable(error.localizedDescription()));
    }
};

class Granted : public ScreenRecordingPermission {
public:
    bool hasScreenRecordingPermission() const override { return true; }
    QFuture<bool> requestScreenRecordingPermission() override { return QtFuture::makeReadyFuture(true); }
};

class NoPins : public CapturePinner {
public:
    void pinCapture(const CaptureHistoryEntry &, const QImage &, std::optional<QPoint>) override {}
};

class NoApplication : public FrontmostApplication {
public:
    std::optional<QString> bundleIdentifier() const override { return std::nullopt; }
};

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

bool spinUntil(const QFuture<CaptureWorkflowResult> &future, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!future.isFinished()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // The continuations that follow the result run on the next turns.
    QCoreApplication::processEvents();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString regionArgument = QStringLiteral("980x180");
    int captures = 300;
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--region"))
            regionArgument = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--captures"))
            captures = arguments.at(i + 1).toInt();
    }

    ScreenAccessProbe probe;
    X11DisplayList displays;
    SelectionOverlay overlay{displays};
    const std::unique_ptr<ScreenRedraws> redraws = ScreenRedraws::create();
    WindowConcealer concealer{*redraws};
    ScreenCaptureService service{probe, displays, overlay, concealer};

    const quint32 display = displays.mainDisplayId();
    const QRect bounds = displays.display(display)->bounds;
    QRectF rect(QPointF(0, 0), QSizeF(bounds.size()));
    if (regionArgument != QLatin1String("full")) {
        const QStringList size = regionArgument.split(QLatin1Char('x'));
        if (size.size() != 2) {
            std::fprintf(stderr, "usage: capture_memory [--region WxH|full] [--captures N]\n");
            return 2;
        }
        rect = QRectF(100, 100, size.at(0).toInt(), size.at(1).toInt());
    }
    StoredRegion screen{service, CapturedRegion{rect, display, 1.0}};
    QuickRecognizer recognizer;
    NoCodes codes;
    ForgetfulRecorder recorder;
    NoPin settings;
    NoClipboard clipboard;
    NoToasts toasts;
    Granted permission;
    NoPins pins;
    NoApplication frontmost;
    CaptureCoordinator coordinator{screen, recognizer, codes, recorder, settings, clipboard,
                                   toasts, permission, pins, frontmost};

    std::printf("%d repeat captures of %d x %d px\n", captures, int(rect.width()), int(rect.height()));
    std::printf("captures  resident MB\n%8d  %11.1f\n", 0, residentMegabytes());
    double afterFirst = 0;
    double highest = 0;
    for (int i = 1; i <= captures; ++i) {
        const QFuture<CaptureWorkflowResult> capture = coordinator.performRepeatCapture();
        if (!spinUntil(capture, 30000) || capture.resultCount() == 0) {
            std::fprintf(stderr, "capture %d did not succeed\n", i);
            return 1;
        }
        if (i % 50 == 0) {
            const double resident = residentMegabytes();
            std::printf("%8d  %11.1f\n", i, resident);
            std::fflush(stdout);
            if (i == 50)
                afterFirst = resident;
            highest = std::max(highest, resident);
        }
    }
    const double growth = highest - afterFirst;
    std::printf("growth after the first 50: %.1f MB (target: at most 20 MB) %s\n", growth,
                growth <= 20 ? "met" : "MISSED");
    return 0;
}
