// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capture_workflow_result.h"
#include "core/capture_mode.h"

#include <QFuture>
#include <QImage>
#include <QObject>

#include <exception>
#include <memory>
#include <optional>

namespace quorvane {

class CaptureRecorder;
class CapturePinner;
class CaptureSettings;
class CaptureToasts;
class CodeScanner;
class FrontmostApplication;
class ScreenRecordingPermission;
class ScreenSource;
class TextClipboard;
class TextRecognizer;

// Runs every capture from request to result: one at a time, each workflow a chain of
// service calls continued on the main thread. Every toast a capture shows is shown here;
// every failure also reaches the caller through the returned future, as the error the
// workflow's rules name. Main thread only.
class CaptureCoordinator : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isCaptureInProgress READ isCaptureInProgress NOTIFY isCaptureInProgressChanged)
    Q_PROPERTY(double lastCaptureDuration READ lastCaptureDuration NOTIFY lastCaptureDurationChanged)
public:
    // One collaborator per role, each held by reference; all must outlive the coordinator.
    // `frontmostApplication` names the application a capture came from.
    CaptureCoordinator(ScreenSource &screenSource, TextRecognizer &textRecognizer, CodeScanner &codeScanner,
                       CaptureRecorder &recorder, CaptureSettings &settings, TextClipboard &clipboard,
                       CaptureToasts &toasts, ScreenRecordingPermission &permission, CapturePinner &pinner,
                       FrontmostApplication &frontmostApplication, QObject *parent = nullptr);
    ~CaptureCoordinator() override;

    // True from the moment a workflow passes its guard until it ends, however it ends.
    bool isCaptureInProgress() const { return m_isCaptureInProgress; }
    // Seconds taken by the last successful workflow; 0 until one succeeds.
    double lastCaptureDuration() const { return m_lastCaptureDuration; }

    // Each workflow returns a future that finishes on the main thread with the result or
    // with the failure as an exception. A request while another capture runs fails at once
    // with CaptureCoordinatorError::captureInProgress: a request of the running workflow's
    // own kind cancels its reading (OCRError or CodeScanError cancelled ends it), any other shows that
    // error.

    // Selection, recognition, plain-text copy, record, toast, optional pin. Failures:
    // ScreenCaptureError and OCRError unchanged, anything else as workflowFailed.
    virtual QFuture<CaptureWorkflowResult> performQuickZarrowCapture();
    // The last selected region again, without selection. Failures unchanged, except a
    // changed display layout (displayConfigurationChanged, stored region forgotten) and the
    // coordinator's own permissionRequired and noLastRegion.
    virtual QFuture<CaptureWorkflowResult> performRepeatCapture();
    // Like the quick capture, recognised as program text and copied through the
    // multi-format copy; every failure unchanged.
    virtual QFuture<CaptureWorkflowResult> performCodeModeCapture();
    // The best barcode of a selected region; its payload is the text. Failures unchanged.
    virtual QFuture<CaptureWorkflowResult> performScanCodeCapture();
    // An image brought in from outside the screen: recognition, plain-text copy, record
    // (with no region, display or source application) and toast; never pinned. Failures
    // unchanged.
    virtual QFuture<CaptureWorkflowResult> performImportCapture(const QImage &image);

    // What a request of `mode` from the screen does if made now: start a capture, call
    // off the reading of the running capture of that kind, or be refused.
    enum class RequestEffect { starts, cancelsReading, refused };
    RequestEffect effectOfRequest(CaptureMode mode) const;

    // Calls off the text recognition or code scan running now (the capture then fails with
    // OCRError or CodeScanError cancelled, shown to no one). A cancel while nothing runs
    // reaches no later reading.
    void cancelRecognition();

signals:
    void isCaptureInProgressChanged(bool isCaptureInProgress);
    // A capture's text recognition began (true) or ended, however it ended (false).
    void recognitionRunningChanged(bool running);
    void lastCaptureDurationChanged(double lastCaptureDuration);

private:
    struct Run;
    using RunPtr = std::shared_ptr<Run>;
    // A workflow's own rule for a failure: shows at most one toast and returns the error
    // that the workflow throws.
    using FailureRule = std::exception_ptr (CaptureCoordinator::*)(const Run &, std::exception_ptr);

    enum class Request { fromScreen, imported };
    // Start and capture guard: claims the flag and starts the clock; null when a capture
    // already runs.
    RunPtr beginCapture(CaptureMode mode, Request request = Request::fromScreen);
    // The answer to a request made while a capture runs.
    static QFuture<CaptureWorkflowResult> refusedRequest();
    // Asks for the grant when it is missing; fails with permissionRequired when refused.
    QFuture<void> ensureScreenRecordingPermission(const RunPtr &run);
    // The interactive selection; keeps its image, rectangle, display and time in `run`.
    QFuture<void> selectRegion(const RunPtr &run);
    // The stored region read again, kept in `run`. Fails with permissionRequired without
    // the grant (never asked for), noLastRegion without a region, and displayConfigurationChanged
    // (the region forgotten) when the displays changed since it was selected.
    QFuture<QImage> recaptureLastRegion(const RunPtr &run);
    // Recognition of `run`'s image with the languages and text options of the current settings.
    QFuture<QString> recognize(const RunPtr &run);
    // The languages the settings ask recognition for; none for automatic detection.
    std::optional<QStringList> recognitionLanguages() const;
    // Thumbnail, source application and record; then the record is stored.
    QFuture<void> recordAndStore(const RunPtr &run);
    // The grant, the user's selection, then its recognition.
    QFuture<QString> selectAndRecognize(const RunPtr &run);
    // The recognised text copied (code mode's as plain text alone), recorded and stored;
    // then `finish`.
    QFuture<CaptureWorkflowResult> copyAndRecord(const RunPtr &run, QFuture<QString> recognised);
    // Success toast, optional pin, duration; ends the capture.
    CaptureWorkflowResult finish(const RunPtr &run);
    // The workflow's future: the chain's result, or its failure as `rule` decides; the
    // in-progress flag is cleared however the chain ends.
    QFuture<CaptureWorkflowResult> settle(const RunPtr &run, QFuture<CaptureWorkflowResult> chain,
                                          FailureRule rule);

    std::exception_ptr quickFailure(const Run &run, std::exception_ptr error);
    // Shows every failure and passes it on unchanged (the repeat and the import).
    std::exception_ptr shownFailure(const Run &run, std::exception_ptr error);
    std::exception_ptr codeModeFailure(const Run &run, std::exception_ptr error);
    std::exception_ptr scanCodeFailure(const Run &run, std::exception_ptr error);

    void showError(const std::exception_ptr &error);
    void setCaptureInProgress(bool value);
    void setRecognitionRunning(bool value);

    ScreenSource &m_screenSource;
    TextRecognizer &m_textRecognizer;
    CodeScanner &m_codeScanner;
    CaptureRecorder &m_recorder;
    CaptureSettings &m_settings;
    TextClipboard &m_clipboard;
    CaptureToasts &m_toasts;
    ScreenRecordingPermission &m_permission;
    CapturePinner &m_pinner;
    FrontmostApplication &m_frontmostApplication;

    bool m_isCaptureInProgress = false;
    bool m_isRecognitionRunning = false;
    bool m_isScanRunning = false;
    CaptureMode m_runningMode = CaptureMode::normal;
    double m_lastCaptureDuration = 0;
};

} // namespace quorvane
