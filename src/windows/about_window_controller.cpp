// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about_window_controller.h"

#include "platform/language_change.h"
#include "platform/window_presenter.h"
#include "windows/about_view.h"

#include <QShortcut>
#include <QVBoxLayout>

namespace quorvane {

QPointer<QWidget> AboutWindowController::s_window;

void AboutWindowController::show()
{
    if (s_window && s_window->isVisible()) {
        presentWindow(*s_window, WindowPlacement::asItIs);
        return;
    }

    // Titled and closable only: no minimise or zoom button, and a fixed size.
    auto *window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    window->setObjectName(QStringLiteral("AboutWindow"));
    onLanguageChange(window, [window] {
        //: Title of the About window
        //% "About Quorvane"
        window->setWindowTitle(qtTrId("about.window.title"));
    });
    // Closing only hides the window; the next `show` replaces it.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // Like any dialog with a close button only: Escape closes it.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new AboutView(window);
    layout->addWidget(view);
    // The window takes the view's size, which a translation may make taller.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    presentWindow(*window, WindowPlacement::centred);

    if (s_window)
        s_window->deleteLater();
    s_window = window;
}

QWidget *AboutWindowController::window()
{
    return s_window;
}

} // namespace quorvane
