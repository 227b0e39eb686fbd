// SPDX-License-Identifier: GPL-3.0-or-later
// The search bar and its date-range sheet inside a shown history window.
#include "history_test_support.h"
#include "history_window_fakes.h"

#include "history/history_date_range_sheet.h"
#include "history/history_search_bar.h"
#include "history/history_view.h"
#include "history/history_view_model.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>

using namespace quorvane;
using namespace quorvane::test;

namespace {

// Wednesday 12 March 2025, three in the afternoon, local time.
const QDate kToday(2025, 3, 12);
const QDateTime kNow(kToday, QTime(15, 0));

class HistorySearchBarTest : public HistoryFolderTest {
protected:
    void open(const QList<CaptureHistoryEntry> &entries)
    {
        seedHistory(entries);
        store = makeStore();
        view = std::make_unique<HistoryView>(
            std::make_unique<HistoryViewModel>(*store, pasteboard, savePanel, [] { return kNow; }), pins,
            alerts);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        ASSERT_TRUE(waitUntil([&] { return model().allEntries().size() == entries.size(); }));
    }
    HistoryViewModel &model() { return view->viewModel(); }
    HistoryDateRangeSheet &sheet() { return *view->searchBar()->dateRangeSheet(); }
    QStringList listedAfterApply()
    {
        model().setDateFilter(DateFilter::all);
        view->searchBar()->setShowDatePicker(true);
        sheet().apply();
        EXPECT_TRUE(waitUntil([&] { return model().dateFilter() == DateFilter::customRange; }));
        return textsOf(model().entries());
    }

    FakePasteboard pasteboard;
    FakeSavePanel savePanel;
    FakeAlerts alerts;
    FakePins pins;
    std::unique_ptr<HistoryStore> store;
    std::unique_ptr<HistoryView> view;
};

} // namespace

TEST_F(HistorySearchBarTest, CustomRangeRunsFromTheStartOfTheFirstDayToTheEndOfTheLast)
{
    open({makeEntry("tonight", QDateTime(kToday, QTime(23, 0))),
          makeEntry("this morning", QDateTime(kToday, QTime(9, 0))),
          makeEntry("yesterday late", QDateTime(kToday.addDays(-1), QTime(23, 30))),
          makeEntry("week ago early", QDateTime(kToday.addDays(-7), QTime(8, 0))),
          makeEntry("eight days ago", QDateTime(kToday.addDays(-8), QTime(23, 59, 59)))});

    // Applied as opened: the last seven days and today, whole days.
    EXPECT_EQ(listedAfterApply(), (QStringList{"tonight", "this morning", "yesterday late", "week ago early"}));

    // Today to today, picked in the afternoon, lists the morning too.
    sheet().fromCalendar()->setSelectedDate(kToday);
    sheet().toCalendar()->setSelectedDate(kToday);
    EXPECT_EQ(listedAfterApply(), (QStringList{"tonight", "this morning"}));
    EXPECT_EQ(model().customDateFrom(), kToday.startOfDay());
    EXPECT_EQ(model().customDateTo(), kToday.endOfDay());
}

TEST_F(HistorySearchBarTest, ReturnInTheSearchFieldOnlySearches)
{
    open({makeEntry("alpha one", kNow.addSecs(-60)), makeEntry("beta two", kNow.addSecs(-120))});
    auto *field = view->findChild<QLineEdit *>(QStringLiteral("searchField"));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClicks(field, "beta");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(textsOf(model().entries()), QStringList{"beta two"});

    // Elsewhere in the window Return copies the selected capture (a moment later, as the
    // button shows its press), and it is the only copy made.
    model().setSearchQuery(QString());
    model().setSelectedEntry(model().entries().first());
    auto *filterButton = view->findChild<QWidget *>(QStringLiteral("dateFilterButton"));
    filterButton->setFocus();
    QTest::keyClick(filterButton, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return pasteboard.text() == "alpha one"; }));
    EXPECT_EQ(pasteboard.writes, 1);
}
