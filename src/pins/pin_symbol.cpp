// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_symbol.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace quorvane {

namespace {

void paintPhoto(QPainter &painter, const QRectF &box, qreal stroke)
{
    const QRectF frame = box.adjusted(stroke / 2, box.height() * 0.12, -stroke / 2, -box.height() * 0.12);
    painter.drawRoundedRect(frame, stroke * 1.5, stroke * 1.5);
    const qreal sun = frame.height() * 0.14;
    painter.drawEllipse(QPointF(frame.left() + frame.width() * 0.3, frame.top() + frame.height() * 0.32), sun, sun);
    QPainterPath hills;
    hills.moveTo(frame.left() + stroke, frame.bottom() - stroke);
    hills.lineTo(frame.left() + frame.width() * 0.4, frame.top() + frame.height() * 0.55);
    hills.lineTo(frame.left() + frame.width() * 0.58, frame.top() + frame.height() * 0.72);
    hills.lineTo(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.45);
    hills.lineTo(frame.right() - stroke, frame.bottom() - stroke);
    painter.drawPath(hills);
}

void paintAlignLeft(QPainter &painter, const QRectF &box)
{
    const qreal lengths[] = {1.0, 0.62, 1.0, 0.45};
    for (int i = 0; i < 4; ++i) {
        const qreal y = box.top() + box.height() * (0.2 + 0.2 * i);
        painter.drawLine(QPointF(box.left(), y), QPointF(box.left() + box.width() * lengths[i], y));
    }
}

// A large and a small letter A; `scale` sets the large one's share of the box.
void paintTextSize(QPainter &painter, const QRectF &box, const QColor &color, qreal scale)
{
    painter.setPen(color);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(4, int(box.height() * scale)));
    painter.setFont(font);
    const QRectF large(box.left() + box.width() * 0.3, box.top(), box.width() * 0.75, box.height());
    painter.drawText(large, Qt::AlignBottom | Qt::AlignHCenter, QStringLiteral("A"));
    font.setPixelSize(std::max(3, int(box.height() * scale * 0.6)));
    painter.setFont(font);
    const QRectF small(box.left() - box.width() * 0.05, box.top(), box.width() * 0.45, box.height());
    painter.drawText(small, Qt::AlignBottom | Qt::AlignHCenter, QStringLiteral("A"));
}

// A push pin leaning right: head, collar and needle.
void paintPin(QPainter &painter, const QRectF &box, const QColor &color, qreal stroke, bool filled, bool slashed)
{
    painter.save();
    painter.translate(box.center());
    painter.rotate(40);
    const qreal w = box.width();
    const qreal h = box.height();
    painter.setBrush(filled ? QBrush(color) : Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-w * 0.17, -h * 0.48, w * 0.34, h * 0.34), stroke, stroke);
    painter.drawRoundedRect(QRectF(-w * 0.3, -h * 0.14, w * 0.6, h * 0.1), stroke / 2, stroke / 2);
    painter.drawLine(QPointF(0, -h * 0.04), QPointF(0, h * 0.48));
    painter.restore();
    if (slashed)
        painter.drawLine(box.topLeft() + QPointF(stroke, stroke), box.bottomRight() - QPointF(stroke, stroke));
}

} // namespace

QString symbolName(PinSymbol symbol)
{
    switch (symbol) {
    case PinSymbol::photo: return QStringLiteral("photo");
    case PinSymbol::textAlignLeft: return QStringLiteral("text.alignleft");
    case PinSymbol::textFormatSizeSmaller: return QStringLiteral("textformat.size.smaller");
    case PinSymbol::textFormatSize: return QStringLiteral("textformat.size");
    case PinSymbol::textFormatSizeLarger: return QStringLiteral("textformat.size.larger");
    case PinSymbol::pinFill: return QStringLiteral("pin.fill");
    case PinSymbol::pinSlash: return QStringLiteral("pin.slash");
    case PinSymbol::xmark: return QStringLiteral("xmark");
    }
    return {};
}

void paintSymbol(QPainter &painter, PinSymbol symbol, const QRectF &box, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = std::max<qreal>(1.0, box.height() / 11);
    painter.setPen(QPen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (symbol) {
    case PinSymbol::photo:
        paintPhoto(painter, box, stroke);
        break;
    case PinSymbol::textAlignLeft:
        paintAlignLeft(painter, box);
        break;
    case PinSymbol::textFormatSizeSmaller:
        paintTextSize(painter, box, color, 0.8);
        break;
    case PinSymbol::textFormatSize:
        paintTextSize(painter, box, color, 1.0);
        break;
    case PinSymbol::textFormatSizeLarger:
        paintTextSize(painter, box, color, 1.2);
        break;
    case PinSymbol::pinFill:
        paintPin(painter, box, color, stroke, true, false);
        break;
    case PinSymbol::pinSlash:
        paintPin(painter, box, color, stroke, false, true);
        break;
    case PinSymbol::xmark: {
        const QRectF inner = box.adjusted(box.width() * 0.18, box.height() * 0.18, -box.width() * 0.18,
                                          -box.height() * 0.18);
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
        break;
    }
    }
    painter.restore();
}

} // namespace quorvane
