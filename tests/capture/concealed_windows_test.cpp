// Which of the program's windows a screen read hides, and which come back after it.
#include "capture/concealed_windows.h"
#include "capture/window_concealer.h"
#include "platform/screen_redraws.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// Keeps the area it was asked about; the wait it hands out ends at once.
class RecordingRedraws : public ScreenRedraws {
public:
    QRegion asked;
    QFuture<void> whenRedrawn(const QRegion &area, std::chrono::milliseconds) override
    {
        asked = area;
        return QtFuture::makeReadyFuture();
    }
};

std::unique_ptr<QWidget> panelAt(const QRect &geometry)
{
    auto panel = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    panel->setGeometry(geometry);
    panel->show();
    return panel;
}

} // namespace

TEST(ConcealedWindowsTest, HidesWindowsOverTheAreaAndShowsThemAgainUnlessClosedMeanwhile)
{
    const auto pin = panelAt({100, 100, 200, 100});
    const auto toast = panelAt({250, 150, 100, 50});
    const auto elsewhere = panelAt({900, 700, 100, 100});
    const auto skipped = panelAt({120, 120, 50, 50});
    RecordingRedraws redraws;
    {
        ConcealedWindows windows(QRect(0, 0, 300, 300), [&](const QWidget &w) { return &w != skipped.get(); },
                                 redraws);
        EXPECT_TRUE(pin->isVisible());
        windows.conceal(std::chrono::milliseconds(100));
        EXPECT_EQ(redraws.asked, QRegion(100, 100, 200, 100) + QRegion(250, 150, 50, 50));
        EXPECT_FALSE(pin->isVisible());
        EXPECT_FALSE(toast->isVisible());
        EXPECT_TRUE(elsewhere->isVisible());
        EXPECT_TRUE(skipped->isVisible());
        toast->close(); // a toast running out while the screen is read
    }
    EXPECT_TRUE(pin->isVisible());
    EXPECT_FALSE(toast->isVisible());
}

// On Wayland the compositor places the windows and the program does not learn where: every
// one of them may lie over the area.
TEST(ConcealedWindowsTest, WhereTheCompositorPlacesWindowsEveryOneIsHidden)
{
    const auto elsewhere = panelAt({900, 700, 100, 100});
    RecordingRedraws redraws;
    const WindowConcealer placed(redraws, {}, WindowConcealer::Placement::byThemselves);
    placed.windowsOver(QRect(0, 0, 50, 50))->conceal(std::chrono::milliseconds(100));
    EXPECT_TRUE(elsewhere->isVisible());

    const WindowConcealer unknown(redraws, {}, WindowConcealer::Placement::byTheCompositor);
    {
        const auto windows = unknown.windowsOver(QRect(0, 0, 50, 50));
        windows->conceal(std::chrono::milliseconds(100));
        EXPECT_FALSE(elsewhere->isVisible());
    }
    EXPECT_TRUE(elsewhere->isVisible());
}
