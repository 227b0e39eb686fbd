#pragma once

#include <QString>

#include <cstdio>

namespace quorvane {

// Writes one diagnostic line to standard output and flushes it at once, so lines from
// different components interleave in the order they happened. Never shown to the user.
inline void diag(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace quorvane
