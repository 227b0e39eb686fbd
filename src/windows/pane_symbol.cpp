// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/pane_symbol.h"

#include "platform/theme_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace quorvane {

namespace {

// Draws on a 24 x 24 grid.
void draw(QPainter &p, PaneSymbol symbol, const QColor &color)
{
    QPen line(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(12, 12);

    // The mark inside a filled shape is cut out, so it shows whatever lies behind.
    auto cutOut = [&](const QPainterPath &mark) {
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(mark);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    };

    switch (symbol) {
    case PaneSymbol::gearshape: {
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const qreal angle = (i * 2 * M_PI) / (teeth * 2) - M_PI / (teeth * 2);
            const qreal next = ((i + 1) * 2 * M_PI) / (teeth * 2) - M_PI / (teeth * 2);
            const qreal r = (i % 2 == 0) ? 10.0 : 7.6;
            const QPointF a = centre + QPointF(r * qCos(angle), r * qSin(angle));
            const QPointF b = centre + QPointF(r * qCos(next), r * qSin(next));
            if (i == 0)
                gear.moveTo(a);
            else
                gear.lineTo(a);
            gear.lineTo(b);
        }
        gear.closeSubpath();
        p.drawPath(gear);
        p.drawEllipse(centre, 3.2, 3.2);
        break;
    }
    case PaneSymbol::keyboard: {
        p.drawRoundedRect(QRectF(2, 6, 20, 13), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 5; ++col)
                p.drawRect(QRectF(4.6 + col * 3.3, 8.6 + row * 3.2, 1.8, 1.8));
        }
        p.drawRoundedRect(QRectF(7, 15.2, 10, 1.8), 0.6, 0.6);
        break;
    }
    case PaneSymbol::textAlignLeft:
        p.drawLine(QPointF(3, 5), QPointF(21, 5));
        p.drawLine(QPointF(3, 10), QPointF(15, 10));
        p.drawLine(QPointF(3, 15), QPointF(21, 15));
        p.drawLine(QPointF(3, 20), QPointF(13, 20));
        break;
    case PaneSymbol::globe:
        p.drawEllipse(centre, 9.5, 9.5);
        p.drawEllipse(centre, 4.2, 9.5);
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(4.2, 7), QPointF(19.8, 7));
        p.drawLine(QPointF(4.2, 17), QPointF(19.8, 17));
        break;
    case PaneSymbol::clock:
        p.drawEllipse(centre, 9.5, 9.5);
        p.drawLine(centre, QPointF(12, 6));
        p.drawLine(centre, QPointF(16, 14));
        break;
    case PaneSymbol::exclamationTriangleFill: {
        QPainterPath triangle;
        triangle.moveTo(12, 2.5);
        triangle.lineTo(22.5, 21);
        triangle.lineTo(1.5, 21);
        triangle.closeSubpath();
        p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(color);
        p.drawPath(triangle);
        QPainterPath mark;
        mark.addRoundedRect(QRectF(10.9, 8.5, 2.2, 7.5), 1.1, 1.1);
        mark.addEllipse(QPointF(12, 18.3), 1.3, 1.3);
        cutOut(mark);
        break;
    }
    case PaneSymbol::exclamationCircleFill:
    case PaneSymbol::infoCircleFill: {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(centre, 10.5, 10.5);
        QPainterPath mark;
        if (symbol == PaneSymbol::exclamationCircleFill) {
            mark.addRoundedRect(QRectF(10.9, 5.8, 2.2, 8.2), 1.1, 1.1);
            mark.addEllipse(QPointF(12, 17.3), 1.35, 1.35);
        } else {
            mark.addEllipse(QPointF(12, 7.2), 1.45, 1.45);
            mark.addRoundedRect(QRectF(10.9, 10.2, 2.2, 8.2), 1.1, 1.1);
        }
        cutOut(mark);
        break;
    }
    case PaneSymbol::trash:
        p.drawLine(QPointF(3.5, 6), QPointF(20.5, 6));
        p.drawPolyline(QPolygonF({QPointF(9, 6), QPointF(9.5, 3), QPointF(14.5, 3), QPointF(15, 6)}));
        p.drawPolyline(QPolygonF({QPointF(5.5, 6), QPointF(6.8, 21), QPointF(17.2, 21), QPointF(18.5, 6)}));
        p.drawLine(QPointF(10, 10), QPointF(10.3, 17.5));
        p.drawLine(QPointF(14, 10), QPointF(13.7, 17.5));
        break;
    case PaneSymbol::line3Horizontal:
        p.drawLine(QPointF(4, 7), QPointF(20, 7));
        p.drawLine(QPointF(4, 12), QPointF(20, 12));
        p.drawLine(QPointF(4, 17), QPointF(20, 17));
        break;
    }
}

// The icon theme's names for `symbol`, best first.
QStringList themeNames(PaneSymbol symbol)
{
    switch (symbol) {
    case PaneSymbol::gearshape: return {QStringLiteral("preferences-system"), QStringLiteral("emblem-system")};
    case PaneSymbol::keyboard: return {QStringLiteral("input-keyboard")};
    case PaneSymbol::textAlignLeft: return {QStringLiteral("format-justify-left")};
    case PaneSymbol::globe: return {QStringLiteral("globe")};
    case PaneSymbol::clock: return {QStringLiteral("document-open-recent"), QStringLiteral("alarm")};
    case PaneSymbol::exclamationTriangleFill: return {QStringLiteral("dialog-warning")};
    case PaneSymbol::exclamationCircleFill: return {QStringLiteral("dialog-error")};
    case PaneSymbol::infoCircleFill: return {QStringLiteral("dialog-information")};
    case PaneSymbol::trash: return {QStringLiteral("user-trash")};
    case PaneSymbol::line3Horizontal: return {QStringLiteral("open-menu")};
    }
    return {};
}

} // namespace

QPixmap paneSymbolPixmap(PaneSymbol symbol, const QColor &color, int size, qreal devicePixelRatio)
{
    // The desktop's own symbol where its icon theme has one; drawn here where not.
    if (QPixmap themed = themeSymbolPixmap(themeNames(symbol), size, color, devicePixelRatio); !themed.isNull())
        return themed;
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap out(pixels, pixels);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 24.0, pixels / 24.0);
    draw(p, symbol, color);
    p.end();
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

QIcon paneSymbolIcon(PaneSymbol symbol, const QColor &color)
{
    QIcon result;
    for (int size : {16, 24, 32})
        result.addPixmap(paneSymbolPixmap(symbol, color, size));
    return result;
}

} // namespace quorvane
