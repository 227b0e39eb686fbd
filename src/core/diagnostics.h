#pragma once

#include <QString>

namespace quorvane {

// Writes one diagnostic line to standard output and flushes it. Diagnostics are for
// whoever reads the logs; they are never shown to the user.
void diag(const QString &line);

} // namespace quorvane
