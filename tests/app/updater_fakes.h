// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/sparkle_updater.h"
#include "app/update_feed_checker.h"
#include "app/update_presenter.h"

#include <memory>

namespace quorvane::test {

// Answers every updater dialog without showing anything.
struct SilentPresenter : UpdatePresenter {
    bool offerUpdate(const AppcastItem &, const QString &) override { return false; }
    void showUpToDate(const QString &) override {}
    void showCheckFailed(const QString &) override {}
    void showNotConfigured() override {}
};

// Counts the checks asked of it and fetches nothing.
struct CountingUpdater : SparkleUpdater {
    CountingUpdater()
        : SparkleUpdater(std::make_unique<UpdateFeedChecker>(QString(), "1.0", std::make_unique<SilentPresenter>(),
                                                             UpdateFeedChecker::UrlOpener{}),
                         "1.0", "1.0")
    {
    }
    void checkForUpdatesInBackground() override { ++backgroundChecks; }
    void checkForUpdates() override { ++userChecks; }
    // As a build that names a feed, without one to fetch.
    bool hasFeed() const override { return feed; }
    bool feed = true;
    int backgroundChecks = 0;
    int userChecks = 0;
};

} // namespace quorvane::test
