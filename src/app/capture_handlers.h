// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_service.h"
#include "app/program_command.h"

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <optional>

namespace quorvane {

class AppServices;
class CaptureCoordinator;
struct CaptureWorkflowResult;

// How `command`, given from outside now, is taken other than as asked: refused while a
// capture runs, or taken as the cancel of the running capture's reading; nothing when it is
// simply performed (also without a coordinator).
std::optional<CommandService::Answer> captureCommandAnswer(const CaptureCoordinator *coordinator,
                                                           ProgramCommand command);

// Turns a request for a capture, or an image brought in from outside the screen, into one
// workflow, prints how it went and, after a success, refreshes the status menu. Every
// handler returns at once and does nothing before the services exist. Main thread only.
class CaptureHandlers {
public:
    CaptureHandlers(AppServices &services, std::function<void()> refreshMenu);

    // Told how each capture started here ended, with the command that starts it.
    using OutcomeListener = std::function<void(ProgramCommand, const CaptureOutcome &)>;
    void setOutcomeListener(OutcomeListener listener) { m_outcomeListener = std::move(listener); }

    void handleCaptureText();
    void handleRepeatZarrow();
    void handleCodeModeCapture();
    void handleScanCode();
    // Hands the image to the coordinator's import workflow (recognise, copy, record, toast),
    // refused like any capture while another runs.
    void handleImportedImage(const QImage &image);

private:
    // Prints how a workflow ended and, after a success, refreshes the status menu.
    void finishWorkflow(ProgramCommand command, QFuture<CaptureWorkflowResult> workflow,
                        std::function<void(const CaptureWorkflowResult &)> reportSuccess,
                        std::function<void(const std::exception_ptr &)> reportFailure,
                        std::function<void()> afterMenuRefresh = {});
    void reportQuickCaptureFailure(const std::exception_ptr &error) const;
    void tell(ProgramCommand command, const CaptureOutcome &outcome) const;

    AppServices &m_services;
    std::function<void()> m_refreshMenu;
    OutcomeListener m_outcomeListener;
    // Context of every continuation of a capture or an import. Declared last, so it goes
    // first: nothing finishing while the services are being taken down reaches the handlers.
    QObject m_tasks;
};

} // namespace quorvane
