// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language_manager.h"
#include "core/settings_store.h"
#include "history/history_store.h"
#include "history/history_store_error.h"
#include "platform/activation_policy.h"
#include "platform/alert_presenter.h"
#include "platform/login_item.h"
#include "platform/user_defaults.h"
#include "core/global_shortcut_gate.h"
#include "windows/desktop_shortcuts_note.h"
#include "windows/error_banner.h"
#include "windows/general_preferences_view.h"
#include "windows/history_preferences_view.h"
#include "windows/language_drop_delegate.h"
#include "windows/language_row.h"
#include "windows/languages_preferences_view.h"
#include "windows/preferences_view.h"
#include "windows/save_failure_banner.h"
#include "core/settings_store_error.h"
#include "windows/shortcut_recorder_view.h"
#include "windows/shortcuts_preferences_view.h"
#include "windows/switch_row.h"
#include "windows/text_formatting_preferences_view.h"
#include "windows/toggle_switch.h"

#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/event_loop.h"
#include "support/foreign_wording.h"
#include "support/scoped_interface_language.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QAbstractItemView>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace quorvane;

namespace {

struct FakeLoginItem : LoginItem {
    Status current = Status::notRegistered;
    std::optional<std::string> refusal;
    Status status() const override { return current; }
    void registerItem() override
    {
        if (refusal)
            throw LoginItemError(QString::fromStdString(*refusal));
        current = Status::enabled;
    }
    void unregisterItem() override { current = Status::notRegistered; }
};

struct NoTaskbar : TaskbarPresence {
    void setListed(QWindow *, bool) override {}
};

struct ScriptedAlerts : AlertPresenter {
    int answer = 1;
    QList<Alert> shown;
    std::function<void()> whileAsking; // what happens while the question is open
    int runModal(const Alert &alert) override
    {
        shown.append(alert);
        if (whileAsking)
            std::exchange(whileAsking, {})();
        return answer;
    }
};

void idle(int ms = 50)
{
    test::waitUntil([] { return false; }, ms);
}

struct PreferencesRig {
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath("defaults.json")};
    FakeLoginItem loginItem;
    SettingsStore store{defaults, loginItem};
    ActivationPolicy policy{std::make_unique<NoTaskbar>()};
    LanguageManager languages{defaults};
    ScriptedAlerts alerts;
    QString historyFolder = dir.filePath("history");
    bool historyUnavailable = false;
    int saves = 0;
    std::unique_ptr<HistoryStore> history; // the program's, kept as the setting allows at its start
    std::unique_ptr<PreferencesView> view;

    PreferencesRig()
    {
        QObject::connect(&store, &SettingsStore::settingsDidChange, [this] { ++saves; });
    }
    // A language a test picks stays with its test.
    test::ScopedInterfaceLanguage language{"en"};

    PreferencesView &open(std::optional<PreferencesTab> tab = std::nullopt)
    {
        PreferencesServices services{store, defaults, policy, languages, alerts,
                                     historyUnavailable ? nullptr : &programHistory()};
        view = std::make_unique<PreferencesView>(services);
        if (tab)
            view->setSelectedTab(*tab);
        view->show();
        idle();
        return *view;
    }

    HistoryStore &programHistory()
    {
        if (!history)
            history = std::make_unique<HistoryStore>(historyFolder, int(store.settings().maxHistoryEntries));
        return *history;
    }

    void addCaptures(int count)
    {
        HistoryStore &history = programHistory();
        for (int i = 0; i < count; ++i) {
            CaptureHistoryEntry entry;
            entry.id = QUuid::createUuid();
            entry.timestamp = QDateTime::currentDateTimeUtc().addSecs(i);
            entry.text = QStringLiteral("capture %1").arg(i);
            ASSERT_TRUE(test::waitFor(history.addEntry(entry)));
        }
    }

    int capturesInFile()
    {
        HistoryStore history(historyFolder, 1000);
        auto entries = history.getEntries();
        EXPECT_TRUE(test::waitFor(entries));
        return int(entries.result().size());
    }
};

void clickSwitch(SwitchRow *row)
{
    row->toggle()->click();
}

} // namespace

TEST(PreferencesViewTest, OpensOnTheStoredPaneAndStoresEveryChoiceAtOnce)
{
    PreferencesRig rig;
    PreferencesView &first = rig.open();
    EXPECT_EQ(first.selectedTab(), PreferencesTab::general);
    EXPECT_EQ(first.size(), QSize(600, 580));
    EXPECT_FALSE(rig.defaults.contains("preferences.selected_tab"));
    EXPECT_EQ(first.tabWidget()->tabText(2), "Text && Formatting");

    first.tabWidget()->setCurrentIndex(3);
    EXPECT_EQ(rig.defaults.integerValue("preferences.selected_tab"), 3);
    EXPECT_EQ(rig.open().selectedTab(), PreferencesTab::languages);

    rig.defaults.setInteger("preferences.selected_tab", 4);
    EXPECT_EQ(rig.open().selectedTab(), PreferencesTab::history);
    for (qint64 outside : {5, -1}) {
        rig.defaults.setInteger("preferences.selected_tab", outside);
        EXPECT_EQ(rig.open().selectedTab(), PreferencesTab::general);
        EXPECT_EQ(rig.defaults.integerValue("preferences.selected_tab"), outside);
    }
}

TEST(GeneralPaneTest, SwitchesWriteThroughTheStoreAndDockSwitchSetsThePolicy)
{
    PreferencesRig rig;
    GeneralPreferencesView *pane = rig.open().generalPane();
    using Row = GeneralPreferencesView::Row;

    clickSwitch(pane->row(Row::showDockIcon));
    EXPECT_EQ(rig.policy.activationPolicy(), ActivationPolicyKind::regular);
    EXPECT_TRUE(rig.store.settings().showDockIcon);
    clickSwitch(pane->row(Row::showDockIcon));
    EXPECT_EQ(rig.policy.activationPolicy(), ActivationPolicyKind::accessory);
    EXPECT_FALSE(rig.store.settings().showDockIcon);

    clickSwitch(pane->row(Row::playSound));
    EXPECT_FALSE(rig.store.settings().playSoundOnCapture);
    // A change made elsewhere shows at once.
    rig.store.setShowPinWidgetAfterCapture(false);
    EXPECT_FALSE(pane->row(Row::showPinWidget)->isChecked());
}

TEST(PreferencesViewTest, EveryPaneSpeaksOfTheLinuxDesktop)
{
    PreferencesRig rig;
    for (PreferencesTab tab : kAllPreferencesTabs)
        EXPECT_EQ(test::foreignWordings(rig.open(tab)), QStringList()) << rawValue(tab);
}

TEST(GeneralPaneTest, NotificationsSwitchPromisesNotificationsBesideTheToast)
{
    // Every result is a toast; the switch adds a desktop notification to it.
    PreferencesRig rig;
    SwitchRow *row = rig.open().generalPane()->row(GeneralPreferencesView::Row::useSystemNotifications);
    const QString description = row->toggle()->accessibleDescription();
    EXPECT_TRUE(description.contains("toast")) << description.toStdString();
    EXPECT_FALSE(description.contains("instead")) << description.toStdString();
}

TEST(GeneralPaneTest, RefusedLoginItemShowsTheBannerUntilAChangeSucceeds)
{
    PreferencesRig rig;
    GeneralPreferencesView *pane = rig.open().generalPane();
    SwitchRow *launch = pane->row(GeneralPreferencesView::Row::launchAtLogin);

    rig.loginItem.refusal = "the autostart folder is read-only";
    clickSwitch(launch);
    EXPECT_TRUE(pane->showError());
    EXPECT_EQ(pane->errorMessage(), "Failed to configure launch at login: the autostart folder is read-only");
    EXPECT_FALSE(launch->isChecked());
    EXPECT_FALSE(rig.store.settings().launchAtLogin);

    // Other rows leave the banner alone.
    clickSwitch(pane->row(GeneralPreferencesView::Row::playSound));
    EXPECT_TRUE(pane->showError());

    rig.loginItem.refusal.reset();
    clickSwitch(launch);
    EXPECT_FALSE(pane->showError());
    EXPECT_TRUE(launch->isChecked());
    EXPECT_EQ(rig.loginItem.current, LoginItem::Status::enabled);
}

TEST(GeneralPaneTest, LanguagePickerListsEveryLanguageAndAppliesAChoice)
{
    PreferencesRig rig;
    QComboBox *picker = rig.open().generalPane()->languagePicker();
    ASSERT_EQ(picker->count(), 31);
    EXPECT_EQ(picker->itemText(0), "System Default");
    EXPECT_EQ(picker->itemText(1), "English"); // named once, not "English (English)"
    EXPECT_EQ(picker->itemText(6), "Deutsch (German)");

    picker->setCurrentIndex(6);
    EXPECT_EQ(rig.languages.currentLanguage(), AppLanguage::de);
    EXPECT_EQ(rig.defaults.stringValue("AppLanguage"), "de");
}

TEST(PreferencesViewTest, PickingALanguageRetranslatesTheOpenWindowKeepingItsState)
{
    PreferencesRig rig;
    PreferencesView &view = rig.open(PreferencesTab::textFormatting);
    GeneralPreferencesView *general = view.generalPane();
    rig.loginItem.refusal = "read-only";
    clickSwitch(general->row(GeneralPreferencesView::Row::launchAtLogin));
    QComboBox *picker = general->languagePicker();
    const auto collapseSpaces = [&] {
        return view.textFormattingPane()->row(TextFormattingPreferencesView::Row::collapseSpaces)->title();
    };

    picker->setCurrentIndex(int(AppLanguage::de));
    ASSERT_TRUE(test::waitUntil([&] { return view.tabWidget()->tabText(0) == "Allgemein"; }));
    EXPECT_EQ(view.tabWidget()->tabText(2), "Text und Formatierung");
    EXPECT_EQ(view.selectedTab(), PreferencesTab::textFormatting);
    EXPECT_EQ(collapseSpaces(), "Mehrere Leerzeichen zu einem zusammenfassen");
    EXPECT_EQ(general->row(GeneralPreferencesView::Row::launchAtLogin)->title(), "Bei der Anmeldung starten");
    EXPECT_EQ(general->errorMessage(), "Der Start bei der Anmeldung konnte nicht eingerichtet werden: read-only");
    EXPECT_EQ(picker->itemText(0), "Systemstandard");
    EXPECT_EQ(picker->currentIndex(), int(AppLanguage::de));

    picker->setCurrentIndex(int(AppLanguage::en));
    ASSERT_TRUE(test::waitUntil([&] { return view.tabWidget()->tabText(0) == "General"; }));
    EXPECT_EQ(view.tabWidget()->tabText(2), "Text && Formatting");
    EXPECT_EQ(collapseSpaces(), "Collapse multiple spaces into one");
    EXPECT_EQ(picker->itemText(0), "System Default");
    EXPECT_EQ(general->errorMessage(), "Failed to configure launch at login: read-only");
}

TEST(PreferencesViewTest, EveryTranslationFitsTheTabBarAndEveryPaneWithoutOverlapOrScrolling)
{
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        PreferencesRig rig;
        PreferencesView &view = rig.open();
        auto *saveFailure = view.generalPane()->findChild<SaveFailureBanner *>();
        for (const QString &code : test::everyInterfaceLanguage()) {
            const auto language = appLanguageFromRawValue(code);
            ASSERT_TRUE(language) << code.toStdString();
            view.generalPane()->languagePicker()->setCurrentIndex(int(*language));
            ASSERT_TRUE(test::waitUntil([&] {
                return view.tabWidget()->tabText(0) == QString(title(PreferencesTab::general)).replace("&", "&&");
            })) << code.toStdString();
            for (PreferencesTab tab : kAllPreferencesTabs) {
                view.setSelectedTab(tab);
                EXPECT_EQ(test::crowdedTextsOnceLaidOut(view), "")
                    << code.toStdString() << " " << rawValue(tab) << " " << test::fontName(font);
            }
            // A save that fails while General is open: its banner appears in the shown window.
            view.setSelectedTab(PreferencesTab::general);
            emit rig.store.saveFailed(
                SettingsStoreError(SettingsStoreError::Kind::persistenceFailed,
                                   "Could not write /home/user/.config/quorvane/defaults.json: No space left on device")
                    .localizedDescription());
            ASSERT_TRUE(saveFailure->isVisible());
            EXPECT_EQ(test::crowdedTextsOnceLaidOut(view), "")
                << code.toStdString() << " general with the save failure " << test::fontName(font);
            saveFailure->hide();
        }
    }

    PreferencesRig rig;
    PreferencesView &view = rig.open();

    view.generalPane()->languagePicker()->setCurrentIndex(int(AppLanguage::ar));
    ASSERT_TRUE(test::waitUntil([&] { return view.tabWidget()->tabText(0) == "عام"; }));
    EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
    // Reading from the right: a switch's title before its toggle.
    view.setSelectedTab(PreferencesTab::general);
    SwitchRow *row = view.generalPane()->row(GeneralPreferencesView::Row::playSound);
    const auto titleLeadsToggle = [row] { return row->findChild<QLabel *>()->x() < row->toggle()->x(); };
    ASSERT_TRUE(test::waitUntil([&] { return !titleLeadsToggle(); }));

    view.generalPane()->languagePicker()->setCurrentIndex(int(AppLanguage::en));
    ASSERT_TRUE(test::waitUntil(titleLeadsToggle));
    EXPECT_EQ(view.layoutDirection(), Qt::LeftToRight);
    // Back in English, the window is its usual size again.
    EXPECT_TRUE(test::waitUntil([&] {
        return view.size() == QSize(PreferencesView::viewWidth, PreferencesView::viewHeight);
    }));
}

TEST(GeneralPaneTest, PickerEntriesShowTheEnglishNameAfterTheNativeOneInReadingOrder)
{
    PreferencesRig rig;
    QComboBox *picker = rig.open().generalPane()->languagePicker();
    // The native name in the text colour (blue here), the English one in the secondary
    // colour (red here): ink columns of each, for "Deutsch (German)".
    QStyleOptionViewItem option;
    option.initFrom(picker->view());
    option.rect = QRect(0, 0, 280, 24);
    option.widget = picker->view();
    option.palette.setColor(QPalette::Text, Qt::blue);
    option.palette.setColor(QPalette::WindowText, Qt::red);
    option.palette.setColor(QPalette::Window, Qt::red);
    const auto inkColumns = [&](Qt::LayoutDirection direction) {
        option.direction = direction;
        QImage entry(option.rect.size(), QImage::Format_ARGB32);
        entry.fill(Qt::transparent);
        QPainter painter(&entry);
        picker->itemDelegate()->paint(&painter, option, picker->model()->index(int(AppLanguage::de), 0));
        painter.end();
        QList<int> native, english;
        for (int x = 0; x < entry.width(); ++x) {
            for (int y = 0; y < entry.height(); ++y) {
                const QRgb pixel = entry.pixel(x, y);
                if (qAlpha(pixel) > 128)
                    (qBlue(pixel) > qRed(pixel) ? native : english).append(x);
            }
        }
        return std::pair{native, english};
    };
    const auto [ltrNative, ltrEnglish] = inkColumns(Qt::LeftToRight);
    ASSERT_FALSE(ltrNative.isEmpty() || ltrEnglish.isEmpty());
    EXPECT_LT(*std::max_element(ltrNative.begin(), ltrNative.end()), *std::min_element(ltrEnglish.begin(), ltrEnglish.end()));
    const auto [rtlNative, rtlEnglish] = inkColumns(Qt::RightToLeft);
    ASSERT_FALSE(rtlNative.isEmpty() || rtlEnglish.isEmpty());
    EXPECT_LT(*std::max_element(rtlEnglish.begin(), rtlEnglish.end()), *std::min_element(rtlNative.begin(), rtlNative.end()));
    EXPECT_GT(*std::min_element(rtlEnglish.begin(), rtlEnglish.end()), option.rect.width() / 2);
}

TEST(TextFormattingPaneTest, SwitchWritesItsFieldAndReturningShowsTheStore)
{
    PreferencesRig rig;
    PreferencesView &view = rig.open(PreferencesTab::textFormatting);
    TextFormattingPreferencesView *pane = view.textFormattingPane();
    using Row = TextFormattingPreferencesView::Row;
    EXPECT_TRUE(pane->row(Row::preserveLineBreaks)->isChecked());
    EXPECT_FALSE(pane->row(Row::avoidSmartQuotes)->isChecked());

    clickSwitch(pane->row(Row::collapseSpaces));
    EXPECT_EQ(rig.store.settings().textProcessing, (TextProcessingSettings{true, false, false}));

    view.setSelectedTab(PreferencesTab::general);
    rig.store.setTextProcessing({false, true, false});
    view.setSelectedTab(PreferencesTab::textFormatting);
    EXPECT_EQ(pane->textProcessing(), (TextProcessingSettings{false, true, false}));
    EXPECT_TRUE(pane->row(Row::avoidSmartQuotes)->isChecked());
}

TEST(ShortcutsPaneTest, LoadingWritesNothingAndARecordedShortcutReachesItsAction)
{
    PreferencesRig rig;
    rig.store.updateShortcut({35, 0x1800}, ShortcutAction::scanCode); // ⌃⌥P
    rig.saves = 0;

    PreferencesView &view = rig.open(PreferencesTab::shortcuts);
    ShortcutsPreferencesView *pane = view.shortcutsPane();
    ASSERT_TRUE(test::waitUntil([&] { return !pane->isInitialLoad(); }));
    EXPECT_EQ(pane->shortcut(ShortcutAction::scanCode), (Shortcut{35, 0x1800}));
    EXPECT_EQ(rig.saves, 0);

    ShortcutRecorderView *recorder = pane->recorder(ShortcutAction::scanCode);
    recorder->startRecording();
    recorder->handleKeyDown({8, 0x1100}); // ⌃⌘C
    EXPECT_EQ(rig.store.settings().scanCodeShortcut, (Shortcut{8, 0x1100}));
    EXPECT_EQ(rig.store.settings().historyShortcut, (Shortcut{4, 0x900}));
    EXPECT_EQ(rig.saves, 1);
}

namespace {

// Global shortcuts held by whoever the test says, with the triggers it says.
struct DesktopGate : GlobalShortcutGate {
    ShortcutOwnership owner = ShortcutOwnership::program;
    std::optional<QString> trigger;
    void suspend() override {}
    void resume() override {}
    bool isHeldByAnotherProgram(const Shortcut &) override { return false; }
    ShortcutOwnership ownership() const override { return owner; }
    std::optional<QString> desktopTrigger(ShortcutAction action) const override
    {
        return action == ShortcutAction::quickZarrow ? trigger : std::nullopt;
    }
};

} // namespace

TEST(ShortcutsPaneTest, SaysWhenTheDesktopHoldsTheShortcutsOrWhichCommandsToBindInstead)
{
    PreferencesRig rig;
    DesktopGate gate;
    ShortcutsPreferencesView pane(rig.store, &gate);
    pane.show();
    DesktopShortcutsNote *note = pane.desktopNote();
    EXPECT_TRUE(note->isHidden()); // the program holds its keys itself: nothing to say

    gate.owner = ShortcutOwnership::desktop;
    gate.trigger = QStringLiteral("Shift+Logo+L");
    pane.hide();
    pane.show();
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->detail(ShortcutAction::quickZarrow)->text(), "Shift+Logo+L");
    EXPECT_EQ(note->detail(ShortcutAction::scanCode)->text(), "Not bound yet");
    EXPECT_TRUE(note->copyButton(ShortcutAction::quickZarrow)->isHidden());
    EXPECT_TRUE(pane.recorder(ShortcutAction::quickZarrow)->isEnabled());

    gate.owner = ShortcutOwnership::unavailable;
    pane.hide();
    pane.show();
    EXPECT_TRUE(note->summary()->text().contains("keyboard settings"));
    // Nothing could be recorded: the recorders are off, the note beside them says why.
    for (ShortcutAction action : kAllShortcutActions)
        EXPECT_FALSE(pane.recorder(action)->isEnabled());
    EXPECT_FALSE(pane.resetButton()->isEnabled());
    const auto headed = [&](const QString &text) {
        const QList<QLabel *> labels = pane.findChildren<QLabel *>();
        return std::any_of(labels.begin(), labels.end(), [&](const QLabel *label) { return label->text() == text; });
    };
    EXPECT_FALSE(headed("Configure global keyboard shortcuts for Quorvane actions"));
    EXPECT_TRUE(headed("The keyboard shortcuts Quorvane would use, which this desktop does not let programs take"));
    EXPECT_EQ(note->detail(ShortcutAction::repeatZarrow)->text(), "quorvane repeat");
    note->copyButton(ShortcutAction::scanCode)->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "quorvane scan");
}

TEST(ShortcutsPaneTest, ResetStoresTheDefaultsEvenWhenTwoActionsHoldEachOthers)
{
    PreferencesRig rig;
    rig.store.updateShortcut({37, 0x1300}, ShortcutAction::repeatZarrow);
    rig.store.updateShortcut({37, 0x900}, ShortcutAction::quickZarrow);
    rig.store.updateShortcut({37, 0x300}, ShortcutAction::repeatZarrow);

    ShortcutsPreferencesView *pane = rig.open(PreferencesTab::shortcuts).shortcutsPane();
    ASSERT_TRUE(test::waitUntil([&] { return !pane->isInitialLoad(); }));
    pane->resetButton()->click();

    for (ShortcutAction action : kAllShortcutActions) {
        EXPECT_EQ(rig.store.settings().shortcut(action), UserSettings::defaults().shortcut(action));
        EXPECT_EQ(pane->shortcut(action), UserSettings::defaults().shortcut(action));
    }
    SettingsStore reloaded(rig.defaults, rig.loginItem);
    EXPECT_EQ(reloaded.settings().quickZarrowShortcut, (Shortcut{37, 0x300}));
}

TEST(ShortcutsPaneTest, ResetThatCannotBeSavedShowsTheErrorAndWhatTheStoreHolds)
{
    PreferencesRig rig;
    rig.store.updateShortcut({35, 0x1800}, ShortcutAction::scanCode); // ⌃⌥P
    ShortcutsPreferencesView *pane = rig.open(PreferencesTab::shortcuts).shortcutsPane();
    ASSERT_TRUE(test::waitUntil([&] { return !pane->isInitialLoad(); }));
    // From now on the settings file cannot be written.
    ASSERT_TRUE(QFile::remove(rig.dir.filePath("defaults.json")));
    ASSERT_TRUE(QDir().mkdir(rig.dir.filePath("defaults.json")));

    pane->resetButton()->click();
    EXPECT_TRUE(pane->errorBanner()->isVisible());
    EXPECT_TRUE(pane->errorBanner()->message().startsWith("Failed to save settings: "))
        << pane->errorBanner()->message().toStdString();
    for (ShortcutAction action : kAllShortcutActions)
        EXPECT_EQ(pane->shortcut(action), rig.store.settings().shortcut(action));

    ASSERT_TRUE(QDir().rmdir(rig.dir.filePath("defaults.json")));
    pane->resetButton()->click();
    EXPECT_FALSE(pane->errorBanner()->isVisible());
}

TEST(ShortcutsPaneTest, ARecordedShortcutThatCannotBeSavedShowsTheOneStillInForce)
{
    PreferencesRig rig;
    ShortcutsPreferencesView *pane = rig.open(PreferencesTab::shortcuts).shortcutsPane();
    ASSERT_TRUE(test::waitUntil([&] { return !pane->isInitialLoad(); }));
    const Shortcut inForce = rig.store.settings().repeatZarrowShortcut;
    ASSERT_TRUE(QFile::remove(rig.dir.filePath("defaults.json")));
    ASSERT_TRUE(QDir().mkdir(rig.dir.filePath("defaults.json"))); // cannot be written

    ShortcutRecorderView *recorder = pane->recorder(ShortcutAction::repeatZarrow);
    recorder->startRecording();
    EXPECT_TRUE(recorder->handleKeyDown({96, 0x1800})); // Ctrl+Alt+F5
    EXPECT_TRUE(pane->errorBanner()->isVisible());
    EXPECT_TRUE(pane->errorBanner()->message().startsWith("Failed to save settings: "));
    EXPECT_EQ(recorder->shortcut(), inForce);
    EXPECT_EQ(pane->shortcut(ShortcutAction::repeatZarrow), inForce);
    EXPECT_EQ(rig.store.settings().repeatZarrowShortcut, inForce);

    ASSERT_TRUE(QDir().rmdir(rig.dir.filePath("defaults.json")));
    recorder->startRecording();
    EXPECT_TRUE(recorder->handleKeyDown({96, 0x1800}));
    EXPECT_FALSE(pane->errorBanner()->isVisible());
    EXPECT_EQ(rig.store.settings().repeatZarrowShortcut, (Shortcut{96, 0x1800}));
}

TEST(ShortcutsPaneTest, AFailedSaveSaysWhyInTheInterfaceLanguageUntilASaveFromAnyPaneSucceeds)
{
    PreferencesRig rig;
    test::ScopedInterfaceLanguage german("de");
    PreferencesView &view = rig.open(PreferencesTab::shortcuts);
    ShortcutsPreferencesView *pane = view.shortcutsPane();
    ASSERT_TRUE(test::waitUntil([&] { return !pane->isInitialLoad(); }));
    ASSERT_TRUE(QFile::remove(rig.dir.filePath("defaults.json")));
    ASSERT_TRUE(QDir().mkdir(rig.dir.filePath("defaults.json"))); // cannot be written

    ShortcutRecorderView *recorder = pane->recorder(ShortcutAction::repeatZarrow);
    recorder->startRecording();
    EXPECT_TRUE(recorder->handleKeyDown({96, 0x1800})); // Ctrl+Alt+F5
    const QString message = pane->errorBanner()->message();
    EXPECT_TRUE(pane->errorBanner()->isVisible());
    // The whole sentence in German, naming the file that could not be written.
    EXPECT_TRUE(message.startsWith(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: ")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(rig.dir.filePath("defaults.json"))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Cannot")) || message.contains(QStringLiteral("folder")))
        << message.toStdString();

    // A save made from another pane stores the shortcuts too.
    ASSERT_TRUE(QDir().rmdir(rig.dir.filePath("defaults.json")));
    view.setSelectedTab(PreferencesTab::general);
    clickSwitch(view.generalPane()->row(GeneralPreferencesView::Row::playSound));
    ASSERT_TRUE(test::waitUntil([&] { return !rig.store.saveDebouncer(); }));
    EXPECT_TRUE(pane->errorBanner()->isHidden());
    // While a delayed save from another pane fails, this pane says so as well, and the
    // History pane, whose maximum is saved the same way.
    ASSERT_TRUE(QFile::remove(rig.dir.filePath("defaults.json")));
    ASSERT_TRUE(QDir().mkdir(rig.dir.filePath("defaults.json")));
    clickSwitch(view.generalPane()->row(GeneralPreferencesView::Row::playSound));
    ASSERT_TRUE(test::waitUntil([&] { return !rig.store.saveDebouncer(); }));
    EXPECT_FALSE(pane->errorBanner()->isHidden());
    ASSERT_NE(view.historyPane()->findChild<SaveFailureBanner *>(), nullptr);
    EXPECT_FALSE(view.historyPane()->findChild<SaveFailureBanner *>()->isHidden());
}

TEST(GeneralPaneTest, ASwitchWhoseDelayedSaveFailsSaysSoUntilASaveSucceeds)
{
    PreferencesRig rig;
    GeneralPreferencesView *pane = rig.open(PreferencesTab::general).generalPane();
    ASSERT_TRUE(QFile::remove(rig.dir.filePath("defaults.json")) || !QFile::exists(rig.dir.filePath("defaults.json")));
    ASSERT_TRUE(QDir().mkdir(rig.dir.filePath("defaults.json"))); // cannot be written

    // Every pane whose changes save that way says so.
    auto *general = pane->findChild<SaveFailureBanner *>();
    auto *textFormatting = rig.view->textFormattingPane()->findChild<SaveFailureBanner *>();
    auto *languages = rig.view->languagesPane()->findChild<SaveFailureBanner *>();
    clickSwitch(pane->row(GeneralPreferencesView::Row::playSound));
    ASSERT_TRUE(test::waitUntil([&] { return !rig.store.saveDebouncer(); }));
    EXPECT_TRUE(general->isVisible());
    EXPECT_TRUE(general->message().startsWith("Failed to save settings: "));
    EXPECT_FALSE(textFormatting->isHidden());
    EXPECT_FALSE(languages->isHidden());

    ASSERT_TRUE(QDir().rmdir(rig.dir.filePath("defaults.json")));
    clickSwitch(pane->row(GeneralPreferencesView::Row::playSound));
    ASSERT_TRUE(test::waitUntil([&] { return !rig.store.saveDebouncer(); }));
    EXPECT_FALSE(general->isVisible());
    EXPECT_TRUE(textFormatting->isHidden());
}

TEST(LanguagesPaneTest, ListsEveryLanguageAndKeepsChosenOnesInPriorityOrder)
{
    PreferencesRig rig;
    rig.store.setPreferredLanguages({"en-US", "fr-FR"});
    rig.store.setAutoDetectLanguage(false);
    LanguagesPreferencesView *pane = rig.open(PreferencesTab::languages).languagesPane();

    ASSERT_EQ(pane->allLanguages().size(), 25);
    EXPECT_TRUE(pane->languageBlock()->isVisible());
    EXPECT_EQ(pane->row("en-US")->priority(), 1);
    EXPECT_EQ(pane->row("fr-FR")->badge()->text(), "#2");
    EXPECT_FALSE(pane->row("de-DE")->priority());
    EXPECT_FALSE(pane->row("en-US")->showsNativeName());
    EXPECT_TRUE(pane->row("de-DE")->showsNativeName());
    EXPECT_EQ(pane->countLabel()->text(), "2 languages selected");

    pane->row("de-DE")->checkBox()->click();
    pane->row("fr-FR")->checkBox()->click();
    EXPECT_EQ(rig.store.settings().preferredLanguages, (QStringList{"en-US", "de-DE"}));
    EXPECT_EQ(pane->row("de-DE")->priority(), 2);

    pane->selectAll();
    EXPECT_EQ(rig.store.settings().preferredLanguages.size(), 25);
    EXPECT_EQ(rig.store.settings().preferredLanguages.last(), "ms-MY");

    // With detection off the store never takes an empty list.
    pane->deselectAll();
    EXPECT_EQ(pane->countLabel()->text(), "0 languages selected");
    EXPECT_EQ(rig.store.settings().preferredLanguages.size(), 25);
    EXPECT_FALSE(rig.store.settings().autoDetectLanguage);

    // Turning detection on hides the list and keeps the stored languages.
    clickSwitch(pane->autoDetectRow());
    EXPECT_TRUE(rig.store.settings().autoDetectLanguage);
    EXPECT_FALSE(pane->languageBlock()->isVisible());
    EXPECT_EQ(rig.store.settings().preferredLanguages.size(), 25);
}

TEST(LanguagesPaneTest, DraggingAChosenLanguageOntoAnotherTakesItsPlace)
{
    const QStringList list{"en-US", "fr-FR", "de-DE"};
    EXPECT_EQ(LanguageDropDelegate::moved(list, "en-US", "de-DE"), (QStringList{"fr-FR", "de-DE", "en-US"}));
    EXPECT_EQ(LanguageDropDelegate::moved(list, "de-DE", "en-US"), (QStringList{"de-DE", "en-US", "fr-FR"}));
    EXPECT_FALSE(LanguageDropDelegate::moved(list, "fr-FR", "fr-FR"));
    EXPECT_FALSE(LanguageDropDelegate::moved(list, "ja-JP", "en-US"));
    EXPECT_FALSE(LanguageDropDelegate::moved(list, "en-US", "ja-JP"));

    PreferencesRig rig;
    rig.store.setPreferredLanguages(list);
    rig.store.setAutoDetectLanguage(false);
    LanguagesPreferencesView *pane = rig.open(PreferencesTab::languages).languagesPane();

    auto enter = [&](const QString &target, const QByteArray &payload) {
        QMimeData data;
        data.setData(QStringLiteral("text/plain"), payload);
        QDragEnterEvent event(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane->row(target), &event);
        return event.isAccepted();
    };
    EXPECT_TRUE(enter("de-DE", "en-US"));
    EXPECT_EQ(rig.store.settings().preferredLanguages, (QStringList{"fr-FR", "de-DE", "en-US"}));
    EXPECT_EQ(pane->row("en-US")->badge()->text(), "#3");

    enter("fr-FR", QByteArray("\xff\xfe", 2)); // not UTF-8
    EXPECT_EQ(pane->selectedLanguages(), (QStringList{"fr-FR", "de-DE", "en-US"}));
}

TEST(LanguagesPaneTest, DetectionGoesOffOnlyOnceAFirstLanguageIsChosen)
{
    PreferencesRig rig;
    LanguagesPreferencesView *pane = rig.open(PreferencesTab::languages).languagesPane();
    EXPECT_FALSE(pane->languageBlock()->isVisible());

    clickSwitch(pane->autoDetectRow());
    EXPECT_TRUE(pane->languageBlock()->isVisible());
    EXPECT_TRUE(rig.store.settings().autoDetectLanguage);

    pane->row("de-DE")->checkBox()->click();
    EXPECT_EQ(rig.store.settings().preferredLanguages, QStringList{"de-DE"});
    EXPECT_FALSE(rig.store.settings().autoDetectLanguage);
}

TEST(LanguagesPaneTest, WithNoLanguageChosenThePaneSaysWhatIsInForce)
{
    PreferencesRig rig;
    LanguagesPreferencesView *pane = rig.open(PreferencesTab::languages).languagesPane();
    clickSwitch(pane->autoDetectRow());
    ASSERT_TRUE(rig.store.settings().autoDetectLanguage);
    EXPECT_TRUE(pane->inForceNotice()->isVisible());
    EXPECT_EQ(pane->inForceNotice()->text(),
              "Choose at least one language; until then languages are chosen automatically");

    pane->row("de-DE")->checkBox()->click();
    EXPECT_FALSE(pane->inForceNotice()->isVisible());

    // Unticking the last one: the store keeps it in use.
    pane->row("de-DE")->checkBox()->click();
    ASSERT_FALSE(rig.store.settings().autoDetectLanguage);
    ASSERT_EQ(rig.store.settings().preferredLanguages, QStringList{"de-DE"});
    EXPECT_TRUE(pane->inForceNotice()->isVisible());
    EXPECT_EQ(pane->inForceNotice()->text(), "Choose at least one language; until then recognition keeps using German");
}

TEST(HistoryPaneTest, ShowsCountUsageAndEstimateForTheSlidersValue)
{
    PreferencesRig rig;
    rig.addCaptures(37);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 37; }));
    EXPECT_EQ(pane->valueLabel()->text(), "100");
    EXPECT_EQ(pane->estimateLabel()->text(), "Estimated storage: 5 MB");
    EXPECT_EQ(pane->entryCountLabel()->text(), "37 entries stored");
    EXPECT_EQ(pane->usageLabel()->text(), "Using 37% of maximum capacity");
    EXPECT_TRUE(pane->clearButton()->isEnabled());

    pane->slider()->setValue(51);
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, 51);
    EXPECT_EQ(pane->usageLabel()->text(), "Using 72% of maximum capacity");

    EXPECT_EQ(HistoryPreferencesView::storageEstimate(1), "50 KB");
    EXPECT_EQ(HistoryPreferencesView::storageEstimate(1000), "50 MB");
    {
        test::ScopedInterfaceLanguage russian("ru");
        EXPECT_EQ(HistoryPreferencesView::storageEstimate(1000), "50 МБ");
        EXPECT_EQ(HistoryPreferencesView::storageEstimate(0), "0 байт");
    }
    EXPECT_EQ(HistoryPreferencesView::usagePercentage(1, 1000), 0);
    // A history above a maximum that was reset, or while a lower one waits to be confirmed.
    EXPECT_EQ(HistoryPreferencesView::usagePercentage(150, 100), 100);
    EXPECT_EQ(HistoryPreferencesView::usagePercentage(476, 100), 100);
    EXPECT_EQ(HistoryPreferencesView::snappedToStep(1000), 1000);
    EXPECT_EQ(HistoryPreferencesView::snappedToStep(57), 61);
}

TEST(HistoryPaneTest, OnlyWhereTheSliderStopsAppliesAndTrimmingAsksFirst)
{
    PreferencesRig rig;
    rig.addCaptures(30);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 30; }));

    // A drag down and back up passes values below the count: none of them is applied.
    pane->slider()->setSliderDown(true);
    pane->slider()->setValue(11);
    EXPECT_EQ(pane->valueLabel()->text(), "11");
    pane->slider()->setValue(101);
    pane->slider()->setSliderDown(false);
    idle();
    EXPECT_TRUE(rig.alerts.shown.isEmpty());
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, 101);
    EXPECT_EQ(rig.capturesInFile(), 30);

    // Ending a drag (or a keyboard step) below the count asks first; Cancel keeps all.
    pane->slider()->setSliderDown(true);
    pane->slider()->setValue(21);
    pane->slider()->setSliderDown(false);
    ASSERT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_EQ(rig.alerts.shown[0].buttons.first(), "Delete 9 Captures");
    EXPECT_EQ(rig.alerts.shown[0].defaultButton, rig.alerts.shown[0].cancelButton); // Return keeps them
    EXPECT_EQ(pane->slider()->value(), 101);
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, 101);
    pane->slider()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, 91);

    rig.alerts.answer = 0;
    pane->slider()->setValue(21);
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 21; }));
    EXPECT_EQ(rig.capturesInFile(), 21);
    EXPECT_EQ(rig.alerts.shown.size(), 2);
}

TEST(HistoryPaneTest, ClearingAsksFirstAndEmptiesTheHistoryOnlyWhenConfirmed)
{
    PreferencesRig rig;
    rig.addCaptures(3);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 3; }));

    rig.alerts.answer = 1;
    pane->clearButton()->click();
    ASSERT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_EQ(rig.alerts.shown[0].buttons, (QStringList{"Delete 3 Entries", "Cancel"}));
    idle();
    EXPECT_EQ(rig.capturesInFile(), 3);

    rig.alerts.answer = 0;
    pane->clearButton()->click();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 0; }));
    EXPECT_EQ(rig.capturesInFile(), 0);
    EXPECT_FALSE(pane->clearButton()->isEnabled());
    EXPECT_FALSE(pane->usageLabel()->isVisible());
}

TEST(HistoryPaneTest, CountFollowsTheHistoryAndClearingDeletesOnlyWhatWasNamed)
{
    PreferencesRig rig;
    rig.addCaptures(1);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 1; }));

    // A capture arrives while the pane is open.
    rig.addCaptures(1);
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 2; }));
    EXPECT_EQ(pane->entryCountLabel()->text(), "2 entries stored");

    // One deleted in the History window.
    auto entries = rig.programHistory().getEntries();
    ASSERT_TRUE(test::waitFor(entries));
    ASSERT_TRUE(test::waitFor(rig.programHistory().deleteEntry(entries.result().first().id)));
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 1; }));
    rig.addCaptures(1);
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 2; }));

    // And one while the question is asked: it is kept.
    rig.alerts.answer = 0;
    rig.alerts.whileAsking = [&] { rig.addCaptures(1); };
    pane->clearButton()->click();
    ASSERT_EQ(rig.alerts.shown.size(), 1);
    EXPECT_EQ(rig.alerts.shown[0].buttons.first(), "Delete 2 Entries");
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 1; }));
    EXPECT_EQ(rig.capturesInFile(), 1);
}

TEST(HistoryPaneTest, AFailedClearIsToldAndTheCountStays)
{
    PreferencesRig rig;
    rig.addCaptures(2);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 2; }));
    // The new file cannot take the place of a folder, even the superuser's.
    ASSERT_TRUE(QFile::remove(rig.historyFolder + "/history.json"));
    ASSERT_TRUE(QDir().mkpath(rig.historyFolder + "/history.json/inside"));

    rig.alerts.answer = 0;
    pane->clearButton()->click();
    ASSERT_TRUE(test::waitUntil([&] { return rig.alerts.shown.size() == 2; }));
    EXPECT_EQ(rig.alerts.shown[1].messageText, "Error");
    EXPECT_TRUE(rig.alerts.shown[1].informativeText.contains("history storage"))
        << rig.alerts.shown[1].informativeText.toStdString();
    EXPECT_EQ(pane->currentEntryCount(), 2);
    EXPECT_TRUE(pane->clearButton()->isEnabled());
}

TEST(HistoryPaneTest, UnavailableHistoryCountsNothingButTheSliderStillReachesTheSettings)
{
    PreferencesRig rig;
    rig.historyUnavailable = true;
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    EXPECT_EQ(pane->currentEntryCount(), 0);
    EXPECT_FALSE(pane->clearButton()->isEnabled());
    pane->slider()->setValue(201);
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, 201);
}

TEST(HistoryPaneTest, CountsEveryCaptureTheSettingKeepsNotOnlyTheDefaultHundred)
{
    PreferencesRig rig;
    rig.store.setMaxHistoryEntries(500);
    rig.addCaptures(120);
    HistoryPreferencesView *pane = rig.open(PreferencesTab::history).historyPane();
    ASSERT_TRUE(test::waitUntil([&] { return pane->currentEntryCount() == 120; }));
    EXPECT_EQ(pane->usageLabel()->text(), "Using 24% of maximum capacity");
    EXPECT_EQ(rig.alerts.shown.size(), 0);
}

TEST(PreferencesViewTest, AClashTheRecordAlreadyHeldRefusesNoOtherChange)
{
    PreferencesRig rig;
    rig.store.setPreferredLanguages({"en-US"});
    UserSettings duplicated = rig.store.settings();
    duplicated.repeatZarrowShortcut = duplicated.quickZarrowShortcut;
    rig.store.setSettings(duplicated);

    PreferencesView &view = rig.open();
    SwitchRow *sound = view.generalPane()->row(GeneralPreferencesView::Row::playSound);
    clickSwitch(sound);
    EXPECT_FALSE(sound->isChecked());
    EXPECT_FALSE(rig.store.settings().playSoundOnCapture);
    SwitchRow *dock = view.generalPane()->row(GeneralPreferencesView::Row::showDockIcon);
    rig.policy.setActivationPolicy(ActivationPolicyKind::accessory);
    clickSwitch(dock);
    EXPECT_TRUE(dock->isChecked());
    EXPECT_EQ(rig.policy.activationPolicy(), ActivationPolicyKind::regular);
    EXPECT_FALSE(view.generalPane()->showError());

    view.setSelectedTab(PreferencesTab::textFormatting);
    SwitchRow *spaces = view.textFormattingPane()->row(TextFormattingPreferencesView::Row::collapseSpaces);
    clickSwitch(spaces);
    EXPECT_FALSE(spaces->isChecked());
    EXPECT_FALSE(view.textFormattingPane()->textProcessing().collapseSpaces);

    view.setSelectedTab(PreferencesTab::languages);
    clickSwitch(view.languagesPane()->autoDetectRow());
    EXPECT_FALSE(view.languagesPane()->autoDetectLanguage());

    view.setSelectedTab(PreferencesTab::history);
    view.historyPane()->slider()->setValue(301);
    EXPECT_EQ(rig.store.settings().maxHistoryEntries, view.historyPane()->slider()->value());
    EXPECT_NE(rig.store.settings().maxHistoryEntries, 100);
}
