// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"
#include "history_window_fakes.h"

#include "history/history_view_model.h"

#include <QLocale>
#include <QSignalSpy>

using namespace quorvane;
using namespace quorvane::test;

namespace {

// Sunday 16 March 2025, thirty seconds after midnight, local time.
const QDateTime kNow(QDate(2025, 3, 16), QTime(0, 0, 30));

// A store whose reads fail as an unreadable disk would make them.
class UnreadableStore : public HistoryStore {
public:
    using HistoryStore::HistoryStore;
    QFuture<QList<CaptureHistoryEntry>> getEntries(std::optional<int>) override
    {
        QPromise<QList<CaptureHistoryEntry>> promise;
        promise.start();
        promise.setException(std::make_exception_ptr(HistoryStoreError::storageAccessFailed("Permission denied")));
        promise.finish();
        return promise.future();
    }
};

class HistoryViewModelTest : public HistoryFolderTest {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // A view model over a store holding `entries` (newest first), loaded.
    HistoryViewModel &loaded(const QList<CaptureHistoryEntry> &entries)
    {
        seedHistory(entries);
        store = makeStore();
        model = std::make_unique<HistoryViewModel>(*store, pasteboard, savePanel, [] { return kNow; });
        await(model->loadEntries());
        return *model;
    }

    FakePasteboard pasteboard;
    FakeSavePanel savePanel;
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<HistoryViewModel> model;
};

QStringList listed(const HistoryViewModel &model)
{
    return textsOf(model.entries());
}

} // namespace

TEST_F(HistoryViewModelTest, SearchIgnoresCaseKeepsSpacesAndMatchesEquivalentAccents)
{
    HistoryViewModel &vm = loaded({makeEntry("say HELLO world", kNow), makeEntry("nospace", kNow),
                                   makeEntry(QString::fromUtf8("cafe\u0301 menu"), kNow)});
    vm.setSearchQuery("Hello");
    EXPECT_EQ(listed(vm), QStringList{"say HELLO world"});
    vm.setSearchQuery(" ");
    EXPECT_EQ(listed(vm), (QStringList{"say HELLO world", QString::fromUtf8("cafe\u0301 menu")}));
    vm.setSearchQuery(QString::fromUtf8("CAF\u00C9"));
    EXPECT_EQ(listed(vm), QStringList{QString::fromUtf8("cafe\u0301 menu")});
    vm.setSearchQuery(QString());
    EXPECT_EQ(vm.entries().size(), 3);
}

TEST_F(HistoryViewModelTest, DateFiltersRunFromTheStartOfTheSpanToNow)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // weeks begin on Monday
    HistoryViewModel &vm = loaded({
        makeEntry("future", kNow.addSecs(60)),
        makeEntry("ten seconds", kNow.addSecs(-10)),
        makeEntry("yesterday", kNow.addSecs(-60)),
        makeEntry("monday", QDateTime(QDate(2025, 3, 10), QTime(0, 0))),
        makeEntry("last sunday", QDateTime(QDate(2025, 3, 9), QTime(23, 59, 59))),
        makeEntry("first of month", QDateTime(QDate(2025, 3, 1), QTime(0, 0))),
        makeEntry("february", QDateTime(QDate(2025, 2, 28), QTime(23, 59, 59))),
    });
    EXPECT_EQ(vm.entries().size(), 7);
    vm.setDateFilter(DateFilter::today);
    EXPECT_EQ(listed(vm), QStringList{"ten seconds"});
    vm.setDateFilter(DateFilter::thisWeek);
    EXPECT_EQ(listed(vm), (QStringList{"ten seconds", "yesterday", "monday"}));
    vm.setDateFilter(DateFilter::thisMonth);
    EXPECT_EQ(listed(vm), (QStringList{"ten seconds", "yesterday", "monday", "last sunday", "first of month"}));

    // A week that begins on Sunday holds only this Sunday so far.
    const auto sundayWeek = dateRange(DateFilter::thisWeek, kNow, Qt::Sunday);
    ASSERT_TRUE(sundayWeek);
    EXPECT_EQ(sundayWeek->start, QDate(2025, 3, 16).startOfDay());
    EXPECT_FALSE(dateRange(DateFilter::all, kNow, Qt::Monday));
    EXPECT_FALSE(dateRange(DateFilter::customRange, kNow, Qt::Monday));
}

TEST_F(HistoryViewModelTest, CustomRangeKeepsExactInstantsAndTakesEffectOnlyWhenApplied)
{
    const QDateTime ten(QDate(2025, 3, 14), QTime(10, 0));
    HistoryViewModel &vm = loaded({makeEntry("after", ten.addSecs(1)), makeEntry("exact", ten),
                                   makeEntry("before", ten.addSecs(-1))});
    EXPECT_EQ(vm.customDateFrom(), kNow.addDays(-7));
    EXPECT_EQ(vm.customDateTo(), kNow);

    vm.setCustomDateFrom(ten);
    vm.setCustomDateTo(ten);
    EXPECT_EQ(vm.dateFilter(), DateFilter::all);
    EXPECT_EQ(vm.entries().size(), 3);

    vm.setCustomDateRange(ten, ten);
    EXPECT_EQ(vm.dateFilter(), DateFilter::customRange);
    EXPECT_EQ(listed(vm), QStringList{"exact"});

    vm.setCustomDateRange(ten.addSecs(1), ten.addSecs(-1));
    EXPECT_TRUE(vm.entries().isEmpty());
}

TEST_F(HistoryViewModelTest, CountLineComparesListedWithTotal)
{
    QList<CaptureHistoryEntry> ten;
    for (int i = 0; i < 10; ++i)
        ten << makeEntry(i < 3 ? QString("match %1").arg(i) : QString("other %1").arg(i), kNow);
    HistoryViewModel &vm = loaded(ten);
    EXPECT_EQ(vm.statsText(), "10 captures");
    vm.setSearchQuery("match");
    EXPECT_EQ(vm.statsText(), "3 of 10 captures");
    vm.setSearchQuery("t"); // matches every record: the counts are equal
    EXPECT_EQ(vm.statsText(), "10 captures");

    HistoryViewModel &one = loaded({makeEntry("single", kNow)});
    EXPECT_EQ(one.statsText(), "1 capture");
    one.setSearchQuery("single");
    EXPECT_EQ(one.statsText(), "1 capture");
    one.setSearchQuery("nothing");
    EXPECT_EQ(one.statsText(), "0 of 1 capture");

    EXPECT_EQ(loaded({}).statsText(), "0 captures");
}

TEST_F(HistoryViewModelTest, SelectionMovesToFirstListedWhenFilteredOut)
{
    HistoryViewModel &vm = loaded({makeEntry("alpha", kNow), makeEntry("beta", kNow), makeEntry("gamma", kNow)});
    EXPECT_FALSE(vm.selectedEntry());
    vm.setSearchQuery("a"); // no selection stays none
    EXPECT_FALSE(vm.selectedEntry());

    vm.setSelectedEntry(vm.allEntries().at(1));
    vm.setSearchQuery("gamma");
    ASSERT_TRUE(vm.selectedEntry());
    EXPECT_EQ(vm.selectedEntry()->text, "gamma");
    vm.setSearchQuery(QString());
    EXPECT_EQ(vm.selectedEntry()->text, "gamma");
    vm.setSearchQuery("zzz");
    EXPECT_FALSE(vm.selectedEntry());
}

TEST_F(HistoryViewModelTest, DeletingMovesSelectionAndClearsTheCandidate)
{
    HistoryViewModel &vm = loaded({makeEntry("one", kNow), makeEntry("two", kNow)});
    vm.setSelectedEntry(vm.entries().at(1));
    vm.setEntryToDelete(vm.entries().at(1));
    await(vm.confirmDelete());
    EXPECT_EQ(listed(vm), QStringList{"one"});
    EXPECT_EQ(vm.selectedEntry()->text, "one");
    EXPECT_FALSE(vm.entryToDelete());
    EXPECT_FALSE(vm.isLoading());
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"one"});

    vm.setEntryToDelete(vm.entries().at(0));
    await(vm.confirmDelete());
    EXPECT_TRUE(vm.entries().isEmpty());
    EXPECT_FALSE(vm.selectedEntry());
}

TEST_F(HistoryViewModelTest, ConfirmDeleteWithoutCandidateChangesNothing)
{
    HistoryViewModel &vm = loaded({makeEntry("one", kNow)});
    QSignalSpy loading(&vm, &HistoryViewModel::isLoadingChanged);
    await(vm.confirmDelete());
    EXPECT_EQ(loading.count(), 0);
    EXPECT_EQ(vm.entries().size(), 1);
}

TEST_F(HistoryViewModelTest, FailedDeleteReportsAndKeepsTheLists)
{
    HistoryViewModel &vm = loaded({makeEntry("kept", kNow)});
    const CaptureHistoryEntry stranger = makeEntry("not stored", kNow);
    vm.setEntryToDelete(stranger);
    await(vm.confirmDelete());
    ASSERT_TRUE(vm.error());
    EXPECT_EQ(*vm.error(), "History entry not found: " + json::uuidString(stranger.id));
    EXPECT_EQ(listed(vm), QStringList{"kept"});
    EXPECT_FALSE(vm.entryToDelete());
    EXPECT_FALSE(vm.isLoading());

    await(vm.loadEntries()); // the next operation clears the error
    EXPECT_FALSE(vm.error());
}

TEST_F(HistoryViewModelTest, ClearAllEmptiesListsSelectionAndFile)
{
    HistoryViewModel &vm = loaded({makeEntry("one", kNow), makeEntry("two", kNow)});
    vm.setSelectedEntry(vm.entries().front());
    await(vm.clearAllHistory());
    EXPECT_TRUE(vm.allEntries().isEmpty());
    EXPECT_TRUE(vm.entries().isEmpty());
    EXPECT_FALSE(vm.selectedEntry());
    EXPECT_TRUE(textsInFile(historyPath()).isEmpty());
}

TEST_F(HistoryViewModelTest, FailedLoadEmptiesBothListsAndShowsTheStoreError)
{
    HistoryViewModel &vm = loaded({makeEntry("one", kNow)});
    ASSERT_EQ(vm.entries().size(), 1);
    vm.setSelectedEntry(vm.entries().front());

    UnreadableStore unreadable(folder(), 100, freeSpace);
    HistoryViewModel failing(unreadable, pasteboard, savePanel, [] { return kNow; });
    failing.setSelectedEntry(vm.entries().front());
    await(failing.loadEntries());
    EXPECT_EQ(failing.error(), std::optional<QString>("Failed to access history storage: Permission denied"));
    EXPECT_TRUE(failing.allEntries().isEmpty());
    EXPECT_TRUE(failing.entries().isEmpty());
    EXPECT_FALSE(failing.isLoading());
    EXPECT_TRUE(failing.selectedEntry()); // left as it was
}

TEST_F(HistoryViewModelTest, CopyPutsPlainTextAndAnnouncesIt)
{
    HistoryViewModel &vm = loaded({});
    QStringList announced;
    QObject::connect(&vm, &HistoryViewModel::textCopied, [&](const QString &text) { announced << text; });

    CaptureHistoryEntry code = makeEntry("a\nb", kNow);
    code.captureMode = CaptureMode::code;
    vm.copyEntryAsMarkdown(code);
    EXPECT_EQ(pasteboard.text(), "```\na\nb\n```");
    ASSERT_EQ(pasteboard.content.size(), 1);

    CaptureHistoryEntry plain = makeEntry("a\nb", kNow);
    vm.copyEntryAsMarkdown(plain);
    EXPECT_EQ(pasteboard.text(), "a\nb");
    vm.copyEntryText(code);
    EXPECT_EQ(pasteboard.text(), "a\nb");
    EXPECT_EQ(announced, (QStringList{"```\na\nb\n```", "a\nb", "a\nb"}));
}
