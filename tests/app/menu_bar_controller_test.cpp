// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/first_launch_tooltip.h"
#include "app/menu_bar_controller.h"
#include "app/sparkle_updater.h"
#include "capture/continuity_runtime.h"
#include "core/text_utils.h"
#include "core/user_settings.h"
#include "platform/key_table.h"
#include "platform/user_defaults.h"

#include "support/event_loop.h"
#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/scoped_interface_language.h"
#include "updater_fakes.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// A menu row's text: its title, and after a tab its keys as a left-to-right run.
QString keyed(const QString &title, const QString &keys)
{
    return title + '\t' + leftToRightRun(keys);
}

struct FakeStatusItem : StatusItem {
    bool button = true;
    QRect geometry;
    QIcon shownIcon;
    QString tip;
    QPointer<QMenu> attached;
    bool drawsMenu = false;

    bool hasButton() const override { return button; }
    void setIcon(const QIcon &icon) override { shownIcon = icon; }
    QIcon icon() const override { return shownIcon; }
    void setToolTip(const QString &text) override { tip = text; }
    QString toolTip() const override { return tip; }
    void setMenu(QMenu *menu) override { attached = menu; }
    QMenu *menu() const override { return attached; }
    QRect buttonGeometry() const override { return geometry; }
    bool trayDrawsMenu() const override { return drawsMenu; }
};

using test::CountingUpdater;

// The rows of `menu`, at the size it opens with, whose title and keys do not fit side by
// side, that lie outside the menu, or a menu wider than the screen; empty when all fit.
QStringList crowdedRows(QMenu &menu)
{
    menu.adjustSize();
    QStringList crowded;
    if (menu.width() > QGuiApplication::primaryScreen()->availableGeometry().width())
        crowded << QStringLiteral("wider than the screen");
    const QFontMetrics metrics(menu.font());
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        QString title = action->text().section('\t', 0, 0);
        title.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace("&&", "&");
        const QString keys = action->text().section('\t', 1);
        const int needed = metrics.horizontalAdvance(title)
                           + (keys.isEmpty() ? 0 : metrics.horizontalAdvance(QLatin1Char(' ') + keys));
        const QRect row = menu.actionGeometry(action);
        if (!menu.rect().contains(row) || row.width() < needed)
            crowded << QStringLiteral("clipped: ") + action->text();
    }
    return crowded;
}

struct RecordingRuntime : ContinuityRuntime {
    void showContinuityItem(ImageHandler handler, std::optional<QPoint> point) override
    {
        kept = std::move(handler);
        points.append(point);
    }
    ImageHandler kept;
    QList<std::optional<QPoint>> points;
};

// A controller over fakes, with every callback counting into `calls`.
struct Rig {
    explicit Rig(bool trayDrawsMenu = false, bool updateFeed = true) : defaults(dir.filePath("defaults.json"))
    {
        updater.feed = updateFeed;
        auto owned = std::make_unique<FakeStatusItem>();
        owned->drawsMenu = trayDrawsMenu;
        item = owned.get();
        controller = std::make_unique<MenuBarController>(std::move(owned), defaults, updater, runtime);
    }

    void wireAll()
    {
        auto count = [this](const QString &name) { return [this, name] { calls << name; }; };
        controller->onCaptureText = count("capture");
        controller->onScanCode = count("scan");
        controller->onOpenHistory = count("history");
        controller->onOpenPreferences = count("preferences");
        controller->onSendFeedback = count("feedback");
        controller->onAbout = count("about");
        controller->onQuit = count("quit");
        controller->onImageFromiPhone = [this](const QImage &image) { images << image; };
    }
    QAction *row(int index) const { return controller->menu()->actions().at(index); }

    QTemporaryDir dir;
    UserDefaults defaults;
    CountingUpdater updater;
    RecordingRuntime runtime;
    FakeStatusItem *item = nullptr;
    std::unique_ptr<MenuBarController> controller;
    QStringList calls;
    QList<QImage> images;
};

} // namespace

TEST(MenuBarControllerTest, MenuHasTwelveRowsWithFixedTitlesAndKeys)
{
    Rig rig;
    const QList<QAction *> actions = rig.controller->menu()->actions();
    ASSERT_EQ(actions.size(), 12);
    // The key column (after the tab) names the default shortcuts the Linux way.
    const QStringList titles = {keyed("Capture Text", "Shift+Super+L"), keyed("Read QR/Bar Code", "Shift+Super+C"),
                                "Import Image…", "", keyed("Open History", "Alt+Super+H"), "",
                                keyed("Preferences…", "Super+,"), "Send Feedback…", "Check for Updates…", "",
                                "About Quorvane", keyed("Quit Quorvane", "Super+Q")};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), titles[i].isEmpty()) << i;
        if (!titles[i].isEmpty()) {
            EXPECT_EQ(actions[i]->text(), titles[i]) << i;
        }
        EXPECT_TRUE(actions[i]->isEnabled()) << i;
    }
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
    EXPECT_EQ(rig.item->toolTip(), "Quorvane\nLeft-click: Menu\nRight-click: Quick Capture");

    // Where the desktop lets no program take shortcuts, the rows promise none.
    rig.controller->setShortcuts(UserSettings::defaults(), false);
    EXPECT_EQ(rig.controller->menu()->actions()[0]->text(), "Capture Text");
    EXPECT_EQ(rig.controller->menu()->actions()[4]->text(), "Open History");
}

TEST(MenuBarControllerTest, MenuAndTooltipFollowTheInterfaceLanguage)
{
    Rig rig;
    rig.wireAll();
    test::ScopedInterfaceLanguage language("de");
    ASSERT_TRUE(test::waitUntil([&] { return rig.row(0)->text() == keyed("Text erfassen", "Umschalt+Super+L"); }));
    EXPECT_EQ(rig.row(11)->text(), keyed("Quorvane beenden", "Super+Q"));
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
    EXPECT_EQ(rig.item->toolTip(), "Quorvane\nLinksklick: Menü\nRechtsklick: Schnellerfassung");
    rig.row(0)->trigger();
    EXPECT_EQ(rig.calls, QStringList{"capture"});

    language.english();
    ASSERT_TRUE(test::waitUntil([&] { return rig.row(0)->text() == keyed("Capture Text", "Shift+Super+L"); }));

    // Where the tray opens the menu on a right click, the left one captures, and the
    // rows name no keys that only the program's own menu would hear.
    Rig reversed(true);
    EXPECT_EQ(reversed.item->toolTip(), "Quorvane\nLeft-click: Quick Capture\nRight-click: Menu");
    EXPECT_EQ(reversed.row(6)->text(), "Preferences…");
    EXPECT_EQ(reversed.row(11)->text(), "Quit Quorvane");
}

TEST(MenuBarControllerTest, EveryTranslationFitsTheRowsAndArabicMirrorsThem)
{
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        Rig rig;
        for (const QString &code : test::everyInterfaceLanguage()) {
            test::ScopedInterfaceLanguage language(code);
            ASSERT_TRUE(test::waitUntil([&] {
                return rig.row(11)->text().startsWith(qtTrId("menubar.quit") + '\t');
            })) << code.toStdString();
            QMenu &menu = *rig.controller->menu();
            EXPECT_EQ(crowdedRows(menu).join(" | ").toStdString(), "") << code.toStdString() << " " << test::fontName(font);
            EXPECT_EQ(menu.isRightToLeft(), code == "ar") << code.toStdString();
            // The keys keep their order beside a right-to-left title.
            EXPECT_TRUE(rig.row(6)->text().endsWith(leftToRightRun(Shortcut{43, 0x100}.displayString())))
                << code.toStdString();
        }
    }
}

TEST(FirstLaunchTooltipTest, EveryTranslationFitsTheNoteInEveryDesktopFont)
{
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        FirstLaunchTooltip note(UserSettings::defaults().quickZarrowShortcut.displayString());
        note.showRelativeTo(QRect(1800, 0, 24, 24));
        for (const QString &code : test::everyInterfaceLanguage()) {
            test::ScopedInterfaceLanguage language(code);
            // The key cap as the desktop's keyboard names it in this language.
            note.setShortcutText(UserSettings::defaults().quickZarrowShortcut.displayString());
            ASSERT_TRUE(test::waitUntil([&] {
                const auto labels = note.findChildren<QLabel *>();
                return std::any_of(labels.begin(), labels.end(),
                                   [](const QLabel *l) { return l->text() == FirstLaunchTooltip::title(); });
            })) << code.toStdString();
            EXPECT_EQ(test::crowdedTextsOnceLaidOut(note), "") << code.toStdString() << " " << test::fontName(font);
            // Still whole on the screen.
            EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(note.geometry()))
                << code.toStdString() << " " << test::fontName(font);
        }
    }
}

TEST(MenuBarControllerTest, EachRowReachesItsCallbackOrFixedPlace)
{
    Rig rig;
    rig.wireAll();
    for (int i : {0, 1, 4, 6, 7, 10, 11})
        rig.row(i)->trigger();
    EXPECT_EQ(rig.calls, (QStringList{"capture", "scan", "history", "preferences", "feedback", "about", "quit"}));

    rig.row(8)->trigger();
    EXPECT_EQ(rig.updater.userChecks, 1);
    rig.row(2)->trigger();
    EXPECT_EQ(rig.runtime.points.size(), 1);
}

TEST(MenuBarControllerTest, RightClickStartsOneCaptureAndDetachesTheMenuBriefly)
{
    Rig rig;
    rig.wireAll();
    emit rig.item->plainClicked();
    EXPECT_EQ(rig.item->menu(), nullptr); // a left click now opens nothing
    EXPECT_TRUE(rig.calls.isEmpty());     // the capture starts on the next turn of the loop
    ASSERT_TRUE(test::waitUntil([&] { return rig.item->menu() != nullptr; }, 3000));
    EXPECT_EQ(rig.calls, QStringList{"capture"});
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
}

TEST(MenuBarControllerTest, SecondRightClickWithinThePauseNeverLosesTheMenu)
{
    Rig rig;
    rig.wireAll();
    // Back to back, with no turn of the loop between: the second click surely falls
    // inside the first one's pause.
    emit rig.item->plainClicked();
    emit rig.item->plainClicked();
    ASSERT_TRUE(test::waitUntil([&] { return rig.item->menu() != nullptr; }, 3000));
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
    EXPECT_EQ(rig.calls, (QStringList{"capture", "capture"}));
}

TEST(MenuBarControllerTest, RefreshReplacesTheMenuAndKeepsTwelveItems)
{
    Rig rig;
    QPointer<QMenu> before = rig.controller->menu();
    rig.controller->refreshMenu();
    EXPECT_NE(rig.controller->menu(), before.data());
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
    EXPECT_EQ(rig.item->menu()->actions().size(), 12);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(before.isNull()); // the old menu is released
}

TEST(MenuBarControllerTest, RefreshDuringThePauseBringsBackTheNewestMenu)
{
    Rig rig;
    emit rig.item->plainClicked();
    rig.controller->refreshMenu();
    EXPECT_EQ(rig.item->menu(), nullptr);
    ASSERT_TRUE(test::waitUntil([&] { return rig.item->menu() != nullptr; }, 3000));
    EXPECT_EQ(rig.item->menu(), rig.controller->menu());
}

TEST(MenuBarControllerTest, ImportAnchorsUnderTheIconAndForwardsTheImage)
{
    Rig rig;
    rig.wireAll();
    rig.item->geometry = QRect(100, 0, 22, 24);
    rig.row(2)->trigger();
    ASSERT_EQ(rig.runtime.points.size(), 1);
    ASSERT_TRUE(rig.runtime.points[0].has_value());
    EXPECT_EQ(*rig.runtime.points[0], QPoint(110, 24));

    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::white);
    rig.runtime.kept(photo);
    ASSERT_EQ(rig.images.size(), 1);
    EXPECT_EQ(rig.images[0].size(), QSize(40, 30));
}

TEST(MenuBarControllerTest, ImportWithoutIconPositionHasNoAnchorAndOutlivedHandlerIsHarmless)
{
    Rig rig;
    rig.wireAll();
    rig.row(2)->trigger();
    ASSERT_EQ(rig.runtime.points.size(), 1);
    EXPECT_FALSE(rig.runtime.points[0].has_value());
    auto handler = rig.runtime.kept;
    rig.controller.reset();
    handler(QImage(4, 4, QImage::Format_RGB32)); // the controller is gone: nothing happens
    EXPECT_TRUE(rig.images.isEmpty());
}

TEST(MenuBarControllerTest, FirstLaunchTooltipIsShownOncePerUserAcrossRestarts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.json");
    {
        UserDefaults defaults(path);
        CountingUpdater updater;
        RecordingRuntime runtime;
        MenuBarController controller(std::make_unique<FakeStatusItem>(), defaults, updater, runtime);
        controller.showFirstLaunchTooltip();
        ASSERT_NE(controller.tooltipPopover(), nullptr);
        EXPECT_TRUE(controller.tooltipPopover()->isVisible());
        EXPECT_TRUE(defaults.boolValue("com.corvantis.hasLaunchedBefore").value_or(false));
        controller.dismissFirstLaunchTooltip();
        EXPECT_EQ(controller.tooltipPopover(), nullptr);
    }
    UserDefaults reopened(path);
    CountingUpdater updater;
    RecordingRuntime runtime;
    MenuBarController controller(std::make_unique<FakeStatusItem>(), reopened, updater, runtime);
    controller.showFirstLaunchTooltip();
    EXPECT_EQ(controller.tooltipPopover(), nullptr);
}

TEST(MenuBarControllerTest, TooltipWithoutStatusButtonShowsNothingAndLeavesTheFlagUnset)
{
    Rig rig;
    rig.item->button = false;
    rig.controller->showFirstLaunchTooltip();
    EXPECT_EQ(rig.controller->tooltipPopover(), nullptr);
    EXPECT_FALSE(rig.controller->firstLaunchManager().hasLaunchedBefore());

    rig.item->button = true; // a tray appeared: a later call shows it
    rig.controller->showFirstLaunchTooltip();
    EXPECT_NE(rig.controller->tooltipPopover(), nullptr);
}

TEST(MenuBarControllerTest, WithoutDesktopShortcutsTheTooltipSaysHowToBindAndCanBeANoteInstead)
{
    Rig rig;
    rig.controller->setShortcuts(UserSettings::defaults(), false);
    rig.controller->showFirstLaunchTooltip();
    FirstLaunchTooltip *tooltip = rig.controller->tooltipPopover();
    ASSERT_NE(tooltip, nullptr);
    QStringList shown;
    for (const QLabel *label : tooltip->findChildren<QLabel *>()) {
        if (label->isVisibleTo(tooltip))
            shown << label->text();
    }
    const QString text = shown.join('\n');
    EXPECT_TRUE(text.contains("“quorvane capture”")) << text.toStdString();
    EXPECT_FALSE(text.contains("Super")) << text.toStdString();
    rig.controller->setShortcuts(UserSettings::defaults(), true);
    EXPECT_TRUE(tooltip->findChild<QLabel *>("keyCap")->isVisibleTo(tooltip));

    // Where a window cannot place itself by the icon, the welcome goes to the note.
    Rig wayland;
    wayland.controller->setShortcuts(UserSettings::defaults(), false);
    QStringList notes;
    wayland.controller->onFirstLaunchNote = [&](const QString &title, const QString &body) { notes << title << body; };
    wayland.controller->showFirstLaunchTooltip();
    EXPECT_EQ(wayland.controller->tooltipPopover(), nullptr);
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0], "Welcome to Quorvane");
    EXPECT_TRUE(notes[1].contains("“quorvane capture”")) << notes[1].toStdString();
    EXPECT_TRUE(wayland.controller->firstLaunchManager().hasLaunchedBefore());
}

TEST(MenuBarControllerTest, ClickingTheTooltipClosesIt)
{
    Rig rig;
    rig.item->geometry = QRect(1800, 0, 24, 24);
    rig.controller->showFirstLaunchTooltip();
    FirstLaunchTooltip *tooltip = rig.controller->tooltipPopover();
    ASSERT_NE(tooltip, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tooltip));
    QTest::mouseClick(tooltip, Qt::LeftButton);
    EXPECT_FALSE(tooltip->isVisible());
}

TEST(MenuBarControllerTest, BundledIconIsShownAndDisabledStateIsHalfOpaque)
{
    Rig rig;
    ASSERT_FALSE(rig.item->icon().isNull());
    EXPECT_FALSE(rig.item->icon().pixmap(22).isNull()); // the resource and its SVG renderer are there
    EXPECT_TRUE(rig.item->icon().isMask());

    QPixmap solid(16, 16);
    solid.fill(Qt::red);
    const QIcon icon(solid);
    const QImage normal = MenuBarController::iconForState(icon, MenuBarIconState::normal).pixmap(16).toImage();
    const QImage disabled = MenuBarController::iconForState(icon, MenuBarIconState::disabled).pixmap(16).toImage();
    EXPECT_EQ(qAlpha(normal.pixel(8, 8)), 255);
    EXPECT_NEAR(qAlpha(disabled.pixel(8, 8)), 128, 2);
}

TEST(FirstLaunchTooltipTest, SitsBelowTheIconInsideTheScreenOrAboveABottomPanel)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(320, 100);
    // Icon in a top panel, near the right edge: below it, pushed left to stay on screen.
    const QRect top = FirstLaunchTooltip::placement(QRect(1890, 2, 24, 24), size, screen);
    EXPECT_EQ(top.top(), 30);
    EXPECT_EQ(top.right(), 1919);
    // Icon in a bottom panel: above it.
    const QRect bottom = FirstLaunchTooltip::placement(QRect(900, 1050, 24, 24), size, screen);
    EXPECT_EQ(bottom.bottom(), 1045);
    EXPECT_EQ(bottom.left(), 911 - 160); // centred under the icon's middle
    // Unknown position: the top right corner.
    const QRect unknown = FirstLaunchTooltip::placement(QRect(), size, screen);
    EXPECT_TRUE(screen.contains(unknown));
    EXPECT_EQ(unknown.right(), 1915);
}

TEST(MenuBarControllerTest, KeyEquivalentsRunTheirRowWhileTheMenuIsOpenAndFollowTheShortcuts)
{
    Rig rig;
    rig.wireAll();
    const auto press = [&](quint16 keyCode, quint16 xState) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, *KeyTable::xKeycode(keyCode), 0, xState);
        QCoreApplication::sendEvent(rig.controller->menu(), &event);
    };
    const quint16 super = KeyTable::xMod4Mask, shift = KeyTable::xShiftMask, control = KeyTable::xControlMask;
    press(43, super);         // Super+,
    press(12, super);         // Super+Q
    press(37, shift | super); // Shift+Super+L
    EXPECT_EQ(rig.calls, (QStringList{"preferences", "quit", "capture"}));

    UserSettings settings = UserSettings::defaults();
    settings.quickZarrowShortcut = {37, 0x1200}; // Ctrl+Shift+L
    rig.controller->setShortcuts(settings);
    EXPECT_EQ(rig.row(0)->text(), keyed("Capture Text", "Ctrl+Shift+L"));
    rig.calls.clear();
    press(37, shift | super);
    press(37, control | shift);
    EXPECT_EQ(rig.calls, QStringList{"capture"});
}

TEST(FirstLaunchTooltipTest, TheKeyCapStandsWhereTheLanguagesSentencePutsIt)
{
    FirstLaunchTooltip tooltip("Shift+Super+L");
    tooltip.show();
    // The texts of the key cap's line, left to right.
    const auto line = [&] {
        const auto *cap = tooltip.findChild<QLabel *>("keyCap");
        QList<const QLabel *> shown;
        for (const QLabel *label : tooltip.findChildren<QLabel *>()) {
            if (label->isVisible() && label->geometry().contains(label->x() + 1, cap->geometry().center().y()))
                shown << label;
        }
        std::sort(shown.begin(), shown.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
        QStringList texts;
        for (const QLabel *label : shown)
            texts << label->text();
        return texts;
    };
    EXPECT_TRUE(test::waitUntil([&] { return line() == QStringList{"Press", "Shift+Super+L", "to capture text"}; }))
        << line().join(" | ").toStdString();
    test::ScopedInterfaceLanguage japanese("ja");
    EXPECT_TRUE(test::waitUntil([&] { return line() == QStringList{"Shift+Super+L", "を押してテキストをキャプチャ"}; }))
        << line().join(" | ").toStdString();
}

TEST(MenuBarControllerTest, ABuildWithoutAnUpdateFeedOffersNoCheck)
{
    Rig rig(false, false);
    QStringList rows;
    for (const QAction *action : rig.controller->menu()->actions())
        rows << (action->isSeparator() ? QString("-") : action->objectName());
    EXPECT_EQ(rows, (QStringList{"handleCaptureText", "handleScanCode", "handleImportFromiPhone", "-",
                                 "handleOpenHistory", "-", "handleOpenPreferences", "handleSendFeedback", "-",
                                 "handleAbout", "handleQuit"}));
}
