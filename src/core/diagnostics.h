#pragma once

#include <QString>

namespace quorvane {

// Writes one diagnostic line to standard output and flushes it, so lines from several
// threads never interleave and none is lost when the program ends. Never shown to the user.
void diag(const QString &line);

} // namespace quorvane
