// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/selection_overlay.h"

#include "platform/selection_overlay_window.h"
#include "platform/session_type.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace quorvane {

namespace {

constexpr std::chrono::milliseconds waylandRedrawSpan{500};

} // namespace

SelectionOverlay::SelectionOverlay(DisplayList &displays, QObject *parent)
    : QObject(parent)
    , m_displays(displays)
{
}

SelectionOverlay::~SelectionOverlay()
{
    // finish() only schedules the windows' deletion, and no event loop may run after
    // this; they are deleted here.
    const QList<QPointer<SelectionOverlayWindow>> windows = m_windows;
    if (m_done)
        finish(std::nullopt);
    for (const QPointer<SelectionOverlayWindow> &window : windows)
        delete window.data();
}

bool SelectionOverlay::select(const QList<DisplayInfo> &displays, Completion done)
{
    if (m_done || displays.isEmpty()) {
        done(NoSelection::dismissed);
        return true;
    }
    m_painted = 0;

    // Grab every monitor before any overlay window exists, so the frozen pictures show
    // the desktop and not the overlay.
    QList<Frozen> frozen;
    for (const DisplayInfo &display : displays) {
        QImage picture = m_displays.grab(display.id, QRect(QPoint(0, 0), display.bounds.size()));
        if (!picture.isNull())
            frozen.append({display, std::move(picture)});
    }
    // Nothing to select from is a failure, not a choice the user made.
    if (frozen.isEmpty())
        return false;
    m_done = std::move(done);

    for (const Frozen &f : std::as_const(frozen)) {
        auto *window = new SelectionOverlayWindow(f.display.bounds, f.picture);
        m_windows.append(window);
        m_frozen.insert(window, f);
        connect(window, &SelectionOverlayWindow::painted, this, &SelectionOverlay::windowPainted);
        connect(window, &SelectionOverlayWindow::dismissed, this, [this] { finish(std::nullopt); });
        connect(window, &SelectionOverlayWindow::selected, this,
                [this, window](const QRect &rect) { finishWithSelection(window, rect); });
        showOver(window, f.display.bounds);
    }
    takeKeyboard();
    return true;
}

void SelectionOverlay::showOver(SelectionOverlayWindow *window, const QRect &bounds)
{
    if (currentSessionType() != SessionType::wayland) {
        window->show();
        return;
    }
    // A Wayland window cannot place itself; a full-screen one covers the whole output the
    // compositor shows it on, over every other window there.
    if (QScreen *screen = QGuiApplication::screenAt(bounds.center()))
        window->setScreen(screen);
    // sway sends the full-screen window on a monitor without the pointer its final
    // configuration late, and draws that monitor only once the window commits a frame
    // after acknowledging it; Qt commits nothing for a configuration that changes no size.
    // Drawing every frame for a while answers whenever it comes.
    window->redrawEveryFrameFor(waylandRedrawSpan);
    window->showFullScreen();
}

void SelectionOverlay::takeKeyboard()
{
    // The window under the pointer takes the keyboard, so Escape works wherever the user
    // looks; the windows bypass the window manager, which would not focus them.
    SelectionOverlayWindow *target = nullptr;
    const QPoint pointer = QCursor::pos();
    for (const QPointer<SelectionOverlayWindow> &window : std::as_const(m_windows)) {
        if (!window)
            continue;
        if (!target || window->geometry().contains(pointer))
            target = window;
    }
    if (!target)
        return;
    target->activateWindow();
    if (QWindow *handle = target->windowHandle())
        handle->requestActivate();
    target->setFocus(Qt::OtherFocusReason);
    target->grabKeyboard();
}

void SelectionOverlay::windowPainted()
{
    if (!m_done)
        return;
    if (++m_painted < m_windows.size())
        return;
    // The grab can fail while a window is not yet viewable; now every window is.
    takeKeyboard();
    emit shown();
}

void SelectionOverlay::finishWithSelection(SelectionOverlayWindow *window, const QRect &rect)
{
    const auto it = m_frozen.constFind(window);
    if (it == m_frozen.constEnd()) {
        finish(std::nullopt);
        return;
    }
    const Frozen &f = it.value();
    const qreal scale = f.picture.devicePixelRatio();
    // Cut from the frozen picture at device resolution.
    const QRect pixels = QRectF(rect.x() * scale, rect.y() * scale, rect.width() * scale,
                                rect.height() * scale)
                             .toRect()
                             .intersected(QRect(QPoint(0, 0), f.picture.size()));
    QImage image = pixels.isEmpty() ? QImage() : f.picture.copy(pixels);
    image.setDevicePixelRatio(scale);
    finish(RegionSelection{image, rect, f.display.id, f.display.scale});
}

void SelectionOverlay::finish(std::optional<RegionSelection> selection)
{
    if (!m_done)
        return;
    Completion done = std::move(m_done);
    m_done = nullptr;
    for (const QPointer<SelectionOverlayWindow> &window : std::as_const(m_windows)) {
        if (!window)
            continue;
        window->releaseKeyboard();
        window->hide();
        window->deleteLater();
    }
    m_windows.clear();
    m_frozen.clear();
    if (selection)
        done(std::move(*selection));
    else
        done(NoSelection::dismissed);
}

} // namespace quorvane
