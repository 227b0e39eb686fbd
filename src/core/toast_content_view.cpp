// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/toast_content_view.h"

#include "core/text_utils.h"
#include "platform/phrase_breaks.h"
#include "platform/theme_icon.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>

namespace quorvane {

namespace {

// Card geometry, in logical pixels.
constexpr int kOuterPadding = 8;
constexpr int kInnerPadding = 16;
constexpr qreal kCornerRadius = 12;
constexpr int kIconFrame = 32;
constexpr int kIconSize = 24;
constexpr int kIconSpacing = 12;
constexpr int kTitleSpacing = 4;
constexpr int kBadgeSpacing = 6;
constexpr int kBadgeFontSize = 10;
constexpr int kBadgePaddingX = 6;
constexpr int kBadgePaddingY = 2;
constexpr int kMessageMaxLines = 8;
constexpr int kMessageLimit = 200;
constexpr int kMessageKept = 197;
// Between the card's edge and the text block, above and below.
constexpr int kTextPaddingY = 12;
constexpr int kMinimumHeight = 80;

QFont systemFont(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// The font for a badge glyph. Fonts draw arrow symbols such as "↻" at x-height or
// below, which leaves a blot of a few pixels at this size; such a glyph is drawn larger
// until its ink is as tall as the badge font's capitals.
QFont badgeGlyphFont(const QString &glyph)
{
    QFont font = systemFont(kBadgeFontSize, QFont::Medium);
    const QFontMetricsF metrics(font);
    const qreal ink = metrics.tightBoundingRect(glyph).height();
    if (ink > 0 && ink < metrics.capHeight())
        font.setPixelSize(qRound(kBadgeFontSize * metrics.capHeight() / ink));
    return font;
}

// At most `maxLines` lines of `text` wrapped to `width`; the last one ends in an
// ellipsis when text is left over.
QStringList wrappedLines(const QString &text, const QFont &font, qreal width, int maxLines)
{
    QStringList lines;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            const QString rest = text.mid(line.textStart());
            lines.append(withoutLineBreakJoiners(QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width)));
            break;
        }
        lines.append(withoutLineBreakJoiners(text.mid(line.textStart(), line.textLength()).trimmed()));
    }
    layout.endLayout();
    return lines;
}

void paintIcon(QPainter &painter, const QRectF &frame, ToastType type)
{
    const QColor colour = iconColor(type);
    const QRectF box(frame.center() - QPointF(kIconSize / 2.0, kIconSize / 2.0),
                     QSizeF(kIconSize, kIconSize));
    const QRectF glyph = box.adjusted(2, 2, -2, -2);
    QPen mark(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (type) {
    case ToastType::success: {
        painter.drawEllipse(glyph);
        painter.setPen(mark);
        const qreal s = glyph.width();
        const QPointF o = glyph.topLeft();
        painter.drawPolyline(QPolygonF{o + QPointF(0.28 * s, 0.52 * s),
                                       o + QPointF(0.44 * s, 0.68 * s),
                                       o + QPointF(0.72 * s, 0.36 * s)});
        break;
    }
    case ToastType::warning: {
        QPainterPath triangle;
        triangle.moveTo(glyph.center().x(), glyph.top() + 1);
        triangle.lineTo(glyph.right(), glyph.bottom() - 1);
        triangle.lineTo(glyph.left(), glyph.bottom() - 1);
        triangle.closeSubpath();
        painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(triangle);
        painter.setPen(mark);
        const qreal x = glyph.center().x();
        painter.drawLine(QPointF(x, glyph.top() + 0.38 * glyph.height()),
                         QPointF(x, glyph.top() + 0.66 * glyph.height()));
        painter.drawPoint(QPointF(x, glyph.top() + 0.82 * glyph.height()));
        break;
    }
    case ToastType::error: {
        painter.drawEllipse(glyph);
        painter.setPen(mark);
        const QRectF cross = glyph.adjusted(0.32 * glyph.width(), 0.32 * glyph.height(),
                                            -0.32 * glyph.width(), -0.32 * glyph.height());
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
        break;
    }
    case ToastType::progress: {
        // Work under way: the desktop's "loading" symbol, or three dots on a disc.
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const QPixmap themed = themeSymbolPixmap({QStringLiteral("content-loading"), QStringLiteral("view-more-horizontal")},
                                                 kIconSize, colour, ratio);
        if (!themed.isNull()) {
            painter.drawPixmap(box.topLeft(), themed);
            break;
        }
        painter.drawEllipse(glyph);
        painter.setBrush(Qt::white);
        const qreal dot = 0.075 * glyph.width();
        for (const qreal x : {0.3, 0.5, 0.7})
            painter.drawEllipse(QPointF(glyph.left() + x * glyph.width(), glyph.center().y()), dot, dot);
        break;
    }
    }
}

// The card is a single button to assistive technology; its painted parts have no
// elements of their own.
class ToastAccessible : public QAccessibleWidget {
public:
    explicit ToastAccessible(ToastContentView *view) : QAccessibleWidget(view, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<ToastContentView *>(widget())->click();
    }
};

QAccessibleInterface *toastAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ToastContentView::staticMetaObject.className()) && object
        && object->isWidgetType())
        return new ToastAccessible(static_cast<ToastContentView *>(object));
    return nullptr;
}

} // namespace

ToastContentView::ToastContentView(QString title, QString message, ToastType type,
                                   std::optional<CaptureMode> captureMode, QWidget *parent)
    : QWidget(parent), m_title(std::move(title)), m_message(std::move(message)), m_type(type),
      m_captureMode(captureMode)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(toastAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setAttribute(Qt::WA_TranslucentBackground);
    setTexts(m_title, m_message);
    setCursor(Qt::PointingHandCursor);
}

void ToastContentView::setTexts(QString title, QString message)
{
    m_title = std::move(title);
    m_message = std::move(message);
    setAccessibleName(toastAccessibilityLabel(m_title, m_message, m_captureMode));
    setAccessibleDescription(accessibilityHint());
    updateGeometry();
    update();
}

QString ToastContentView::displayedMessage(const QString &message)
{
    if (graphemeCount(message) > kMessageLimit)
        return graphemePrefix(message, kMessageKept) + QStringLiteral("...");
    return message;
}

QString ToastContentView::captureModeBadge(std::optional<CaptureMode> mode)
{
    if (mode == CaptureMode::repeat)
        return QStringLiteral("↻");
    if (mode == CaptureMode::code)
        return QStringLiteral("</>");
    return {};
}

QString ToastContentView::captureModeAccessibilityLabel(std::optional<CaptureMode> mode)
{
    if (!mode)
        return {};
    switch (*mode) {
    case CaptureMode::normal: return {};
    case CaptureMode::repeat:
        //: Accessibility label for repeat mode badge
        //% "Repeat mode"
        return qtTrId("notification.accessibility.repeat_mode");
    case CaptureMode::code:
        //: Accessibility label for code mode badge
        //% "Code mode"
        return qtTrId("notification.accessibility.code_mode");
    case CaptureMode::scanCode:
        //: Accessibility label for scan code mode
        //% "Code scan"
        return qtTrId("notification.accessibility.scan_code_mode");
    }
    return {};
}

QString ToastContentView::toastAccessibilityLabel(const QString &title, const QString &message,
                                                  std::optional<CaptureMode> mode)
{
    QString label = title + QStringLiteral(". ") + message;
    const QString modeLabel = captureModeAccessibilityLabel(mode);
    if (!modeLabel.isEmpty())
        label += QStringLiteral(". ") + modeLabel;
    return label;
}

QString ToastContentView::accessibilityHint()
{
    //: Screen reader hint of the notice shown after a capture
    //% "Double-click to open in history"
    return qtTrId("notification.accessibility.hint");
}

void ToastContentView::click()
{
    emit clicked();
}

void ToastContentView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ToastContentView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

struct ToastContentView::TextBlock {
    QFont titleFont = systemFont(14, QFont::DemiBold);
    QFont messageFont = systemFont(12, QFont::Normal);
    QString badge;
    QFont badgeFont;
    QSizeF badgeSize;
    QRectF badgeInk;
    QRectF titleBounds;
    qreal titleRowHeight = 0;
    QStringList messageLines;
    qreal messageLineHeight = 0;

    qreal height() const { return titleRowHeight + kTitleSpacing + messageLines.size() * messageLineHeight; }
};

namespace {

// The card within the view and the width left for text beside the icon.
QRectF cardIn(const QRect &bounds)
{
    return QRectF(bounds).adjusted(kOuterPadding, kOuterPadding, -kOuterPadding, -kOuterPadding);
}

qreal textWidthIn(const QRectF &card)
{
    return card.width() - 2 * kInnerPadding - kIconFrame - kIconSpacing;
}

} // namespace

ToastContentView::TextBlock ToastContentView::textBlock(qreal textWidth) const
{
    TextBlock block;
    block.badge = captureModeBadge(m_captureMode);
    block.badgeFont = badgeGlyphFont(block.badge);
    if (!block.badge.isEmpty()) {
        block.badgeInk = QFontMetricsF(block.badgeFont).tightBoundingRect(block.badge);
        // The badge keeps the height of a line of the nominal badge font.
        const qreal lineHeight = QFontMetricsF(systemFont(kBadgeFontSize, QFont::Medium)).height();
        block.badgeSize =
            QSizeF(qMax(block.badgeInk.width(), QFontMetricsF(block.badgeFont).horizontalAdvance(block.badge))
                       + 2 * kBadgePaddingX,
                   qMax(lineHeight, block.badgeInk.height()) + 2 * kBadgePaddingY);
    }
    const qreal titleWidth =
        qMax<qreal>(1, textWidth - (block.badge.isEmpty() ? 0 : block.badgeSize.width() + kBadgeSpacing));
    block.titleBounds = QFontMetricsF(block.titleFont).boundingRect(QRectF(0, 0, titleWidth, 1000),
                                                                    Qt::TextWordWrap, withInterfaceLineBreaks(m_title));
    block.titleRowHeight = qMax(block.titleBounds.height(), block.badgeSize.height());
    block.messageLines =
        wrappedLines(withInterfaceLineBreaks(displayedMessage(m_message)), block.messageFont, qMax<qreal>(1, textWidth), kMessageMaxLines);
    block.messageLineHeight = QFontMetricsF(block.messageFont).lineSpacing();
    return block;
}

QPainterPath ToastContentView::cardShape(const QRect &bounds)
{
    QPainterPath shape;
    shape.addRoundedRect(cardIn(bounds), kCornerRadius, kCornerRadius);
    return shape;
}

int ToastContentView::heightForWidth(int width) const
{
    const QRectF card = cardIn(QRect(0, 0, width, kMinimumHeight));
    const qreal needed = textBlock(textWidthIn(card)).height() + 2 * kTextPaddingY + 2 * kOuterPadding;
    return qMax(kMinimumHeight, qCeil(needed));
}

QStringList ToastContentView::messageLines() const
{
    return textBlock(textWidthIn(cardIn(rect()))).messageLines;
}

struct ToastContentView::Placement {
    TextBlock block;
    Qt::Alignment leading;
    QRectF icon;
    QRectF title;
    QRectF badge;
    // Each as wide as the text column; the ink starts at its leading edge.
    QList<QRectF> messageLines;
};

ToastContentView::Placement ToastContentView::placement() const
{
    // Laid out left to right, then mirrored for a right-to-left language: icon at the
    // start, title and message aligned to it.
    const auto visual = [this](const QRectF &r) {
        return isRightToLeft() ? QRectF(width() - r.right(), r.top(), r.width(), r.height()) : r;
    };
    const QRectF card = cardIn(rect());
    const QRectF content = card.adjusted(kInnerPadding, 0, -kInnerPadding, 0);
    const QRectF iconFrame(content.left(), card.center().y() - kIconFrame / 2.0, kIconFrame, kIconFrame);
    const qreal textLeft = iconFrame.right() + kIconSpacing;
    const qreal textWidth = textWidthIn(card);

    Placement placed{textBlock(textWidth), QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft),
                     visual(iconFrame), {}, {}, {}};
    const TextBlock &block = placed.block;
    qreal y = card.center().y() - block.height() / 2;
    const QRectF titleRect(textLeft, y + (block.titleRowHeight - block.titleBounds.height()) / 2,
                           block.titleBounds.width(), block.titleBounds.height());
    placed.title = visual(titleRect);
    if (!block.badge.isEmpty()) {
        placed.badge = visual(QRectF(titleRect.right() + kBadgeSpacing,
                                     y + (block.titleRowHeight - block.badgeSize.height()) / 2,
                                     block.badgeSize.width(), block.badgeSize.height()));
    }
    y += block.titleRowHeight + kTitleSpacing;
    for (qsizetype i = 0; i < block.messageLines.size(); ++i) {
        placed.messageLines.append(visual(QRectF(textLeft, y, textWidth, block.messageLineHeight)));
        y += block.messageLineHeight;
    }
    return placed;
}

QRectF ToastContentView::iconArea() const
{
    return placement().icon;
}

QList<ToastContentView::ShownText> ToastContentView::shownTexts() const
{
    const Placement placed = placement();
    QList<ShownText> shown{{m_title, placed.title}};
    if (!placed.block.badge.isEmpty())
        shown.append({placed.block.badge, placed.badge});
    const QFontMetricsF metrics(placed.block.messageFont);
    for (qsizetype i = 0; i < placed.messageLines.size(); ++i) {
        const QString &line = placed.block.messageLines[i];
        QRectF ink = placed.messageLines[i];
        const qreal inkWidth = metrics.horizontalAdvance(line);
        if (isRightToLeft())
            ink.setLeft(ink.right() - inkWidth);
        else
            ink.setWidth(inkWidth);
        shown.append({line, ink});
    }
    return shown;
}

void ToastContentView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF card = cardIn(rect());
    const QPainterPath shape = cardShape(rect());

    // A soft shadow below the card, fading out over the outer padding.
    painter.setPen(Qt::NoPen);
    for (int i = kOuterPadding; i >= 1; --i) {
        QPainterPath layer;
        layer.addRoundedRect(card.adjusted(-i, -i + 3, i, i + 3), kCornerRadius + i, kCornerRadius + i);
        painter.setBrush(QColor(0, 0, 0, 4 + 2 * (kOuterPadding - i)));
        painter.drawPath(layer);
    }

    const QColor primary = palette().color(QPalette::WindowText);
    QColor secondary = primary;
    secondary.setAlphaF(0.6);
    QColor background = palette().color(QPalette::Window);
    background.setAlphaF(0.94);
    painter.setBrush(background);
    painter.drawPath(shape);
    QColor border = primary;
    border.setAlphaF(0.15);
    painter.setPen(QPen(border, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);  // a hairline, so inside and centred strokes look alike

    const Placement placed = placement();
    paintIcon(painter, placed.icon, m_type);
    painter.setFont(placed.block.titleFont);
    painter.setPen(primary);
    painter.drawText(placed.title, Qt::TextWordWrap | placed.leading, withInterfaceLineBreaks(m_title));
    if (!placed.block.badge.isEmpty()) {
        QColor fill = secondary;
        fill.setAlphaF(secondary.alphaF() * 0.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(placed.badge, 4, 4);
        painter.setFont(placed.block.badgeFont);
        painter.setPen(secondary);
        // Centre the glyph's ink, not its line box: symbols sit off the text baseline.
        painter.drawText(placed.badge.center() - placed.block.badgeInk.center(), placed.block.badge);
    }
    painter.setFont(placed.block.messageFont);
    painter.setPen(secondary);
    for (qsizetype i = 0; i < placed.messageLines.size(); ++i)
        painter.drawText(placed.messageLines[i], placed.leading | Qt::AlignVCenter, placed.block.messageLines[i]);
}

} // namespace quorvane
