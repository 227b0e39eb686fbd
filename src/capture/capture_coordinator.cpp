// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "core/diagnostics.h"
#include "core/future_outcome.h"
#include "core/localized_error.h"
#include "core/text_utils.h"
#include "history/history_store.h"
#include "history/history_store_error.h"
#include "platform/frontmost_application.h"

#include <QElapsedTimer>
#include <QException>
#include <QPromise>


#include <typeinfo>

namespace quorvane {

namespace {

constexpr int kThumbnailWidth = 256;
constexpr int kTextPreviewLength = 50;

// The case of `error` when it is an `Error`.
template <typename Error>
std::optional<typename Error::Kind> caseOf(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Error &e) {
        return e.kind();
    } catch (...) {
        return std::nullopt;
    }
}

// The case number of `error` among its type's cases, for the errors a workflow can meet.
std::optional<int> caseCodeOf(const std::exception_ptr &error)
{
    std::optional<int> code;
    const auto tryType = [&](auto kind) {
        if (!code && kind)
            code = int(*kind);
    };
    tryType(caseOf<CaptureCoordinatorError>(error));
    tryType(caseOf<ClipboardError>(error));
    tryType(caseOf<HistoryStoreError>(error));
    tryType(caseOf<OCRError>(error));
    tryType(caseOf<ScreenCaptureError>(error));
    tryType(caseOf<CodeScanError>(error));
    return code;
}

// Everything the logs can say about `error`: its type, text, domain, case number, key and value.
QString detailsOf(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const LocalizedError &e) {
        const QString type = demangledTypeName(typeid(e));
        const std::optional<int> code = caseCodeOf(error);
        return QStringLiteral("type %1, description \"%2\", domain %1, code %3, user info {key: %4, value: \"%5\"}")
            .arg(type, e.englishDescription(), code ? QString::number(*code) : QStringLiteral("unknown"),
                 QString::fromLatin1(e.key()), e.englishValue());
    } catch (const std::exception &e) {
        return QStringLiteral("type %1, description \"%2\"")
            .arg(demangledTypeName(typeid(e)), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("type unknown");
    }
}

QString rectText(const QRectF &rect)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QString symbologyName(CodeSymbology symbology)
{
    switch (symbology) {
    case CodeSymbology::qr: return QStringLiteral("QR");
    case CodeSymbology::aztec: return QStringLiteral("Aztec");
    case CodeSymbology::dataMatrix: return QStringLiteral("DataMatrix");
    case CodeSymbology::pdf417: return QStringLiteral("PDF417");
    case CodeSymbology::ean8: return QStringLiteral("EAN8");
    case CodeSymbology::ean13: return QStringLiteral("EAN13");
    case CodeSymbology::upce: return QStringLiteral("UPCE");
    case CodeSymbology::code39: return QStringLiteral("Code39");
    case CodeSymbology::code39Checksum: return QStringLiteral("Code39Checksum");
    case CodeSymbology::code39FullASCII: return QStringLiteral("Code39FullASCII");
    case CodeSymbology::code93: return QStringLiteral("Code93");
    case CodeSymbology::code128: return QStringLiteral("Code128");
    case CodeSymbology::itf14: return QStringLiteral("ITF14");
    }
    return QStringLiteral("unknown");
}

} // namespace

// One workflow's state, shared by the continuations of its chain.
struct CaptureCoordinator::Run {
    explicit Run(CaptureMode mode) : mode(mode) { clock.start(); }

    // Step-by-step diagnostics; only the quick capture writes them.
    void log(const QString &line) const
    {
        if (verbose)
            diag(lcCapture(), line);
    }

    const CaptureMode mode;
    QElapsedTimer clock; // from the workflow call
    bool verbose = false;
    bool imported = false; // an image from outside the screen: no region, display or source

    QImage image;
    QRectF rect;
    quint32 displayID = 0;
    std::optional<QDateTime> timestamp; // of the capture result; none for a repeat
    QString text;
    std::optional<CodeSymbology> symbology;
    CaptureHistoryEntry entry;
};

CaptureCoordinator::CaptureCoordinator(ScreenSource &screenSource, TextRecognizer &textRecognizer,
                                       CodeScanner &codeScanner, CaptureRecorder &recorder, CaptureSettings &settings,
                                       TextClipboard &clipboard, CaptureToasts &toasts,
                                       ScreenRecordingPermission &permission, CapturePinner &pinner,
                                       FrontmostApplication &frontmostApplication, QObject *parent)
    : QObject(parent),
      m_screenSource(screenSource),
      m_textRecognizer(textRecognizer),
      m_codeScanner(codeScanner),
      m_recorder(recorder),
      m_settings(settings),
      m_clipboard(clipboard),
      m_toasts(toasts),
      m_permission(permission),
      m_pinner(pinner),
      m_frontmostApplication(frontmostApplication)
{
}

CaptureCoordinator::~CaptureCoordinator() = default;

// --- The four workflows ---------------------------------------------------------------

QFuture<CaptureWorkflowResult> CaptureCoordinator::performQuickZarrowCapture()
{
    diag(lcCapture(), QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Quick capture started"));
    RunPtr run = beginCapture(CaptureMode::normal);
    if (!run) {
        diagWarning(lcCapture(), QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Refused: a capture is already in progress"));
        return refusedRequest();
    }
    run->verbose = true;
    // The engine loads while the user selects the region.
    m_textRecognizer.prepare(recognitionLanguages(), CaptureMode::normal);

    QFuture<CaptureWorkflowResult> chain = copyAndRecord(run, selectAndRecognize(run));
    return settle(run, chain, &CaptureCoordinator::quickFailure);
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::performRepeatCapture()
{
    RunPtr run = beginCapture(CaptureMode::repeat);
    if (!run)
        return refusedRequest();

    QFuture<CaptureWorkflowResult> chain =
        recaptureLastRegion(run)
            .then(this, [this, run](const QImage &image) {
                run->image = image;
                return copyAndRecord(run, recognize(run));
            })
            .unwrap();
    return settle(run, chain, &CaptureCoordinator::shownFailure);
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::performCodeModeCapture()
{
    RunPtr run = beginCapture(CaptureMode::code);
    if (!run)
        return refusedRequest();
    m_textRecognizer.prepare(recognitionLanguages(), CaptureMode::code);

    QFuture<CaptureWorkflowResult> chain = copyAndRecord(run, selectAndRecognize(run));
    return settle(run, chain, &CaptureCoordinator::codeModeFailure);
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::performScanCodeCapture()
{
    diag(lcCapture(), QStringLiteral("Scan Code capture requested"));
    RunPtr run = beginCapture(CaptureMode::scanCode);
    if (!run)
        return refusedRequest();

    QFuture<CaptureWorkflowResult> chain =
        ensureScreenRecordingPermission(run)
            .then(this, [this, run] { return selectRegion(run); })
            .unwrap()
            .then(this, [this, run] {
                m_isScanRunning = true;
                return finishedOnThreadOf(this, m_codeScanner.detectBestCode(run->image));
            })
            .unwrap()
            .then(this, [this, run](const DetectedCode &code) {
                // The payload goes out exactly as detected: no clean-up pass.
                run->text = code.payload;
                run->symbology = code.symbology;
                m_clipboard.copyText(code.payload);
                return recordAndStore(run);
            })
            .unwrap()
            .then(this, [this, run] { return finish(run); });
    return settle(run, chain, &CaptureCoordinator::scanCodeFailure);
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::performImportCapture(const QImage &image)
{
    RunPtr run = beginCapture(CaptureMode::normal, Request::imported);
    if (!run)
        return refusedRequest();
    run->imported = true;
    run->image = image;
    run->rect = QRectF(0, 0, 0, 0);

    return settle(run, copyAndRecord(run, recognize(run)), &CaptureCoordinator::shownFailure);
}

// --- Shared steps ---------------------------------------------------------------------

QFuture<QString> CaptureCoordinator::selectAndRecognize(const RunPtr &run)
{
    return ensureScreenRecordingPermission(run)
        .then(this, [this, run] { return selectRegion(run); })
        .unwrap()
        .then(this, [this, run] { return recognize(run); })
        .unwrap();
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::copyAndRecord(const RunPtr &run, QFuture<QString> recognised)
{
    return recognised
        .then(this, [this, run](const QString &text) {
            run->text = text;
            run->log(QStringLiteral("[Step 6] Copying the text to the clipboard"));
            // Program text goes as plain text alone: a rich-text paste would lose its indentation.
            if (run->mode == CaptureMode::code)
                m_clipboard.copyTextInFormats(text, {ClipboardFormat::plainText});
            else
                m_clipboard.copyText(text);
            run->log(QStringLiteral("[Step 6] Text copied"));
            return recordAndStore(run);
        })
        .unwrap()
        .then(this, [this, run] { return finish(run); });
}

CaptureCoordinator::RequestEffect CaptureCoordinator::effectOfRequest(CaptureMode mode) const
{
    if (!m_isCaptureInProgress)
        return RequestEffect::starts;
    // While the region is still being selected there is no reading to call off.
    const bool reading = mode == CaptureMode::scanCode ? m_isScanRunning : m_isRecognitionRunning;
    return mode == m_runningMode && reading ? RequestEffect::cancelsReading : RequestEffect::refused;
}

CaptureCoordinator::RunPtr CaptureCoordinator::beginCapture(CaptureMode mode, Request request)
{
    auto run = std::make_shared<Run>(mode);
    // The check and the claim happen in one turn of the main thread: two requests can
    // never both pass.
    if (m_isCaptureInProgress) {
        if (request == Request::fromScreen && mode == m_runningMode) {
            // The same request again is how a slow recognition is called off.
            diag(lcCapture(), QStringLiteral("[CaptureCoordinator] The running capture was asked for again: cancelling its reading"));
            cancelRecognition();
        } else {
            m_toasts.showError(CaptureCoordinatorError::captureInProgress(), std::nullopt);
        }
        return nullptr;
    }
    m_runningMode = mode;
    setCaptureInProgress(true);
    return run;
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::refusedRequest()
{
    // The running capture keeps the flag; `beginCapture` has told the user.
    return QtFuture::makeExceptionalFuture<CaptureWorkflowResult>(
        std::make_exception_ptr(CaptureCoordinatorError::captureInProgress()));
}

QFuture<void> CaptureCoordinator::ensureScreenRecordingPermission(const RunPtr &run)
{
    run->log(QStringLiteral("[Step 1] Checking screen access"));
    if (m_permission.hasScreenRecordingPermission()) {
        run->log(QStringLiteral("[Step 1] Screen access granted"));
        return QtFuture::makeReadyFuture();
    }
    run->log(QStringLiteral("[Step 1] Screen access missing; requesting it"));
    return m_permission.requestScreenRecordingPermission().then(this, [run](bool granted) {
        if (!granted) {
            run->log(QStringLiteral("[Step 1] Screen access refused"));
            throw CaptureCoordinatorError::permissionRequired(PermissionType::screenRecording);
        }
        run->log(QStringLiteral("[Step 1] Screen access granted on request"));
    });
}

QFuture<void> CaptureCoordinator::selectRegion(const RunPtr &run)
{
    run->log(QStringLiteral("[Steps 2-4] Showing the capture overlay"));
    return m_screenSource.showCaptureOverlay().then(this, [run](const CaptureResult &capture) {
        run->image = capture.image;
        run->rect = capture.rect;
        run->displayID = capture.displayID;
        run->timestamp = capture.timestamp;
        run->log(QStringLiteral("[Steps 2-4] Captured %1 x %2 px, rect %3, display %4, scale %5")
                     .arg(capture.image.width())
                     .arg(capture.image.height())
                     .arg(rectText(capture.rect))
                     .arg(capture.displayID)
                     .arg(capture.scaleFactor));
    });
}

QFuture<QImage> CaptureCoordinator::recaptureLastRegion(const RunPtr &run)
{
    // A repeat never asks for the grant: it only trusts what is already known.
    if (!m_permission.hasScreenRecordingPermission())
        return QtFuture::makeExceptionalFuture<QImage>(std::make_exception_ptr(
            CaptureCoordinatorError::permissionRequired(PermissionType::screenRecording)));
    const std::optional<CapturedRegion> region = m_screenSource.lastCapturedRegion();
    if (!region)
        return QtFuture::makeExceptionalFuture<QImage>(
            std::make_exception_ptr(CaptureCoordinatorError::noLastRegion()));
    run->rect = region->rect;
    run->displayID = region->displayID;
    // The whole future is passed on, not its result: a re-capture that was dropped has
    // neither a result nor an error to read (and `onFailed` would read a result).
    return m_screenSource.captureRegion(region->rect, region->displayID)
        .then(this, [this](QFuture<QImage> captured) {
            const std::exception_ptr error = failureOf(captured);
            if (error && caseOf<ScreenCaptureError>(error) == ScreenCaptureErrorKind::displayConfigurationChanged) {
                // The stored region belongs to a layout that no longer exists: forget it, so
                // the next repeat asks for a new selection instead of failing the same way again.
                m_screenSource.clearLastCapturedRegion();
                throw CaptureCoordinatorError::displayConfigurationChanged();
            }
            return captured;
        })
        .unwrap();
}

std::optional<QStringList> CaptureCoordinator::recognitionLanguages() const
{
    const UserSettings &settings = m_settings.settings();
    if (settings.autoDetectLanguage)
        return std::nullopt;
    return settings.preferredLanguages;
}

QFuture<QString> CaptureCoordinator::recognize(const RunPtr &run)
{
    const UserSettings &settings = m_settings.settings();
    const std::optional<QStringList> languages = recognitionLanguages();
    run->log(QStringLiteral("[Step 5] Recognising text, languages: %1")
                 .arg(languages ? QLatin1Char('[') + languages->join(QStringLiteral(", ")) + QLatin1Char(']')
                                : QStringLiteral("none")));
    setRecognitionRunning(true);
    return finishedOnThreadOf(this, m_textRecognizer.recognizeText(run->image, languages, run->mode,
                                                                   settings.textProcessing))
        .then(this, [this](QFuture<QString> done) {
            setRecognitionRunning(false);
            return done.result(); // a failure goes on as it came
        })
        .then(this, [run](const QString &text) {
            run->log(QStringLiteral("[Step 5] Recognised %1 characters").arg(graphemeCount(text)));
            if (run->verbose)
                diagText(QStringLiteral("   [Step 5] Text: \"%1\"")
                             .arg(graphemePrefix(text, kTextPreviewLength).replace(QLatin1Char('\n'), QStringLiteral("\\n"))));
            return text;
        });
}

QFuture<void> CaptureCoordinator::recordAndStore(const RunPtr &run)
{
    run->log(QStringLiteral("[Step 7] Building the history record"));
    QByteArray thumbnail;
    try {
        thumbnail = HistoryStore::generateThumbnail(run->image, kThumbnailWidth);
    } catch (const std::exception &e) {
        // A record without a picture is still a record.
        run->log(QStringLiteral("[Step 7] No thumbnail: %1").arg(QString::fromLocal8Bit(e.what())));
    }

    CaptureHistoryEntry entry;
    entry.id = QUuid::createUuid();
    entry.timestamp = run->timestamp.value_or(QDateTime::currentDateTimeUtc());
    entry.text = run->text;
    entry.sourceRect = run->rect;
    if (!run->imported) {
        entry.displayID = run->displayID;
        entry.sourceAppBundleID = m_frontmostApplication.bundleIdentifier();
    }
    entry.thumbnailData = thumbnail;
    entry.captureMode = run->mode;
    run->entry = entry;
    run->log(QStringLiteral("[Step 7] Record %1, thumbnail %2 bytes, source application %3")
                 .arg(entry.id.toString(QUuid::WithoutBraces).toUpper())
                 .arg(thumbnail.size())
                 .arg(entry.sourceAppBundleID.value_or(QStringLiteral("none"))));

    run->log(QStringLiteral("[Step 8] Storing the record"));
    return m_recorder.addEntry(entry).then(this, [run] {
        run->log(QStringLiteral("[Step 8] Record stored"));
    });
}

CaptureWorkflowResult CaptureCoordinator::finish(const RunPtr &run)
{
    run->log(QStringLiteral("[Step 9] Showing the success toast"));
    m_toasts.showSuccess(run->mode, run->entry.id, run->entry.displayID);
    run->log(QStringLiteral("[Step 9] Success toast shown"));

    run->log(QStringLiteral("[Step 10] Checking whether to pin the capture"));
    if (m_settings.settings().showPinWidgetAfterCapture && !run->imported) {
        m_pinner.pinCapture(run->entry, run->image, std::nullopt);
        run->log(QStringLiteral("[Step 10] Capture pinned"));
    } else {
        run->log(QStringLiteral("[Step 10] Pin not requested"));
    }

    const double duration = double(run->clock.nsecsElapsed()) / 1e9;
    m_lastCaptureDuration = duration;
    emit lastCaptureDurationChanged(duration);
    run->log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Quick capture succeeded in %1s")
                 .arg(duration, 0, 'f', 3));
    if (run->symbology)
        diag(lcCapture(), QStringLiteral("Scan Code capture completed in %1s (%2)")
                 .arg(duration, 0, 'f', 3)
                 .arg(symbologyName(*run->symbology)));

    CaptureWorkflowResult result{run->text, run->entry, duration};
    setCaptureInProgress(false);
    return result;
}

QFuture<CaptureWorkflowResult> CaptureCoordinator::settle(const RunPtr &run,
                                                          QFuture<CaptureWorkflowResult> chain, FailureRule rule)
{
    auto promise = std::make_shared<QPromise<CaptureWorkflowResult>>();
    QFuture<CaptureWorkflowResult> workflow = promise->future();
    promise->start();
    whenFinished(chain, this, [this, run, rule, promise](QFuture<CaptureWorkflowResult> finished) {
        if (const std::exception_ptr error = failureOf(finished)) {
            const std::exception_ptr thrown = (this->*rule)(*run, error);
            setCaptureInProgress(false);
            promise->setException(thrown);
        } else if (finished.isCanceled()) {
            // A service dropped its work without an answer; nothing to show, but the
            // capture is over.
            diagWarning(lcCapture(), QStringLiteral("[CaptureCoordinator] Capture (%1) ended without a result")
                     .arg(rawValue(run->mode)));
            setCaptureInProgress(false);
            promise->future().cancel();
        } else {
            promise->addResult(finished.result()); // finish() has ended the capture
        }
        promise->finish();
    });
    return workflow;
}

// --- Failure rules --------------------------------------------------------------------

std::exception_ptr CaptureCoordinator::quickFailure(const Run &run, std::exception_ptr error)
{
    if (const auto screen = caseOf<ScreenCaptureError>(error)) {
        if (*screen == ScreenCaptureErrorKind::overlayDismissed) {
            run.log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Selection cancelled by the user"));
        } else {
            showError(error);
            run.log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Screen capture failed: %1")
                        .arg(logDescription(error)));
        }
        return error;
    }
    if (caseOf<OCRError>(error) == OCRErrorKind::cancelled) {
        run.log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Recognition cancelled by the user"));
        return error;
    }
    if (caseOf<OCRError>(error)) {
        showError(error);
        run.log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Recognition failed: %1")
                    .arg(logDescription(error)));
        return error;
    }
    showError(error);
    run.log(QStringLiteral("[CaptureCoordinator.performQuickZarrowCapture] Workflow failed: %1")
                .arg(detailsOf(error)));
    return std::make_exception_ptr(CaptureCoordinatorError::workflowFailed(errorPhrase(error)));
}

std::exception_ptr CaptureCoordinator::shownFailure(const Run &, std::exception_ptr error)
{
    // A repeat's changed display layout has already been turned into the coordinator's own error.
    showError(error);
    return error;
}

std::exception_ptr CaptureCoordinator::codeModeFailure(const Run &, std::exception_ptr error)
{
    if (caseOf<ScreenCaptureError>(error) != ScreenCaptureErrorKind::overlayDismissed)
        showError(error);
    return error;
}

std::exception_ptr CaptureCoordinator::scanCodeFailure(const Run &, std::exception_ptr error)
{
    if (caseOf<CodeScanError>(error) == CodeScanErrorKind::cancelled) {
        diag(lcCapture(), QStringLiteral("Scan Code cancelled by the user"));
    } else if (caseOf<CodeScanError>(error)) {
        diagWarning(lcCapture(), QStringLiteral("Scan Code failed, code scan error: %1").arg(logDescription(error)));
        showError(error);
    } else if (const auto screen = caseOf<ScreenCaptureError>(error)) {
        if (*screen == ScreenCaptureErrorKind::overlayDismissed) {
            diag(lcCapture(), QStringLiteral("Scan Code cancelled by the user"));
        } else {
            diagWarning(lcCapture(), QStringLiteral("Scan Code failed, screen capture error: %1").arg(logDescription(error)));
            showError(error);
        }
    } else {
        diagWarning(lcCapture(), QStringLiteral("Scan Code failed: %1").arg(detailsOf(error)));
        showError(error);
    }
    return error;
}

void CaptureCoordinator::cancelRecognition()
{
    // Either service forgets a cancel when nothing of its own runs.
    if (m_isCaptureInProgress && m_runningMode == CaptureMode::scanCode)
        m_codeScanner.cancelScan();
    else
        m_textRecognizer.cancelRecognition();
}

void CaptureCoordinator::showError(const std::exception_ptr &error)
{
    // The user called it off and knows.
    if (caseOf<OCRError>(error) == OCRErrorKind::cancelled || caseOf<CodeScanError>(error) == CodeScanErrorKind::cancelled)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const LocalizedError &e) {
        m_toasts.showError(e, std::nullopt);
    } catch (...) {
        // Not one of the program's errors: show what it says about itself.
        m_toasts.showError(CaptureCoordinatorError::workflowFailed(errorPhrase(error)),
                                        std::nullopt);
    }
}

void CaptureCoordinator::setRecognitionRunning(bool value)
{
    if (m_isRecognitionRunning == value)
        return;
    m_isRecognitionRunning = value;
    emit recognitionRunningChanged(value);
}

void CaptureCoordinator::setCaptureInProgress(bool value)
{
    // However a capture ends, its recognition or scan has ended too.
    if (!value) {
        setRecognitionRunning(false);
        m_isScanRunning = false;
    }
    if (m_isCaptureInProgress == value)
        return;
    m_isCaptureInProgress = value;
    emit isCaptureInProgressChanged(value);
}

} // namespace quorvane
