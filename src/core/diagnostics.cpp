// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/diagnostics.h"

#include <cxxabi.h>

#include <cstdlib>

namespace quorvane {

void diag(const QLoggingCategory &category, const QString &line)
{
    qCInfo(category).noquote() << line;
}

void diagWarning(const QLoggingCategory &category, const QString &line)
{
    qCWarning(category).noquote() << line;
}

void diagText(const QString &line)
{
    qCDebug(lcText).noquote() << line;
}

QString demangledTypeName(const std::type_info &type)
{
    int status = 0;
    char *name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    const QString readable = QString::fromLatin1(status == 0 && name ? name : type.name());
    std::free(name);
    return readable;
}

} // namespace quorvane
