// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own checks stay on in release builds here: one of them is what a continuation
// whose context has gone trips.
#define QT_FORCE_ASSERTS
#include "support/event_loop.h"
#include "support/scoped_interface_language.h"
#include "support/scoped_translation.h"
#include "core/async_run.h"
#include "core/future_outcome.h"
#include "core/json_util.h"
#include "core/localized_error.h"
#include "core/text_utils.h"
#include "platform/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QPromise>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace quorvane;

TEST(InterfaceTexts, ATranslationOverridesEnglishAndMissingIdsFallBackToEnglish)
{
    EXPECT_EQ(qtTrId("general.ok"), "OK");
    {
        test::ScopedTranslation spanish({{"general.ok", "Vale"}});
        EXPECT_EQ(qtTrId("general.ok"), "Vale");
        EXPECT_EQ(qtTrId("general.cancel"), "Cancel");
    }
    EXPECT_EQ(qtTrId("general.ok"), "OK");
}

TEST(InterfaceTexts, CountsTakeTheirPluralForm)
{
    EXPECT_EQ(qtTrId("history.stats.total", 1), "1 capture");
    EXPECT_EQ(qtTrId("history.stats.total", 2), "2 captures");
    EXPECT_EQ(qtTrId("preferences.history.trim_confirmation.button", 1), "Delete 1 Capture");
}

namespace {
struct SampleError : CaseError<SampleError, int> {
    using CaseError::CaseError;
    static ErrorText textOf(int kind)
    {
        return kind == 0 ? ErrorText{"error.sample.a"} : ErrorText{"error.sample.b"};
    }
};
} // namespace

TEST(WhenFinished, CallsItsHandlerForEveryEndButNotOnceItsContextIsGone)
{
    int calls = 0;
    const auto count = [&calls](const QFuture<int> &) { ++calls; };
    QObject context;
    for (const bool cancel : {false, true}) {
        QPromise<int> promise;
        promise.start();
        whenFinished(promise.future(), &context, count);
        if (cancel)
            promise.future().cancel();
        else
            promise.addResult(1);
        promise.finish();
    }
    EXPECT_TRUE(test::waitUntil([&] { return calls == 2; }));

    // A capture that ends while the program is being taken down.
    QPromise<int> promise;
    promise.start();
    QFuture<int> handedOn;
    {
        QObject gone;
        whenFinished(promise.future(), &gone, count);
        handedOn = finishedOnThreadOf(&gone, promise.future());
    }
    EXPECT_TRUE(handedOn.isCanceled());
    promise.addResult(1);
    promise.finish();
    test::drainEvents();
    EXPECT_EQ(calls, 2);
}

// Work done on a pool's thread ends while the window that asked for it closes: the
// window must be neither called nor posted to once it is gone.
TEST(WhenFinished, AContextDeletedWhileAPoolThreadEndsTheFutureIsNeverReached)
{
    QThreadPool pool;
    int lateCalls = 0;
    for (int i = 0; i < 300; ++i) {
        auto context = std::make_unique<QObject>();
        auto gone = std::make_shared<bool>(false);
        const auto late = [&lateCalls, gone] { lateCalls += *gone ? 1 : 0; };
        auto promise = std::make_shared<QPromise<int>>();
        promise->start();
        finishedOnThreadOf(context.get(), promise->future()).then(QtFuture::Launch::Sync, [late](int) { late(); });
        whenFinished(promise->future(), context.get(), [late](const QFuture<int> &) { late(); });
        pool.start([promise] {
            promise->addResult(1);
            promise->finish();
        });
        if (i % 2)
            test::waitUntil([&] { return promise->future().isFinished(); });
        context.reset();
        *gone = true;
    }
    pool.waitForDone();
    test::drainEvents();
    EXPECT_EQ(lateCalls, 0);
}

TEST(FinishedOnThreadOf, HandsOnTheValueOrTheErrorOnTheContextsThread)
{
    QObject context;
    QThreadPool pool;
    QFuture<QThread *> value = finishedOnThreadOf(&context, runAsync(pool, [] { return QThread::currentThread(); }));
    const QFuture<void> error =
        finishedOnThreadOf(&context, runAsync(pool, [] { throw std::runtime_error("disk gone"); }));
    QThread *endedOn = nullptr;
    const QFuture<void> seen = value.then(&context, [&endedOn](QThread *) { endedOn = QThread::currentThread(); });
    ASSERT_TRUE(test::waitFor(seen));
    EXPECT_NE(value.result(), QThread::currentThread());
    EXPECT_EQ(endedOn, QThread::currentThread());
    EXPECT_TRUE(test::waitUntil([&] { return error.isFinished(); }));
    EXPECT_THROW(QFuture<void>(error).waitForFinished(), std::runtime_error);
}

// A capture's screenshot rides in such results: kept after delivery, each one would stay
// in memory for good.
TEST(WhenFinished, LetsGoOfTheResultOnceItHasBeenDelivered)
{
    QObject context;
    std::weak_ptr<int> result;
    {
        QPromise<std::shared_ptr<int>> source;
        source.start();
        // A continuation that hands on a whole future, as a re-capture does.
        const QFuture<std::shared_ptr<int>> chain =
            source.future().then(&context, [](QFuture<std::shared_ptr<int>> done) { return done; }).unwrap();
        bool delivered = false;
        whenFinished(chain, &context, [&delivered](const QFuture<std::shared_ptr<int>> &done) {
            delivered = done.resultCount() == 1;
        });
        auto value = std::make_shared<int>(1);
        result = value;
        source.addResult(std::move(value));
        source.finish();
        ASSERT_TRUE(test::waitUntil([&] { return delivered; }));
    }
    EXPECT_TRUE(test::waitUntil([&] { return result.expired(); }));
}

TEST(LocalizedErrorTest, DescribesCaseWithValue)
{
    test::ScopedTranslation texts({{"error.sample.a", "Failed: %1"}, {"error.sample.b", "Plain failure"}});
    const SampleError a(0, "disk full");
    EXPECT_EQ(a.kind(), 0);
    EXPECT_EQ(a.localizedDescription(), "Failed: disk full");
    EXPECT_EQ(SampleError(1).localizedDescription(), "Plain failure");
}

// A nested, plural reason reads whole in the interface language and whole in English.
TEST(LocalizedErrorTest, PhrasesReadInTheInterfaceLanguageAndInEnglish)
{
    test::ScopedInterfaceLanguage german("de");
    const Phrase reason = Phrase::filled(QStringLiteral("%1 (%2)"),
                                         {Phrase::text(QT_TRID_N_NOOP("updater.reason.redirects"), {}, 5), "/tmp/feed"});
    EXPECT_EQ(reason.english(), "the server redirected the request more than 5 times (/tmp/feed)");
    EXPECT_TRUE(reason.translated().contains("5")) << reason.translated().toStdString();
    EXPECT_FALSE(reason.translated().contains("redirected")) << reason.translated().toStdString();
}

TEST(Graphemes, CountsUserPerceivedCharacters)
{
    EXPECT_EQ(graphemeCount(""), 0);
    EXPECT_EQ(graphemeCount("abc"), 3);
    EXPECT_EQ(graphemeCount(QString::fromUtf8("e\u0301")), 1);          // e + combining acute
    EXPECT_EQ(graphemeCount(QString::fromUtf8("🇫🇷🇩🇪")), 2);             // two flags
    EXPECT_EQ(graphemeCount(QString::fromUtf8("👩‍👩‍👧")), 1);             // one family
    EXPECT_EQ(graphemePrefix(QString::fromUtf8("🇫🇷🇩🇪x"), 1), QString::fromUtf8("🇫🇷"));
    EXPECT_EQ(graphemePrefix("ab", 5), "ab");
    EXPECT_EQ(graphemePrefix("ab", 0), "");
}

TEST(Graphemes, ALeftToRightRunKeepsItsOrderInsideRightToLeftText)
{
    // Where the characters of "Super+," stand in a right-to-left line ("open: Super+,"):
    // the cursor before each, inside the run, where it is not ambiguous.
    const auto xOf = [](const QString &keys, QChar c) {
        const QString text = QString::fromUtf8("فتح: ") + keys;
        QTextLayout layout(text, QFont());
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        return line.cursorToX(text.lastIndexOf(c));
    };
    const QString run = leftToRightRun("Super+,");
    EXPECT_LT(xOf(run, 'p'), xOf(run, '+'));
    EXPECT_LT(xOf(run, '+'), xOf(run, ','));
    EXPECT_EQ(run.mid(1, 7), "Super+,");
}

TEST(StrictJson, RefusesSilentConversions)
{
    using namespace quorvane::json;
    EXPECT_THROW(readInteger(Json(true), 0, 10, "n"), DecodeError);
    EXPECT_THROW(readInteger(Json(5.7), 0, 10, "n"), DecodeError);
    EXPECT_EQ(readInteger(Json(5.0), 0, 10, "n"), 5);
    EXPECT_THROW(readInteger(Json(11), 0, 10, "n"), DecodeError);
    EXPECT_THROW(readInteger(Json(-1), 0, 10, "n"), DecodeError);
    EXPECT_THROW(readInteger(Json(1e300), 0, INT64_MAX, "n"), DecodeError);
    EXPECT_EQ(readInteger(Json(4294967295u), 0, 4294967295LL, "n"), 4294967295LL);
    EXPECT_THROW(readBool(Json(1), "b"), DecodeError);
    EXPECT_THROW(readString(Json(1), "s"), DecodeError);
    EXPECT_THROW(readNumber(Json(false), "x"), DecodeError);
    EXPECT_THROW(readStringList(Json::parse(R"(["a", 1])"), "l"), DecodeError);
    EXPECT_THROW(parse("{nope"), DecodeError);
    const Json obj = Json::parse(R"({"a": null, "b": 2})");
    EXPECT_EQ(member(obj, "a"), nullptr);
    EXPECT_EQ(member(obj, "zz"), nullptr);
    EXPECT_THROW(requireMember(obj, "a"), DecodeError);
}

TEST(StrictJson, DatesAndUuids)
{
    using namespace quorvane::json;
    const QDateTime t(QDate(2026, 12, 7), QTime(4, 17, 33), Qt::UTC);
    EXPECT_EQ(isoDateString(t), "2026-12-07T04:17:33Z");
    EXPECT_EQ(parseIsoDate("2026-12-07T04:17:33Z"), t);
    EXPECT_EQ(parseIsoDate("2026-12-07T05:17:33+01:00"), t);
    EXPECT_FALSE(parseIsoDate("2026-12-07T04:17:33").has_value());
    EXPECT_FALSE(parseIsoDate("yesterday").has_value());

    const QUuid id = QUuid::createUuid();
    const QString text = uuidString(id);
    EXPECT_EQ(text.size(), 36);
    EXPECT_EQ(text, text.toUpper());
    EXPECT_EQ(parseUuid(text), id);
    EXPECT_EQ(parseUuid(text.toLower()), id);
    EXPECT_FALSE(parseUuid("{" + text + "}").has_value());
    EXPECT_FALSE(parseUuid("not-a-uuid").has_value());
}

TEST(UserDefaultsTest, RoundTripsTypedValuesThroughTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/defaults.json");
    {
        UserDefaults defaults(path);
        defaults.setBool("flag", true);
        defaults.setInteger("big", 9007199254740993LL);  // beyond a double's exact range
        defaults.setString("lang", "de");
        defaults.setData("blob", QByteArray("\x00\xff{}", 4));
        defaults.setStringList("AppleLanguages", {"de", "en"});
        EXPECT_TRUE(defaults.synchronize());
    }
    UserDefaults reread(path);
    EXPECT_EQ(reread.boolValue("flag"), true);
    EXPECT_EQ(reread.integerValue("big"), 9007199254740993LL);
    EXPECT_EQ(reread.stringValue("lang"), "de");
    EXPECT_EQ(reread.dataValue("blob"), QByteArray("\x00\xff{}", 4));
    EXPECT_EQ(reread.stringListValue("AppleLanguages"), QStringList({"de", "en"}));
    EXPECT_FALSE(reread.boolValue("lang").has_value());  // wrong type reads as absent
    reread.remove("flag");
    EXPECT_TRUE(reread.synchronize());
    EXPECT_FALSE(UserDefaults(path).contains("flag"));
}

TEST(UserDefaultsTest, UnreadableFileIsMovedAsideNotDeleted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.json");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{ this is not json");
    }
    UserDefaults defaults(path);
    EXPECT_FALSE(defaults.loadProblem().isEmpty());
    EXPECT_FALSE(defaults.contains("anything"));
    const QStringList aside = QDir(dir.path()).entryList({"defaults.json.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside.first()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "{ this is not json");
}

TEST(UserDefaultsTest, SynchronizeReportsAFailedWrite)
{
    QTemporaryDir dir;
    // A plain file where the folder should be makes every write fail, even as root.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath("blocker/defaults.json");
    UserDefaults defaults(path);
    defaults.setBool("flag", true);
    EXPECT_FALSE(defaults.synchronize());
    EXPECT_TRUE(defaults.lastError().english().contains(dir.filePath("blocker"))) << defaults.lastError().english().toStdString();
}
