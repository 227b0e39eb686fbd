// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alert_presenter.h"

namespace quorvane {

// Alerts as QMessageBox dialogs.
class MessageBoxAlertPresenter : public AlertPresenter {
public:
    int runModal(const Alert &alert) override;
};

} // namespace quorvane
