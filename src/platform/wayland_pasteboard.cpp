// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland_pasteboard.h"

#include "platform/log_categories.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace quorvane {

namespace {

constexpr int kToolTimeoutMs = 5000;
constexpr int kReadBackPauseMs = 20;

// The type wl-copy is given: plain text is named with its encoding, so that it also
// offers the other names editors ask text by (text/plain, UTF8_STRING, …).
QString offeredType(const QString &mimeType)
{
    return mimeType == QLatin1String("text/plain") ? QStringLiteral("text/plain;charset=utf-8") : mimeType;
}

} // namespace

WaylandPasteboard::WaylandPasteboard(QString copyProgram, QString pasteProgram, QProcessEnvironment environment,
                                     std::chrono::milliseconds readBackBound)
    : m_copyProgram(std::move(copyProgram)), m_pasteProgram(std::move(pasteProgram)),
      m_environment(std::move(environment)), m_readBackBound(readBackBound)
{
}

std::optional<std::pair<QString, QString>> WaylandPasteboard::findTools()
{
    const QString copy = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    const QString paste = QStandardPaths::findExecutable(QStringLiteral("wl-paste"));
    if (copy.isEmpty() || paste.isEmpty())
        return std::nullopt;
    return std::pair{copy, paste};
}

QStringList WaylandPasteboard::write(const QList<Representation> &representations)
{
    if (representations.isEmpty())
        return {};
    const auto plain = std::find_if(representations.begin(), representations.end(), [](const Representation &r) {
        return r.mimeType == QLatin1String("text/plain");
    });
    const Representation &chosen = plain != representations.end() ? *plain : representations.first();
    if (!copy(chosen))
        return {};
    // wl-copy may hand the selection to a background process of its own after it exits:
    // the text is read back until it arrives, or the compositor plainly refused it.
    const QDeadlineTimer deadline(m_readBackBound);
    do {
        if (paste(offeredType(chosen.mimeType)) == chosen.data)
            return {chosen.mimeType};
        QThread::msleep(kReadBackPauseMs);
    } while (!deadline.hasExpired());
    qCWarning(lcPlatform) << "The compositor did not take the clipboard's new content";
    return {};
}

bool WaylandPasteboard::copy(const Representation &representation) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    // The process that goes on serving the selection must not hold our pipes open.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(m_copyProgram, {QStringLiteral("--type"), offeredType(representation.mimeType)});
    if (!process.waitForStarted(kToolTimeoutMs)) {
        qCWarning(lcPlatform) << "wl-copy did not start:" << process.errorString();
        return false;
    }
    process.write(representation.data);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qCWarning(lcPlatform) << "wl-copy failed, exit code" << process.exitCode();
        return false;
    }
    return true;
}

std::optional<QByteArray> WaylandPasteboard::paste(const QString &mimeType) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(m_pasteProgram, {QStringLiteral("--no-newline"), QStringLiteral("--type"), mimeType});
    if (!process.waitForFinished(kToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace quorvane
