#include "app/update_feed_checker.h"

#include "app/update_check_error.h"
#include "app/version_comparator.h"
#include "core/diagnostics.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace quorvane {

namespace {

constexpr int maximumRedirects = 5;
constexpr int transferTimeoutMs = 30000;
constexpr double minimumCheckInterval = 3600.0;

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
    m_refusedRedirect.clear();
    m_tooLarge = false;

    const QUrl url(m_feedAddress, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        fail(UpdateCheckError(UpdateCheckErrorKind::invalidFeedAddress, m_feedAddress));
        return;
    }
    if (!isPermittedAddress(url)) {
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress, url.toDisplayString()));
        return;
    }

    diag(lcUpdater(), QStringLiteral("🔄 [UpdateFeedChecker] Fetching %1").arg(url.toDisplayString()));
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(transferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quorvane/%1").arg(m_currentVersion));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    QNetworkReply *reply = m_network.get(request);
    m_reply = reply;
    const bool fromLoopback = url.scheme().toLower() == QLatin1String("http");
    connect(reply, &QNetworkReply::redirected, this, [this, reply, fromLoopback](const QUrl &target) {
        // A secure feed never continues over plain HTTP, not even to this machine.
        const bool secure = target.scheme().toLower() == QLatin1String("https");
        if (isPermittedAddress(target) && (secure || fromLoopback)) {
            emit reply->redirectAllowed();
        } else {
            m_refusedRedirect = target.toDisplayString();
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (received > maximumFeedSize && !m_tooLarge) {
            m_tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, &UpdateFeedChecker::replyFinished);
}

void UpdateFeedChecker::replyFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();

    if (!m_refusedRedirect.isEmpty()) {
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress, m_refusedRedirect));
        return;
    }
    if (m_tooLarge) {
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed,
                              QStringLiteral("the feed is larger than %1 bytes").arg(maximumFeedSize)));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        const QString why = status > 0 ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, why));
        return;
    }
    if (status < 200 || status > 299) {
        fail(UpdateCheckError(UpdateCheckErrorKind::downloadFailed, QStringLiteral("HTTP %1").arg(status)));
        return;
    }
    try {
        finish(Appcast::parse(reply->readAll()));
    } catch (const UpdateCheckError &error) {
        fail(error);
    }
}

void UpdateFeedChecker::finish(const std::vector<AppcastItem> &items)
{
    Outcome outcome;
    outcome.newest = Appcast::newest(items);
    const bool newer = outcome.newest
        && VersionComparator::compare(outcome.newest->displayVersion(), m_currentVersion) > 0;
    if (!newer) {
        outcome.kind = Outcome::Kind::upToDate;
        diag(lcUpdater(), QStringLiteral("✅ [UpdateFeedChecker] Quorvane %1 is up to date (newest listed: %2)")
                 .arg(m_currentVersion, outcome.newest ? outcome.newest->displayVersion() : QStringLiteral("none")));
        if (m_kind == CheckKind::userInitiated)
            m_presenter->showUpToDate(m_currentVersion);
        emit checkFinished(outcome);
        return;
    }

    const QUrl page = outcome.newest->downloadPage();
    if (!isPermittedAddress(page)) {
        // An address we would not fetch ourselves is not handed to the browser either.
        fail(UpdateCheckError(UpdateCheckErrorKind::insecureAddress,
                              page.isEmpty() ? QStringLiteral("no download page") : page.toDisplayString()));
        return;
    }
    outcome.kind = Outcome::Kind::updateAvailable;
    diag(lcUpdater(), QStringLiteral("🔷 [UpdateFeedChecker] Quorvane %1 is available (running %2)")
             .arg(outcome.newest->displayVersion(), m_currentVersion));
    if (m_presenter->offerUpdate(*outcome.newest, m_currentVersion)) {
        if (!m_openUrl || !m_openUrl(page))
            diagWarning(lcUpdater(), QStringLiteral("❌ [UpdateFeedChecker] Could not open %1").arg(page.toDisplayString()));
    }
    emit checkFinished(outcome);
}

void UpdateFeedChecker::fail(const UpdateCheckError &error)
{
    diagWarning(lcUpdater(), QStringLiteral("❌ [UpdateFeedChecker] Check failed: %1").arg(error.localizedDescription()));
    Outcome outcome;
    outcome.kind = Outcome::Kind::failed;
    outcome.message = error.localizedDescription();
    if (m_kind == CheckKind::userInitiated)
        m_presenter->showCheckFailed(outcome.message);
    emit checkFinished(outcome);
}

} // namespace quorvane
