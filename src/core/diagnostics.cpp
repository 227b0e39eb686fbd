#include "core/diagnostics.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>

namespace quorvane {

void diag(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
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
