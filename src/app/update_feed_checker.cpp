// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/update_feed_checker.h"

#include "app/update_check_error.h"
#include "app/version_comparator.h"
#include "core/diagnostics.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <utility>

namespace quorvane {

namespace {

constexpr int maximumRedirects = 5;
constexpr int transferTimeoutMs = 30000;
constexpr double minimumCheckInterval = 3600.0;

Phrase tooLargeReason()
{
    //: Why a check for updates failed: the feed is too large
    //% "the answer is larger than %1 bytes"
    return Phrase::text(QT_TRID_NOOP("updater.reason.too_large"), {QString::number(UpdateFeedChecker::maximumFeedSize)});
}

// The failure of a fetch in words, the HTTP status only where the server gave one that
// explains it.
Phrase failureReason(QNetworkReply::NetworkError error, int status)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        //: Why a check for updates failed
        //% "the update server could not be found"
        return Phrase::text(QT_TRID_NOOP("updater.reason.host_not_found"));
    case QNetworkReply::ConnectionRefusedError:
        //: Why a check for updates failed
        //% "the update server refused the connection"
        return Phrase::text(QT_TRID_NOOP("updater.reason.refused"));
    case QNetworkReply::RemoteHostClosedError:
        //: Why a check for updates failed
        //% "the update server closed the connection early"
        return Phrase::text(QT_TRID_NOOP("updater.reason.closed"));
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        //: Why a check for updates failed: the transfer timed out
        //% "the update server stopped answering"
        return Phrase::text(QT_TRID_NOOP("updater.reason.silent"));
    case QNetworkReply::SslHandshakeFailedError:
        //: Why a check for updates failed
        //% "the update server's secure connection could not be verified"
        return Phrase::text(QT_TRID_NOOP("updater.reason.tls"));
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        //: Why a check for updates failed
        //% "the network is not available"
        return Phrase::text(QT_TRID_NOOP("updater.reason.offline"));
    default:
        break;
    }
    if (status >= 400)
        //: Why a check for updates failed: the HTTP status
        //% "the update server answered with error %1"
        return Phrase::text(QT_TRID_NOOP("updater.reason.status"), {QString::number(status)});
    //: Why a check for updates failed: an answer that is neither a feed nor an error
    //% "the update server sent an answer that is not a feed"
    return Phrase::text(QT_TRID_NOOP("updater.reason.unexpected"));
}

} // namespace

UpdateFeedChecker::UpdateFeedChecker(QString feedAddress, QString currentVersion,
                                     std::unique_ptr<UpdatePresenter> presenter, UrlOpener openUrl,
                                     QObject *parent)
    : QObject(parent),
      m_feedAddress(std::move(feedAddress).trimmed()),
      m_currentVersion(std::move(currentVersion)),
      m_presenter(std::move(presenter)),
      m_openUrl(std::move(openUrl))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        abandon(UpdateCheckError(UpdateCheckErrorKind::downloadFailed,
                                 //: Why a check for updates failed: the whole check ran out of time
                                 //% "the update server took too long to answer"
                                 Phrase::text(QT_TRID_NOOP("updater.reason.deadline"))));
    });
    m_scheduleTimer.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_scheduleTimer, &QTimer::timeout, this, [this] { checkForUpdatesInBackground(); });
    rescheduleTimer();
}

UpdateFeedChecker::~UpdateFeedChecker()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void UpdateFeedChecker::checkForUpdates()
{
    start(CheckKind::userInitiated);
}

void UpdateFeedChecker::checkForUpdatesInBackground()
{
    start(CheckKind::background);
}

void UpdateFeedChecker::setAutomaticallyChecksForUpdates(bool on)
{
    m_automaticChecks = on;
    rescheduleTimer();
}

void UpdateFeedChecker::setUpdateCheckInterval(double seconds)
{
    m_checkInterval = std::max(seconds, minimumCheckInterval);
    rescheduleTimer();
}

void UpdateFeedChecker::rescheduleTimer()
{
    if (m_automaticChecks && !m_feedAddress.isEmpty()) {
        m_scheduleTimer.start(std::chrono::milliseconds(static_cast<qint64>(m_checkInterval * 1000.0)));
    } else {
        m_scheduleTimer.stop();
    }
}

bool UpdateFeedChecker::isPermittedAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

void UpdateFeedChecker::start(CheckKind kind)
{
    if (m_feedAddress.isEmpty()) {
        diag(lcUpdater(), QStringLiteral("ℹ️ [UpdateFeedChecker] No update feed is configured - nothing to check"));
        if (kind == CheckKind::userInitiated)
            m_presenter->showNotConfigured();
        emit checkFinished(Outcome{});
        return;
    }
    if (m_reply) {
        // One fetch at a time; a user's request makes the running check report to them.
        if (kind == CheckKind::userInitiated)
            m_kind = CheckKind::userInitiated;
        diag(lcUpdater(), QStringLiteral("ℹ️ [UpdateFeedChecker] A check is already running"));
        return;
    }
    m_kind = kind;

    const QUrl url(m_feedAddress, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        fail(UpdateCheckError(UpdateCheckErrorKind::invalidFeedAddress, m_feedAddress));
        return;
    }
    if (!isPermittedAddress(url)) {
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress, url.toDisplayString()));
        return;
    }
    m_fromLoopback = url.scheme().toLower() == QLatin1String("http");
    m_redirects = 0;
    m_deadline.start(m_deadlineMs);
    fetch(url);
}

void UpdateFeedChecker::fetch(const QUrl &url)
{
    diag(lcUpdater(), QStringLiteral("[UpdateFeedChecker] Fetching %1").arg(url.toDisplayString()));
    QNetworkRequest request(url);
    // Redirects are followed here, one checked hop at a time: Qt's own following loses
    // the status of a second hop.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quorvane/%1").arg(m_currentVersion));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    m_body.clear();
    m_abandoned.reset();
    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maximumFeedSize && reply == m_reply)
            abandon(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, tooLargeReason()));
    });
    connect(reply, &QNetworkReply::readyRead, this, &UpdateFeedChecker::readBody);
    connect(reply, &QNetworkReply::finished, this, &UpdateFeedChecker::replyFinished);
}

void UpdateFeedChecker::readBody()
{
    if (!m_reply || m_abandoned)
        return;
    m_body += m_reply->read(maximumFeedSize + 1 - m_body.size());
    if (m_body.size() > maximumFeedSize)
        abandon(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, tooLargeReason()));
}

void UpdateFeedChecker::abandon(const UpdateCheckError &error)
{
    if (!m_reply || m_abandoned)
        return;
    m_abandoned = error;
    m_reply->abort(); // finishes the reply, which reports `error`
}

void UpdateFeedChecker::replyFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();

    if (m_abandoned) {
        m_deadline.stop();
        fail(*std::exchange(m_abandoned, std::nullopt));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status <= 399 && reply->hasRawHeader("Location")) {
        if (!followRedirect(*reply))
            m_deadline.stop();
        return;
    }
    m_deadline.stop();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, failureReason(reply->error(), status)));
        return;
    }
    m_body += reply->readAll();
    if (m_body.size() > maximumFeedSize) {
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, tooLargeReason()));
        return;
    }
    try {
        finish(Appcast::parse(std::exchange(m_body, {})));
    } catch (const UpdateCheckError &error) {
        fail(error);
    }
}

bool UpdateFeedChecker::followRedirect(QNetworkReply &reply)
{
    const QUrl target = reply.url().resolved(QUrl::fromEncoded(reply.rawHeader("Location")));
    // A secure feed never continues over plain HTTP, not even to this machine.
    const bool secure = target.scheme().toLower() == QLatin1String("https");
    if (!isPermittedAddress(target) || !(secure || m_fromLoopback)) {
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress, target.toDisplayString()));
        return false;
    }
    if (m_redirects >= maximumRedirects) {
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed,
                              //: Why a check for updates failed: too many redirects
                              //% "the server redirected the request more than %n times"
                              Phrase::text(QT_TRID_N_NOOP("updater.reason.redirects"), {}, maximumRedirects)));
        return false;
    }
    ++m_redirects;
    fetch(target);
    return true;
}

void UpdateFeedChecker::finish(const std::vector<AppcastItem> &items)
{
    Outcome outcome;
    outcome.newest = Appcast::newest(items);
    const bool newer = outcome.newest
        && VersionComparator::compare(outcome.newest->displayVersion(), m_currentVersion) > 0;
    if (!newer) {
        outcome.kind = Outcome::Kind::upToDate;
        diag(lcUpdater(), QStringLiteral("[UpdateFeedChecker] Quorvane %1 is up to date (newest listed: %2)")
                 .arg(m_currentVersion, outcome.newest ? outcome.newest->displayVersion() : QStringLiteral("none")));
        if (m_kind == CheckKind::userInitiated)
            m_presenter->showUpToDate(m_currentVersion);
        emit checkFinished(outcome);
        return;
    }

    const QUrl page = outcome.newest->downloadPage();
    // HTTPS only, loopback included: a web page on this machine is no download page.
    if (!isPermittedAddress(page) || page.scheme().toLower() != QLatin1String("https")) {
        // An address we would not fetch ourselves is not handed to the browser either.
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress,
                              page.isEmpty() ? Phrase::text(
                                                   //: Why an update is refused: the feed names no page to get it from
                                                   //% "the update names no download page"
                                                   QT_TRID_NOOP("updater.reason.no_download_page"))
                                             : Phrase(page.toDisplayString())));
        return;
    }
    outcome.kind = Outcome::Kind::updateAvailable;
    diag(lcUpdater(), QStringLiteral("[UpdateFeedChecker] Quorvane %1 is available (running %2)")
             .arg(outcome.newest->displayVersion(), m_currentVersion));
    if (m_presenter->offerUpdate(*outcome.newest, m_currentVersion)) {
        if (!m_openUrl || !m_openUrl(page)) {
            diagWarning(lcUpdater(), QStringLiteral("[UpdateFeedChecker] Could not open %1").arg(page.toDisplayString()));
            // The user asked for the page: they get its address to open themselves.
            //: Shown when no program opens the download page: its address
            //% "The download page could not be opened. It is at: %1"
            m_presenter->showCheckFailed(qtTrId("updater.reason.page_not_opened").arg(page.toDisplayString()));
        }
    }
    emit checkFinished(outcome);
}

void UpdateFeedChecker::fail(const UpdateCheckError &error)
{
    diagWarning(lcUpdater(), QStringLiteral("[UpdateFeedChecker] Check failed: %1").arg(error.englishDescription()));
    Outcome outcome;
    outcome.kind = Outcome::Kind::failed;
    outcome.message = error.localizedDescription();
    if (m_kind == CheckKind::userInitiated)
        m_presenter->showCheckFailed(outcome.message);
    emit checkFinished(outcome);
}

} // namespace quorvane
