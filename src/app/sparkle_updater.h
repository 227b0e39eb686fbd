// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/update_feed_checker.h"

#include <QDateTime>
#include <QObject>

#include <memory>
#include <optional>

namespace quorvane {

// The program's updater: one shared object that starts the feed checker and asks it to
// check, once in the background at launch and whenever the user asks from the menu.
// Finding a release and everything shown for it belong to the checker.
class SparkleUpdater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool updateAvailable READ updateAvailable NOTIFY updateAvailableChanged)
    Q_PROPERTY(bool isChecking READ isChecking NOTIFY isCheckingChanged)
public:
    // `updaterController` is started at once (its own schedule of checks runs from now on).
    SparkleUpdater(std::unique_ptr<UpdateFeedChecker> updaterController, QString currentVersion,
                   QString currentBuild, QObject *parent = nullptr);
    ~SparkleUpdater() override;

    // The process's updater, made on first use with the feed address of the build
    // configuration and dialogs for the user; it lives as long as the application object.
    static SparkleUpdater &shared();

    // The launch-time check: silent unless a newer release exists.
    virtual void checkForUpdatesInBackground();
    // The check the user asked for from the menu.
    virtual void checkForUpdates();
    // Whether there is anything to check: a build without a feed offers no check.
    virtual bool hasFeed() const { return m_updaterController->hasFeed(); }

    // Nothing in the program sets it: it stays false.
    bool updateAvailable() const { return m_updateAvailable; }
    // True only while a check is being started.
    bool isChecking() const { return m_isChecking; }
    // When the program last started a check; none before the first.
    std::optional<QDateTime> lastCheckDate() const { return m_lastCheckDate; }

    // Settings of the checker, read and written through to it.
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool on);
    double updateCheckInterval() const;
    void setUpdateCheckInterval(double seconds);
    bool automaticallyDownloadsUpdates() const;
    void setAutomaticallyDownloadsUpdates(bool on);
    QString currentVersion() const { return m_currentVersion; }
    QString currentBuild() const { return m_currentBuild; }

    UpdateFeedChecker &updaterController() { return *m_updaterController; }

signals:
    void updateAvailableChanged(bool available);
    void isCheckingChanged(bool checking);
    void lastCheckDateChanged(const QDateTime &date);

private:
    void setChecking(bool checking);
    void noteCheckStarted();

    std::unique_ptr<UpdateFeedChecker> m_updaterController;
    QString m_currentVersion;
    QString m_currentBuild;
    bool m_updateAvailable = false;
    bool m_isChecking = false;
    std::optional<QDateTime> m_lastCheckDate;
};

} // namespace quorvane
