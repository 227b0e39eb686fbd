// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/history_store.h"

#include <QString>

namespace quorvane {

// What the user is told about something the history store kept aside, naming the file.
QString setAsideMessage(const HistoryStore::SetAside &setAside);

} // namespace quorvane
