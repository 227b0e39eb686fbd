// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <chrono>
#include <optional>

namespace quorvane {

// One monitor's part of the selection overlay: a frameless window over the whole monitor
// that shows its frozen picture dimmed, with a crosshair cursor; the user drags a
// rectangle, which is shown undimmed.
class SelectionOverlayWindow : public QWidget {
    Q_OBJECT
public:
    // `bounds` in global points; `picture` what the monitor showed, at device resolution.
    SelectionOverlayWindow(const QRect &bounds, const QImage &picture);

    // Draws the whole window again on every frame until `duration` after its first paint.
    void redrawEveryFrameFor(std::chrono::milliseconds duration);

signals:
    // The first paint reached the screen.
    void painted();
    // A left-button drag ended; `rect` in points relative to this window, clamped to it.
    void selected(const QRect &rect);
    // Escape or a right click.
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint clamped(const QPointF &position) const;
    QRect selection() const;

    QImage m_picture;
    QImage m_dimmed;
    QRect m_shownSelection;
    std::optional<QPoint> m_anchor;
    QPoint m_current;
    bool m_paintedOnce = false;
    std::chrono::milliseconds m_redrawSpan{0};
    QDeadlineTimer m_redrawUntil;
};

} // namespace quorvane
