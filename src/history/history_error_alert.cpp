// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_error_alert.h"

namespace quorvane {

Alert historyErrorAlert(const QString &reason, QWidget *window)
{
    Alert alert;
    alert.style = Alert::Style::warning;
    //: Error alert title
    //% "Error"
    alert.messageText = qtTrId("history.error.title");
    alert.informativeText = reason;
    //: OK button
    //% "OK"
    alert.buttons = {qtTrId("general.ok")};
    alert.window = window;
    return alert;
}

} // namespace quorvane
