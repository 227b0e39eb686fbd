// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"
#include "history_window_fakes.h"

#include "history/history_list_item_delegate.h"
#include "history/history_detail_view.h"
#include "history/history_filtered_empty_state_view.h"
#include "history/history_list_column.h"
#include "history/history_list_model.h"
#include "history/history_search_bar.h"
#include "history/history_date_range_sheet.h"
#include "history/history_view.h"
#include "history/history_view_model.h"
#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/foreign_wording.h"
#include "support/scoped_interface_language.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyleOptionButton>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace quorvane;
using namespace quorvane::test;

namespace {

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A store whose reads finish only when the test releases them.
class GatedStore : public HistoryStore {
public:
    using HistoryStore::HistoryStore;
    QFuture<QList<CaptureHistoryEntry>> getEntries(std::optional<int> limit) override
    {
        if (!gated)
            return HistoryStore::getEntries(limit);
        pending = std::make_shared<QPromise<QList<CaptureHistoryEntry>>>();
        pending->start();
        return pending->future();
    }
    void release(const QList<CaptureHistoryEntry> &entries)
    {
        pending->addResult(entries);
        pending->finish();
    }
    bool gated = false;
    std::shared_ptr<QPromise<QList<CaptureHistoryEntry>>> pending;
};

class HistoryViewTest : public HistoryFolderTest {
protected:
    // A shown history window over `entries` (newest first), loaded.
    HistoryView &open(const QList<CaptureHistoryEntry> &entries)
    {
        seedHistory(entries);
        store = std::make_unique<GatedStore>(folder(), 100, freeSpace);
        view = std::make_unique<HistoryView>(
            std::make_unique<HistoryViewModel>(*store, pasteboard, savePanel), pins, alerts);
        view->resize(900, 600);
        view->show();
        EXPECT_TRUE(waitUntil([&] { return !model().isLoading(); }));
        return *view;
    }
    HistoryViewModel &model() { return view->viewModel(); }
    HistoryListModel &rows() const { return view->listColumn()->model(); }
    QStringList rowTitles() const
    {
        QStringList titles;
        for (int row = 0; row < rows().rowCount(); ++row)
            titles << rows().index(row).data().toString();
        return titles;
    }
    bool isSelectedRow(int row) const { return rows().index(row).data(HistoryListModel::isSelectedRole).toBool(); }
    template <typename T>
    T *child(const char *name) const { return view->findChild<T *>(QLatin1String(name)); }

    FakePasteboard pasteboard;
    FakeSavePanel savePanel;
    FakeAlerts alerts;
    FakePins pins;
    std::unique_ptr<GatedStore> store;
    std::unique_ptr<HistoryView> view;
};

CaptureHistoryEntry entryWith(const QString &text, int age, CaptureMode mode = CaptureMode::normal)
{
    CaptureHistoryEntry entry = makeEntry(text, QDateTime::currentDateTimeUtc().addSecs(-age).addMSecs(-500));
    entry.timestamp = QDateTime::fromSecsSinceEpoch(entry.timestamp.toSecsSinceEpoch(), Qt::UTC);
    entry.captureMode = mode;
    return entry;
}

} // namespace

TEST_F(HistoryViewTest, ListsRecordsAndDetailShowsTheSelectedOne)
{
    CaptureHistoryEntry newest = entryWith("newest text", 60);
    newest.sourceAppBundleID = QString("org.example.Viewer");
    open({newest, entryWith("int main();", 3600, CaptureMode::code), entryWith("oldest", 7200)});

    ASSERT_EQ(view->content(), HistoryView::Content::list);
    EXPECT_EQ(rowTitles(), (QStringList{"newest text", "int main();", "oldest"}));
    ASSERT_TRUE(model().selectedEntry()); // the newest capture is selected on first display
    EXPECT_EQ(model().selectedEntry()->text, "newest text");
    EXPECT_EQ(child<QPlainTextEdit>("detailText")->toPlainText(), "newest text");
    EXPECT_EQ(child<QLabel>("detailSource")->text(), "From: org.example.Viewer");
    // A name read from the history file is never taken for markup.
    EXPECT_EQ(child<QLabel>("detailSource")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(child<QLabel>("detailBadge")->isHidden());
    EXPECT_EQ(test::foreignWordings(*view), QStringList()); // sizes in pixels, not points

    // A click on the empty space right of a row's title selects that row.
    QListView *list = view->listColumn()->listView();
    const QRect code = list->visualRect(rows().index(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(code.right() - 12, code.center().y()));
    EXPECT_EQ(model().selectedEntry()->text, "int main();");
    EXPECT_TRUE(isSelectedRow(1));
    EXPECT_FALSE(isSelectedRow(0));
    EXPECT_EQ(child<QPlainTextEdit>("detailText")->toPlainText(), "int main();");
    EXPECT_EQ(child<QLabel>("detailBadge")->text(), "Code");
    EXPECT_FALSE(child<QLabel>("detailBadge")->isHidden());
    EXPECT_TRUE(child<QLabel>("detailSource")->isHidden());

    // A capture taken meanwhile appears on top as one new row; the selection stays.
    QSignalSpy inserted(&rows(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&rows(), &QAbstractItemModel::modelReset);
    await(store->addEntry(entryWith("just taken", 0)));
    ASSERT_TRUE(waitUntil([&] { return rowTitles().size() == 4; }));
    EXPECT_EQ(rowTitles().front(), "just taken");
    EXPECT_EQ(model().selectedEntry()->text, "int main();");
    EXPECT_TRUE(isSelectedRow(2));
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0].mid(1), (QVariantList{0, 0}));
    EXPECT_TRUE(reset.isEmpty());
}

TEST_F(HistoryViewTest, BannerSaysWhichRecordsWereKeptAside)
{
    EXPECT_FALSE(open({entryWith("fine", 5)}).setAsideBanner()->isVisible());
    view.reset();
    store.reset();

    seedHistory({entryWith("fine", 5), entryWith("bad", 6)});
    QByteArray bytes = readFile(historyPath());
    bytes.replace(QRegularExpression(R"("text"\s*:\s*"bad")").match(QString::fromUtf8(bytes)).captured().toUtf8(),
                  "\"text\": 7");
    writeFile(historyPath(), bytes);
    store = std::make_unique<GatedStore>(folder(), 100, freeSpace);
    view = std::make_unique<HistoryView>(std::make_unique<HistoryViewModel>(*store, pasteboard, savePanel), pins,
                                         alerts);
    view->show();
    ASSERT_TRUE(waitUntil([&] { return !model().isLoading(); }));
    EXPECT_EQ(rowTitles(), QStringList{"fine"});
    // A toast would be gone in a second; the window says it for as long as it is open.
    ASSERT_TRUE(view->setAsideBanner()->isVisible());
    const QString aside = store->setAsideSoFar().value(0).path;
    EXPECT_TRUE(aside.contains("history.rejected."));
    EXPECT_TRUE(view->setAsideBanner()->text().contains(aside)) << view->setAsideBanner()->text().toStdString();
}

TEST_F(HistoryViewTest, ShowsLoadingEmptyAndFilteredStates)
{
    open({});
    EXPECT_EQ(view->content(), HistoryView::Content::empty);
    model().setSearchQuery("anything");
    EXPECT_EQ(view->content(), HistoryView::Content::empty);
    model().setSearchQuery(QString());

    // Loading with nothing listed yet shows the loading view.
    store->gated = true;
    model().loadEntries();
    EXPECT_EQ(view->content(), HistoryView::Content::loading);
    store->release({entryWith("old one", 3 * 86400)});
    ASSERT_TRUE(waitUntil([&] { return !model().isLoading(); }));
    EXPECT_EQ(view->content(), HistoryView::Content::list);

    // A reload while records are listed keeps the list and shows the small indicator.
    model().loadEntries();
    EXPECT_EQ(view->content(), HistoryView::Content::list);
    EXPECT_TRUE(view->listColumn()->isShowingProgress());
    store->release(model().allEntries());
    ASSERT_TRUE(waitUntil([&] { return !model().isLoading(); }));
    EXPECT_FALSE(view->listColumn()->isShowingProgress());

    auto *reason = child<QLabel>("filteredReason");
    model().setDateFilter(DateFilter::today);
    EXPECT_EQ(view->content(), HistoryView::Content::filteredEmpty);
    EXPECT_EQ(reason->text(), "No captures found for \"Today\"");
    model().setSearchQuery(" Zz ");
    EXPECT_EQ(reason->text(), "No captures found matching \" Zz \"");

    model().setSelectedEntry(std::nullopt);
    child<QPushButton>("clearFiltersButton")->click();
    EXPECT_EQ(model().searchQuery(), QString());
    EXPECT_EQ(model().dateFilter(), DateFilter::all);
    EXPECT_EQ(view->content(), HistoryView::Content::list);
    ASSERT_TRUE(model().selectedEntry());
    EXPECT_EQ(model().selectedEntry()->text, "old one");
}

TEST_F(HistoryViewTest, ListCentresTheSelectionAndAnswersTheKeyboard)
{
    QList<CaptureHistoryEntry> entries;
    for (int i = 0; i < 40; ++i)
        entries << entryWith(QString("record %1").arg(i), 60 * (i + 1));
    open(entries);
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    QListView *list = view->listColumn()->listView();
    QScrollBar *bar = list->verticalScrollBar();
    const auto centreOffset = [&](int row) {
        return list->visualRect(rows().index(row)).center().y() - list->viewport()->height() / 2;
    };

    model().setSelectedEntry(model().entries().at(25));
    ASSERT_TRUE(waitUntil([&] { return std::abs(centreOffset(25)) <= 1; }));
    model().setSelectedEntry(model().entries().at(0));
    ASSERT_TRUE(waitUntil([&] { return bar->value() == 0; }));

    // The keys scroll the list; the selection stays where it is.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_LT(bar->value(), bar->maximum());
    EXPECT_EQ(model().selectedEntry()->text, "record 0");

    // With the list focused, Return copies the selected capture; Super+Backspace and
    // Delete ask to delete it.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return pasteboard.text() == "record 0"; })); // the button's click animates
    QTest::keyClick(list, Qt::Key_Backspace, Qt::MetaModifier);
    ASSERT_TRUE(waitUntil([&] { return !alerts.shown.empty(); }));
    EXPECT_EQ(alerts.shown[0].messageText, "Delete Capture?");
    EXPECT_EQ(model().allEntries().size(), 40); // cancelled
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_TRUE(waitUntil([&] { return alerts.shown.size() == 2; }));
    EXPECT_EQ(alerts.shown[1].messageText, "Delete Capture?");
    EXPECT_EQ(model().allEntries().size(), 40); // cancelled
    // In the search field Delete deletes a character instead.
    auto *field = child<QLineEdit>("searchField");
    field->setText("record");
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "ecord");
    QCoreApplication::processEvents();
    EXPECT_EQ(alerts.shown.size(), 2u);
}

TEST_F(HistoryViewTest, DeleteAndClearAllAskFirst)
{
    open({entryWith("keep", 10), entryWith("remove", 20)});
    HistoryDetailView *detail = view->detailView();

    model().setSelectedEntry(model().entries().at(1));
    alerts.choice = 0; // Cancel
    detail->requestDelete();
    ASSERT_TRUE(waitUntil([&] { return !model().showDeleteConfirmation(); }));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].messageText, "Delete Capture?");
    EXPECT_EQ(alerts.shown[0].buttons, (QStringList{"Cancel", "Delete"}));
    EXPECT_EQ(alerts.shown[0].cancelButton, 0); // Escape and the close button cancel
    EXPECT_EQ(alerts.shown[0].window, view->window());
    EXPECT_FALSE(model().entryToDelete());
    EXPECT_EQ(model().allEntries().size(), 2);

    alerts.choice = 1; // Delete
    QSignalSpy removed(&rows(), &QAbstractItemModel::rowsRemoved);
    detail->requestDelete();
    ASSERT_TRUE(waitUntil([&] { return model().allEntries().size() == 1 && !model().isLoading(); }));
    EXPECT_EQ(textsInFile(historyPath()), QStringList{"keep"});
    EXPECT_EQ(model().selectedEntry()->text, "keep");
    ASSERT_EQ(removed.size(), 1); // exactly the deleted record's row
    EXPECT_EQ(removed[0].mid(1), (QVariantList{1, 1}));
    EXPECT_EQ(rowTitles(), QStringList{"keep"});

    // A record deleted meanwhile by another window on the same history: the failure is
    // shown in an alert.
    await(store->deleteEntry(model().entries().at(0).id));
    detail->requestDelete();
    ASSERT_TRUE(waitUntil([&] { return alerts.shown.size() == 4; }));
    EXPECT_EQ(alerts.shown[3].messageText, "Error");
    EXPECT_TRUE(alerts.shown[3].informativeText.startsWith("History entry not found: "));

    auto *clearAll = child<QPushButton>("clearAllButton");
    ASSERT_TRUE(clearAll->isEnabled());
    clearAll->click();
    ASSERT_TRUE(waitUntil([&] { return view->content() == HistoryView::Content::empty; }));
    EXPECT_EQ(alerts.shown.back().messageText, "Clear All History?");
    EXPECT_EQ(alerts.shown.back().buttons.value(alerts.shown.back().cancelButton), "Cancel");
    EXPECT_EQ(alerts.shown.back().window, view->window());
    EXPECT_FALSE(clearAll->isEnabled());
}

TEST_F(HistoryViewTest, SearchBarDrivesTheViewModel)
{
    open({entryWith("alpha", 10), entryWith("beta", 20)});
    auto *field = child<QLineEdit>("searchField");
    auto *clear = child<QToolButton>("clearSearchButton");
    EXPECT_TRUE(clear->isHidden());
    QTest::keyClicks(field, "zz");
    EXPECT_EQ(model().searchQuery(), "zz");
    EXPECT_FALSE(clear->isHidden());
    EXPECT_EQ(child<QLabel>("statsLabel")->text(), "0 of 2 captures");
    EXPECT_TRUE(child<QPushButton>("clearAllButton")->isEnabled()); // captures exist
    clear->click();
    EXPECT_EQ(model().searchQuery(), QString());
    EXPECT_TRUE(clear->isHidden());
    EXPECT_EQ(model().entries().size(), 2);

    // Choosing the custom range only opens the sheet; Apply sets the filter.
    HistorySearchBar *bar = view->searchBar();
    QAction *custom = nullptr;
    for (QAction *item : bar->dateFilterMenu()->actions()) {
        if (item->data().toString() == "customRange")
            custom = item;
    }
    ASSERT_NE(custom, nullptr);
    custom->trigger();
    EXPECT_TRUE(bar->showDatePicker());
    EXPECT_EQ(model().dateFilter(), DateFilter::all);
    EXPECT_TRUE(custom->icon().isNull());

    const QDate from = QDate::currentDate().addDays(-1);
    bar->dateRangeSheet()->fromCalendar()->setSelectedDate(from);
    EXPECT_EQ(model().customDateFrom().date(), from);
    EXPECT_EQ(model().dateFilter(), DateFilter::all);
    bar->dateRangeSheet()->apply();
    ASSERT_TRUE(waitUntil([&] { return model().dateFilter() == DateFilter::customRange; }));
    EXPECT_FALSE(bar->showDatePicker());
    EXPECT_FALSE(custom->icon().isNull());
    auto *range = bar->dateFilterMenu()->findChild<QLabel *>("customRangeLabel");
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->text(), QLocale().toString(from, QLocale::ShortFormat) + " to "
                                 + QLocale().toString(model().customDateTo().date(), QLocale::ShortFormat));
}

TEST_F(HistoryViewTest, DetailActionsReachClipboardPinsAndExport)
{
    CaptureHistoryEntry emoji = entryWith(QString::fromUtf8("\U0001F44D\U0001F3FD"), 10);
    emoji.thumbnailData = png(100, 50);
    open({emoji});
    HistoryDetailView *detail = view->detailView();
    EXPECT_EQ(child<QLabel>("detailCharacterCount")->text(), "1 character");
    EXPECT_EQ(child<QLabel>("detailThumbnail")->pixmap().deviceIndependentSize().toSize(), QSize(100, 50));

    child<QPushButton>("copyButton")->click();
    EXPECT_EQ(pasteboard.text(), emoji.text);
    child<QPushButton>("pinButton")->click();
    ASSERT_EQ(pins.pinnedEntries.size(), 1);
    EXPECT_EQ(pins.pinnedEntries[0].id, emoji.id);

    // Export as PDF, cancelled in the panel: nothing written, nothing announced.
    int announcements = 0;
    ExportService &exports = view->viewModel().exportService();
    QObject::connect(&exports, &ExportService::exportSucceeded, [&] { ++announcements; });
    QObject::connect(&exports, &ExportService::exportFailed, [&] { ++announcements; });
    detail->exportMenu()->actions().at(2)->trigger();
    ASSERT_TRUE(waitUntil([&] { return savePanel.requests.size() == 1; }));
    EXPECT_EQ(savePanel.requests[0].mimeType, "application/pdf");
    EXPECT_EQ(savePanel.requests[0].window, detail->window()); // its dialog, floated above it
    EXPECT_EQ(announcements, 0);
    EXPECT_TRUE(alerts.shown.empty());

    // A destination that cannot be written: the user is told why, not left guessing.
    savePanel.answer = QStringLiteral("/proc/quorvane-cannot-write-here.txt");
    detail->exportMenu()->actions().at(0)->trigger();
    ASSERT_TRUE(waitUntil([&] { return !alerts.shown.empty(); }));
    EXPECT_EQ(alerts.shown[0].messageText, "Error");
    EXPECT_FALSE(alerts.shown[0].informativeText.isEmpty());

    EXPECT_EQ(HistoryDetailView::thumbnailDisplaySize({256, 100}), QSize(256, 100));
    EXPECT_EQ(HistoryDetailView::thumbnailDisplaySize({512, 256}), QSize(256, 128));

    model().setSelectedEntry(std::nullopt);
    EXPECT_FALSE(child<QWidget>("detailActionBar")->isVisible());
    EXPECT_TRUE(child<QWidget>("detailPlaceholder")->isVisible());
}

TEST_F(HistoryViewTest, AnotherInterfaceLanguageRetranslatesTheOpenWindowKeepingSearchAndSelection)
{
    CaptureHistoryEntry viewed = entryWith("alpha two", 20);
    viewed.sourceAppBundleID = QString("org.example.Viewer");
    open({entryWith("alpha one", 10), viewed, entryWith("beta", 30)});
    auto *field = child<QLineEdit>("searchField");
    QTest::keyClicks(field, "alpha");
    model().setSelectedEntry(viewed);
    auto *copy = child<QPushButton>("copyButton");

    test::ScopedInterfaceLanguage language("de");
    ASSERT_TRUE(waitUntil([&] { return copy->text() == "Kopieren"; }));
    EXPECT_EQ(field->placeholderText(), "Erfassungen durchsuchen …");
    EXPECT_EQ(child<QLabel>("statsLabel")->text(), "2 von 3 Erfassungen");
    EXPECT_EQ(child<QLabel>("detailSource")->text(), "Aus: org.example.Viewer");
    EXPECT_EQ(child<QPushButton>("dateFilterButton")->text(), "Alle");
    EXPECT_EQ(field->text(), "alpha");
    EXPECT_EQ(model().selectedEntry()->text, "alpha two");
    // Return still copies the selection.
    QListView *list = view->listColumn()->listView();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return pasteboard.text() == "alpha two"; }));

    language.english();
    ASSERT_TRUE(waitUntil([&] { return copy->text() == "Copy"; }));
    EXPECT_EQ(child<QLabel>("statsLabel")->text(), "2 of 3 captures");
}

TEST_F(HistoryViewTest, EveryTranslationFitsTheWindowAndArabicMirrorsIt)
{
    CaptureHistoryEntry viewed = entryWith("The quick brown fox jumps over the lazy dog near the river bank", 90000);
    viewed.sourceAppBundleID = QString("org.example.Viewer");
    open({viewed, entryWith("beta", 30)});
    model().setSelectedEntry(viewed);
    auto *copy = child<QPushButton>("copyButton");
    for (const QFont &font : desktopFonts()) {
        // The desktop's font applied to the open window, as a change of its settings is.
        ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << fontName(font);
        for (const QString &code : everyInterfaceLanguage()) {
            test::ScopedInterfaceLanguage language(code);
            ASSERT_TRUE(waitUntil([&] { return copy->text() == qtTrId("history.detail.copy"); })) << code.toStdString();
            EXPECT_EQ(crowdedTextsOnceLaidOut(*view), "") << code.toStdString() << " " << fontName(font);
            // The window grows to what its texts need, on a screen of the usual size.
            EXPECT_LE(view->width(), 1280) << code.toStdString() << " " << fontName(font);
        }
    }

    test::ScopedInterfaceLanguage arabic("ar");
    ASSERT_TRUE(waitUntil([&] { return view->isRightToLeft() && copy->text() == qtTrId("history.detail.copy"); }));
    const auto left = [&](const QWidget *w) { return w->mapTo(view.get(), QPoint(0, 0)).x(); };
    EXPECT_TRUE(waitUntil([&] { return left(view->listColumn()) > left(view->detailView()); }));
    EXPECT_GT(left(copy), left(child<QPushButton>("deleteButton")));
}

TEST_F(HistoryViewTest, ClosesFromTheKeyboardAndTheDetailPaneScrollsAsOne)
{
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("line %1").arg(i);
    open({entryWith(lines.join('\n'), 60)});
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));

    // The whole text stands in the pane, which alone scrolls.
    auto *text = child<QPlainTextEdit>("detailText");
    ASSERT_TRUE(waitUntil([&] { return text->toPlainText().startsWith("line 0"); }));
    EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(text->verticalScrollBar()->isVisible());
    QList<QScrollBar *> shown;
    for (QScrollBar *bar : view->detailView()->findChildren<QScrollBar *>()) {
        if (bar->isVisible() && bar->orientation() == Qt::Vertical)
            shown << bar;
    }
    ASSERT_EQ(shown.size(), 1);
    EXPECT_GT(shown.first()->maximum(), 0);

    QTest::keyClick(view.get(), Qt::Key_Escape);
    EXPECT_TRUE(view->isHidden());
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    QTest::keyClick(text, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(view->isHidden());
}

TEST_F(HistoryViewTest, RightToLeftDrawsLatinTitlesAndButtonLabelsWhole)
{
    const QString latin = QStringLiteral("Markdown notes about everything the meeting decided");
    open({entryWith(latin, 60)});
    test::ScopedInterfaceLanguage arabic("ar");
    ASSERT_TRUE(waitUntil([&] { return view->isRightToLeft() && view->detailView()->isRightToLeft(); }));
    QCoreApplication::processEvents();

    // Each title line ends at the reading start, the title's right edge, with no space
    // before it.
    QListView *list = view->listColumn()->listView();
    const QModelIndex row = rows().index(0);
    const QRect item = list->visualRect(row);
    const HistoryListItemDelegate::Geometry g = HistoryListItemDelegate::geometry(item, row);
    ASSERT_EQ(g.titleLines.size(), 2);
    const QRect title = QStyle::visualRect(Qt::RightToLeft, item, g.title);
    const QImage shot = list->viewport()->grab().toImage();
    const int lineHeight = title.height() / 2;
    for (int line = 0; line < 2; ++line) {
        int rightmostInk = -1;
        for (int y = title.top() + line * lineHeight; y < title.top() + (line + 1) * lineHeight; ++y) {
            for (int x = title.left(); x <= title.right() + 4; ++x) {
                if (qGray(shot.pixel(x, y)) < 128)
                    rightmostInk = std::max(rightmostInk, x);
            }
        }
        EXPECT_GE(rightmostInk, title.right() - 2) << "line " << line;
        EXPECT_LE(rightmostInk, title.right()) << "line " << line;
    }

    // The capture's date in the interface language too.
    const QString englishMonth = QLocale(QLocale::English).monthName(QDate::currentDate().month(), QLocale::ShortFormat);
    EXPECT_FALSE(child<QLabel>("detailDate")->text().contains(englishMonth)) << child<QLabel>("detailDate")->text().toStdString();

    // A button's label keeps the button's margin, however the bar shares its width.
    for (const char *name : {"copyButton", "pinButton", "copyMarkdownButton", "exportButton", "deleteButton"}) {
        auto *button = child<QPushButton>(name);
        QPalette red = button->palette();
        red.setColor(QPalette::ButtonText, Qt::red);
        button->setPalette(red);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QImage image = button->grab().toImage();
        int leftmostInk = image.width();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 160 && c.green() < 90 && c.blue() < 90)
                    leftmostInk = std::min(leftmostInk, x);
            }
        }
        ASSERT_LT(leftmostInk, image.width()) << name;
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
        EXPECT_GT(leftmostInk, contents.left() + margin) << name << " " << button->text().toStdString();
    }
}
