// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/capture_handlers.h"

#include "app/app_services.h"
#include "capture/capture_coordinator.h"
#include "capture/capture_coordinator_error.h"
#include "capture/code_scan_error.h"
#include "capture/ocr_error.h"
#include "capture/screen_capture_error.h"
#include "core/diagnostics.h"
#include "core/future_outcome.h"
#include "core/localized_error.h"
#include "core/notification_service.h"
#include "core/text_utils.h"

#include <QDateTime>

#include <execinfo.h>

#include <cstdlib>

namespace quorvane {

namespace {

// The frames of the current call stack, one per line.
QStringList callStackSymbols()
{
    void *frames[64];
    const int count = ::backtrace(frames, 64);
    QStringList lines;
    if (char **symbols = ::backtrace_symbols(frames, count)) {
        for (int i = 0; i < count; ++i)
            lines << QString::fromLocal8Bit(symbols[i]);
        std::free(symbols);
    }
    return lines;
}

QString sizeText(const QImage &image)
{
    const QSizeF points = image.deviceIndependentSize();
    return QStringLiteral("%1x%2").arg(points.width()).arg(points.height());
}

// Escape or a click without a drag ended the selection, or the user called the
// recognition off.
bool isCancelledByUser(const std::exception_ptr &error)
{
    if (!error)
        return false;
    try {
        std::rethrow_exception(error);
    } catch (const ScreenCaptureError &e) {
        return e.kind() == ScreenCaptureErrorKind::overlayDismissed;
    } catch (const OCRError &e) {
        return e.kind() == OCRErrorKind::cancelled;
    } catch (const CodeScanError &e) {
        return e.kind() == CodeScanErrorKind::cancelled;
    } catch (...) {
        return false;
    }
}

// What the user is told about a failure: the error's own description.
QString userDescription(const std::exception_ptr &error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const LocalizedError &e) {
        return e.localizedDescription();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    return {};
}

} // namespace

std::optional<CommandService::Answer> captureCommandAnswer(const CaptureCoordinator *coordinator,
                                                           ProgramCommand command)
{
    const std::optional<CaptureMode> mode = captureModeOf(command);
    if (!coordinator || !mode)
        return std::nullopt;
    switch (coordinator->effectOfRequest(*mode)) {
    case CaptureCoordinator::RequestEffect::starts:
        return std::nullopt;
    case CaptureCoordinator::RequestEffect::cancelsReading:
        //: What a command asking for a capture did while the same kind of capture was being read: it cancelled that capture
        //% "The running capture was cancelled."
        return CommandService::Answer{true, qtTrId("command.capture_cancelled")};
    case CaptureCoordinator::RequestEffect::refused:
        break;
    }
    return CommandService::Answer{false, CaptureCoordinatorError::captureInProgress().localizedDescription()};
}

CaptureHandlers::CaptureHandlers(AppServices &services, std::function<void()> refreshMenu)
    : m_services(services), m_refreshMenu(std::move(refreshMenu))
{
}

// Nothing here checks whether a capture runs: the coordinator refuses an overlapping
// request itself, and that refusal arrives below as a failure.

void CaptureHandlers::handleCaptureText()
{
    diag(lcApp(), QStringLiteral("=== CAPTURE WORKFLOW START ==="));
    diag(lcApp(), QStringLiteral("Location: QuorvaneApp.handleCaptureText()"));
    diag(lcApp(), QStringLiteral("Timestamp: %1").arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs)));
    if (!m_services.captureCoordinator())
        return;
    diag(lcApp(), QStringLiteral("   Coordinator state: isCaptureInProgress=%1")
             .arg(m_services.captureCoordinator()->isCaptureInProgress() ? QStringLiteral("true") : QStringLiteral("false")));
    m_services.notificationService()->dismissToast();
    finishWorkflow(ProgramCommand::capture,
        m_services.captureCoordinator()->performQuickZarrowCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("Capture completed successfully!"));
            diag(lcApp(), QStringLiteral("   Duration: %1s").arg(result.duration, 0, 'f', 3));
            diag(lcApp(), QStringLiteral("   Text length: %1 characters").arg(graphemeCount(result.text)));
            diagText(QStringLiteral("   Text preview: \"%1...\"").arg(graphemePrefix(result.text, 50)));
            diag(lcApp(), QStringLiteral("   History entry ID: %1").arg(result.historyEntry.id.toString(QUuid::WithoutBraces)));
        },
        [this](const std::exception_ptr &error) { reportQuickCaptureFailure(error); },
        [] { diag(lcApp(), QStringLiteral("=== CAPTURE WORKFLOW END (Success) ===")); });
}

void CaptureHandlers::handleRepeatZarrow()
{
    diag(lcApp(), QStringLiteral("Repeat capture requested"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(ProgramCommand::repeat,
        m_services.captureCoordinator()->performRepeatCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("Repeat capture completed in %1s").arg(result.duration, 0, 'f', 3));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("Repeat capture failed: %1").arg(logDescription(error)));
        });
}

void CaptureHandlers::handleCodeModeCapture()
{
    diag(lcApp(), QStringLiteral("Code Mode Capture requested"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(ProgramCommand::code,
        m_services.captureCoordinator()->performCodeModeCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("Code capture completed in %1s").arg(result.duration, 0, 'f', 3));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("Code capture failed: %1").arg(logDescription(error)));
        });
}

void CaptureHandlers::handleScanCode()
{
    // Worded for the hotkey, also when the menu asked.
    diag(lcApp(), QStringLiteral("Scan Code capture requested (hotkey)"));
    if (!m_services.captureCoordinator())
        return;
    finishWorkflow(ProgramCommand::scan,
        m_services.captureCoordinator()->performScanCodeCapture(),
        [](const CaptureWorkflowResult &result) {
            diag(lcApp(), QStringLiteral("Scan Code capture completed in %1s with payload length %2")
                     .arg(result.duration, 0, 'f', 3)
                     .arg(graphemeCount(result.text)));
        },
        [](const std::exception_ptr &error) {
            diagWarning(lcApp(), QStringLiteral("Scan Code capture failed: %1").arg(logDescription(error)));
        });
}

void CaptureHandlers::finishWorkflow(ProgramCommand command, QFuture<CaptureWorkflowResult> workflow,
                                 std::function<void(const CaptureWorkflowResult &)> reportSuccess,
                                 std::function<void(const std::exception_ptr &)> reportFailure,
                                 std::function<void()> afterMenuRefresh)
{
    // Whatever the user is told about a failure, the coordinator has told already.
    whenFinished(workflow, &m_tasks,
                 [this, command, reportSuccess, reportFailure, afterMenuRefresh](const QFuture<CaptureWorkflowResult> &finished) {
                     const FutureOutcome<CaptureWorkflowResult> outcome = outcomeOf(finished);
                     if (!outcome.value) {
                         // What the user asked for, not a failure.
                         if (isCancelledByUser(outcome.error)) {
                             diag(lcApp(), QStringLiteral("Capture cancelled by the user"));
                             tell(command, {false, QString()});
                             return;
                         }
                         reportFailure(outcome.error);
                         tell(command, {true, userDescription(outcome.error)});
                         return;
                     }
                     reportSuccess(*outcome.value);
                     tell(command, {false, qtTrId("notification.capture_success.message")});
                     m_refreshMenu();
                     if (afterMenuRefresh)
                         afterMenuRefresh();
                 });
}

void CaptureHandlers::tell(ProgramCommand command, const CaptureOutcome &outcome) const
{
    if (m_outcomeListener)
        m_outcomeListener(command, outcome);
}

void CaptureHandlers::reportQuickCaptureFailure(const std::exception_ptr &error) const
{
    QString kind = QStringLiteral("Unexpected Error");
    QString typeName = QStringLiteral("unknown");
    QString description = QStringLiteral("The capture ended without a result");
    QString domainAndCode = QStringLiteral("none");
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const ScreenCaptureError &e) {
            kind = QStringLiteral("ScreenCaptureError");
            typeName = demangledTypeName(typeid(e));
            description = e.englishDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key())).arg(int(e.kind()));
        } catch (const CaptureCoordinatorError &e) {
            kind = QStringLiteral("CaptureCoordinatorError");
            typeName = demangledTypeName(typeid(e));
            description = e.englishDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key())).arg(int(e.kind()));
        } catch (const LocalizedError &e) {
            typeName = demangledTypeName(typeid(e));
            description = e.englishDescription();
            domainAndCode = QStringLiteral("%1 / %2").arg(QString::fromLatin1(e.key()), e.englishValue());
        } catch (const std::exception &e) {
            typeName = demangledTypeName(typeid(e));
            description = QString::fromLocal8Bit(e.what());
        } catch (...) {
        }
    }
    diagWarning(lcApp(), QStringLiteral("CAPTURE FAILED: %1").arg(kind));
    diagWarning(lcApp(), QStringLiteral("   Error type: %1").arg(typeName));
    diagWarning(lcApp(), QStringLiteral("   Error description: %1").arg(description));
    diagWarning(lcApp(), QStringLiteral("   Error domain / code: %1").arg(domainAndCode));
    if (kind == QLatin1String("Unexpected Error")) {
        diag(lcApp(), QStringLiteral("   Error user info: none"));
        diag(lcApp(), QStringLiteral("   Call stack symbols:"));
        for (const QString &symbol : callStackSymbols())
            diag(lcApp(), QStringLiteral("   %1").arg(symbol));
    }
    diag(lcApp(), QStringLiteral("=== CAPTURE WORKFLOW END (%1) ===").arg(kind));
}

// --- Imported images ---------------------------------------------------------------------

void CaptureHandlers::handleImportedImage(const QImage &image)
{
    diag(lcApp(), QStringLiteral("Image import: received image, size=%1").arg(sizeText(image)));
    if (image.isNull()) {
        diagWarning(lcApp(), QStringLiteral("Image import: the image is empty"));
        return;
    }
    if (!m_services.captureCoordinator())
        return;
    // Not a screen capture: the status menu stays as it is, so no finishWorkflow. Whatever
    // the user is told about a failure, the coordinator has told already.
    whenFinished(m_services.captureCoordinator()->performImportCapture(image), &m_tasks,
                 [](const QFuture<CaptureWorkflowResult> &finished) {
                     const FutureOutcome<CaptureWorkflowResult> outcome = outcomeOf(finished);
                     if (outcome.value)
                         diag(lcApp(), QStringLiteral("Image import recognition completed, text length=%1")
                                           .arg(graphemeCount(outcome.value->text)));
                     else
                         diagWarning(lcApp(), QStringLiteral("Image import recognition failed: %1")
                                                  .arg(outcome.error ? logDescription(outcome.error)
                                                                     : QStringLiteral("the import ended without a result")));
                 });
}

} // namespace quorvane
