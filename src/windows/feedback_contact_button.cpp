// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/feedback_contact_button.h"

#include "windows/onboarding_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextOption>

namespace quorvane {

namespace {

constexpr int rowPaddingX = 12;
constexpr int rowPaddingY = 10;
constexpr int iconPadding = 10;
constexpr int textPixelSize = 13;
constexpr int arrowSize = 10;
constexpr int symbolSide = 14;
constexpr qreal cornerRadius = 8;

} // namespace

FeedbackContactButton::FeedbackContactButton(const QString &text, Symbol symbol, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol)
{
    setText(text);
    QFont body = font();
    body.setPixelSize(textPixelSize);
    setFont(body);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(isRow() ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize FeedbackContactButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    if (!isRow())
        return QSize(symbolSide + 2 * iconPadding, qMax(symbolSide, metrics.height()) + 2 * iconPadding);
    return QSize(metrics.horizontalAdvance(text()) + 8 + arrowSize + 2 * rowPaddingX,
                 metrics.height() + 2 * rowPaddingY);
}

QSize FeedbackContactButton::minimumSizeHint() const
{
    return sizeHint();
}

void FeedbackContactButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = accentColour(palette());

    QColor fill = accent;
    fill.setAlphaF(isDown() ? 0.2 : 0.1);
    QColor outline = accent;
    outline.setAlphaF(hasFocus() ? 0.6 : 0.3);
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(plate, cornerRadius, cornerRadius);
    p.fillPath(shape, fill);
    p.setPen(QPen(outline, 1));
    p.drawPath(shape);

    const qreal ratio = devicePixelRatioF();
    if (!isRow()) {
        const QPixmap icon = symbolPixmap(m_symbol, symbolSide, accent, ratio);
        p.drawPixmap(QPointF((width() - symbolSide) / 2.0, (height() - symbolSide) / 2.0), icon);
        return;
    }

    const QRect content = rect().adjusted(rowPaddingX, rowPaddingY, -rowPaddingX, -rowPaddingY);
    p.setPen(accent);
    p.setFont(font());
    // The arrow at the end of the reading direction; the address or handle itself always
    // reads left to right ("@corvantis", never "corvantis@").
    const QRect textArea = QStyle::visualRect(layoutDirection(), content, content.adjusted(0, 0, -(arrowSize + 8), 0));
    QTextOption option(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter));
    option.setTextDirection(Qt::LeftToRight);
    p.drawText(QRectF(textArea), QFontMetrics(font()).elidedText(text(), Qt::ElideRight, textArea.width()), option);
    const QPixmap arrow = symbolPixmap(m_symbol, arrowSize, secondaryColour(palette()), ratio);
    const QRect arrowArea(content.right() + 1 - arrowSize, content.top(), arrowSize, content.height());
    p.drawPixmap(QPointF(QStyle::visualRect(layoutDirection(), content, arrowArea).left(),
                         content.center().y() - arrowSize / 2.0 + 0.5),
                 arrow);
}

} // namespace quorvane
