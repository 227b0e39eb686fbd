#include "windows/about_window_controller.h"

#include "windows/about_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace quorvane {

QPointer<QWidget> AboutWindowController::s_window;

namespace {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void AboutWindowController::show()
{
    if (s_window && s_window->isVisible()) {
        bringForward(s_window);
        return;
    }

    // Titled and closable only: no minimise or zoom button, and a fixed size.
    auto *window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    window->setObjectName(QStringLiteral("AboutWindow"));
    //: Title of the About window
    //% "About Quorvane"
    window->setWindowTitle(qtTrId("about.window.title"));
    // Closing only hides the window; the next `show` replaces it.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new AboutView(window);
    layout->addWidget(view);
    window->setFixedSize(view->size());
    centreOnScreen(window);
    bringForward(window);

    if (s_window)
        s_window->deleteLater();
    s_window = window;
}

QWidget *AboutWindowController::window()
{
    return s_window;
}

} // namespace quorvane
