#pragma once

#include <QString>

namespace quorvane {

// Writes one diagnostic line to standard output (UTF-8) and flushes it at once, so the
// lines of several threads never mix and survive a crash. Never shown to the user.
void diag(const QString &line);

} // namespace quorvane
