#include "platform/selection_overlay_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace quorvane {

SelectionOverlayWindow::SelectionOverlayWindow(const QRect &bounds, const QImage &picture)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::BypassWindowManagerHint | Qt::Tool)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("SelectionOverlayWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::CrossCursor);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(bounds);
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
    painter.drawImage(QRectF(rect()), m_picture);
    const QRect selected = selection();
    QRegion dimmed(rect());
    if (!selected.isEmpty())
        dimmed -= QRegion(selected);
    painter.setClipRegion(dimmed);
    painter.fillRect(rect(), QColor(0, 0, 0, 110));
    painter.setClipping(false);
    if (!selected.isEmpty()) {
        painter.setPen(QPen(QColor(80, 160, 255), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(selected).adjusted(-0.5, -0.5, 0.5, 0.5));
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
    update();
}

void SelectionOverlayWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_anchor)
        return;
    // Outside the window the press's implicit grab keeps the events coming here; the
    // selection stays on this monitor.
    m_current = clamped(event->position());
    update();
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
