#include "history/history_list_item_view.h"

#include "history/history_style.h"
#include "platform/date_text.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QToolTip>

namespace quorvane {

namespace {

constexpr int kSpacing = 12;     // thumbnail to text column
constexpr int kLineSpacing = 4;  // time line to title
constexpr int kThumbnailRadius = 4;
constexpr int kTitleLines = 2;

QFont titleFont(const CaptureHistoryEntry &entry)
{
    return HistoryStyle::font(HistoryStyle::TextStyle::body, entry.captureMode == CaptureMode::code);
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
            const QString rest = title.mid(line.textStart());
            lines << QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        lines << title.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

} // namespace

HistoryListItemView::HistoryListItemView(CaptureHistoryEntry entry, bool isSelected,
                                         const QDateTime &now, QWidget *parent)
    : QWidget(parent), m_entry(std::move(entry)), m_isSelected(isSelected), m_now(now)
{
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(m_entry.title());
}

void HistoryListItemView::setSelected(bool selected)
{
    if (selected == m_isSelected)
        return;
    m_isSelected = selected;
    update();
}

void HistoryListItemView::setNow(const QDateTime &now)
{
    m_now = now;
    update();
}

QString HistoryListItemView::timeText() const
{
    return DateText::relative(m_entry.timestamp, m_now);
}

QString HistoryListItemView::badgeText(CaptureMode mode)
{
    switch (mode) {
    case CaptureMode::repeat: return QString(QChar(0x21BB));
    case CaptureMode::code: return QStringLiteral("</>");
    case CaptureMode::normal:
    case CaptureMode::scanCode: break;
    }
    return {};
}

const std::optional<QPixmap> &HistoryListItemView::thumbnail() const
{
    if (!m_thumbnail) {
        QImage image;
        if (!m_entry.thumbnailData.isEmpty())
            image = QImage::fromData(m_entry.thumbnailData);
        if (image.isNull() || image.width() == 0 || image.height() == 0) {
            m_thumbnail.emplace(std::nullopt);
        } else {
            const qreal ratio = devicePixelRatioF();
            const int side = qRound(thumbnailSize * ratio);
            // Fill the square, keep the aspect, cut what overflows.
            QImage filled = image.scaled(side, side, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
            filled = filled.copy((filled.width() - side) / 2, (filled.height() - side) / 2, side, side);
            QPixmap pixmap = QPixmap::fromImage(filled);
            pixmap.setDevicePixelRatio(ratio);
            m_thumbnail.emplace(pixmap);
        }
    }
    return *m_thumbnail;
}

QSize HistoryListItemView::sizeHint() const
{
    const int captionHeight = QFontMetrics(HistoryStyle::font(HistoryStyle::TextStyle::caption)).height();
    const int titleHeight = QFontMetrics(titleFont(m_entry)).lineSpacing() * kTitleLines;
    const int column = std::max(captionHeight, badgeSize) + kLineSpacing + titleHeight;
    return {260, 2 * padding + std::max(thumbnailSize, column)};
}

QSize HistoryListItemView::minimumSizeHint() const
{
    return {2 * padding + thumbnailSize + kSpacing + 40, sizeHint().height()};
}

QRect HistoryListItemView::thumbnailRect() const
{
    return {padding, (height() - thumbnailSize) / 2, thumbnailSize, thumbnailSize};
}

QRect HistoryListItemView::badgeRect() const
{
    if (badgeText(m_entry.captureMode).isEmpty())
        return {};
    const QRect title = titleRect();
    const int captionHeight = QFontMetrics(HistoryStyle::font(HistoryStyle::TextStyle::caption)).height();
    const int lineHeight = std::max(captionHeight, int(badgeSize));
    return {title.right() + 1 - badgeSize, title.top() - kLineSpacing - lineHeight
                                               + (lineHeight - badgeSize) / 2,
            badgeSize, badgeSize};
}

QRect HistoryListItemView::titleRect() const
{
    const int left = padding + thumbnailSize + kSpacing;
    const int width = std::max(1, this->width() - left - padding);
    const QFont font = titleFont(m_entry);
    const int lines = titleLines(m_entry.title(), font, width).size();
    const int titleHeight = QFontMetrics(font).lineSpacing() * lines;
    const int captionHeight = QFontMetrics(HistoryStyle::font(HistoryStyle::TextStyle::caption)).height();
    const int lineHeight = badgeText(m_entry.captureMode).isEmpty() ? captionHeight
                                                                    : std::max(captionHeight, int(badgeSize));
    const int column = lineHeight + kLineSpacing + titleHeight;
    const int top = (height() - column) / 2 + lineHeight + kLineSpacing;
    return {left, top, width, titleHeight};
}

void HistoryListItemView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();

    if (m_isSelected) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
        painter.fillPath(shape, HistoryStyle::withOpacity(HistoryStyle::accent(pal), 0.15));
    }

    // Thumbnail, or the grey placeholder of the same size.
    const QRectF square = thumbnailRect();
    QPainterPath rounded;
    rounded.addRoundedRect(square, kThumbnailRadius, kThumbnailRadius);
    if (const auto &image = thumbnail()) {
        painter.save();
        painter.setClipPath(rounded);
        painter.drawPixmap(square.toRect(), *image);
        painter.restore();
        painter.setPen(QPen(HistoryStyle::withOpacity(HistoryStyle::primary(pal), 0.1), 0.5));
        painter.drawPath(rounded);
    } else {
        painter.fillPath(rounded, HistoryStyle::withOpacity(HistoryStyle::secondary(pal), 0.2));
        const int iconSide = thumbnailSize / 3;
        const QPixmap photo = HistoryStyle::symbolPixmap("photo", iconSide, HistoryStyle::secondary(pal));
        painter.drawPixmap(QRect(square.center().toPoint() - QPoint(iconSide / 2, iconSide / 2),
                                 QSize(iconSide, iconSide)), photo);
    }

    // Time line, with the badge at its right end.
    const QRect title = titleRect();
    const QFont caption = HistoryStyle::font(HistoryStyle::TextStyle::caption);
    const int captionHeight = QFontMetrics(caption).height();
    const int lineHeight = badgeText(m_entry.captureMode).isEmpty() ? captionHeight
                                                                    : std::max(captionHeight, int(badgeSize));
    const QRect timeLine(title.left(), title.top() - kLineSpacing - lineHeight, title.width(), lineHeight);
    painter.setFont(caption);
    painter.setPen(HistoryStyle::secondary(pal));
    painter.drawText(timeLine.adjusted(0, 0, -(badgeSize + 6), 0), Qt::AlignLeft | Qt::AlignVCenter, timeText());

    if (const QString badge = badgeText(m_entry.captureMode); !badge.isEmpty()) {
        const QRect circle = badgeRect();
        painter.setPen(Qt::NoPen);
        painter.setBrush(HistoryStyle::withOpacity(HistoryStyle::secondary(pal), 0.15));
        painter.drawEllipse(circle);
        painter.setFont(HistoryStyle::systemFont(10, QFont::Medium));
        painter.setPen(HistoryStyle::secondary(pal));
        painter.drawText(circle, Qt::AlignCenter, badge);
    }

    // Title, at most two lines.
    const QFont font = titleFont(m_entry);
    painter.setFont(font);
    painter.setPen(HistoryStyle::primary(pal));
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    const QStringList lines = titleLines(m_entry.title(), font, title.width());
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(title.left(), title.top() + i * lineSpacing, title.width(), lineSpacing),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}

void HistoryListItemView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit selectRequested();
    QWidget::mouseReleaseEvent(event);
}

bool HistoryListItemView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (badgeRect().contains(help->pos()))
            QToolTip::showText(help->globalPos(), displayName(m_entry.captureMode), this, badgeRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace quorvane
