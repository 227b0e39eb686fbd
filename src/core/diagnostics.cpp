#include "core/diagnostics.h"

#include <cstdio>

namespace quorvane {

void diag(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    std::printf("%s\n", utf8.constData());
    std::fflush(stdout);
}

} // namespace quorvane
