// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/feedback_url_opener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <utility>

namespace quorvane {

namespace {

constexpr int queryTimeoutMs = 2000;

} // namespace

QString DesktopFeedbackUrlOpener::mailHandlerLocation()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(queryTimeoutMs) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        query.kill();
        query.waitForFinished(queryTimeoutMs);
        return {};
    }
    const QString desktopId = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (desktopId.isEmpty())
        return {};
    const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    return entry.isEmpty() ? desktopId : entry;
}

void DesktopFeedbackUrlOpener::openUrl(const QUrl &url, Outcome outcome)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        QTimer::singleShot(0, this, [outcome] { outcome(false); });
        return;
    }
    // Shared by the process's signals and the hand-over timer: the first to know answers.
    auto answer = std::make_shared<Outcome>(std::move(outcome));
    const auto report = [answer](bool opened) {
        if (const Outcome once = std::exchange(*answer, nullptr))
            once(opened);
    };
    auto *process = new QProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [process, report](int code, QProcess::ExitStatus status) {
        report(status == QProcess::NormalExit && code == 0);
        process->deleteLater();
    });
    connect(process, &QProcess::errorOccurred, this, [process, report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            report(false);
            process->deleteLater();
        }
    });
    QTimer::singleShot(handOverMs, process, [report] { report(true); });
    process->start(xdgOpen, {url.toString(QUrl::FullyEncoded)});
}

} // namespace quorvane
