// SPDX-License-Identifier: GPL-3.0-or-later
// Measures whether a long session keeps its screenshots: 300 repeat captures in one
// process, through the real capture coordinator, screen service and X grab, and the
// resident size (RSS) after every 50, once freed memory is given back. Target: after the
// first 50, flat within 20 MB.
// History, clipboard and toasts are stand-ins that keep nothing, and so is recognition
// unless --recognition: what is measured is what a capture itself holds on to.
// With --recognition the real recognition service reads each capture with the default
// settings (automatic language) in an English locale, and the captures take turns over the
// kinds of text that cost it most: French, Russian and Japanese, English beside Russian,
// and one in ten a whole 1920 x 1080 screen of dense English. It prints, per kind, the most
// resident memory any one capture of it took (target: at most 250 MB) and its median time;
// then the resident size 60 s after the last capture (target: under 100 MB).
// Usage: capture_memory [--region WxH] [--captures N] [--recognition]   (default 980x180;
// "full" for the whole main monitor). Run on a desktop or, e.g. (one line):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" build/bench/capture_memory --region full
#include "capture/allocator_settings.h"
#include "capture/capture_coordinator.h"
#include "capture/capture_pinner.h"
#include "capture/capture_recorder.h"
#include "capture/capture_settings.h"
#include "capture/capture_toasts.h"
#include "capture/ocr_service.h"
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

#include "bench_support.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>

#include <malloc.h>
#include <memory>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace quorvane;
using bench::residentMegabytes;
using bench::resetPeakResident;

namespace {

// The last selected region, kept here: every capture is a repeat of it through the real
// service, and a code-mode capture "selects" it again without an overlay.
class StoredRegion : public ScreenSource {
public:
    StoredRegion(ScreenCaptureService &service, CapturedRegion region) : m_service(service), m_region(region) {}
    void setRect(const QRectF &rect) { m_region.rect = rect; }
    QFuture<CaptureResult> showCaptureOverlay() override
    {
        const CapturedRegion region = m_region;
        return m_service.captureRegion(region.rect, region.displayID).then([region](const QImage &image) {
            return CaptureResult{image, region.rect, region.displayID, QDateTime::currentDateTime(), 1.0};
        });
    }
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

void spinFor(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A kind of text that makes recognition work hard, shown where the next capture reads.
struct Kind {
    const char *name;
    QString text;  // %1: the capture's number, so that no two captures read alike
    QString family;
    bool wholeScreen = false;
    bool code = false;  // read in code mode, at a size that changes every capture
};

QString denseEnglish()
{
    const QString sentences = QStringLiteral(
        "The quarterly report lists every shipment by region, date and carrier, with the delays each one met. "
        "Open the settings to choose where exported files are kept and how long the history lasts. ");
    QString text;
    for (int line = 0; line < 70; ++line)
        text += QStringLiteral("%1 ").arg(line) + sentences + QLatin1Char('\n');
    return text + QStringLiteral("%1");
}

std::vector<Kind> kinds()
{
    return {
        {"French", QStringLiteral("Vos modifications ont été enregistrées dans le dossier partagé.\n"
                                  "Cliquez sur Continuer pour installer la mise à jour %1."),
         QStringLiteral("DejaVu Sans")},
        {"Russian", QStringLiteral("Ваши изменения сохранены в общей папке.\nНе удалось подключиться; проверьте "
                                   "настройки сети %1."),
         QStringLiteral("DejaVu Sans")},
        {"Japanese", QStringLiteral("変更は共有フォルダに保存されました。\n接続できません。ネットワーク設定を確認してください %1。"),
         QStringLiteral("Noto Sans CJK JP")},
        {"English and Russian", QStringLiteral("Your changes have been saved to the shared folder.\n\n\n"
                                               "Ваши изменения сохранены в общей папке %1."),
         QStringLiteral("DejaVu Sans")},
        {"program text, code mode",
         QStringLiteral("$ ip -br addr\nlo      UNKNOWN  127.0.0.1/8 ::1/128\n"
                        "eth0    UP       192.168.1.%1/24 fe80::1c2e:9aff:fe40:7b1d/64\n"
                        "for (int i = 0; i < n; i += 1) { total += rows[i]; }\n"
                        "if (l1 != O0 && crc_l1 >= 0x%1) return -1;"),
         QStringLiteral("DejaVu Sans Mono"), false, true},
        {"dense English, whole screen", denseEnglish(), QStringLiteral("DejaVu Sans"), true},
    };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
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
    makeFreedMemoryReturnable();
    QApplication app(argc, argv);
    QString regionArgument = QStringLiteral("980x180");
    int captures = 300;
    bool recognition = false;
    const QStringList arguments = app.arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--region") && i + 1 < arguments.size())
            regionArgument = arguments.at(++i);
        else if (arguments.at(i) == QLatin1String("--captures") && i + 1 < arguments.size())
            captures = arguments.at(++i).toInt();
        else if (arguments.at(i) == QLatin1String("--recognition"))
            recognition = true;
    }

    ScreenAccessProbe probe;
    X11DisplayList displays;
    SelectionOverlay overlay{displays};
    const std::unique_ptr<ScreenRedraws> redraws = ScreenRedraws::create();
    // The words the captures read are this program's window: it stays.
    WindowConcealer concealer{*redraws, [](const QWidget &) { return false; }};
    ScreenCaptureService service{probe, displays, overlay, concealer};

    const quint32 display = displays.mainDisplayId();
    const QRect bounds = displays.display(display)->bounds;
    QRectF rect(QPointF(0, 0), QSizeF(bounds.size()));
    if (regionArgument != QLatin1String("full")) {
        const QStringList size = regionArgument.split(QLatin1Char('x'));
        if (size.size() != 2) {
            std::fprintf(stderr, "usage: capture_memory [--region WxH|full] [--captures N] [--recognition]\n");
            return 2;
        }
        rect = QRectF(100, 100, size.at(0).toInt(), size.at(1).toInt());
    }
    StoredRegion screen{service, CapturedRegion{rect, display, 1.0}};
    std::unique_ptr<TextRecognizer> recognizer;
    if (recognition)
        recognizer = std::make_unique<OCRService>(OCRService::defaultDataPath(), QLocale(QStringLiteral("en_US")));
    else
        recognizer = std::make_unique<QuickRecognizer>();
    NoCodes codes;
    ForgetfulRecorder recorder;
    NoPin settings;
    NoClipboard clipboard;
    NoToasts toasts;
    Granted permission;
    NoPins pins;
    NoApplication frontmost;
    CaptureCoordinator coordinator{screen, *recognizer, codes, recorder, settings, clipboard,
                                   toasts, permission, pins, frontmost};

    // Dark text on white where the captures read, one kind after another.
    auto words = std::make_unique<QLabel>();
    words->setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
    words->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    words->setMargin(12);
    const std::vector<Kind> textKinds = kinds();
    struct Measured {
        double peak = 0;  // MB
        std::vector<double> times;  // ms
    };
    std::map<QString, Measured> measured;

    if (recognition)
        std::printf("%d repeat captures read with automatic language (English locale)\n", captures);
    else
        std::printf("%d repeat captures of %d x %d px\n", captures, int(rect.width()), int(rect.height()));
    std::printf("captures  resident MB\n%8d  %11.1f\n", 0, residentMegabytes());
    double afterFirst = 0;
    double highest = 0;
    for (int i = 1; i <= captures; ++i) {
        const Kind *kind = nullptr;
        if (recognition) {
            // One in ten reads the whole screen; the others take turns.
            kind = i % 10 == 0 ? &textKinds.back() : &textKinds[size_t(i % (textKinds.size() - 1))];
            // Code mode draws the glyphs of every installed monospaced font at the sizes
            // that fit the text, whichever font drew it, and each capture is at another size:
            // kept, they would add up. The text is drawn in one font, as a terminal draws in
            // its own process and this one's fonts are not what is measured.
            QFont font(kind->family);
            font.setPixelSize(kind->wholeScreen ? 13 : 24);
            // Terminals take their size in points, which seldom make a whole pixel.
            if (kind->code)
                font.setPointSizeF(8 + 0.75 * (i % 9));
            words->setFont(font);
            words->setWordWrap(kind->wholeScreen);
            words->setText(kind->text.arg(i));
            const QRect area = kind->wholeScreen ? bounds : QRect(100, 100, 1100, 240).translated(bounds.topLeft());
            words->setGeometry(area);
            words->show();
            words->raise();
            words->repaint();
            QDeadlineTimer shown(10000);
            while (!(words->windowHandle() && words->windowHandle()->isExposed()) && !shown.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            spinFor(150);
            screen.setRect(QRectF(QPointF(area.topLeft() - bounds.topLeft()), QSizeF(area.size())));
            resetPeakResident();
        }
        QElapsedTimer timer;
        timer.start();
        const QFuture<CaptureWorkflowResult> capture =
            kind && kind->code ? coordinator.performCodeModeCapture() : coordinator.performRepeatCapture();
        if (!spinUntil(capture, 60000) || capture.resultCount() == 0) {
            std::fprintf(stderr, "capture %d did not succeed\n", i);
            return 1;
        }
        if (kind) {
            Measured &m = measured[QString::fromUtf8(kind->name)];
            m.peak = std::max(m.peak, residentMegabytes("VmHWM:"));
            m.times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        if (i % 50 == 0) {
            // What the captures keep, not what the allocator has yet to give back after the
            // whole screen just read: the program gives it back when idle, and so does this.
            malloc_trim(0);
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
    if (!recognition)
        return 0;
    // Its window, and the shared memory its pixels were drawn in, are the benchmark's own.
    words.reset();
    double mostOfAll = 0;
    for (const auto &[name, m] : measured) {
        std::printf("%-30s at most %6.1f MB resident during one capture, median %6.0f ms (%zu captures)\n",
                    qPrintable(name), m.peak, median(m.times), m.times.size());
        mostOfAll = std::max(mostOfAll, m.peak);
    }
    std::printf("at most during any one capture: %.1f MB (target: at most 250 MB) %s\n", mostOfAll,
                mostOfAll <= 250 ? "met" : "MISSED");
    spinFor(60000);
    const double idle = residentMegabytes();
    std::printf("60 s after the last capture: resident %.1f MB (target: under 100 MB) %s\n", idle,
                idle < 100 ? "met" : "MISSED");
    // What could be given back: the heap and other anonymous pages, not mapped libraries.
    std::printf("  of which anonymous %.1f MB, mapped files %.1f MB, shared %.1f MB\n",
                residentMegabytes("RssAnon:"), residentMegabytes("RssFile:"), residentMegabytes("RssShmem:"));
    return 0;
}
