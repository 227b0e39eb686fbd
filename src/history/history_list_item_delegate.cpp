// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_list_item_delegate.h"

#include "history/history_list_model.h"
#include "history/history_style.h"
#include "history/history_thumbnail_cache.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>

namespace quorvane {

namespace {

constexpr int kSpacing = 12;    // thumbnail to text column
constexpr int kLineSpacing = 4; // time line to title
constexpr int kBadgeGap = 6;    // time text to badge
constexpr int kThumbnailRadius = 4;
constexpr int kTitleLines = 2;

CaptureMode modeOf(const QModelIndex &index)
{
    return CaptureMode(index.data(HistoryListModel::captureModeRole).toInt());
}

QFont titleFont(CaptureMode mode)
{
    return HistoryStyle::font(HistoryStyle::TextStyle::body, mode == CaptureMode::code);
}

int captionHeight()
{
    return QFontMetrics(HistoryStyle::font(HistoryStyle::TextStyle::caption)).height();
}

// The time line is as tall as the badge when there is one.
int timeLineHeight(CaptureMode mode)
{
    return HistoryListItemDelegate::badgeText(mode).isEmpty()
               ? captionHeight()
               : std::max(captionHeight(), int(HistoryListItemDelegate::badgeSize));
}

// The title broken into at most two lines of `width`, the second elided when more follows.
QStringList titleLines(const QString &title, const QFont &font, int width)
{
    QStringList lines;
    QTextLayout layout(title, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == kTitleLines - 1) {
            lines << QFontMetrics(font).elidedText(title.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        // The space a line breaks after is not part of it: drawn against the reading
        // start of a right-to-left window, it would push the words off their edge.
        QString text = title.mid(line.textStart(), line.textLength());
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        lines << text;
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// Every row is as tall as the tallest: two title lines in the taller of the two fonts.
int rowHeight()
{
    const int line = std::max(QFontMetrics(titleFont(CaptureMode::normal)).lineSpacing(),
                              QFontMetrics(titleFont(CaptureMode::code)).lineSpacing());
    const int column = std::max(captionHeight(), int(HistoryListItemDelegate::badgeSize)) + kLineSpacing
                       + line * kTitleLines;
    return 2 * HistoryListItemDelegate::padding + std::max(int(HistoryListItemDelegate::thumbnailSize), column);
}

void paintThumbnail(QPainter &painter, const QRect &square, const std::optional<QPixmap> &image,
                    const QPalette &pal)
{
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(square), kThumbnailRadius, kThumbnailRadius);
    if (image) {
        painter.save();
        painter.setClipPath(rounded);
        painter.drawPixmap(square, *image);
        painter.restore();
        painter.setPen(QPen(HistoryStyle::withOpacity(HistoryStyle::primary(pal), 0.1), 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(rounded);
        return;
    }
    painter.fillPath(rounded, HistoryStyle::withOpacity(HistoryStyle::secondary(pal), 0.2));
    const int iconSide = square.width() / 3;
    const QPixmap photo = HistoryStyle::symbolPixmap("photo", iconSide, HistoryStyle::secondary(pal));
    painter.drawPixmap(QRect(square.center() - QPoint(iconSide / 2, iconSide / 2), QSize(iconSide, iconSide)),
                       photo);
}

} // namespace

HistoryListItemDelegate::HistoryListItemDelegate(HistoryThumbnailCache &thumbnails, QObject *parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails)
{
}

QString HistoryListItemDelegate::badgeText(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::repeat: return QString(QChar(0x21BB));
    case CaptureMode::code: return QStringLiteral("</>");
    case CaptureMode::normal:
    case CaptureMode::scanCode: break;
    }
    return {};
}

HistoryListItemDelegate::Geometry HistoryListItemDelegate::geometry(const QRect &itemRect, const QModelIndex &index)
{
    Geometry g;
    g.row = itemRect.adjusted(rowMargin, rowSpacing / 2, -rowMargin, -(rowSpacing - rowSpacing / 2));
    g.thumbnail = QRect(g.row.left() + padding, g.row.top() + (g.row.height() - thumbnailSize) / 2,
                        thumbnailSize, thumbnailSize);

    const CaptureMode mode = modeOf(index);
    const int left = g.thumbnail.right() + 1 + kSpacing;
    const int width = std::max(1, g.row.right() + 1 - padding - left);
    const QFont font = titleFont(mode);
    g.titleLines = titleLines(index.data(Qt::DisplayRole).toString(), font, width);
    const int titleHeight = QFontMetrics(font).lineSpacing() * int(g.titleLines.size());
    const int lineHeight = timeLineHeight(mode);
    const int top = g.row.top() + (g.row.height() - (lineHeight + kLineSpacing + titleHeight)) / 2;

    g.timeLine = QRect(left, top, width, lineHeight);
    g.title = QRect(left, top + lineHeight + kLineSpacing, width, titleHeight);
    if (!badgeText(mode).isEmpty()) {
        g.badge = QRect(g.timeLine.right() + 1 - badgeSize, top + (lineHeight - badgeSize) / 2,
                        badgeSize, badgeSize);
    }
    return g;
}

void HistoryListItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    // Laid out for left to right, then mirrored for a right-to-left window.
    Geometry g = geometry(option.rect, index);
    QRect timeText = g.timeLine.adjusted(0, 0, -(badgeSize + kBadgeGap), 0);
    for (QRect *area : {&g.row, &g.thumbnail, &g.badge, &g.timeLine, &g.title, &timeText}) {
        if (!area->isEmpty())
            *area = QStyle::visualRect(option.direction, option.rect, *area);
    }
    const QPalette &pal = option.palette;
    const CaptureMode mode = modeOf(index);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    if (index.data(HistoryListModel::isSelectedRole).toBool()) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(g.row), cornerRadius, cornerRadius);
        painter->fillPath(shape, HistoryStyle::withOpacity(HistoryStyle::accent(pal), 0.15));
    }

    const int side = qRound(thumbnailSize * painter->device()->devicePixelRatioF());
    std::optional<QPixmap> thumbnail = m_thumbnails.square(index.data(HistoryListModel::idRole).toUuid(),
                                                           index.data(HistoryListModel::thumbnailDataRole).toByteArray(),
                                                           side);
    paintThumbnail(*painter, g.thumbnail, thumbnail, pal);

    painter->setFont(HistoryStyle::font(HistoryStyle::TextStyle::caption));
    painter->setPen(HistoryStyle::secondary(pal));
    painter->drawText(timeText, QStyle::visualAlignment(option.direction, Qt::AlignLeft | Qt::AlignVCenter),
                      index.data(HistoryListModel::timeTextRole).toString());

    if (const QString badge = badgeText(mode); !badge.isEmpty()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(HistoryStyle::withOpacity(HistoryStyle::secondary(pal), 0.15));
        painter->drawEllipse(g.badge);
        painter->setFont(HistoryStyle::systemFont(10, QFont::Medium));
        painter->setPen(HistoryStyle::secondary(pal));
        painter->drawText(g.badge, Qt::AlignCenter, badge);
    }

    const QFont font = titleFont(mode);
    painter->setFont(font);
    painter->setPen(HistoryStyle::primary(pal));
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    // The title reads in its own script's direction (an English capture in an Arabic
    // window keeps its words in order and its ellipsis at the end) and stands at the
    // window's reading start.
    QTextOption text(QStyle::visualAlignment(option.direction, Qt::AlignLeft | Qt::AlignVCenter));
    text.setTextDirection(g.titleLines.join(QLatin1Char(' ')).isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    text.setWrapMode(QTextOption::NoWrap);
    for (int i = 0; i < g.titleLines.size(); ++i) {
        painter->drawText(QRectF(g.title.left(), g.title.top() + i * lineSpacing, g.title.width(), lineSpacing),
                          g.titleLines[i], text);
    }
    painter->restore();
}

QSize HistoryListItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {2 * rowMargin + 2 * padding + thumbnailSize + kSpacing + 40, rowHeight() + rowSpacing};
}

bool HistoryListItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                        const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QRect badge = geometry(option.rect, index).badge;
    if (badge.contains(event->pos()))
        QToolTip::showText(event->globalPos(), displayName(modeOf(index)), view->viewport(), badge);
    else
        QToolTip::hideText();
    return true;
}

} // namespace quorvane
