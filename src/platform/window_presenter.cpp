// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_presenter.h"

#include "platform/log_categories.h"
#include "platform/tiling_float.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvane {

void useActivationToken(const QString &token)
{
    // Qt's Wayland shell reads it when a window asks for the focus, and clears it.
    qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    qCInfo(lcPlatform) << "An activation token came with a command";
}

void presentWindow(QWidget &window, WindowPlacement placement)
{
    if (placement == WindowPlacement::centred) {
        QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame(QPoint(0, 0), window.size());
            frame.moveCenter(screen->availableGeometry().center());
            window.move(frame.topLeft());
        }
    }
    floatWhenShown(window);
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}

} // namespace quorvane
