#pragma once

#include <QString>

#include <typeinfo>

namespace quorvane {

// Writes one diagnostic line to standard output and flushes it. Diagnostics are for
// whoever reads the logs; they are never shown to the user.
void diag(const QString &line);

// The readable (demangled) name of a type, for failure diagnostics.
QString demangledTypeName(const std::type_info &type);

} // namespace quorvane
