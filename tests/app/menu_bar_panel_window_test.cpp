// SPDX-License-Identifier: GPL-3.0-or-later
// The dormant menu-bar panel: its rows, and the two watches it keeps while shown.
#include "app/menu_bar_panel_window.h"
#include "app/modern_menu_bar_button.h"

#include "support/event_loop.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// Counts the key presses that reach it.
struct KeyCounter : QObject {
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::KeyPress;
        return false;
    }
};

struct Panel {
    QStringList ran;
    MenuBarPanelWindow window{{[this] { ran << "capture"; }, [this] { ran << "history"; },
                               [this] { ran << "preferences"; }, [this] { ran << "quit"; }}};
    QLineEdit elsewhere;
    KeyCounter keys;

    Panel()
    {
        window.move(100, 100);
        elsewhere.setGeometry(900, 600, 200, 30);
        elsewhere.show();
        elsewhere.installEventFilter(&keys);
        window.makeKeyAndOrderFront();
    }
    bool watching() const { return window.hasClickOutsideMonitor() && window.hasEscapeKeyMonitor(); }
    bool watchingNothing() const { return !window.hasClickOutsideMonitor() && !window.hasEscapeKeyMonitor(); }
};

} // namespace

TEST(MenuBarPanel, RowsRunTheirActionsAndTheCaptureRowIsDrawnFocused)
{
    Panel panel;
    MenuBarPanelView &view = *panel.window.hostingView();
    EXPECT_EQ(view.focusedIndex(), 0);
    ASSERT_EQ(view.rows().size(), 4);
    for (ModernMenuBarButton *row : view.rows())
        QTest::mouseClick(row, Qt::LeftButton);
    EXPECT_EQ(panel.ran, (QStringList{"capture", "history", "preferences", "quit"}));
    EXPECT_TRUE(panel.window.isVisible()); // clicks inside do not hide it

    // Focused capture row: white on the accent, whether or not the mouse is over it.
    const QPalette &palette = view.palette();
    const QColor accent = palette.color(QPalette::Highlight);
    const ModernMenuBarButton::Colours capture = view.rows()[0]->currentColours();
    EXPECT_EQ(capture.background, accent);
    EXPECT_EQ(capture.icon, QColor(Qt::white));
    EXPECT_EQ(capture.title, QColor(Qt::white));
    // Another row under the mouse: a faint grey, not the accent.
    const ModernMenuBarButton::Colours hovered = ModernMenuBarButton::colours(palette, false, false, true);
    EXPECT_NEAR(hovered.background.alphaF(), palette.color(QPalette::WindowText).alphaF() * 0.08, 0.001);
    EXPECT_EQ(hovered.icon, accent);
}

TEST(MenuBarPanel, EscapeHidesItAndStopsThereWhileOtherKeysPassThrough)
{
    Panel panel;
    ASSERT_TRUE(panel.watching());
    QTest::keyClick(&panel.elsewhere, Qt::Key_A);
    EXPECT_EQ(panel.elsewhere.text(), "a");
    EXPECT_EQ(panel.keys.presses, 1);
    EXPECT_TRUE(panel.window.isVisible());

    QTest::keyClick(&panel.elsewhere, Qt::Key_Escape);
    EXPECT_EQ(panel.keys.presses, 1);
    EXPECT_FALSE(panel.window.isVisible());
    EXPECT_TRUE(panel.watchingNothing());
    // Once hidden, Escape is nobody's business of the panel.
    QTest::keyClick(&panel.elsewhere, Qt::Key_Escape);
    EXPECT_EQ(panel.keys.presses, 2);
}

TEST(MenuBarPanel, APressOutsideOrAnyOtherWayOfHidingEndsBothWatches)
{
    Panel panel;
    QTest::mouseClick(&panel.elsewhere, Qt::RightButton);
    EXPECT_FALSE(panel.window.isVisible());
    EXPECT_TRUE(panel.watchingNothing());

    // Shown twice, then hidden directly: nothing stays behind.
    panel.window.makeKeyAndOrderFront();
    panel.window.makeKeyAndOrderFront();
    ASSERT_TRUE(panel.watching());
    panel.window.hide();
    EXPECT_TRUE(panel.watchingNothing());
    panel.window.makeKeyAndOrderFront();
    panel.window.orderOut();
    EXPECT_TRUE(panel.watchingNothing());
}
