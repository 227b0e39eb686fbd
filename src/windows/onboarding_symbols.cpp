// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/onboarding_symbols.h"

#include "platform/theme_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvane {

namespace {

// Every symbol is drawn in a unit square; the painter is scaled to the pixmap.

QPainterPath shieldPath()
{
    QPainterPath path;
    path.moveTo(0.5, 0.04);
    path.cubicTo(0.66, 0.14, 0.8, 0.17, 0.9, 0.17);
    path.lineTo(0.9, 0.46);
    path.cubicTo(0.9, 0.72, 0.72, 0.88, 0.5, 0.97);
    path.cubicTo(0.28, 0.88, 0.1, 0.72, 0.1, 0.46);
    path.lineTo(0.1, 0.17);
    path.cubicTo(0.2, 0.17, 0.34, 0.14, 0.5, 0.04);
    path.closeSubpath();
    return path;
}

// Later drawing in this mode punches holes into what is already there.
void startCutting(QPainter &p)
{
    p.setCompositionMode(QPainter::CompositionMode_Clear);
}

QPen strokePen(qreal width)
{
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawShieldChecked(QPainter &p, const QColor &colour)
{
    const QPainterPath shield = shieldPath();
    QColor light = colour;
    light.setAlphaF(colour.alphaF() * 0.45);
    p.fillPath(shield, light);
    p.setClipPath(shield);
    p.fillRect(QRectF(0, 0, 0.5, 0.5), colour);
    p.fillRect(QRectF(0.5, 0.5, 0.5, 0.5), colour);
}

void drawVideoCircle(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.02, 0.02, 0.96, 0.96));
    startCutting(p);
    p.drawRoundedRect(QRectF(0.22, 0.35, 0.36, 0.3), 0.05, 0.05);
    QPainterPath lens;
    lens.moveTo(0.6, 0.5);
    lens.lineTo(0.79, 0.37);
    lens.lineTo(0.79, 0.63);
    lens.closeSubpath();
    p.drawPath(lens);
}

void drawKeyboard(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.04, 0.22, 0.92, 0.56), 0.1, 0.1);
    startCutting(p);
    const qreal key = 0.09;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 6; ++column)
            p.drawRoundedRect(QRectF(0.13 + column * 0.13, 0.31 + row * 0.14, key, key), 0.02, 0.02);
    }
    p.drawRoundedRect(QRectF(0.26, 0.6, 0.48, key), 0.02, 0.02);
}

void drawCheckmarkCircle(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.02, 0.02, 0.96, 0.96));
    startCutting(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(strokePen(0.12));
    QPainterPath tick;
    tick.moveTo(0.28, 0.52);
    tick.lineTo(0.44, 0.68);
    tick.lineTo(0.73, 0.36);
    p.drawPath(tick);
}

void drawEnvelopeCircle(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.02, 0.02, 0.96, 0.96));
    startCutting(p);
    p.drawRoundedRect(QRectF(0.25, 0.33, 0.5, 0.34), 0.04, 0.04);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    QPen flap = strokePen(0.045);
    flap.setColor(colour);
    p.setPen(flap);
    QPainterPath fold;
    fold.moveTo(0.27, 0.36);
    fold.lineTo(0.5, 0.53);
    fold.lineTo(0.73, 0.36);
    p.drawPath(fold);
}

void drawEnvelope(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.06, 0.2, 0.88, 0.6), 0.08, 0.08);
    startCutting(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(strokePen(0.08));
    QPainterPath fold;
    fold.moveTo(0.12, 0.27);
    fold.lineTo(0.5, 0.55);
    fold.lineTo(0.88, 0.27);
    p.drawPath(fold);
}

void drawCopy(QPainter &p, const QColor &colour)
{
    QPen pen = strokePen(0.08);
    pen.setColor(colour);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.34, 0.1, 0.52, 0.6), 0.08, 0.08);
    // The front sheet hides the part of the back one that lies under it.
    startCutting(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0.1, 0.26, 0.56, 0.68), 0.1, 0.1);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.14, 0.3, 0.48, 0.6), 0.08, 0.08);
}

void drawExternalLink(QPainter &p, const QColor &colour)
{
    QPen pen = strokePen(0.09);
    pen.setColor(colour);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.1, 0.1, 0.8, 0.8), 0.16, 0.16);
    p.drawLine(QPointF(0.36, 0.64), QPointF(0.64, 0.36));
    QPainterPath head;
    head.moveTo(0.42, 0.36);
    head.lineTo(0.64, 0.36);
    head.lineTo(0.64, 0.58);
    p.drawPath(head);
}

// The icon theme's names for `symbol`, and whether it stands cut out of a filled disc
// (theme symbols come without one).
struct ThemeSource {
    QStringList names;
    bool onDisc = false;
};

ThemeSource themeSource(Symbol symbol)
{
    switch (symbol) {
    case Symbol::shieldChecked: return {{QStringLiteral("security-high")}};
    case Symbol::videoCircle: return {{QStringLiteral("camera-video"), QStringLiteral("camera-web")}, true};
    case Symbol::keyboard: return {{QStringLiteral("input-keyboard")}};
    case Symbol::checkmarkCircle: return {{QStringLiteral("object-select"), QStringLiteral("emblem-ok")}, true};
    case Symbol::envelopeCircle: return {{QStringLiteral("mail-unread"), QStringLiteral("mail-message-new")}, true};
    case Symbol::envelope: return {{QStringLiteral("mail-unread"), QStringLiteral("mail-message-new")}};
    case Symbol::copy: return {{QStringLiteral("edit-copy")}};
    case Symbol::externalLink: return {{QStringLiteral("external-link"), QStringLiteral("adw-external-link")}};
    case Symbol::globe: return {{QStringLiteral("globe")}};
    case Symbol::padlock: return {{QStringLiteral("changes-prevent"), QStringLiteral("system-lock-screen")}};
    }
    return {};
}

// `symbol` from the icon theme, or a null pixmap where the theme lacks it.
QPixmap themedSymbol(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio)
{
    const ThemeSource source = themeSource(symbol);
    if (!source.onDisc)
        return themeSymbolPixmap(source.names, size, colour, devicePixelRatio);
    // The symbol at a little over half the disc's size, cut out of it.
    const int inner = qMax(1, qRound(size * 0.56));
    const QPixmap glyph = themeSymbolPixmap(source.names, inner, Qt::black, devicePixelRatio);
    if (glyph.isNull())
        return {};
    QPixmap pixmap(qMax(1, qRound(size * devicePixelRatio)), qMax(1, qRound(size * devicePixelRatio)));
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.02 * size, 0.02 * size, 0.96 * size, 0.96 * size));
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    const qreal offset = (size - inner) / 2.0;
    p.drawPixmap(QPointF(offset, offset), glyph);
    return pixmap;
}

void drawGlobe(QPainter &p, const QColor &colour)
{
    QPen pen = strokePen(0.07);
    pen.setColor(colour);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(0.1, 0.1, 0.8, 0.8));
    p.drawEllipse(QRectF(0.32, 0.1, 0.36, 0.8));
    p.drawLine(QPointF(0.1, 0.5), QPointF(0.9, 0.5));
}

void drawPadlock(QPainter &p, const QColor &colour)
{
    QPen shackle = strokePen(0.09);
    shackle.setColor(colour);
    shackle.setCapStyle(Qt::FlatCap);
    p.setPen(shackle);
    p.setBrush(Qt::NoBrush);
    QPainterPath bow;
    bow.moveTo(0.3, 0.46);
    bow.lineTo(0.3, 0.32);
    bow.arcTo(QRectF(0.3, 0.1, 0.4, 0.44), 180, -180);
    bow.lineTo(0.7, 0.46);
    p.drawPath(bow);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.16, 0.42, 0.68, 0.5), 0.08, 0.08);
    startCutting(p);
    p.drawEllipse(QRectF(0.44, 0.56, 0.12, 0.12));
    p.drawRect(QRectF(0.475, 0.62, 0.05, 0.16));
}

} // namespace

QPixmap symbolPixmap(Symbol symbol, int size, const QColor &colour, qreal devicePixelRatio)
{
    if (QPixmap themed = themedSymbol(symbol, size, colour, devicePixelRatio); !themed.isNull())
        return themed;
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels, pixels);
    p.setPen(Qt::NoPen);
    switch (symbol) {
    case Symbol::shieldChecked:
        drawShieldChecked(p, colour);
        break;
    case Symbol::videoCircle:
        drawVideoCircle(p, colour);
        break;
    case Symbol::keyboard:
        drawKeyboard(p, colour);
        break;
    case Symbol::checkmarkCircle:
        drawCheckmarkCircle(p, colour);
        break;
    case Symbol::envelopeCircle:
        drawEnvelopeCircle(p, colour);
        break;
    case Symbol::envelope:
        drawEnvelope(p, colour);
        break;
    case Symbol::copy:
        drawCopy(p, colour);
        break;
    case Symbol::externalLink:
        drawExternalLink(p, colour);
        break;
    case Symbol::globe:
        drawGlobe(p, colour);
        break;
    case Symbol::padlock:
        drawPadlock(p, colour);
        break;
    }
    return pixmap;
}

} // namespace quorvane
