// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/set_aside_message.h"

namespace quorvane {

QString setAsideMessage(const HistoryStore::SetAside &setAside)
{
    if (setAside.kind == HistoryStore::SetAsideKind::records)
        //: Warning message when some history records could not be read; %1 is the file they were kept in
        //% "Some history records could not be read and were kept as %1. Every other capture is in the history."
        return qtTrId("notification.history_records_set_aside.message").arg(setAside.path);
    //: Warning message when the history file was set aside
    //% "The history file could not be read and was kept as %1. Captures were restored from the backup where there was one."
    return qtTrId("notification.history_set_aside.message").arg(setAside.path);
}

} // namespace quorvane
