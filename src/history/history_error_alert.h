// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alert_presenter.h"

class QWidget;

namespace quorvane {

// The alert that tells a failed history operation: "Error", the reason, and OK, on `window`.
Alert historyErrorAlert(const QString &reason, QWidget *window);

} // namespace quorvane
