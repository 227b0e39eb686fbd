// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/selection_overlay_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quorvane {

SelectionOverlayWindow::SelectionOverlayWindow(const QRect &bounds, const QImage &picture)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::BypassWindowManagerHint | Qt::Tool)
    , m_picture(picture)
    , m_dimmed(picture.convertToFormat(QImage::Format_RGB32))
{
    // Dimmed once here, so a paint during a drag is two plain copies of the picture.
    {
        QPainter dim(&m_dimmed);
        dim.fillRect(QRectF(QPointF(0, 0), m_dimmed.deviceIndependentSize()), QColor(0, 0, 0, 110));
    }
    setObjectName(QStringLiteral("SelectionOverlayWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(bounds);
}

void SelectionOverlayWindow::redrawEveryFrameFor(std::chrono::milliseconds duration)
{
    m_redrawSpan = duration;
}

QPoint SelectionOverlayWindow::clamped(const QPointF &position) const
{
    // A point on the right or bottom edge is allowed so a selection can reach the edge.
    return {std::clamp(qRound(position.x()), 0, width()),
            std::clamp(qRound(position.y()), 0, height())};
}

QRect SelectionOverlayWindow::selection() const
{
    if (!m_anchor)
        return {};
    const QPoint a = *m_anchor;
    const QPoint b = m_current;
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QSize(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
}

void SelectionOverlayWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QRectF(rect()), m_dimmed);
    const QRect selected = selection();
    if (!selected.isEmpty()) {
        const qreal ratio = m_picture.devicePixelRatio();
        const QRectF source(selected.x() * ratio, selected.y() * ratio, selected.width() * ratio,
                            selected.height() * ratio);
        painter.drawImage(QRectF(selected), m_picture, source);
        painter.setPen(QPen(QColor(80, 160, 255), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(selected).adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    if (!m_paintedOnce && m_redrawSpan.count() > 0)
        m_redrawUntil = QDeadlineTimer(m_redrawSpan, Qt::PreciseTimer);
    if (!m_redrawUntil.hasExpired()) {
        // Queued: an update asked for during a paint would be lost. On Wayland it waits
        // for the compositor's next frame.
        QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }
    if (!m_paintedOnce) {
        m_paintedOnce = true;
        // Queued, so it arrives after this paint has been flushed to the window.
        QMetaObject::invokeMethod(this, &SelectionOverlayWindow::painted, Qt::QueuedConnection);
    }
}

void SelectionOverlayWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        m_anchor.reset();
        emit dismissed();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_anchor = clamped(event->position());
    m_current = *m_anchor;
    m_shownSelection = selection();
}

void SelectionOverlayWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_anchor)
        return;
    // Outside the window the press's implicit grab keeps the events coming here; the
    // selection stays on this monitor.
    m_current = clamped(event->position());
    // Only where the selection was or now is needs painting; a whole 4K window would
    // make the drag lag.
    const QRect now = selection();
    update(QRegion(m_shownSelection.adjusted(-2, -2, 2, 2)) + QRegion(now.adjusted(-2, -2, 2, 2)));
    m_shownSelection = now;
}

void SelectionOverlayWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_anchor)
        return;
    m_current = clamped(event->position());
    const QRect chosen = selection();
    m_anchor.reset();
    emit selected(chosen);
}

void SelectionOverlayWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_anchor.reset();
        emit dismissed();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quorvane
