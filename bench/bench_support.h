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

} // namespace bench
