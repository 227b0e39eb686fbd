// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/engine_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

using namespace quorvane;

namespace {

struct FakeEngine {
    QString names;
};

// Counts the loads of each language set, so a released engine shows as a second load.
struct Loads {
    std::map<QString, int> count;
    EngineCache<FakeEngine>::Load loader()
    {
        return [this](const QStringList &names, bool) {
            ++count[names.join('+')];
            return std::make_unique<FakeEngine>(FakeEngine{names.join('+')});
        };
    }
};

TEST(EngineCache, KeepsPinnedAndChosenEnginesAndReleasesTheCandidatesBeyondTheBound)
{
    Loads loads;
    EngineCache<FakeEngine> cache(loads.loader(), 2, 4);
    cache.pin({"eng"}, true);
    cache.engine({"eng"}, true);
    // A search loads more candidates than the bound and keeps them all until it ends.
    const QStringList candidates{"deu", "fra", "spa", "pol", "ces", "tur"};
    for (const QString &name : candidates)
        cache.engine({name}, true);
    EXPECT_EQ(cache.size(), 7u);
    EXPECT_EQ(&cache.engine({"deu"}, true), &cache.engine({"deu"}, true));
    cache.choose({"pol"}, true);
    cache.endSearch();
    EXPECT_EQ(cache.size(), 4u);

    cache.releaseUnchosen();
    EXPECT_EQ(cache.size(), 2u);
    for (const char *name : {"eng", "pol"})
        cache.engine({name}, true);
    EXPECT_EQ(loads.count["eng"], 1);
    EXPECT_EQ(loads.count["pol"], 1);
    cache.engine({"tur"}, true);
    EXPECT_EQ(loads.count["tur"], 2);

    // Only the last chosen ones stay; the dictionary switch makes another engine.
    cache.choose({"tur"}, true);
    cache.choose({"eng"}, false);
    cache.engine({"eng"}, false);
    cache.releaseUnchosen();
    EXPECT_EQ(cache.size(), 3u);
    cache.engine({"pol"}, true);
    EXPECT_EQ(loads.count["pol"], 2);
}

} // namespace

TEST(EngineCache, ASearchReleasesCandidatesAsItGoesAndAnIdleSessionKeepsOnlyThePinned)
{
    Loads loads;
    EngineCache<FakeEngine> cache(loads.loader(), 2, 0);
    cache.pin({"eng"}, true);
    cache.engine({"eng"}, true);
    cache.engine({"deu"}, true);
    cache.choose({"deu"}, true);
    cache.engine({"fra"}, true);
    // Candidates go when the search is done with them; pinned and chosen engines stay.
    EXPECT_FALSE(cache.releaseCandidate({"eng"}, true));
    EXPECT_FALSE(cache.releaseCandidate({"deu"}, true));
    EXPECT_TRUE(cache.releaseCandidate({"fra"}, true));
    EXPECT_FALSE(cache.releaseCandidate({"fra"}, true));
    EXPECT_EQ(cache.size(), 2u);
    cache.engine({"fra"}, true);
    EXPECT_EQ(loads.count["fra"], 2);
    cache.endSearch();
    EXPECT_EQ(cache.size(), 2u);

    cache.releaseAllButPinned();
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_TRUE(cache.contains({"eng"}, true));
    // Still chosen, it loads again when asked for and is no candidate to release.
    cache.engine({"deu"}, true);
    EXPECT_EQ(loads.count["deu"], 2);
    cache.releaseCandidate({"deu"}, true);
    EXPECT_EQ(cache.size(), 2u);
}

TEST(EngineCache, EnginesUnusedForTheLimitAreReleasedPinnedAndChosenToo)
{
    Loads loads;
    auto now = std::chrono::steady_clock::time_point();
    EngineCache<FakeEngine> cache(loads.loader(), 2, 4, std::chrono::minutes(10), [&] { return now; });
    cache.pin({"eng"}, true);
    cache.engine({"eng"}, true);
    cache.engine({"deu"}, true);
    cache.choose({"deu"}, true);
    now += std::chrono::minutes(6);
    cache.engine({"eng"}, true);
    now += std::chrono::minutes(4);
    cache.releaseUnused();
    EXPECT_EQ(cache.size(), 1u); // "deu" was last used ten minutes ago, "eng" four
    now += std::chrono::minutes(6);
    cache.releaseUnused();
    EXPECT_EQ(cache.size(), 0u);

    // Released engines load again when asked for, and stay pinned.
    cache.engine({"eng"}, true);
    EXPECT_EQ(loads.count["eng"], 2);
    cache.releaseUnchosen();
    EXPECT_EQ(cache.size(), 1u);
}

TEST(EngineCache, LoadsMissingEnginesSideBySideAndKeepsThoseThatLoad)
{
    // Each load waits until the three are under way: loaded one after another, the first
    // would give up waiting.
    std::mutex mutex;
    std::condition_variable started;
    int loading = 0;
    bool together = false;  // whether loads wait for one another
    std::map<QString, int> loads;
    EngineCache<FakeEngine> cache(
        [&](const QStringList &names, bool) {
            std::unique_lock lock(mutex);
            ++loads[names.join('+')];
            ++loading;
            started.notify_all();
            if (together && !started.wait_for(lock, std::chrono::seconds(20), [&] { return loading >= 3; }))
                throw std::runtime_error("loaded one after another");
            if (names == QStringList{"xxx"})
                throw std::runtime_error("not loaded");
            return std::make_unique<FakeEngine>(FakeEngine{names.join('+')});
        },
        2, 4);
    cache.engine({"eng"}, true);
    loading = 0;
    together = true;

    EXPECT_THROW(cache.load({{"eng"}, {"rus"}, {"xxx"}, {"ara"}, {"rus"}}, true), std::runtime_error);
    EXPECT_TRUE(cache.contains({"rus"}, true));
    EXPECT_TRUE(cache.contains({"ara"}, true));
    EXPECT_FALSE(cache.contains({"xxx"}, true));
    EXPECT_FALSE(cache.contains({"rus"}, false));
    EXPECT_EQ(loads["eng"], 1);
    EXPECT_EQ(loads["rus"], 1);
}

TEST(EngineCache, TwinsLoadWithoutBeingWaitedForAndGoWhenTheSessionIsIdle)
{
    std::mutex mutex;
    std::condition_variable released;
    bool holdLoads = false;
    std::map<QString, int> loads;
    int failures = 0;
    EngineCache<FakeEngine> cache(
        [&](const QStringList &names, bool) {
            std::unique_lock lock(mutex);
            ++loads[names.join('+')];
            released.wait(lock, [&] { return !holdLoads; });
            if (names == QStringList{"xxx"} && loads["xxx"] > 1) {
                ++failures;
                throw std::runtime_error("not loaded");
            }
            return std::make_unique<FakeEngine>(FakeEngine{names.join('+')});
        },
        2, 4);
    const auto loadsOf = [&](const QString &name) {
        const std::lock_guard lock(mutex);
        return loads[name];
    };
    const auto failed = [&] {
        const std::lock_guard lock(mutex);
        return failures > 0;
    };
    const auto twinLoaded = [&](const QStringList &names) {
        FakeEngine *twin = nullptr;
        while (!(twin = cache.twin(names, true)))
            std::this_thread::yield();
        return twin;
    };
    EXPECT_EQ(cache.twin({"rus"}, true), nullptr);  // no engine, no twin
    FakeEngine &russian = cache.engine({"rus"}, true);
    EXPECT_EQ(cache.twin({"rus"}, true), nullptr);  // a candidate, not chosen
    EXPECT_EQ(loadsOf("rus"), 1);
    cache.choose({"rus"}, true);

    // Asking does not wait while the twin loads.
    {
        const std::lock_guard lock(mutex);
        holdLoads = true;
    }
    EXPECT_EQ(cache.twin({"rus"}, true), nullptr);
    EXPECT_EQ(cache.twin({"rus"}, true), nullptr);
    {
        const std::lock_guard lock(mutex);
        holdLoads = false;
    }
    released.notify_all();
    FakeEngine *twin = twinLoaded({"rus"});
    EXPECT_NE(twin, &russian);
    EXPECT_EQ(cache.twin({"rus"}, true), twin);
    EXPECT_EQ(loadsOf("rus"), 2);

    // An idle session keeps the chosen engine but not its twin, which loads again.
    cache.releaseUnchosen();
    EXPECT_EQ(&cache.engine({"rus"}, true), &russian);
    twinLoaded({"rus"});
    EXPECT_EQ(loadsOf("rus"), 3);
    // So does a search starting.
    cache.releaseTwins();
    EXPECT_EQ(&cache.engine({"rus"}, true), &russian);
    twinLoaded({"rus"});
    EXPECT_EQ(loadsOf("rus"), 4);

    // Once others are chosen, the engine may stay for a while but its twin goes when the
    // search ends, and loads again when it is chosen again.
    for (const char *name : {"ukr", "bel"}) {
        cache.engine({name}, true);
        cache.choose({name}, true);
    }
    cache.endSearch();
    EXPECT_EQ(&cache.engine({"rus"}, true), &russian);
    EXPECT_EQ(cache.twin({"rus"}, true), nullptr);
    cache.choose({"rus"}, true);
    twinLoaded({"rus"});
    EXPECT_EQ(loadsOf("rus"), 5);

    // A twin that fails to load is not loaded again on every ask. Its load runs on a thread
    // of its own, which may start long after the first ask on a busy machine: the asks go
    // on until it has failed, then a while longer.
    cache.engine({"xxx"}, true);
    cache.choose({"xxx"}, true);
    const auto ask = [&] {
        EXPECT_EQ(cache.twin({"xxx"}, true), nullptr);
        std::this_thread::yield();
    };
    using Clock = std::chrono::steady_clock;
    for (const auto deadline = Clock::now() + std::chrono::seconds(30); !failed() && Clock::now() < deadline;)
        ask();
    ASSERT_TRUE(failed());
    for (const auto end = Clock::now() + std::chrono::milliseconds(200); Clock::now() < end && loadsOf("xxx") < 3;)
        ask();
    EXPECT_EQ(loadsOf("xxx"), 2);
}
