// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sparkle_updater.h"

#include "app/dialog_update_presenter.h"
#include "core/diagnostics.h"
#include "platform/message_box_alert_presenter.h"

#include "build_config.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace quorvane {

SparkleUpdater::SparkleUpdater(std::unique_ptr<UpdateFeedChecker> updaterController, QString currentVersion,
                               QString currentBuild, QObject *parent)
    : QObject(parent),
      m_updaterController(std::move(updaterController)),
      m_currentVersion(std::move(currentVersion)),
      m_currentBuild(std::move(currentBuild))
{
    diag(lcUpdater(), QStringLiteral("Updater initialized"));
    diag(lcUpdater(), QStringLiteral("   Current version: %1 (%2)").arg(m_currentVersion, m_currentBuild));
}

SparkleUpdater::~SparkleUpdater() = default;

SparkleUpdater &SparkleUpdater::shared()
{
    // Made once, also when first used from two threads at the same moment (first use
    // belongs on the main thread); the application object owns it, so it is gone
    // before Qt's own shut-down.
    static SparkleUpdater *const instance = [] {
        const QString version = QStringLiteral(QUORVANE_VERSION);
        auto checker = std::make_unique<UpdateFeedChecker>(
            QStringLiteral(QUORVANE_UPDATE_FEED_URL), version, std::make_unique<DialogUpdatePresenter>(std::make_unique<MessageBoxAlertPresenter>()),
            [](const QUrl &url) { return QDesktopServices::openUrl(url); });
        // The build carries no separate build number: the version stands for both.
        return new SparkleUpdater(std::move(checker), version, version, QCoreApplication::instance());
    }();
    return *instance;
}

void SparkleUpdater::checkForUpdatesInBackground()
{
    diag(lcUpdater(), QStringLiteral("Checking for updates in background..."));
    m_updaterController->checkForUpdatesInBackground();
    noteCheckStarted();
}

void SparkleUpdater::checkForUpdates()
{
    diag(lcUpdater(), QStringLiteral("Checking for updates..."));
    setChecking(true);
    m_updaterController->checkForUpdates();
    noteCheckStarted();
    setChecking(false);
}

void SparkleUpdater::noteCheckStarted()
{
    m_lastCheckDate = QDateTime::currentDateTime();
    emit lastCheckDateChanged(*m_lastCheckDate);
}

void SparkleUpdater::setChecking(bool checking)
{
    if (m_isChecking == checking)
        return;
    m_isChecking = checking;
    emit isCheckingChanged(checking);
}

bool SparkleUpdater::automaticallyChecksForUpdates() const
{
    return m_updaterController->automaticallyChecksForUpdates();
}

void SparkleUpdater::setAutomaticallyChecksForUpdates(bool on)
{
    m_updaterController->setAutomaticallyChecksForUpdates(on);
}

double SparkleUpdater::updateCheckInterval() const
{
    return m_updaterController->updateCheckInterval();
}

void SparkleUpdater::setUpdateCheckInterval(double seconds)
{
    m_updaterController->setUpdateCheckInterval(seconds);
}

bool SparkleUpdater::automaticallyDownloadsUpdates() const
{
    return m_updaterController->automaticallyDownloadsUpdates();
}

void SparkleUpdater::setAutomaticallyDownloadsUpdates(bool on)
{
    m_updaterController->setAutomaticallyDownloadsUpdates(on);
}

} // namespace quorvane
