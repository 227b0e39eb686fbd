// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers the benchmark programs share: reading and writing the corpus files, and the
// offscreen platform for programs that only draw.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <optional>

namespace bench {

// Draws without a display unless the caller chose a platform. Call before the
// application object is made.
inline void useOffscreenPlatformUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The output folder a corpus generator was given as its first argument, created; none,
// after printing `usage`, when it was not given.
inline std::optional<QString> outputFolder(int argc, char **argv, const char *usage)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return std::nullopt;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    return folder;
}

inline void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

// The file's text, empty when it cannot be read.
inline QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The process's resident memory in MB, now ("VmRSS:") or at its peak since the last
// resetPeakResident() ("VmHWM:"); any other field of /proc/self/status given in kB too.
inline double residentMegabytes(const QByteArray &field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// Starts counting the peak of resident memory ("VmHWM:") from now.
inline void resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace bench
