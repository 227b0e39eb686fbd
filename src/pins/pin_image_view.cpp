// SPDX-License-Identifier: GPL-3.0-or-later
#include "pins/pin_image_view.h"

#include "pins/pin_style.h"
#include "pins/pin_symbol.h"
#include "platform/language_change.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace quorvane {

PinImageView::PinImageView(QImage image, DragSource onDragImage, QWidget *parent)
    : QWidget(parent), m_onDragImage(std::move(onDragImage))
{
    onLanguageChange(this, [this] {
        //: Accessibility label for pinned image
        //% "Captured screenshot"
        setAccessibleName(qtTrId("pin_widget.image.accessibility"));
    });
    setImage(std::move(image));
}

void PinImageView::setImage(QImage image)
{
    m_image = std::move(image);
    update();
}

QRectF PinImageView::imageRect() const
{
    if (m_image.isNull())
        return {};
    const QRectF area = QRectF(rect()).adjusted(kPadding, kPadding, -kPadding, -kPadding);
    if (area.isEmpty())
        return {};
    QSizeF fitted = m_image.deviceIndependentSize();
    fitted.scale(area.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(), fitted);
    placed.moveCenter(area.center());
    return placed;
}

std::unique_ptr<QMimeData> PinImageView::dragData() const
{
    std::unique_ptr<QMimeData> data = m_onDragImage ? m_onDragImage() : nullptr;
    return data ? std::move(data) : std::make_unique<QMimeData>();
}

void PinImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_image.isNull()) {
        paintPlaceholder(painter);
        return;
    }
    painter.drawImage(imageRect(), m_image);
}

// The photo symbol at 40 points over a caption, centred together.
void PinImageView::paintPlaceholder(QPainter &painter)
{
    //: Placeholder when no image
    //% "No image available"
    const QString caption = qtTrId("pin_widget.image.no_image");
    QFont captionFont = font();
    captionFont.setPointSizeF(std::max<qreal>(captionFont.pointSizeF() * 0.85, 6));
    const QFontMetrics metrics(captionFont);
    constexpr qreal symbolSize = 40;
    constexpr qreal spacing = 8;
    const qreal height = symbolSize + spacing + metrics.height();
    const QPointF centre = QRectF(rect()).center();
    const QRectF symbolBox(centre.x() - symbolSize / 2, centre.y() - height / 2, symbolSize, symbolSize);
    const QColor secondary = pin_style::secondary(palette());
    paintSymbol(painter, PinSymbol::photo, symbolBox, pin_style::faded(secondary, 0.5f));
    painter.setFont(captionFont);
    painter.setPen(secondary);
    painter.drawText(QRectF(rect().left(), symbolBox.bottom() + spacing, width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, caption);
}

// A press on the picture may start a drag; one beside it is left to the panel, which moves.
void PinImageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && imageRect().contains(event->position())) {
        m_pressPosition = event->position().toPoint();
        event->accept();
        return;
    }
    event->ignore();
}

void PinImageView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressPosition
        || (event->position().toPoint() - *m_pressPosition).manhattanLength() < QApplication::startDragDistance()) {
        event->ignore();
        return;
    }
    m_pressPosition.reset();
    auto *drag = new QDrag(this);
    drag->setMimeData(dragData().release());
    if (!m_image.isNull())
        drag->setPixmap(QPixmap::fromImage(m_image.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    drag->exec(Qt::CopyAction);
}

void PinImageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressPosition) {
        event->ignore();
        return;
    }
    m_pressPosition.reset();
}

} // namespace quorvane
