// SPDX-License-Identifier: GPL-3.0-or-later
// The capture workflows against stand-ins for each of the coordinator's roles: the order
// of the calls, the one-capture-at-a-time guard, the in-progress flag on every exit, and
// which toast each failure shows and which error it throws.
#include "capture/capture_coordinator.h"
#include "capture/capture_coordinator_error.h"
#include "capture/capture_pinner.h"
#include "capture/capture_recorder.h"
#include "capture/capture_settings.h"
#include "capture/capture_toasts.h"
#include "capture/clipboard_error.h"
#include "capture/code_scan_error.h"
#include "capture/code_scanner.h"
#include "capture/ocr_error.h"
#include "capture/screen_capture_error.h"
#include "capture/screen_recording_permission.h"
#include "capture/screen_source.h"
#include "capture/text_clipboard.h"
#include "capture/text_recognizer.h"
#include "history/history_store_error.h"
#include "platform/frontmost_application.h"
#include "support/event_loop.h"
#include "support/log_capture.h"
#include "support/scoped_interface_language.h"

#include <QBuffer>
#include <QImageReader>
#include <QPromise>
#include <QSignalSpy>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

using namespace quorvane;

namespace {

// ---- Answers the stand-ins give -----------------------------------------------------

// A service's answer: made when the call arrives, settled on a later turn of the event
// loop as real services do.
template <typename T>
using Answer = std::function<QFuture<T>()>;

template <typename T>
Answer<T> later(T value)
{
    return [value] {
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        QTimer::singleShot(0, qApp, [promise, value] {
            promise->addResult(value);
            promise->finish();
        });
        return promise->future();
    };
}

inline Answer<void> laterDone()
{
    return [] {
        auto promise = std::make_shared<QPromise<void>>();
        promise->start();
        QTimer::singleShot(0, qApp, [promise] { promise->finish(); });
        return promise->future();
    };
}

template <typename T, typename Error>
Answer<T> laterFail(Error error)
{
    return [error] {
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        QTimer::singleShot(0, qApp, [promise, error] {
            promise->setException(std::make_exception_ptr(error));
            promise->finish();
        });
        return promise->future();
    };
}

// A service whose work is dropped without an answer: its future ends cancelled.
template <typename T>
Answer<T> dropped()
{
    return [] {
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        QTimer::singleShot(0, qApp, [promise]() mutable { promise.reset(); });
        return promise->future();
    };
}

// An answer the test gives when it chooses.
template <typename T>
struct Held {
    std::shared_ptr<QPromise<T>> promise;
    Answer<T> answer()
    {
        return [this] {
            promise = std::make_shared<QPromise<T>>();
            promise->start();
            return promise->future();
        };
    }
};

QImage filledImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// ---- Stand-ins for the coordinator's collaborators ------------------------------------

// Every call any stand-in receives, in order.
using CallLog = QStringList;

class FakeScreen : public ScreenSource {
public:
    explicit FakeScreen(CallLog &log) : m_log(log) {}

    CaptureResult selection{filledImage(300, 200), QRectF(40, 60, 300, 200), 7,
                            QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC), 1.0};
    Answer<CaptureResult> overlay = later(selection);
    Answer<QImage> recapture = later(filledImage(120, 80));
    std::optional<CapturedRegion> storedRegion;
    QList<std::pair<QRectF, std::optional<quint32>>> recaptures;

    QFuture<CaptureResult> showCaptureOverlay() override
    {
        m_log << "showCaptureOverlay";
        return overlay();
    }
    QFuture<QImage> captureRegion(const QRectF &rect, std::optional<quint32> displayID) override
    {
        m_log << "captureRegion";
        recaptures.append({rect, displayID});
        return recapture();
    }
    std::optional<CapturedRegion> lastCapturedRegion() const override
    {
        m_log << "lastCapturedRegion";
        return storedRegion;
    }
    void clearLastCapturedRegion() override
    {
        m_log << "clearLastCapturedRegion";
        storedRegion.reset();
    }

private:
    CallLog &m_log;
};

class FakeOCR : public TextRecognizer {
public:
    explicit FakeOCR(CallLog &log) : m_log(log) {}

    Answer<QString> answer = later(QStringLiteral("Hello capture"));
    std::optional<QStringList> languages;
    std::optional<TextProcessingSettings> options;
    QImage image;

    QFuture<QString> recognizeText(const QImage &image, const std::optional<QStringList> &languages,
                                   CaptureMode mode, const TextProcessingSettings &options) override
    {
        m_log << "recognizeText " + rawValue(mode);
        this->image = image;
        this->languages = languages;
        this->options = options;
        return answer();
    }
    void prepare(const std::optional<QStringList> &, CaptureMode mode) override { m_log << "prepare " + rawValue(mode); }
    void cancelRecognition() override { m_log << "cancelRecognition"; }

private:
    CallLog &m_log;
};

class FakeCodeScan : public CodeScanner {
public:
    explicit FakeCodeScan(CallLog &log) : m_log(log) {}

    Answer<DetectedCode> answer = later(DetectedCode{QStringLiteral("https://example.org/?q=1"),
                                                     CodeSymbology::qr, 0.9f});

    QFuture<DetectedCode> detectBestCode(const QImage &) override
    {
        m_log << "detectBestCode";
        return answer();
    }
    void cancelScan() override { m_log << "cancelScan"; }

private:
    CallLog &m_log;
};

class FakeHistory : public CaptureRecorder {
public:
    explicit FakeHistory(CallLog &log) : m_log(log) {}

    Answer<void> answer = laterDone();
    QList<CaptureHistoryEntry> added;

    QFuture<void> addEntry(CaptureHistoryEntry entry) override
    {
        m_log << "addEntry";
        added.append(entry);
        return answer();
    }

private:
    CallLog &m_log;
};

class FakeSettings : public CaptureSettings {
public:
    const UserSettings &settings() const override { return m_record; }
    void setSettings(const UserSettings &record) { m_record = record; }

private:
    UserSettings m_record;
};

class FakeClipboard : public TextClipboard {
public:
    explicit FakeClipboard(CallLog &log) : m_log(log) {}

    std::optional<ClipboardError> failure;
    QStringList copied;
    QList<QList<ClipboardFormat>> formats;

    void copyText(const QString &text) override
    {
        m_log << "copyText";
        if (failure)
            throw *failure;
        copied << text;
    }
    void copyTextInFormats(const QString &text, const QList<ClipboardFormat> &formats) override
    {
        m_log << "copyTextInFormats";
        if (failure)
            throw *failure;
        copied << text;
        this->formats << formats;
    }

private:
    CallLog &m_log;
};

class FakeNotifications : public CaptureToasts {
public:
    explicit FakeNotifications(CallLog &log) : m_log(log) {}

    struct Success {
        CaptureMode mode;
        QUuid captureID;
        std::optional<quint32> displayID;
    };
    QList<Success> successes;
    QStringList errors; // the descriptions shown
    QList<std::optional<quint32>> errorDisplays;

    void showSuccess(CaptureMode mode, const QUuid &captureID, std::optional<quint32> displayID) override
    {
        m_log << "showSuccess " + rawValue(mode);
        successes.append({mode, captureID, displayID});
    }
    void showError(const LocalizedError &error, std::optional<quint32> displayID) override
    {
        m_log << "showError";
        errors << error.localizedDescription();
        errorDisplays << displayID;
    }

private:
    CallLog &m_log;
};

class FakePermissions : public ScreenRecordingPermission {
public:
    explicit FakePermissions(CallLog &log) : m_log(log) {}

    bool granted = true;
    Answer<bool> answer = later(true);

    bool hasScreenRecordingPermission() const override { return granted; }
    QFuture<bool> requestScreenRecordingPermission() override
    {
        m_log << "requestScreenRecordingPermission";
        return answer();
    }

private:
    CallLog &m_log;
};

class FakePins : public CapturePinner {
public:
    explicit FakePins(CallLog &log) : m_log(log) {}

    struct Pin {
        CaptureHistoryEntry entry;
        QImage image;
        std::optional<QPoint> center;
    };
    QList<Pin> pins;

    void pinCapture(const CaptureHistoryEntry &entry, const QImage &image, std::optional<QPoint> center) override
    {
        m_log << "pinCapture";
        pins.append({entry, image, center});
    }

private:
    CallLog &m_log;
};

class FakeFrontmost : public FrontmostApplication {
public:
    std::optional<QString> identifier = QStringLiteral("org.example.Editor");
    std::optional<QString> bundleIdentifier() const override { return identifier; }
};

// ---- Reading a workflow's outcome -----------------------------------------------------

template <typename Error>
std::optional<Error> failureAs(QFuture<CaptureWorkflowResult> future)
{
    try {
        future.waitForFinished();
    } catch (const Error &error) {
        return error;
    } catch (...) {
    }
    return std::nullopt;
}

bool failed(QFuture<CaptureWorkflowResult> future)
{
    try {
        future.waitForFinished();
    } catch (...) {
        return true;
    }
    return false;
}

QSize pngSize(const QByteArray &png)
{
    QBuffer buffer;
    buffer.setData(png);
    return QImageReader(&buffer, "png").size();
}

using Workflow = QFuture<CaptureWorkflowResult> (CaptureCoordinator::*)();

// ---- The fixture ----------------------------------------------------------------------

class CaptureCoordinatorTest : public ::testing::Test {
protected:
    CaptureCoordinatorTest()
    {
        // A repeat needs a region from an earlier selection.
        screen.storedRegion = CapturedRegion{QRectF(12, 34, 200, 80), 9, 1.0};
        UserSettings record = settings.settings();
        record.autoDetectLanguage = true;
        record.showPinWidgetAfterCapture = true;
        settings.setSettings(record);
    }

    // Runs `workflow` to its end.
    QFuture<CaptureWorkflowResult> run(Workflow workflow)
    {
        QFuture<CaptureWorkflowResult> future = (coordinator.*workflow)();
        EXPECT_TRUE(test::waitFor(future, 5000));
        return future;
    }

    void setScreenRecordingGranted(bool granted) { permissions.granted = granted; }

    CallLog log;
    FakeScreen screen{log};
    FakeOCR ocr{log};
    FakeCodeScan scanner{log};
    FakeHistory history{log};
    FakeSettings settings;
    FakeClipboard clipboard{log};
    FakeNotifications notifications{log};
    FakePermissions permissions{log};
    FakePins pins{log};
    FakeFrontmost frontmost;

    CaptureCoordinator coordinator{screen, ocr, scanner, history, settings, clipboard,
                                   notifications, permissions, pins, frontmost};
};

// ---- Call order ---------------------------------------------------------------------

TEST_F(CaptureCoordinatorTest, QuickCaptureRunsItsStepsInOrderAndRecordsTheSelection)
{
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performQuickZarrowCapture);
    ASSERT_FALSE(failed(future));

    EXPECT_EQ(log, (CallLog{"prepare normal", "showCaptureOverlay", "recognizeText normal", "copyText", "addEntry",
                            "showSuccess normal", "pinCapture"}));
    const CaptureWorkflowResult result = future.result();
    EXPECT_EQ(result.text, "Hello capture");
    EXPECT_EQ(clipboard.copied, QStringList{"Hello capture"});

    ASSERT_EQ(history.added.size(), 1);
    const CaptureHistoryEntry &entry = history.added.first();
    EXPECT_EQ(result.historyEntry.id, entry.id);
    EXPECT_EQ(entry.text, "Hello capture");
    EXPECT_EQ(entry.timestamp, screen.selection.timestamp); // when captured, not when stored
    EXPECT_EQ(entry.sourceRect, screen.selection.rect);
    EXPECT_EQ(entry.displayID, std::optional<quint32>(7));
    EXPECT_EQ(entry.sourceAppBundleID, std::optional<QString>("org.example.Editor"));
    EXPECT_EQ(entry.captureMode, CaptureMode::normal);
    EXPECT_EQ(pngSize(entry.thumbnailData), QSize(256, 170));

    ASSERT_EQ(notifications.successes.size(), 1);
    EXPECT_EQ(notifications.successes.first().captureID, entry.id);
    EXPECT_EQ(notifications.successes.first().displayID, std::optional<quint32>(7));

    ASSERT_EQ(pins.pins.size(), 1);
    EXPECT_EQ(pins.pins.first().entry.id, entry.id);
    EXPECT_EQ(pins.pins.first().image, screen.selection.image);
    EXPECT_EQ(pins.pins.first().center, std::nullopt);

    EXPECT_FALSE(coordinator.isCaptureInProgress());
    EXPECT_EQ(coordinator.lastCaptureDuration(), result.duration);
    EXPECT_GE(result.duration, 0.0);
}

// A copied password must not end up in the journal: the captured text is logged only
// when the user turns on the text category by name.
TEST_F(CaptureCoordinatorTest, LogsQuoteTheCapturedTextOnlyWhenItsCategoryIsTurnedOn)
{
    const QString payload = QStringLiteral("https://example.org/?q=1");
    for (const QString &rules : {QString(), QStringLiteral("quorvane.*.info=true")}) {
        test::LogCapture logs(rules);
        for (Workflow workflow : {&CaptureCoordinator::performQuickZarrowCapture,
                                  &CaptureCoordinator::performCodeModeCapture,
                                  &CaptureCoordinator::performScanCodeCapture})
            ASSERT_FALSE(failed(run(workflow)));
        EXPECT_EQ(logs.quoting(QStringLiteral("Hello capture")), QStringList()) << rules.toStdString();
        EXPECT_EQ(logs.quoting(payload), QStringList()) << rules.toStdString();
        // Informational lines are off by default and name counts when on.
        EXPECT_EQ(logs.quoting(QStringLiteral("Recognised 13 characters")).size(), rules.isEmpty() ? 0 : 1);
    }

    test::LogCapture logs(QStringLiteral("quorvane.text.debug=true"));
    ASSERT_FALSE(failed(run(&CaptureCoordinator::performQuickZarrowCapture)));
    const QStringList quoted = logs.quoting(QStringLiteral("Hello capture"));
    ASSERT_EQ(quoted.size(), 1);
    EXPECT_TRUE(quoted.first().startsWith(QStringLiteral("quorvane.text: ")));
}

TEST_F(CaptureCoordinatorTest, QuickCaptureAsksForAMissingGrantBeforeSelecting)
{
    setScreenRecordingGranted(false);
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performQuickZarrowCapture);
    ASSERT_FALSE(failed(future));
    EXPECT_EQ(log.mid(0, 3), (CallLog{"prepare normal", "requestScreenRecordingPermission", "showCaptureOverlay"}));
    EXPECT_TRUE(notifications.errors.isEmpty());
}

TEST_F(CaptureCoordinatorTest, CodeModeCopiesPlainTextOnlyThroughTheMultiFormatCopy)
{
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performCodeModeCapture);
    ASSERT_FALSE(failed(future));
    EXPECT_EQ(log, (CallLog{"prepare code", "showCaptureOverlay", "recognizeText code", "copyTextInFormats", "addEntry",
                            "showSuccess code", "pinCapture"}));
    EXPECT_EQ(clipboard.formats, (QList<QList<ClipboardFormat>>{{ClipboardFormat::plainText}}));
    EXPECT_EQ(history.added.first().captureMode, CaptureMode::code);
    EXPECT_EQ(future.result().historyEntry.captureMode, CaptureMode::code);
}

TEST_F(CaptureCoordinatorTest, ScanCodeCopiesThePayloadAsDetectedWithoutRecognition)
{
    scanner.answer = later(DetectedCode{QStringLiteral("  4006381333931  "), CodeSymbology::ean13, 0.5f});
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performScanCodeCapture);
    ASSERT_FALSE(failed(future));
    EXPECT_EQ(log, (CallLog{"showCaptureOverlay", "detectBestCode", "copyText", "addEntry",
                            "showSuccess scanCode", "pinCapture"}));
    EXPECT_EQ(future.result().text, "  4006381333931  ");
    EXPECT_EQ(clipboard.copied, QStringList{"  4006381333931  "});
    EXPECT_EQ(history.added.first().text, "  4006381333931  ");
    EXPECT_EQ(history.added.first().captureMode, CaptureMode::scanCode);
    EXPECT_EQ(history.added.first().timestamp, screen.selection.timestamp);
}

TEST_F(CaptureCoordinatorTest, RepeatCaptureReplaysStoredRegion)
{
    setScreenRecordingGranted(true);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performRepeatCapture);
    const QDateTime after = QDateTime::currentDateTimeUtc();
    ASSERT_FALSE(failed(future));

    EXPECT_EQ(log, (CallLog{"lastCapturedRegion", "captureRegion", "recognizeText repeat", "copyText", "addEntry",
                            "showSuccess repeat", "pinCapture"}));
    ASSERT_EQ(screen.recaptures.size(), 1);
    EXPECT_EQ(screen.recaptures.first().first, QRectF(12, 34, 200, 80));
    EXPECT_EQ(screen.recaptures.first().second, std::optional<quint32>(9));
    EXPECT_EQ(ocr.image.size(), QSize(120, 80)); // the new picture is recognised

    const CaptureHistoryEntry &entry = history.added.first();
    EXPECT_EQ(entry.sourceRect, QRectF(12, 34, 200, 80));
    EXPECT_EQ(entry.displayID, std::optional<quint32>(9));
    EXPECT_EQ(entry.captureMode, CaptureMode::repeat);
    EXPECT_GE(entry.timestamp, before); // the time of the repeat
    EXPECT_LE(entry.timestamp, after);
    EXPECT_EQ(pngSize(entry.thumbnailData), QSize(256, 170));
    EXPECT_EQ(notifications.successes.first().displayID, std::optional<quint32>(9));
    EXPECT_EQ(pins.pins.first().image.size(), QSize(120, 80));
}

// ---- Settings read by the workflows -------------------------------------------------

TEST_F(CaptureCoordinatorTest, RecognitionGetsLanguagesOnlyWithoutAutomaticDetection)
{
    UserSettings record = settings.settings();
    record.autoDetectLanguage = true;
    record.preferredLanguages = {"fr-FR"};
    record.textProcessing = {false, true, false};
    settings.setSettings(record);
    run(&CaptureCoordinator::performQuickZarrowCapture);
    EXPECT_EQ(ocr.languages, std::nullopt);
    EXPECT_EQ(ocr.options, (TextProcessingSettings{false, true, false}));

    record.autoDetectLanguage = false;
    record.preferredLanguages = {"de-DE", "en-US"};
    settings.setSettings(record);
    run(&CaptureCoordinator::performCodeModeCapture);
    EXPECT_EQ(ocr.languages, std::optional<QStringList>({"de-DE", "en-US"}));

    // An empty choice is passed on as it is, not turned into automatic detection.
    record.preferredLanguages = {};
    settings.setSettings(record);
    run(&CaptureCoordinator::performRepeatCapture);
    EXPECT_EQ(ocr.languages, std::optional<QStringList>(QStringList{}));
}

TEST_F(CaptureCoordinatorTest, NoPinWhenTheSettingsDoNotAskForOne)
{
    UserSettings record = settings.settings();
    record.showPinWidgetAfterCapture = false;
    settings.setSettings(record);
    for (Workflow workflow : {&CaptureCoordinator::performQuickZarrowCapture, &CaptureCoordinator::performRepeatCapture,
                              &CaptureCoordinator::performCodeModeCapture,
                              &CaptureCoordinator::performScanCodeCapture}) {
        EXPECT_FALSE(failed(run(workflow)));
    }
    EXPECT_EQ(notifications.successes.size(), 4);
    EXPECT_TRUE(pins.pins.isEmpty());
}

TEST_F(CaptureCoordinatorTest, AThumbnailThatCannotBeMadeStillGivesARecord)
{
    screen.selection.image = QImage(); // no pixels to scale
    screen.overlay = later(screen.selection);
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performQuickZarrowCapture);
    ASSERT_FALSE(failed(future));
    ASSERT_EQ(history.added.size(), 1);
    EXPECT_TRUE(history.added.first().thumbnailData.isEmpty());
    EXPECT_EQ(notifications.successes.size(), 1);
    EXPECT_TRUE(notifications.errors.isEmpty());
}

// ---- One capture at a time ----------------------------------------------------------

TEST_F(CaptureCoordinatorTest, SecondRequestWhileOneRunsFailsAtOnceToldOrCancellingTheSameKind)
{
    Held<CaptureResult> selection;
    screen.overlay = selection.answer();
    QSignalSpy flag(&coordinator, &CaptureCoordinator::isCaptureInProgressChanged);

    const QFuture<CaptureWorkflowResult> first = coordinator.performQuickZarrowCapture();
    ASSERT_TRUE(test::waitUntil([&] { return selection.promise != nullptr; }));
    EXPECT_TRUE(coordinator.isCaptureInProgress());

    for (Workflow workflow : {&CaptureCoordinator::performQuickZarrowCapture, &CaptureCoordinator::performRepeatCapture,
                              &CaptureCoordinator::performCodeModeCapture,
                              &CaptureCoordinator::performScanCodeCapture}) {
        const QFuture<CaptureWorkflowResult> second = (coordinator.*workflow)();
        ASSERT_TRUE(second.isFinished()); // refused at once, before any event is handled
        const auto error = failureAs<CaptureCoordinatorError>(second);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::captureInProgress);
        EXPECT_EQ(error->localizedDescription(), "A capture operation is already in progress");
        EXPECT_TRUE(coordinator.isCaptureInProgress());
    }
    // The same request again calls the running recognition off; the others are told.
    EXPECT_EQ(log, (CallLog{"prepare normal", "showCaptureOverlay", "cancelRecognition", "showError", "showError",
                            "showError"}));
    EXPECT_EQ(notifications.errors, QStringList(3, "A capture operation is already in progress"));

    selection.promise->addResult(screen.selection);
    selection.promise->finish();
    ASSERT_TRUE(test::waitFor(first));
    EXPECT_FALSE(failed(first));
    EXPECT_FALSE(coordinator.isCaptureInProgress());
    EXPECT_EQ(flag.size(), 2); // claimed once, released once
}

// What a caller is told of a second request must match what the request will do.
TEST_F(CaptureCoordinatorTest, ASecondRequestCancelsOnlyAReadingOfItsOwnKindThatRuns)
{
    using Effect = CaptureCoordinator::RequestEffect;
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::normal), Effect::starts);
    Held<CaptureResult> selection;
    screen.overlay = selection.answer();
    Held<QString> reading;
    ocr.answer = reading.answer();
    const QFuture<CaptureWorkflowResult> quick = coordinator.performQuickZarrowCapture();
    ASSERT_TRUE(test::waitUntil([&] { return selection.promise != nullptr; }));
    // Still selecting: nothing to call off.
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::normal), Effect::refused);
    selection.promise->addResult(screen.selection);
    selection.promise->finish();
    ASSERT_TRUE(test::waitUntil([&] { return reading.promise != nullptr; }));
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::normal), Effect::cancelsReading);
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::code), Effect::refused);
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::scanCode), Effect::refused);
    reading.promise->setException(std::make_exception_ptr(OCRError(OCRErrorKind::cancelled)));
    reading.promise->finish();
    ASSERT_TRUE(test::waitFor(quick));
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::normal), Effect::starts);

    Held<DetectedCode> scan;
    scanner.answer = scan.answer();
    screen.overlay = later(screen.selection);
    const QFuture<CaptureWorkflowResult> scanning = coordinator.performScanCodeCapture();
    ASSERT_TRUE(test::waitUntil([&] { return scan.promise != nullptr; }));
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::scanCode), Effect::cancelsReading);
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::normal), Effect::refused);
    scan.promise->addResult(DetectedCode{QStringLiteral("x"), CodeSymbology::qr, 0.9f});
    scan.promise->finish();
    ASSERT_TRUE(test::waitFor(scanning));
    EXPECT_EQ(coordinator.effectOfRequest(CaptureMode::scanCode), Effect::starts);
}

TEST_F(CaptureCoordinatorTest, AnImportWhileACaptureRunsIsRefusedLikeAnySecondCapture)
{
    Held<CaptureResult> selection;
    screen.overlay = selection.answer();
    const QFuture<CaptureWorkflowResult> first = coordinator.performQuickZarrowCapture();
    ASSERT_TRUE(test::waitUntil([&] { return selection.promise != nullptr; }));

    const QFuture<CaptureWorkflowResult> import = coordinator.performImportCapture(screen.selection.image);
    ASSERT_TRUE(import.isFinished());
    const auto error = failureAs<CaptureCoordinatorError>(import);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::captureInProgress);
    EXPECT_EQ(log, (CallLog{"prepare normal", "showCaptureOverlay", "showError"}));
    EXPECT_EQ(notifications.errors, QStringList{"A capture operation is already in progress"});

    selection.promise->addResult(screen.selection);
    selection.promise->finish();
    ASSERT_TRUE(test::waitFor(first));
    EXPECT_FALSE(coordinator.isCaptureInProgress());
}

class FlagClearedTest : public CaptureCoordinatorTest,
                        public ::testing::WithParamInterface<std::tuple<Workflow, int>> {
};

TEST_P(FlagClearedTest, FlagIsClearedOnEveryExitAndTheNextRequestProceeds)
{
    const auto [workflow, point] = GetParam();
    switch (point) {
    case 0: // the grant is refused (a repeat fails on the flag alone)
        setScreenRecordingGranted(false);
        permissions.answer = later(false);
        break;
    case 1: // the selection is cancelled, or the re-capture fails
        screen.overlay = laterFail<CaptureResult>(ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed));
        screen.recapture = laterFail<QImage>(ScreenCaptureError(ScreenCaptureErrorKind::invalidRegion));
        break;
    case 2: // recognition or scanning fails
        ocr.answer = laterFail<QString>(OCRError(OCRErrorKind::noTextDetected));
        scanner.answer = laterFail<DetectedCode>(CodeScanError(CodeScanErrorKind::noCodeDetected));
        break;
    case 3:
        clipboard.failure = ClipboardError(ClipboardErrorKind::emptyContent);
        break;
    case 4:
        history.answer = laterFail<void>(HistoryStoreError::diskFull());
        break;
    case 5: // a service drops its work without answering
        screen.overlay = dropped<CaptureResult>();
        screen.recapture = dropped<QImage>();
        break;
    }
    QSignalSpy flag(&coordinator, &CaptureCoordinator::isCaptureInProgressChanged);
    const QFuture<CaptureWorkflowResult> future = run(workflow);
    EXPECT_TRUE(failed(future) || future.isCanceled());
    EXPECT_FALSE(coordinator.isCaptureInProgress());
    ASSERT_EQ(flag.size(), 2);
    EXPECT_EQ(flag.at(1).at(0).toBool(), false);
    EXPECT_EQ(coordinator.lastCaptureDuration(), 0.0); // only a success sets it

    // Everything works again: the next request is not refused.
    setScreenRecordingGranted(true);
    permissions.answer = later(true);
    screen.overlay = later(screen.selection);
    screen.recapture = later(filledImage(50, 50));
    ocr.answer = later(QStringLiteral("again"));
    scanner.answer = later(DetectedCode{QStringLiteral("again"), CodeSymbology::qr, 1.0f});
    clipboard.failure.reset();
    history.answer = laterDone();
    screen.storedRegion = CapturedRegion{QRectF(0, 0, 50, 50), 9, 1.0};
    const QFuture<CaptureWorkflowResult> next = run(workflow);
    EXPECT_FALSE(failed(next));
    EXPECT_EQ(next.result().text, "again");
}

std::string workflowAndStepName(const ::testing::TestParamInfo<FlagClearedTest::ParamType> &info)
{
    const Workflow workflow = std::get<0>(info.param);
    const std::string name = workflow == &CaptureCoordinator::performQuickZarrowCapture ? "Quick"
                             : workflow == &CaptureCoordinator::performRepeatCapture    ? "Repeat"
                             : workflow == &CaptureCoordinator::performCodeModeCapture  ? "CodeMode"
                                                                                        : "ScanCode";
    static const char *const steps[] = {"GrantMissing", "ScreenFails",  "RecognitionFails",
                                        "CopyFails",    "StorageFails", "ServiceDropsWork"};
    return name + steps[std::get<1>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryWorkflowAndStep, FlagClearedTest,
                         ::testing::Combine(::testing::Values(&CaptureCoordinator::performQuickZarrowCapture,
                                                              &CaptureCoordinator::performRepeatCapture,
                                                              &CaptureCoordinator::performCodeModeCapture,
                                                              &CaptureCoordinator::performScanCodeCapture),
                                            ::testing::Range(0, 6)),
                         workflowAndStepName);

TEST_F(CaptureCoordinatorTest, LastCaptureDurationKeepsItsValueAfterAFailure)
{
    const QFuture<CaptureWorkflowResult> good = run(&CaptureCoordinator::performQuickZarrowCapture);
    const double duration = coordinator.lastCaptureDuration();
    EXPECT_EQ(duration, good.result().duration);
    ocr.answer = laterFail<QString>(OCRError(OCRErrorKind::noTextDetected));
    EXPECT_TRUE(failed(run(&CaptureCoordinator::performQuickZarrowCapture)));
    EXPECT_EQ(coordinator.lastCaptureDuration(), duration);
}

// ---- Failures of the quick capture --------------------------------------------------

TEST_F(CaptureCoordinatorTest, QuickCaptureRefusedGrantIsShownAndThrownAsWorkflowFailed)
{
    setScreenRecordingGranted(false);
    permissions.answer = later(false);
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::workflowFailed);
    EXPECT_EQ(error->value(), "Screen access is required to capture text");
    EXPECT_EQ(error->localizedDescription(),
              "Capture workflow failed: Screen access is required to capture text");
    EXPECT_EQ(notifications.errors, QStringList{"Screen access is required to capture text"});
    EXPECT_EQ(notifications.errorDisplays.first(), std::nullopt);
    EXPECT_FALSE(log.contains("showCaptureOverlay"));
}

TEST_F(CaptureCoordinatorTest, QuickCaptureCancelledSelectionShowsNoToast)
{
    screen.overlay = laterFail<CaptureResult>(ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed));
    const auto error = failureAs<ScreenCaptureError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ScreenCaptureErrorKind::overlayDismissed);
    EXPECT_TRUE(notifications.errors.isEmpty());
    EXPECT_TRUE(clipboard.copied.isEmpty());
    EXPECT_TRUE(history.added.isEmpty());
}

TEST_F(CaptureCoordinatorTest, AReadingCalledOffEndsItsPhaseAndShowsNoToast)
{
    setScreenRecordingGranted(true);
    for (Workflow workflow : {&CaptureCoordinator::performQuickZarrowCapture, &CaptureCoordinator::performRepeatCapture,
                              &CaptureCoordinator::performCodeModeCapture}) {
        QSignalSpy phase(&coordinator, &CaptureCoordinator::recognitionRunningChanged);
        ocr.answer = laterFail<QString>(OCRError(OCRErrorKind::cancelled));
        const auto error = failureAs<OCRError>(run(workflow));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), OCRErrorKind::cancelled);
        ASSERT_EQ(phase.size(), 2);
        EXPECT_TRUE(phase.at(0).at(0).toBool());
        EXPECT_FALSE(phase.at(1).at(0).toBool());
    }
    EXPECT_TRUE(notifications.errors.isEmpty());
    EXPECT_TRUE(clipboard.copied.isEmpty());

    // A scan reads no text: no recognition phase; called off, it shows nothing either.
    QSignalSpy phase(&coordinator, &CaptureCoordinator::recognitionRunningChanged);
    ASSERT_FALSE(failed(run(&CaptureCoordinator::performScanCodeCapture)));
    scanner.answer = laterFail<DetectedCode>(CodeScanError(CodeScanErrorKind::cancelled));
    ASSERT_TRUE(failureAs<CodeScanError>(run(&CaptureCoordinator::performScanCodeCapture)));
    EXPECT_TRUE(phase.isEmpty());
    EXPECT_TRUE(notifications.errors.isEmpty());
    log.clear();
    coordinator.cancelRecognition();
    EXPECT_EQ(log, CallLog{"cancelRecognition"}); // the scan is over

    // A scan asked for again calls the scan off.
    Held<CaptureResult> selection;
    screen.overlay = selection.answer();
    const QFuture<CaptureWorkflowResult> scan = coordinator.performScanCodeCapture();
    ASSERT_TRUE(test::waitUntil([&] { return selection.promise != nullptr; }));
    ASSERT_TRUE(failed(coordinator.performScanCodeCapture()));
    EXPECT_EQ(log.last(), "cancelScan");
    selection.promise->addResult(screen.selection);
    selection.promise->finish();
    ASSERT_TRUE(test::waitFor(scan));
}

TEST_F(CaptureCoordinatorTest, QuickCaptureScreenAndRecognitionErrorsPassUnchanged)
{
    screen.overlay = laterFail<CaptureResult>(ScreenCaptureError(ScreenCaptureErrorKind::permissionDenied));
    auto screenError = failureAs<ScreenCaptureError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(screenError);
    EXPECT_EQ(screenError->kind(), ScreenCaptureErrorKind::permissionDenied);
    EXPECT_EQ(notifications.errors,
              QStringList{"Screen access is required. Please grant access in your desktop's privacy settings."});

    screen.overlay = later(screen.selection);
    ocr.answer = laterFail<QString>(OCRError(OCRErrorKind::noTextDetected));
    auto ocrError = failureAs<OCRError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(ocrError);
    EXPECT_EQ(ocrError->kind(), OCRErrorKind::noTextDetected);
    EXPECT_EQ(notifications.errors.last(), "No text was detected in the selected region");
    EXPECT_TRUE(clipboard.copied.isEmpty());
    EXPECT_TRUE(history.added.isEmpty());
    EXPECT_TRUE(notifications.successes.isEmpty());
}

TEST_F(CaptureCoordinatorTest, FailuresAreLoggedInEnglishWithoutSymbolsUnderAGermanInterface)
{
    test::ScopedInterfaceLanguage german("de");
    test::LogCapture logs(QStringLiteral("quorvane.*.debug=true"));
    clipboard.failure = ClipboardError(ClipboardErrorKind::writeFailed,
                                       Phrase::text(QT_TRID_NOOP("error.clipboard.reason.text_not_written")));
    ASSERT_TRUE(failed(run(&CaptureCoordinator::performScanCodeCapture)));

    // The toast speaks German, the reason inside it too.
    EXPECT_EQ(notifications.errors, QStringList{"Kopieren in die Zwischenablage fehlgeschlagen: Der Text konnte nicht "
                                                "in die Zwischenablage gelegt werden"});
    // The log says the same in English, reason included, and nothing else in German.
    EXPECT_FALSE(logs.quoting("Failed to copy to clipboard: Failed to put the text on the clipboard").isEmpty());
    EXPECT_EQ(logs.quoting("Zwischenablage"), QStringList());
    for (const QString &line : logs.messages()) {
        for (const char32_t c : line.toUcs4())
            EXPECT_FALSE((c >= 0x2600 && c <= 0x27BF) || (c >= 0x1F300 && c <= 0x1FAFF) || c == 0xFE0F)
                << line.toStdString();
    }
}

TEST_F(CaptureCoordinatorTest, QuickCaptureClipboardAndStorageErrorsAreWrapped)
{
    clipboard.failure = ClipboardError(ClipboardErrorKind::emptyContent);
    auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::workflowFailed);
    EXPECT_EQ(error->value(), "Cannot copy empty content to clipboard");
    EXPECT_EQ(notifications.errors, QStringList{"Cannot copy empty content to clipboard"});
    EXPECT_TRUE(history.added.isEmpty());

    // A full disk: the text is already on the clipboard; no success toast, no pin.
    clipboard.failure.reset();
    history.answer = laterFail<void>(HistoryStoreError::diskFull());
    error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->value(), "Not enough disk space to save history entry.");
    EXPECT_EQ(notifications.errors.last(), "Not enough disk space to save history entry.");
    EXPECT_EQ(notifications.errors.size(), 2);
    EXPECT_EQ(clipboard.copied, QStringList{"Hello capture"});
    EXPECT_TRUE(notifications.successes.isEmpty());
    EXPECT_TRUE(pins.pins.isEmpty());
}

TEST_F(CaptureCoordinatorTest, ErrorsWrappedByAWorkerPoolAreSortedAsTheServicesOwn)
{
    // A service that lets QtConcurrent carry its error delivers it wrapped.
    ocr.answer = [] {
        return QtConcurrent::run([]() -> QString { throw OCRError(OCRErrorKind::invalidImage); });
    };
    const auto error = failureAs<OCRError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), OCRErrorKind::invalidImage);
    EXPECT_EQ(notifications.errors, QStringList{"The captured image is invalid or corrupted"});
}

TEST_F(CaptureCoordinatorTest, AForeignErrorIsShownWithItsOwnTextAndWrapped)
{
    ocr.answer = laterFail<QString>(std::runtime_error("engine exploded"));
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performQuickZarrowCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedDescription(), "Capture workflow failed: engine exploded");
    EXPECT_EQ(notifications.errors.size(), 1);
    EXPECT_TRUE(notifications.errors.first().contains("engine exploded"));
}

TEST_F(CaptureCoordinatorTest, AWorkflowWhoseServiceDropsItsWorkEndsCancelledWithoutToast)
{
    screen.overlay = dropped<CaptureResult>();
    const QFuture<CaptureWorkflowResult> future = run(&CaptureCoordinator::performQuickZarrowCapture);
    EXPECT_TRUE(future.isCanceled());
    EXPECT_FALSE(failed(future));
    EXPECT_TRUE(notifications.errors.isEmpty());
    EXPECT_FALSE(coordinator.isCaptureInProgress());
}

// ---- Failures of the repeat capture -------------------------------------------------

TEST_F(CaptureCoordinatorTest, RepeatCaptureOnlyReadsTheGrant)
{
    setScreenRecordingGranted(false);
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::permissionRequired);
    EXPECT_EQ(notifications.errors, QStringList{"Screen access is required to capture text"});
    EXPECT_TRUE(log.filter("requestScreenRecordingPermission").isEmpty());
    EXPECT_TRUE(log.filter("captureRegion").isEmpty());
}

TEST_F(CaptureCoordinatorTest, RepeatCaptureWithoutStoredRegionFailsWithNoLastRegion)
{
    screen.storedRegion.reset();
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::noLastRegion);
    EXPECT_EQ(notifications.errors,
              QStringList{"No previous capture region available. Please perform a new capture first."});
    EXPECT_EQ(log, (CallLog{"lastCapturedRegion", "showError"}));
}

TEST_F(CaptureCoordinatorTest, RepeatCaptureAfterDisplaysChangedForgetsTheRegion)
{
    screen.recapture = laterFail<QImage>(ScreenCaptureError(ScreenCaptureErrorKind::displayConfigurationChanged));
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::displayConfigurationChanged);
    EXPECT_EQ(log, (CallLog{"lastCapturedRegion", "captureRegion", "clearLastCapturedRegion", "showError"}));
    EXPECT_EQ(notifications.errors, QStringList{"Display configuration has changed. Please select a new region."});
    EXPECT_FALSE(coordinator.isCaptureInProgress());

    const auto next = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->kind(), CaptureCoordinatorErrorKind::noLastRegion);
}

TEST_F(CaptureCoordinatorTest, RepeatCaptureOtherErrorsPassUnchanged)
{
    screen.recapture = laterFail<QImage>(ScreenCaptureError(ScreenCaptureErrorKind::permissionDenied));
    const auto screenError = failureAs<ScreenCaptureError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(screenError);
    EXPECT_EQ(screenError->kind(), ScreenCaptureErrorKind::permissionDenied);
    EXPECT_TRUE(screen.storedRegion); // only a changed layout forgets the region

    screen.recapture = later(filledImage(40, 40));
    clipboard.failure = ClipboardError(ClipboardErrorKind::writeFailed, QStringLiteral("refused"));
    const auto clipboardError = failureAs<ClipboardError>(run(&CaptureCoordinator::performRepeatCapture));
    ASSERT_TRUE(clipboardError);
    EXPECT_EQ(notifications.errors,
              (QStringList{"Screen access is required. Please grant access in your desktop's privacy settings.",
                           "Failed to copy to clipboard: refused"}));
}

// ---- Failures of the code-mode and scan captures ------------------------------------

TEST_F(CaptureCoordinatorTest, CodeModeRefusedGrantIsThrownUnwrapped)
{
    setScreenRecordingGranted(false);
    permissions.answer = later(false);
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performCodeModeCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::permissionRequired);
    EXPECT_EQ(error->localizedDescription(), "Screen access is required to capture text");
    EXPECT_EQ(notifications.errors, QStringList{"Screen access is required to capture text"});
}

TEST_F(CaptureCoordinatorTest, CodeModeFailuresPassUnchangedAndACancelShowsNothing)
{
    screen.overlay = laterFail<CaptureResult>(ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed));
    EXPECT_TRUE(failureAs<ScreenCaptureError>(run(&CaptureCoordinator::performCodeModeCapture)));
    EXPECT_TRUE(notifications.errors.isEmpty());

    screen.overlay = later(screen.selection);
    history.answer = laterFail<void>(HistoryStoreError::storageAccessFailed(QStringLiteral("read-only")));
    const auto error = failureAs<HistoryStoreError>(run(&CaptureCoordinator::performCodeModeCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), HistoryStoreErrorKind::storageAccessFailed);
    EXPECT_EQ(notifications.errors, QStringList{"Failed to access history storage: read-only"});
}

TEST_F(CaptureCoordinatorTest, ScanCodeWithoutCodeShowsItAndCopiesNothing)
{
    scanner.answer = laterFail<DetectedCode>(CodeScanError(CodeScanErrorKind::noCodeDetected));
    const auto error = failureAs<CodeScanError>(run(&CaptureCoordinator::performScanCodeCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CodeScanErrorKind::noCodeDetected);
    EXPECT_EQ(notifications.errors, QStringList{"No code was detected in the selected region"});
    EXPECT_TRUE(clipboard.copied.isEmpty());
    EXPECT_TRUE(history.added.isEmpty());
}

TEST_F(CaptureCoordinatorTest, ScanCodeCancelShowsNothingAndRefusedGrantIsThrownUnwrapped)
{
    screen.overlay = laterFail<CaptureResult>(ScreenCaptureError(ScreenCaptureErrorKind::overlayDismissed));
    EXPECT_TRUE(failureAs<ScreenCaptureError>(run(&CaptureCoordinator::performScanCodeCapture)));
    EXPECT_TRUE(notifications.errors.isEmpty());

    setScreenRecordingGranted(false);
    permissions.answer = later(false);
    const auto error = failureAs<CaptureCoordinatorError>(run(&CaptureCoordinator::performScanCodeCapture));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), CaptureCoordinatorErrorKind::permissionRequired);
    EXPECT_EQ(notifications.errors.size(), 1);
}

} // namespace
