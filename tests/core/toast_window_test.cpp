// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/toast_content_view.h"
#include "core/toast_window.h"
#include "platform/x11_display_list.h"
#include "core/notification_service.h"
#include "support/crowded_texts.h"
#include "support/desktop_fonts.h"
#include "support/event_loop.h"
#include "support/fake_notification_platform.h"
#include "support/line_breaks.h"
#include "support/scoped_interface_language.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;
using quorvane::test::FakeDisplayList;

namespace {

std::unique_ptr<ToastWindow> makeToast(const DisplayList &displays,
                                       std::optional<quint32> displayID,
                                       ToastWindow::ClickHandler onClick = {},
                                       std::optional<QUuid> captureID = QUuid::createUuid())
{
    return std::make_unique<ToastWindow>("Text Captured", "Copied to clipboard",
                                         ToastType::success, CaptureMode::normal, captureID,
                                         displayID, std::move(onClick), displays);
}

// Two monitors side by side; the left one is the main one and has a panel at its top.
FakeDisplayList twoMonitors()
{
    FakeDisplayList displays;
    displays.all = {{.id = 7, .bounds = QRect(0, 0, 1440, 900), .availableGeometry = QRect(0, 25, 1440, 875)},
                    {.id = 9, .bounds = QRect(1440, 0, 1920, 1080), .availableGeometry = QRect(1440, 0, 1920, 1050)}};
    displays.mainID = 7;
    return displays;
}

// The card's texts that leave the card, lie on one another or on the icon, or (for right
// to left) do not stand at the right beside an icon on the right; empty when all is well.
QStringList crowdedToastTexts(const ToastContentView &view)
{
    QStringList crowded;
    const QRectF card = ToastContentView::cardShape(view.rect()).boundingRect();
    const QRectF icon = view.iconArea();
    const QList<ToastContentView::ShownText> texts = view.shownTexts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const ToastContentView::ShownText &text = texts[i];
        if (!card.contains(text.area))
            crowded << QStringLiteral("outside: ") + text.text;
        if (text.area.intersects(icon))
            crowded << QStringLiteral("on the icon: ") + text.text;
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            if (text.area.intersects(texts[j].area))
                crowded << text.text + QStringLiteral(" / ") + texts[j].text;
        }
        // Title and message lines start at the icon's side; the badge follows the title.
        const bool line = i == 0 || text.text != ToastContentView::captureModeBadge(view.captureMode());
        const qreal start = view.isRightToLeft() ? text.area.right() : text.area.left();
        const qreal titleStart = view.isRightToLeft() ? texts[0].area.right() : texts[0].area.left();
        if (line && qAbs(start - titleStart) > 1)
            crowded << QStringLiteral("not aligned: ") + text.text;
        if (view.isRightToLeft() ? icon.left() < text.area.right() : icon.right() > text.area.left())
            crowded << QStringLiteral("not mirrored: ") + text.text;
    }
    return crowded;
}

} // namespace

TEST(ToastContent, ShortensOnlyMessagesFromTwoHundredAndOneCharacters)
{
    const QString full(200, QLatin1Char('a'));
    EXPECT_EQ(ToastContentView::displayedMessage(full), full);
    const QString over = full + QLatin1Char('b');
    EXPECT_EQ(ToastContentView::displayedMessage(over), QString(197, QLatin1Char('a')) + "...");

    // Counted in user-perceived characters: 200 flags are 400 code points but 200 characters.
    QString flags;
    for (int i = 0; i < 200; ++i)
        flags += QStringLiteral("🇩🇪");
    EXPECT_EQ(ToastContentView::displayedMessage(flags), flags);
    const QString shortened = ToastContentView::displayedMessage(flags + QStringLiteral("🇫🇷"));
    EXPECT_TRUE(shortened.endsWith("..."));
    EXPECT_EQ(shortened.left(shortened.size() - 3), flags.left(197 * 4));
}

TEST(ToastContent, BadgesOnlyRepeatAndCodeCaptures)
{
    EXPECT_EQ(ToastContentView::captureModeBadge(CaptureMode::repeat), "↻");
    EXPECT_EQ(ToastContentView::captureModeBadge(CaptureMode::code), "</>");
    EXPECT_EQ(ToastContentView::captureModeBadge(CaptureMode::normal), "");
    EXPECT_EQ(ToastContentView::captureModeBadge(CaptureMode::scanCode), "");
    EXPECT_EQ(ToastContentView::captureModeBadge(std::nullopt), "");
}

TEST(ToastContent, AccessibilityLabelReadsWholeMessageAndMode)
{
    const QString longMessage = QString(70, QLatin1Char('x'));
    EXPECT_EQ(ToastContentView::toastAccessibilityLabel("Text Captured", longMessage, CaptureMode::normal),
              "Text Captured. " + longMessage);
    EXPECT_EQ(ToastContentView::toastAccessibilityLabel("Text Re-captured", "Copied to clipboard",
                                                        CaptureMode::repeat),
              "Text Re-captured. Copied to clipboard. Repeat mode");
    EXPECT_EQ(ToastContentView::toastAccessibilityLabel("Code Captured", "Copied", CaptureMode::code),
              "Code Captured. Copied. Code mode");
    // A scan-code toast shows no badge but is still announced with its mode.
    EXPECT_EQ(ToastContentView::toastAccessibilityLabel("Code Captured", "Copied", CaptureMode::scanCode),
              "Code Captured. Copied. Code scan");
    EXPECT_EQ(ToastContentView::toastAccessibilityLabel("Capture Failed", "Boom", std::nullopt),
              "Capture Failed. Boom");
}

TEST(ToastContent, IsOneAccessibleButtonThatClicks)
{
    ToastContentView view("Capture Failed", "Disk full", ToastType::error, std::nullopt);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Capture Failed. Disk full");
    EXPECT_EQ(accessible->text(QAccessible::Description), "Double-click to open in history");
    EXPECT_EQ(accessible->childCount(), 0);

    int clicks = 0;
    QObject::connect(&view, &ToastContentView::clicked, [&] { ++clicks; });
    QAccessibleActionInterface *actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST(ToastContent, ProgressHasANeutralSymbolOfItsOwnWhereFailuresKeepTheWarningSign)
{
    // The hue of the icon's ink (saturated, bright pixels), as painted: with the icon
    // theme's symbol and without a theme.
    const auto iconHue = [](ToastType type) {
        ToastContentView view("Reading Text…", "Click here or press Escape to cancel.", type, std::nullopt);
        view.resize(360, view.heightForWidth(360));
        const QImage image = view.grab().toImage();
        const QRect icon = view.iconArea().toAlignedRect();
        QList<int> hues;
        for (int x = icon.left(); x <= icon.right(); ++x) {
            for (int y = icon.top(); y <= icon.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.saturation() > 150 && c.value() > 120)
                    hues << c.hue();
            }
        }
        std::sort(hues.begin(), hues.end());
        return hues.isEmpty() ? -1 : hues.at(hues.size() / 2);
    };
    const QString theme = QIcon::themeName();
    for (const QString &name : {QStringLiteral("Adwaita"), QStringLiteral("quorvane-test-no-such-theme")}) {
        QIcon::setThemeName(name);
        // Blue for work under way; orange stays the warning's.
        EXPECT_NEAR(iconHue(ToastType::progress), iconColor(ToastType::progress).hue(), 8) << name.toStdString();
        EXPECT_NEAR(iconHue(ToastType::warning), iconColor(ToastType::warning).hue(), 8) << name.toStdString();
    }
    QIcon::setThemeName(theme);
}

TEST(ToastContent, RightToLeftMirrorsTheIconAndTheText)
{
    ToastContentView view("Capture Failed", "Disk full", ToastType::error, std::nullopt);
    view.resize(360, view.heightForWidth(360));
    // The columns of the icon's colour and of the dark text, as painted.
    const auto ink = [&](Qt::LayoutDirection direction) {
        view.setLayoutDirection(direction);
        const QImage image = view.grab().toImage();
        int iconLeft = image.width(), textLeft = image.width(), textRight = 0;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.saturation() > 150 && c.value() > 120)
                    iconLeft = std::min(iconLeft, x);
                else if (c.alpha() > 200 && c.value() < 90) {
                    textLeft = std::min(textLeft, x);
                    textRight = std::max(textRight, x);
                }
            }
        }
        return std::tuple{iconLeft, textLeft, textRight};
    };
    const auto [ltrIcon, ltrTextLeft, ltrTextRight] = ink(Qt::LeftToRight);
    const auto [rtlIcon, rtlTextLeft, rtlTextRight] = ink(Qt::RightToLeft);
    EXPECT_LT(ltrIcon, view.width() / 4);
    EXPECT_GT(rtlIcon, view.width() * 3 / 4);
    // The text starts beside the icon: at the right end, its short lines reach the icon.
    EXPECT_LT(ltrTextLeft, view.width() / 4);
    EXPECT_GT(rtlTextLeft, view.width() / 4);
    EXPECT_GT(rtlTextRight, ltrTextRight);
}

TEST(ToastContent, EveryTranslationFitsTheCardAndArabicMirrorsIt)
{
    FakeDisplayList displays = twoMonitors();
    for (const QFont &font : test::desktopFonts()) {
        test::ScopedApplicationFont desktop(font);
        ASSERT_TRUE(desktop.fontIsInstalled()) << test::fontName(font);
        for (const QString &code : test::everyInterfaceLanguage()) {
            test::ScopedInterfaceLanguage language(code);
            // The success toast of each capture, the longest error a capture gives, and the
            // one shown while the text is read.
            std::vector<std::unique_ptr<ToastWindow>> toasts;
            for (CaptureMode mode : {CaptureMode::normal, CaptureMode::repeat, CaptureMode::code, CaptureMode::scanCode}) {
                toasts.push_back(std::make_unique<ToastWindow>(NotificationService::successTitle(mode),
                                                               qtTrId("notification.capture_success.message"),
                                                               ToastType::success, mode, QUuid::createUuid(), 7,
                                                               ToastWindow::ClickHandler{}, displays));
            }
            toasts.push_back(std::make_unique<ToastWindow>(qtTrId("notification.capture_error.title"),
                                                           qtTrId("error.coordinator.no_last_region"), ToastType::error,
                                                           std::nullopt, std::nullopt, 7, ToastWindow::ClickHandler{},
                                                           displays));
            for (const char *message : {"notification.recognition_running.escape", "notification.recognition_running.click"}) {
                toasts.push_back(std::make_unique<ToastWindow>(qtTrId("notification.recognition_running.title"),
                                                               qtTrId(message), ToastType::progress, std::nullopt,
                                                               std::nullopt, 7, ToastWindow::ClickHandler{}, displays));
            }
            for (const auto &toast : toasts) {
                toast->layout()->activate();
                const ToastContentView &view = *toast->contentView();
                EXPECT_EQ(view.isRightToLeft(), code == "ar") << code.toStdString();
                EXPECT_EQ(crowdedToastTexts(view).join(" | ").toStdString(), "")
                    << code.toStdString() << " " << view.title().toStdString() << " " << test::fontName(font);
                // Japanese wraps between phrases, never inside a word ("Esc" / "キー").
                EXPECT_EQ(test::breaksTheLanguageForbids(view.messageLines(), code).join(" ").toStdString(), "")
                    << code.toStdString() << " " << test::fontName(font);
            }
        }
    }
}

TEST(ToastPlacement, CentresBelowTopOfAvailableAreaInQtCoordinates)
{
    const FakeDisplayList displays = twoMonitors();
    // The main monitor's area starts below a 25 px panel: 20 px further down.
    EXPECT_EQ(makeToast(displays, 7)->geometry(), QRect(540, 45, 360, 80));
    EXPECT_EQ(makeToast(displays, 9)->geometry(), QRect(1440 + 780, 20, 360, 80));
}

TEST(ToastPlacement, FallsBackToMainThenFirstMonitorThenOrigin)
{
    FakeDisplayList displays = twoMonitors();
    EXPECT_EQ(makeToast(displays, 12345)->geometry(), QRect(540, 45, 360, 80));
    EXPECT_EQ(makeToast(displays, std::nullopt)->geometry(), QRect(540, 45, 360, 80));

    displays.mainID = 0;
    EXPECT_EQ(makeToast(displays, std::nullopt)->geometry(), QRect(540, 45, 360, 80));
    std::swap(displays.all[0], displays.all[1]);
    EXPECT_EQ(makeToast(displays, 12345)->geometry(), QRect(2220, 20, 360, 80));

    displays.all.clear();
    EXPECT_EQ(makeToast(displays, 7)->geometry(), QRect(0, 0, 360, 80));
}

TEST(ToastPlacement, LandsOnTheRealScreenNamedByItsNumber)
{
    X11DisplayList displays;
    QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const quint32 id = displays.mainDisplayId();
    EXPECT_NE(id, 0u);
    EXPECT_EQ(id, X11DisplayList().mainDisplayId());  // stable

    const auto toast = makeToast(displays, id);
    const QRect area = screen->availableGeometry();
    EXPECT_EQ(toast->geometry().top(), area.top() + 20);
    EXPECT_EQ(toast->geometry().center().x(), area.center().x());
    EXPECT_TRUE(area.contains(toast->geometry()));
    toast->show(false);
    EXPECT_EQ(toast->screen(), screen);
}

TEST(ToastWindowLifecycle, IsInvisibleUntilShownAndFadesIn)
{
    FakeDisplayList displays = twoMonitors();
    auto toast = makeToast(displays, 7);
    EXPECT_FALSE(toast->isVisible());

    toast->show(true);
    EXPECT_TRUE(toast->isVisible());
    EXPECT_LT(toast->windowOpacity(), 0.5);
    EXPECT_TRUE(test::waitUntil([&] { return toast->windowOpacity() == 1.0; }));

    auto instant = makeToast(displays, 7);
    instant->show(false);
    EXPECT_TRUE(instant->isVisible());
    EXPECT_EQ(instant->windowOpacity(), 1.0);
}

TEST(ToastWindowLifecycle, HideWithoutAnimationClosesBeforeCompletion)
{
    FakeDisplayList displays = twoMonitors();
    auto toast = makeToast(displays, 7);
    toast->show(false);
    bool visibleInCompletion = true;
    int completions = 0;
    toast->hide(false, [&] {
        visibleInCompletion = toast->isVisible();
        ++completions;
    });
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(visibleInCompletion);
    EXPECT_TRUE(toast->isClosed());

    // A closed toast is never shown again; hiding it again completes at once.
    toast->show(false);
    EXPECT_FALSE(toast->isVisible());
    toast->hide(true, [&] { ++completions; });
    EXPECT_EQ(completions, 2);
}

TEST(ToastWindowLifecycle, AnimatedHideCompletesAfterFadeAndJoinsRepeatedHides)
{
    FakeDisplayList displays = twoMonitors();
    auto toast = makeToast(displays, 7);
    toast->show(true);
    int first = 0;
    int second = 0;
    toast->hide(true, [&] { ++first; });
    EXPECT_EQ(first, 0);
    EXPECT_TRUE(toast->isVisible());
    toast->hide(true, [&] { ++second; });

    ASSERT_TRUE(test::waitUntil([&] { return toast->isClosed(); }));
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    QTest::qWait(ToastWindow::kFadeMs + 50);  // nothing runs twice after the fade
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST(ToastWindowLifecycle, HideWithoutAnimationCutsARunningFadeShort)
{
    FakeDisplayList displays = twoMonitors();
    auto toast = makeToast(displays, 7);
    toast->show(false);
    int completions = 0;
    toast->hide(true, [&] { ++completions; });
    toast->hide(false, [&] { ++completions; });
    EXPECT_EQ(completions, 2);
    EXPECT_TRUE(toast->isClosed());
    QTest::qWait(ToastWindow::kFadeMs + 50);
    EXPECT_EQ(completions, 2);
}

TEST(ToastWindowClick, ReportsTheToastsRecord)
{
    FakeDisplayList displays = twoMonitors();
    const QUuid id = QUuid::createUuid();
    std::vector<std::optional<QUuid>> clicks;
    auto toast = makeToast(displays, 7, [&](std::optional<QUuid> captureID) { clicks.push_back(captureID); }, id);
    toast->show(false);
    QTest::mouseClick(toast->contentView(), Qt::LeftButton, {}, QPoint(100, 40));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], id);

    auto withoutHandler = makeToast(displays, 7);
    withoutHandler->show(false);
    QTest::mouseClick(withoutHandler->contentView(), Qt::LeftButton, {}, QPoint(100, 40));
    withoutHandler->handleClick();  // nothing to call, nothing happens
    EXPECT_TRUE(withoutHandler->isVisible());
}
