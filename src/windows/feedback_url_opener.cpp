#include "windows/feedback_url_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

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

bool DesktopFeedbackUrlOpener::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace quorvane
