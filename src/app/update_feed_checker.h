// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appcast.h"
#include "app/update_check_error.h"
#include "app/update_presenter.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>

#include <functional>
#include <memory>
#include <optional>

namespace quorvane {

// Reads the program's update feed and tells the user about a newer release.
// The feed is fetched over HTTPS only (plain HTTP is accepted for loopback addresses,
// where nothing leaves the machine); up to five redirects are followed, each to such an
// address only. A check ends after a total deadline however the server trickles, and a
// feed larger than `maximumFeedSize` is abandoned as soon as that is known. Only an HTTPS
// download page is ever opened.
// A background check speaks up only when there is something new; a check the user
// asked for also reports "up to date" and failures.
class UpdateFeedChecker : public QObject {
    Q_OBJECT
public:
    enum class CheckKind { background, userInitiated };

    struct Outcome {
        enum class Kind { notConfigured, updateAvailable, upToDate, failed };
        Kind kind = Kind::notConfigured;
        std::optional<AppcastItem> newest; // the newest release the feed lists
        QString message;                   // the failure, for `failed`
    };

    using UrlOpener = std::function<bool(const QUrl &)>;

    // `feedAddress` empty: no feed is configured; a check the user asked for tells them
    // so. `openUrl` opens the download page the user chose.
    UpdateFeedChecker(QString feedAddress, QString currentVersion, std::unique_ptr<UpdatePresenter> presenter,
                      UrlOpener openUrl, QObject *parent = nullptr);
    ~UpdateFeedChecker() override;

    // A check the user asked for. While a check runs, it joins that check.
    virtual void checkForUpdates();
    // A silent check: the user hears of it only when a newer release exists.
    virtual void checkForUpdatesInBackground();
    // Whether the build names a feed to check (distributions' builds update the program
    // themselves and name none).
    bool hasFeed() const { return !m_feedAddress.isEmpty(); }
    // True while the feed is being fetched.
    bool isFetching() const { return m_reply != nullptr; }

    // Settings of the checker's own schedule: a background check every
    // `updateCheckInterval` seconds (at least one hour) while automatic checks are on.
    bool automaticallyChecksForUpdates() const { return m_automaticChecks; }
    void setAutomaticallyChecksForUpdates(bool on);
    double updateCheckInterval() const { return m_checkInterval; }
    void setUpdateCheckInterval(double seconds);
    // Kept for the updater's interface; releases are never downloaded by the program.
    bool automaticallyDownloadsUpdates() const { return m_automaticDownloads; }
    void setAutomaticallyDownloadsUpdates(bool on) { m_automaticDownloads = on; }

    // How long a whole check may take, redirects included (60 s unless set).
    void setDeadline(std::chrono::milliseconds deadline) { m_deadlineMs = deadline; }

    // HTTPS, or HTTP to a loopback address.
    static bool isPermittedAddress(const QUrl &url);

    // Largest feed read, in bytes; a longer answer is refused.
    static constexpr qint64 maximumFeedSize = 4 * 1024 * 1024;

signals:
    void checkFinished(const quorvane::UpdateFeedChecker::Outcome &outcome);

private:
    void start(CheckKind kind);
    void fetch(const QUrl &url);
    void readBody();
    void abandon(const UpdateCheckError &error);
    void replyFinished();
    bool followRedirect(QNetworkReply &reply);
    void finish(const std::vector<AppcastItem> &items);
    void fail(const UpdateCheckError &error);
    void rescheduleTimer();

    QString m_feedAddress;
    QString m_currentVersion;
    std::unique_ptr<UpdatePresenter> m_presenter;
    UrlOpener m_openUrl;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    CheckKind m_kind = CheckKind::background;
    bool m_fromLoopback = false; // the feed is plain HTTP on this machine
    int m_redirects = 0;
    QByteArray m_body;
    std::optional<UpdateCheckError> m_abandoned; // why the running transfer was aborted
    QTimer m_deadline;
    std::chrono::milliseconds m_deadlineMs{60000};

    bool m_automaticChecks = true;
    double m_checkInterval = 86400.0;
    bool m_automaticDownloads = false;
    QTimer m_scheduleTimer;
};

} // namespace quorvane
