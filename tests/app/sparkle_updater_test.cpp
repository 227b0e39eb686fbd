// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appcast.h"
#include "app/dialog_update_presenter.h"
#include "app/sparkle_updater.h"
#include "app/update_check_error.h"
#include "app/update_feed_checker.h"
#include "app/version_comparator.h"

#include "platform/message_box_alert_presenter.h"

#include "support/event_loop.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <QHostAddress>
#include <QMap>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quorvane;
using Kind = UpdateFeedChecker::Outcome::Kind;

namespace {

// An HTTP server on 127.0.0.1 that answers each path with a canned response.
class LoopbackFeedServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray location; // for redirects
        qint64 announcedLength = -1; // >= 0: this Content-Length, and the connection stays open
        int trickleMs = 0;           // > 0: one more body byte this often, for ever
    };

    LoopbackFeedServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    void route(const QByteArray &path, Response response) { m_routes.insert(path, std::move(response)); }
    QString url(const QByteArray &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QString::fromLatin1(path));
    }
    const QList<QByteArray> &requests() const { return m_requests; }

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &pending = m_buffers[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
        const QByteArray path = requestLine.value(1);
        m_requests.append(path);
        m_buffers.remove(socket);

        const Response response = m_routes.value(path, Response{404, "not here", {}});
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " Canned\r\n";
        reply += "Content-Type: application/rss+xml\r\n";
        if (!response.location.isEmpty())
            reply += "Location: " + response.location + "\r\n";
        const bool staysOpen = response.announcedLength >= 0;
        reply += "Content-Length: "
            + QByteArray::number(staysOpen ? response.announcedLength : response.body.size()) + "\r\n";
        reply += "Connection: close\r\n\r\n" + response.body;
        socket->write(reply);
        if (response.trickleMs > 0) {
            auto *drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write("x"); });
            drip->start(response.trickleMs);
        }
        if (!staysOpen)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QByteArray, Response> m_routes;
    QMap<QTcpSocket *, QByteArray> m_buffers;
    QList<QByteArray> m_requests;
};

struct RecordingPresenter : UpdatePresenter {
    bool acceptOffer = false;
    QStringList calls;
    std::optional<AppcastItem> offered;

    bool offerUpdate(const AppcastItem &item, const QString &currentVersion) override
    {
        offered = item;
        calls << QStringLiteral("offer %1 over %2").arg(item.displayVersion(), currentVersion);
        return acceptOffer;
    }
    void showUpToDate(const QString &currentVersion) override { calls << "up to date " + currentVersion; }
    void showCheckFailed(const QString &reason) override { calls << "failed: " + reason; }
    void showNotConfigured() override { calls << "not configured"; }
};

QByteArray feed(const QList<QByteArray> &items)
{
    QByteArray xml = R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
  <channel><title>Quorvane</title>
)";
    for (const QByteArray &item : items)
        xml += item;
    xml += "  </channel>\n</rss>\n";
    return xml;
}

QByteArray item(const QByteArray &version, const QByteArray &link)
{
    return "<item><title>Quorvane " + version + "</title><link>" + link + "</link>"
           "<sparkle:shortVersionString>" + version + "</sparkle:shortVersionString>"
           "<enclosure url=\"https://example.org/q.tar.gz\" sparkle:version=\"99\" length=\"1\"/></item>\n";
}

// One checker against the loopback server, with a recording presenter and URL opener.
struct CheckerRig {
    explicit CheckerRig(const QString &address, const QString &version = "1.2.0")
    {
        auto recorder = std::make_unique<RecordingPresenter>();
        presenter = recorder.get();
        checker = std::make_unique<UpdateFeedChecker>(address, version, std::move(recorder), [this](const QUrl &url) {
            opened.append(url);
            return opens;
        });
        QObject::connect(checker.get(), &UpdateFeedChecker::checkFinished, checker.get(),
                         [this](const UpdateFeedChecker::Outcome &o) { outcomes.append(o); });
    }

    UpdateFeedChecker::Outcome run(bool userInitiated)
    {
        const qsizetype before = outcomes.size();
        if (userInitiated)
            checker->checkForUpdates();
        else
            checker->checkForUpdatesInBackground();
        EXPECT_TRUE(test::waitUntil([&] { return outcomes.size() > before; }, 10000));
        return outcomes.isEmpty() ? UpdateFeedChecker::Outcome{} : outcomes.last();
    }

    RecordingPresenter *presenter = nullptr;
    std::unique_ptr<UpdateFeedChecker> checker;
    QList<QUrl> opened;
    bool opens = true; // whether a program takes the pages handed over
    QList<UpdateFeedChecker::Outcome> outcomes;
};

} // namespace

TEST(VersionComparatorTest, OrdersNumericallyAndTreatsSuffixAsPreRelease)
{
    EXPECT_GT(VersionComparator::compare("1.10", "1.9"), 0);
    EXPECT_LT(VersionComparator::compare("1.2.0", "1.2.1"), 0);
    EXPECT_EQ(VersionComparator::compare("1.0", "1"), 0);
    EXPECT_EQ(VersionComparator::compare("v2.0", "2.0.0"), 0);
    EXPECT_LT(VersionComparator::compare("2.0-beta1", "2.0"), 0);
    EXPECT_GT(VersionComparator::compare("2.0-beta1", "1.9"), 0);
    // Numbers inside the suffix count as numbers too.
    EXPECT_GT(VersionComparator::compare("1.2-beta10", "1.2-beta2"), 0);
    EXPECT_LT(VersionComparator::compare("1.2-beta2", "1.2-rc1"), 0);
    EXPECT_EQ(VersionComparator::compare("1.2-Beta02", "1.2-beta2"), 0);
    EXPECT_FALSE(VersionComparator::isReadable("latest"));
    EXPECT_LT(VersionComparator::compare("latest", "0.0.1"), 0);
}

TEST(AppcastTest, ReadsVersionsFromElementsOrEnclosureAndPicksTheHighest)
{
    const QByteArray xml = feed({
        item("1.3.0", "https://example.org/1.3"),
        "<item><title>Old</title><enclosure url=\"https://example.org/old.tar.gz\" "
        "sparkle:version=\"40\" sparkle:shortVersionString=\"1.1\"/></item>",
        "<item><title>No version</title><link>https://example.org/x</link></item>",
        item("1.10.0", "https://example.org/1.10"),
    });
    const auto items = Appcast::parse(xml);
    ASSERT_EQ(items.size(), 3u); // the one without a version is left out
    EXPECT_EQ(items[1].displayVersion(), "1.1");
    EXPECT_EQ(items[1].downloadPage(), QUrl("https://example.org/old.tar.gz"));
    const auto newest = Appcast::newest(items);
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->displayVersion(), "1.10.0");
    EXPECT_EQ(newest->downloadPage(), QUrl("https://example.org/1.10"));
}

TEST(AppcastTest, RejectsDocumentsThatAreNotAnRssChannel)
{
    for (const QByteArray &bad : {QByteArray("not xml at all"), QByteArray("<html><body/></html>"),
                                  QByteArray("<rss version=\"2.0\"></rss>"),
                                  QByteArray("<rss><channel><item><title>cut")}) {
        try {
            Appcast::parse(bad);
            ADD_FAILURE() << "accepted: " << bad.constData();
        } catch (const UpdateCheckError &error) {
            EXPECT_EQ(error.kind(), UpdateCheckErrorKind::malformedFeed);
        }
    }
    EXPECT_TRUE(Appcast::parse(feed({})).empty());
}

TEST(UpdateFeedCheckerTest, PermitsHttpsAndLoopbackHttpOnly)
{
    EXPECT_TRUE(UpdateFeedChecker::isPermittedAddress(QUrl("https://updates.example.org/appcast.xml")));
    EXPECT_TRUE(UpdateFeedChecker::isPermittedAddress(QUrl("http://127.0.0.1:8080/feed")));
    EXPECT_TRUE(UpdateFeedChecker::isPermittedAddress(QUrl("http://localhost/feed")));
    EXPECT_TRUE(UpdateFeedChecker::isPermittedAddress(QUrl("http://[::1]/feed")));
    EXPECT_FALSE(UpdateFeedChecker::isPermittedAddress(QUrl("http://updates.example.org/appcast.xml")));
    EXPECT_FALSE(UpdateFeedChecker::isPermittedAddress(QUrl("http://127.0.0.1.example.org/feed")));
    EXPECT_FALSE(UpdateFeedChecker::isPermittedAddress(QUrl("file:///etc/passwd")));
    EXPECT_FALSE(UpdateFeedChecker::isPermittedAddress(QUrl("ftp://127.0.0.1/feed")));
}

TEST(UpdateFeedCheckerTest, NewerReleaseIsOfferedAndItsPageOpenedWhenAccepted)
{
    LoopbackFeedServer server;
    const QByteArray page = "https://example.org/release";
    server.route("/feed.xml", {200, feed({item("1.1.0", "https://example.org/old"), item("1.3.0", page)}), {}});
    CheckerRig rig(server.url("/feed.xml"));
    rig.presenter->acceptOffer = true;

    const auto outcome = rig.run(false);
    EXPECT_EQ(outcome.kind, Kind::updateAvailable);
    EXPECT_EQ(rig.presenter->calls, QStringList{"offer 1.3.0 over 1.2.0"});
    EXPECT_EQ(rig.opened, QList<QUrl>{QUrl(QString::fromLatin1(page))});
}

TEST(UpdateFeedCheckerTest, AcceptedPageThatNoProgramOpensIsGivenToTheUser)
{
    LoopbackFeedServer server;
    server.route("/feed.xml", {200, feed({item("2.0", "https://example.org/2.0")}), {}});
    CheckerRig rig(server.url("/feed.xml"));
    rig.presenter->acceptOffer = true;
    rig.opens = false;
    rig.run(false);
    ASSERT_EQ(rig.presenter->calls.size(), 2);
    EXPECT_TRUE(rig.presenter->calls[1].startsWith("failed: ")) << rig.presenter->calls[1].toStdString();
    EXPECT_TRUE(rig.presenter->calls[1].endsWith("https://example.org/2.0"));
}

TEST(UpdateFeedCheckerTest, DeclinedOfferOpensNothing)
{
    LoopbackFeedServer server;
    server.route("/feed.xml", {200, feed({item("2.0", "https://example.org/2.0")}), {}});
    CheckerRig rig(server.url("/feed.xml"));
    EXPECT_EQ(rig.run(true).kind, Kind::updateAvailable);
    EXPECT_TRUE(rig.opened.isEmpty());
}

TEST(UpdateFeedCheckerTest, EqualOrOlderReleaseIsReportedOnlyWhenTheUserAsked)
{
    LoopbackFeedServer server;
    server.route("/equal.xml", {200, feed({item("1.2", "https://example.org/1.2")}), {}});
    server.route("/older.xml", {200, feed({item("1.1.9", "https://example.org/1.1.9")}), {}});

    CheckerRig equal(server.url("/equal.xml"));
    EXPECT_EQ(equal.run(false).kind, Kind::upToDate);
    EXPECT_TRUE(equal.presenter->calls.isEmpty()); // a background check stays silent
    EXPECT_EQ(equal.run(true).kind, Kind::upToDate);
    EXPECT_EQ(equal.presenter->calls, QStringList{"up to date 1.2.0"});

    CheckerRig older(server.url("/older.xml"));
    EXPECT_EQ(older.run(true).kind, Kind::upToDate);
    EXPECT_EQ(older.presenter->calls, QStringList{"up to date 1.2.0"});
    EXPECT_TRUE(older.opened.isEmpty());
}

TEST(UpdateFeedCheckerTest, MalformedOrMissingFeedFailsAndTellsOnlyTheUserWhoAsked)
{
    LoopbackFeedServer server;
    server.route("/broken.xml", {200, "<rss><channel><item>", {}});

    CheckerRig broken(server.url("/broken.xml"));
    EXPECT_EQ(broken.run(false).kind, Kind::failed);
    EXPECT_TRUE(broken.presenter->calls.isEmpty());
    const auto outcome = broken.run(true);
    EXPECT_EQ(outcome.kind, Kind::failed);
    EXPECT_TRUE(outcome.message.contains("could not be read")) << outcome.message.toStdString();
    ASSERT_EQ(broken.presenter->calls.size(), 1);
    EXPECT_TRUE(broken.presenter->calls[0].startsWith("failed: "));

    CheckerRig missing(server.url("/gone.xml"));
    const auto gone = missing.run(true);
    EXPECT_EQ(gone.kind, Kind::failed);
    EXPECT_TRUE(gone.message.contains("404")) << gone.message.toStdString();
    EXPECT_EQ(missing.presenter->calls.size(), 1);
}

TEST(UpdateFeedCheckerTest, RedirectToPlainHttpElsewhereIsRefusedBeforeFetching)
{
    LoopbackFeedServer server;
    server.route("/feed.xml", {302, {}, "http://updates.example.org/feed.xml"});
    CheckerRig rig(server.url("/feed.xml"));
    const auto outcome = rig.run(true);
    EXPECT_EQ(outcome.kind, Kind::failed);
    EXPECT_TRUE(outcome.message.contains("HTTPS")) << outcome.message.toStdString();
    EXPECT_EQ(server.requests(), QList<QByteArray>{"/feed.xml"});
}

TEST(UpdateFeedCheckerTest, RedirectWithinLoopbackIsFollowed)
{
    LoopbackFeedServer server;
    server.route("/old.xml", {301, {}, server.url("/new.xml").toLatin1()});
    server.route("/new.xml", {200, feed({item("9.0", "https://example.org/9")}), {}});
    CheckerRig rig(server.url("/old.xml"));
    EXPECT_EQ(rig.run(false).kind, Kind::updateAvailable);
    EXPECT_EQ(server.requests(), (QList<QByteArray>{"/old.xml", "/new.xml"}));
}

TEST(UpdateFeedCheckerTest, NewerReleaseWithAnInsecurePageIsNotOffered)
{
    LoopbackFeedServer server;
    server.route("/script.xml", {200, feed({item("5.0", "javascript:alert(1)")}), {}});
    // Even a page on this machine: a local web interface is not a download page.
    server.route("/local.xml", {200, feed({item("5.0", "http://127.0.0.1:631/admin")}), {}});
    for (const QByteArray path : {"/script.xml", "/local.xml"}) {
        CheckerRig rig(server.url(path));
        rig.presenter->acceptOffer = true;
        EXPECT_EQ(rig.run(false).kind, Kind::failed) << path.constData();
        EXPECT_FALSE(rig.presenter->offered);
        EXPECT_TRUE(rig.opened.isEmpty());
    }
}

TEST(UpdateFeedCheckerTest, FollowsUpToFiveRedirectsAndNoMore)
{
    LoopbackFeedServer server;
    for (int hop = 0; hop < 6; ++hop) {
        const QByteArray next = "/hop" + QByteArray::number(hop + 1);
        server.route("/hop" + QByteArray::number(hop), {302, {}, server.url(next).toLatin1()});
    }
    server.route("/hop6", {200, feed({item("9.0", "https://example.org/9")}), {}});

    CheckerRig fiveHops(server.url("/hop1"));
    EXPECT_EQ(fiveHops.run(true).kind, Kind::updateAvailable);

    CheckerRig sixHops(server.url("/hop0"));
    const auto outcome = sixHops.run(true);
    EXPECT_EQ(outcome.kind, Kind::failed);
    EXPECT_TRUE(outcome.message.contains("redirect")) << outcome.message.toStdString();
}

TEST(UpdateFeedCheckerTest, SlowOrOversizedAnswersAreAbandonedAndSaySo)
{
    LoopbackFeedServer server;
    // A byte now and then keeps a transfer timeout from ever firing.
    server.route("/slow.xml", {200, "<", {}, 1000, 20});
    server.route("/huge.xml", {200, "<rss>", {}, UpdateFeedChecker::maximumFeedSize + 1});

    CheckerRig slow(server.url("/slow.xml"));
    slow.checker->setDeadline(std::chrono::milliseconds(300));
    const auto late = slow.run(true);
    EXPECT_EQ(late.kind, Kind::failed);
    EXPECT_TRUE(late.message.contains("too long")) << late.message.toStdString();

    CheckerRig huge(server.url("/huge.xml"));
    const auto big = huge.run(true);
    EXPECT_EQ(big.kind, Kind::failed);
    EXPECT_TRUE(big.message.contains("larger than")) << big.message.toStdString();

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    CheckerRig refused(QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(port));
    const auto unreachable = refused.run(true);
    EXPECT_EQ(unreachable.kind, Kind::failed);
    EXPECT_TRUE(unreachable.message.contains("refused")) << unreachable.message.toStdString();
    for (const auto &outcome : {late, big, unreachable})
        EXPECT_FALSE(outcome.message.contains("HTTP 1") || outcome.message.contains("HTTP 2"));
}

TEST(DialogUpdatePresenterTest, FeedTextIsShownLiterallyWithoutALink)
{
    DialogUpdatePresenter presenter(std::make_unique<MessageBoxAlertPresenter>());
    AppcastItem hostile;
    hostile.shortVersionString = R"(9.9.9 <a href="file:///etc/passwd">x</a>)";
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel *label : box->findChildren<QLabel *>()) {
            if (label->textFormat() == Qt::PlainText)
                shown << label->text();
        }
        QTest::keyClick(box, Qt::Key_Escape); // "Remind Me Later"
    });
    EXPECT_FALSE(presenter.offerUpdate(hostile, "1.0"));
    EXPECT_TRUE(shown.join('\n').contains(hostile.shortVersionString)) << shown.join('\n').toStdString();
}

TEST(UpdateFeedCheckerTest, WithoutFeedAddressOrWithInsecureOneNothingIsFetched)
{
    CheckerRig none("");
    EXPECT_EQ(none.run(false).kind, Kind::notConfigured);
    EXPECT_TRUE(none.presenter->calls.isEmpty());
    EXPECT_EQ(none.run(true).kind, Kind::notConfigured); // the user who asked is told
    EXPECT_EQ(none.presenter->calls, QStringList{"not configured"});

    CheckerRig plain("http://updates.example.org/appcast.xml");
    const auto outcome = plain.run(true);
    EXPECT_EQ(outcome.kind, Kind::failed);
    EXPECT_TRUE(outcome.message.contains("HTTPS"));
}

TEST(UpdateFeedCheckerTest, UserCheckDuringBackgroundCheckJoinsItAndIsAnswered)
{
    LoopbackFeedServer server;
    server.route("/feed.xml", {200, feed({item("1.2.0", "https://example.org/1.2")}), {}});
    CheckerRig rig(server.url("/feed.xml"));
    rig.checker->checkForUpdatesInBackground();
    EXPECT_TRUE(rig.checker->isFetching());
    rig.checker->checkForUpdates();
    ASSERT_TRUE(test::waitUntil([&] { return !rig.outcomes.isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.outcomes.size(), 1);
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(rig.presenter->calls, QStringList{"up to date 1.2.0"});
}

namespace {

// Counts the checks that reach the checker and finds a newer release in each, without
// fetching anything.
struct CountingChecker : UpdateFeedChecker {
    CountingChecker() : UpdateFeedChecker({}, "1.0", std::make_unique<RecordingPresenter>(), {}) {}
    void checkForUpdates() override
    {
        ++userChecks;
        findNewerRelease();
    }
    void checkForUpdatesInBackground() override
    {
        ++backgroundChecks;
        findNewerRelease();
    }
    void findNewerRelease()
    {
        Outcome outcome;
        outcome.kind = Outcome::Kind::updateAvailable;
        emit checkFinished(outcome);
    }
    int userChecks = 0;
    int backgroundChecks = 0;
};

} // namespace

TEST(SparkleUpdaterTest, ChecksReachTheCheckerAndStampTheCheckDate)
{
    auto owned = std::make_unique<CountingChecker>();
    CountingChecker *checker = owned.get();
    SparkleUpdater updater(std::move(owned), "1.0", "1.0");
    QSignalSpy checking(&updater, &SparkleUpdater::isCheckingChanged);
    QSignalSpy available(&updater, &SparkleUpdater::updateAvailableChanged);

    EXPECT_FALSE(updater.lastCheckDate());
    const QDateTime before = QDateTime::currentDateTime();
    updater.checkForUpdatesInBackground();
    EXPECT_EQ(checker->backgroundChecks, 1);
    ASSERT_TRUE(updater.lastCheckDate());
    EXPECT_GE(*updater.lastCheckDate(), before);

    updater.checkForUpdates();
    updater.checkForUpdates();
    EXPECT_EQ(checker->userChecks, 2);
    EXPECT_FALSE(updater.isChecking());
    ASSERT_EQ(checking.size(), 4); // true then false around each user check
    EXPECT_TRUE(checking.at(0).at(0).toBool());
    EXPECT_FALSE(checking.at(1).at(0).toBool());
    // The checker tells the user of the newer release itself; the flag stays false.
    EXPECT_FALSE(updater.updateAvailable());
    EXPECT_TRUE(available.isEmpty());
}

TEST(SparkleUpdaterTest, SettingsAreForwardedToTheChecker)
{
    auto owned = std::make_unique<CountingChecker>();
    CountingChecker *checker = owned.get();
    SparkleUpdater updater(std::move(owned), "1.0", "7");
    updater.setUpdateCheckInterval(7200);
    updater.setAutomaticallyChecksForUpdates(false);
    EXPECT_EQ(checker->updateCheckInterval(), 7200);
    EXPECT_FALSE(updater.automaticallyChecksForUpdates());
    updater.setUpdateCheckInterval(10); // below an hour is raised to one
    EXPECT_EQ(updater.updateCheckInterval(), 3600);
}
