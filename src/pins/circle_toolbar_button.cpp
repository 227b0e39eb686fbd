// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/circle_toolbar_button.h"

#include "pins/pin_style.h"
#include "platform/motion_preference.h"

#include <QLinearGradient>
#include <QPainter>

namespace quorvane {

CircleToolbarButton::CircleToolbarButton(const MotionPreference &motion, QWidget *parent)
    : QAbstractButton(parent), m_motion(motion)
{
    setFixedSize(kSize, kSize);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    m_hoverAnimation.setDuration(kHoverFadeMs);
    m_hoverAnimation.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_hoverAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_hoverProgress = value.toReal();
        update();
    });
}

void CircleToolbarButton::setContent(Content content)
{
    if (content == m_content)
        return;
    m_content = content;
    update();
}

void CircleToolbarButton::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    update();
}

void CircleToolbarButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHovered(true);
}

void CircleToolbarButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void CircleToolbarButton::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    const qreal target = hovered ? 1.0 : 0.0;
    m_hoverAnimation.stop();
    if (m_motion.reduceMotion()) {
        m_hoverProgress = target;
        update();
        return;
    }
    m_hoverAnimation.setStartValue(m_hoverProgress);
    m_hoverAnimation.setEndValue(target);
    m_hoverAnimation.start();
}

void CircleToolbarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect());
    const float glow = float(m_hoverProgress);

    painter.setPen(Qt::NoPen);
    painter.setBrush(pin_style::systemGray(0.1f + 0.1f * glow));
    painter.drawEllipse(disc);
    if (glow > 0) {
        QLinearGradient shine(disc.topLeft(), disc.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, int(255 * 0.15 * glow)));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(shine);
        painter.drawEllipse(disc);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, int(255 * 0.2 * glow)), 0.5));
        painter.drawEllipse(disc.adjusted(0.25, 0.25, -0.25, -0.25));
    }

    const QColor color = m_active ? pin_style::accent(palette()) : pin_style::secondary(palette());
    if (const auto *symbol = std::get_if<PinSymbol>(&m_content)) {
        // The label is drawn at the size of 12-point text, medium weight.
        const QRectF box(disc.center() - QPointF(6.5, 6.5), QSizeF(13, 13));
        paintSymbol(painter, *symbol, box, color);
    } else {
        paintDots(painter, color, std::get<OpacityDots>(m_content).level);
    }
}

// Three 3 x 3 dots, 2 apart, the first `level` full and the rest faint.
void CircleToolbarButton::paintDots(QPainter &painter, const QColor &color, int level) const
{
    constexpr qreal dot = 3;
    constexpr qreal gap = 2;
    const QPointF centre = QRectF(rect()).center();
    const qreal left = centre.x() - (3 * dot + 2 * gap) / 2;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(i < level ? color : pin_style::faded(color, 0.3f));
        painter.drawEllipse(QRectF(left + i * (dot + gap), centre.y() - dot / 2, dot, dot));
    }
}

} // namespace quorvane
