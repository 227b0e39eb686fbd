// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/log_categories.h"

#include <QString>

#include <typeinfo>

namespace quorvane {

// Diagnostics are for whoever reads the logs; they are never shown to the user.

// An informational line in `category`: off unless a logging rule turns it on.
void diag(const QLoggingCategory &category, const QString &line);

// A failure worth a line in the user's log: on by default. It names what failed and why,
// never the text, payload or file contents the failure was about.
void diagWarning(const QLoggingCategory &category, const QString &line);

// A line that quotes captured text (a preview, a recognised line): debug level of
// quorvane.text, which only a rule naming it turns on.
void diagText(const QString &line);

// The readable (demangled) name of a type, for failure diagnostics.
QString demangledTypeName(const std::type_info &type);

} // namespace quorvane
