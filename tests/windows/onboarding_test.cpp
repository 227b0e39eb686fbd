// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_utils.h"
#include "platform/alert_presenter.h"
#include "platform/privacy_settings_opener.h"
#include "platform/user_defaults.h"
#include "platform/theme_icon.h"
#include "windows/onboarding_symbols.h"
#include "windows/onboarding_view.h"
#include "windows/pane_symbol.h"
#include "windows/permissions_page_view.h"
#include "windows/welcome_page_view.h"

#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/event_loop.h"
#include "support/foreign_wording.h"
#include "support/scoped_interface_language.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

using namespace quorvane;

namespace {

struct CountingOpener : PrivacySettingsOpener {
    int opens = 0;
    bool hasPrivacyPage() const override { return true; }
    QString openPrivacyPage() override
    {
        ++opens;
        return {};
    }
};

struct NoAlerts : AlertPresenter {
    int runModal(const Alert &) override { return -1; }
};

// An onboarding view over a private defaults file and switchable permission checks.
struct Rig {
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath("defaults.json")};
    CountingOpener opener;
    NoAlerts alerts;
    bool screenGranted = false;
    bool keysGranted = false;
    bool screenServiceMissing = false;
    bool shortcutsUnavailable = false;
    // Runs inside a screen check, after it read the grant and before it answers.
    std::function<void()> whileScreenCheckWaits;
    int completions = 0;
    std::unique_ptr<OnboardingView> view;

    Rig()
    {
        view = std::make_unique<OnboardingView>(defaults, services(), [this] { ++completions; });
    }

    PermissionsPageServices services()
    {
        auto screen = [this] {
            const bool answer = screenGranted;
            if (auto waiting = std::exchange(whileScreenCheckWaits, {}))
                waiting();
            return answer;
        };
        return {{screen, [this] { return keysGranted; }, [this] { return screenServiceMissing; },
                 [this] { return shortcutsUnavailable; }},
                opener, alerts};
    }

    bool seen() const { return defaults.boolValue(OnboardingView::hasSeenOnboardingKey).value_or(false); }
};

bool buttonShown(const QPushButton *button)
{
    return button && button->isVisibleTo(button->window());
}

bool labelShowing(const QWidget &root, const QString &text)
{
    const QList<QLabel *> labels = root.findChildren<QLabel *>();
    return std::any_of(labels.begin(), labels.end(), [&](const QLabel *label) { return label->text() == text; });
}

} // namespace

TEST(OnboardingViewTest, NextWalksToThePermissionsPageThenFinishesOncePerPress)
{
    Rig rig;
    const QString pressKeys = "Press " + leftToRightRun("Shift+Super+L") + " to capture text instantly";
    EXPECT_TRUE(labelShowing(*rig.view->welcomePage(), pressKeys));
    // Where the desktop offers programs no shortcuts, the page names the command to bind.
    rig.view->setCaptureShortcut(std::nullopt);
    EXPECT_FALSE(labelShowing(*rig.view->welcomePage(), pressKeys));
    EXPECT_TRUE(labelShowing(*rig.view->welcomePage(), "Bind the command \u201Cquorvane capture\u201D to a key in "
                                                      "your desktop's keyboard settings to capture text instantly"));
    // Nor does the description speak of a shortcut to press.
    const QList<QLabel *> labels = rig.view->welcomePage()->findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel *label) { return label->text().contains("Start a capture, drag to select"); }));
    EXPECT_FALSE(std::any_of(labels.begin(), labels.end(),
                             [](const QLabel *label) { return label->text().contains("press the keyboard shortcut"); }));
    EXPECT_EQ(rig.view->currentPage(), 0);
    EXPECT_EQ(rig.view->pageDots()->currentIndex(), 0);
    EXPECT_TRUE(buttonShown(rig.view->skipButton()));

    rig.view->nextButton()->click();
    EXPECT_EQ(rig.view->currentPage(), 1);
    EXPECT_EQ(rig.view->currentPageView(), rig.view->permissionsPage());
    EXPECT_EQ(rig.view->pageDots()->currentIndex(), 1);
    EXPECT_FALSE(buttonShown(rig.view->skipButton()));
    // The slide ends with the new page in place and the old one put away.
    ASSERT_TRUE(test::waitUntil([&] { return rig.view->welcomePage()->isHidden(); }));
    EXPECT_EQ(rig.view->permissionsPage()->geometry(), QRect(0, 0, OnboardingView::viewWidth, OnboardingView::pageHeight));
    EXPECT_EQ(test::foreignWordings(*rig.view), QStringList());
    EXPECT_FALSE(rig.seen());
    EXPECT_EQ(rig.completions, 0);

    // The last page finishes whatever the permissions, and stays where it is.
    rig.view->nextButton()->click();
    EXPECT_TRUE(rig.seen());
    EXPECT_EQ(rig.completions, 1);
    EXPECT_EQ(rig.view->currentPage(), 1);
    rig.view->nextButton()->click();
    EXPECT_EQ(rig.completions, 2);
}

TEST(OnboardingViewTest, SkipFinishesWithoutEverMakingThePermissionsPage)
{
    Rig rig;
    rig.view->skipButton()->click();
    EXPECT_TRUE(rig.seen());
    EXPECT_EQ(rig.completions, 1);
    EXPECT_EQ(rig.view->permissionsPage(), nullptr);
}

TEST(OnboardingViewTest, ReturnActsAsNextAndEscapeAsSkipOnTheWelcomePageOnly)
{
    Rig rig;
    rig.view->show();
    rig.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.view.get()));
    // The keys stay with their buttons in another language.
    test::ScopedInterfaceLanguage language("de");
    auto *next = rig.view->findChild<QPushButton *>("nextButton");
    ASSERT_TRUE(test::waitUntil([&] { return next->text() == "Weiter"; }));
    EXPECT_EQ(rig.view->findChild<QPushButton *>("skipButton")->text(), "Überspringen");
    EXPECT_TRUE(labelShowing(*rig.view, "Willkommen bei Quorvane"));

    // A shortcut presses its button visibly first, so the click comes a moment later.
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([&] { return rig.view->currentPage() == 1; }));
    language.english();
    // Skip is gone on the last page, and with it Escape; Return now finishes.
    QTest::keyClick(rig.view.get(), Qt::Key_Escape);
    QTest::keyClick(rig.view.get(), Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([&] { return rig.completions > 0; }));
    EXPECT_EQ(rig.completions, 1);

    Rig other;
    other.view->show();
    other.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.view.get()));
    QTest::keyClick(other.view.get(), Qt::Key_Escape);
    ASSERT_TRUE(test::waitUntil([&] { return other.completions == 1; }));
    EXPECT_EQ(other.view->currentPage(), 0);
    EXPECT_TRUE(other.seen());
}

TEST(PermissionsPageTest, RowsFollowTheLiveChecksWhileShown)
{
    Rig rig;
    rig.keysGranted = true;
    rig.view->show();
    rig.view->next();
    PermissionsPageView *page = rig.view->permissionsPage();
    ASSERT_NE(page, nullptr);

    // Checked at once on showing: the required row missing, the optional one granted.
    EXPECT_FALSE(page->screenRecordingRow()->isGranted());
    EXPECT_TRUE(buttonShown(page->screenRecordingRow()->grantButton()));
    EXPECT_TRUE(page->accessibilityRow()->isGranted());
    EXPECT_FALSE(buttonShown(page->accessibilityRow()->grantButton()));
    EXPECT_TRUE(page->accessibilityRow()->grantedLabel()->isVisibleTo(page));
    EXPECT_TRUE(page->instructionsLabel()->isVisibleTo(page));
    EXPECT_FALSE(rig.view->areRequiredPermissionsGranted());
    ASSERT_NE(page->permissionManager(), nullptr);

    // A grant made elsewhere shows up by itself on a later poll.
    rig.screenGranted = true;
    rig.keysGranted = false;
    ASSERT_TRUE(test::waitUntil([&] { return page->screenRecordingRow()->isGranted(); }));
    EXPECT_FALSE(buttonShown(page->screenRecordingRow()->grantButton()));
    EXPECT_FALSE(page->instructionsLabel()->isVisibleTo(page));
    EXPECT_TRUE(rig.view->areRequiredPermissionsGranted());
    // The instructions follow screen access only; the optional row offers its button again.
    EXPECT_FALSE(page->accessibilityRow()->isGranted());
    EXPECT_TRUE(buttonShown(page->accessibilityRow()->grantButton()));

    // Where the desktop lacks the service that reads the screen, the page says what to install.
    rig.screenGranted = false;
    rig.screenServiceMissing = true;
    ASSERT_TRUE(test::waitUntil([&] { return !page->screenRecordingRow()->isGranted(); }));
    EXPECT_TRUE(page->instructionsLabel()->text().contains("xdg-desktop-portal")) << page->instructionsLabel()->text().toStdString();
    // No grant would help: no Grant button that would do nothing, the row says why.
    EXPECT_FALSE(buttonShown(page->screenRecordingRow()->grantButton()));
    EXPECT_TRUE(page->screenRecordingRow()->unavailableLabel()->isVisibleTo(page));

    // A desktop without global shortcuts: the grabber could still ask, yet nothing is granted
    // and nothing to grant; the row tells how to bind the command instead.
    rig.keysGranted = true;
    rig.shortcutsUnavailable = true;
    ASSERT_TRUE(test::waitUntil([&] { return page->accessibilityRow()->unavailableLabel()->isVisibleTo(page); }));
    EXPECT_FALSE(page->accessibilityGranted());
    EXPECT_FALSE(page->accessibilityRow()->grantedLabel()->isVisibleTo(page));
    EXPECT_FALSE(buttonShown(page->accessibilityRow()->grantButton()));
    EXPECT_TRUE(labelShowing(*page, WelcomePageView::captureBindingHint()));
    // Where the desktop offers them (KDE's portal) the row is granted again.
    rig.shortcutsUnavailable = false;
    ASSERT_TRUE(test::waitUntil([&] { return page->accessibilityRow()->grantedLabel()->isVisibleTo(page); }));
    EXPECT_FALSE(page->accessibilityRow()->unavailableLabel()->isVisibleTo(page));
}

TEST(PermissionsPageTest, AnOlderSlowerCheckNeverOverwritesANewerResult)
{
    Rig rig;
    rig.view->show();
    rig.view->next();
    PermissionsPageView *page = rig.view->permissionsPage();
    ASSERT_FALSE(page->screenRecordingRow()->isGranted());

    // A check reads "missing"; while it waits for its answer the grant arrives and the next
    // tick's check shows it.
    rig.whileScreenCheckWaits = [&] {
        rig.screenGranted = true;
        page->checkPermissionStatus();
    };
    page->checkPermissionStatus();
    EXPECT_TRUE(page->screenRecordingRow()->isGranted());
    EXPECT_TRUE(rig.view->areRequiredPermissionsGranted());
}

TEST(PermissionsPageTest, PollsOnlyWhileOnScreen)
{
    Rig rig;
    rig.view->next();
    PermissionsPageView *page = rig.view->permissionsPage();
    EXPECT_EQ(page->permissionCheckTimer(), nullptr);
    EXPECT_EQ(page->permissionManager(), nullptr);

    rig.view->show();
    ASSERT_NE(page->permissionCheckTimer(), nullptr);
    EXPECT_TRUE(page->permissionCheckTimer()->isActive());
    EXPECT_EQ(page->permissionCheckTimer()->interval(), PermissionsPageView::pollIntervalMs);

    rig.view->hide();
    EXPECT_EQ(page->permissionCheckTimer(), nullptr);
    // Shown again, it checks at once and polls again, with the same manager.
    PermissionManager *manager = page->permissionManager();
    rig.screenGranted = true;
    rig.view->show();
    EXPECT_TRUE(page->screenRecordingRow()->isGranted());
    EXPECT_NE(page->permissionCheckTimer(), nullptr);
    EXPECT_EQ(page->permissionManager(), manager);
}

TEST(PermissionsPageTest, GrantButtonsOpenTheSettingsEvenWhenAlreadyGranted)
{
    Rig rig;
    rig.view->show();
    rig.view->next();
    PermissionsPageView *page = rig.view->permissionsPage();

    page->accessibilityRow()->grantButton()->click();
    EXPECT_EQ(rig.opener.opens, 1);
    rig.screenGranted = true;
    page->grantScreenRecording();
    EXPECT_EQ(rig.opener.opens, 2);
    // Asking changes no row: only the next check does.
    EXPECT_FALSE(page->screenRecordingRow()->isGranted());
}

TEST(OnboardingViewTest, EveryTranslationFitsBothPages)
{
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        Rig rig;
        rig.view->show();
        const auto checkEveryLanguage = [&](const char *page) {
            for (const QString &code : test::everyInterfaceLanguage()) {
                test::ScopedInterfaceLanguage language(code);
                ASSERT_TRUE(test::waitUntil([&] { return rig.view->nextButton()->text() != QString(); }));
                EXPECT_EQ(test::crowdedTextsOnceLaidOut(*rig.view), "")
                    << code.toStdString() << " " << page << " " << test::fontName(font);
            }
        };
        checkEveryLanguage("welcome");
        rig.view->nextButton()->click();
        ASSERT_TRUE(test::waitUntil([&] { return rig.view->welcomePage()->isHidden(); }));
        checkEveryLanguage("permissions");
    }
}

TEST(OnboardingSymbolsTest, TheIconThemesSymbolsInTheColourAskedForAndDrawnOnesWithoutATheme)
{
    const QString theme = QIcon::themeName();
    const QColor blue(0x0A, 0x84, 0xFF);
    const auto image = [](const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); };
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    const QImage themedKeyboard = image(symbolPixmap(Symbol::keyboard, 24, blue));
    const QImage themedLock = image(symbolPixmap(Symbol::shieldChecked, 24, blue));
    const QImage themedGear = image(paneSymbolPixmap(PaneSymbol::gearshape, blue, 24));
    EXPECT_EQ(themedKeyboard, image(themeSymbolPixmap({"input-keyboard"}, 24, blue)));
    EXPECT_EQ(themedLock, image(themeSymbolPixmap({"security-high"}, 24, blue)));
    EXPECT_EQ(themedGear, image(themeSymbolPixmap({"preferences-system"}, 24, blue)));
    EXPECT_EQ(image(symbolPixmap(Symbol::padlock, 24, blue)), image(themeSymbolPixmap({"changes-prevent"}, 24, blue)));
    // Every inked pixel in the colour asked for, as text beside it would be.
    int inked = 0;
    for (int y = 0; y < themedKeyboard.height(); ++y) {
        for (int x = 0; x < themedKeyboard.width(); ++x) {
            const QColor c = themedKeyboard.pixelColor(x, y);
            if (c.alpha() > 200) {
                ++inked;
                EXPECT_EQ(c.rgb(), blue.rgb()) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 20);
    // A disc symbol keeps its disc, with the theme's camera cut out of it.
    const QImage disc = image(symbolPixmap(Symbol::videoCircle, 24, blue));
    EXPECT_EQ(qAlpha(disc.pixel(12, 2)), 255);

    // Where the desktop has no theme with them, they are drawn.
    QIcon::setThemeName(QStringLiteral("quorvane-test-no-such-theme"));
    EXPECT_TRUE(themeSymbolPixmap({"input-keyboard"}, 24, blue).isNull());
    EXPECT_NE(image(symbolPixmap(Symbol::keyboard, 24, blue)), themedKeyboard);
    EXPECT_NE(image(paneSymbolPixmap(PaneSymbol::gearshape, blue, 24)), themedGear);
    EXPECT_FALSE(image(symbolPixmap(Symbol::keyboard, 24, blue)).isNull());
    QIcon::setThemeName(theme);
}

TEST(OnboardingViewTest, WelcomeFeaturesShowSymbolsLevelWithTheirTitles)
{
    Rig rig;
    rig.view->show();
    const QList<QLabel *> icons = rig.view->welcomePage()->findChildren<QLabel *>("featureIcon");
    const QList<QLabel *> titles = rig.view->welcomePage()->findChildren<QLabel *>("featureTitle");
    ASSERT_EQ(icons.size(), 3);
    ASSERT_EQ(titles.size(), 3);
    ASSERT_TRUE(test::waitUntil([&] { return !titles[0]->text().isEmpty() && icons[0]->isVisible(); }));
    for (qsizetype i = 0; i < icons.size(); ++i) {
        // A drawn symbol, not an emoji whose size and baseline vary from one to the next.
        EXPECT_TRUE(icons[i]->text().isEmpty());
        EXPECT_FALSE(icons[i]->pixmap().isNull());
        const auto top = [&](const QWidget *w) { return w->mapTo(rig.view.get(), QPoint(0, 0)).y(); };
        EXPECT_EQ(top(icons[i]) - top(titles[i]), top(icons[0]) - top(titles[0])) << i;
        EXPECT_EQ(icons[i]->size(), icons[0]->size());
    }
}
