// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QMimeData;

namespace quorvane {

// The captured image, scaled to fit inside an 8-point margin without cropping or
// stretching, which can be dragged out of the panel. Without an image it shows a
// placeholder saying so.
class PinImageView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPadding = 8;

    // What a drag offers; null when there is nothing to offer at that moment.
    using DragSource = std::function<std::unique_ptr<QMimeData>()>;

    PinImageView(QImage image, DragSource onDragImage, QWidget *parent = nullptr);

    void setImage(QImage image);
    const QImage &image() const { return m_image; }
    // Where the image is drawn; empty without an image.
    QRectF imageRect() const;
    // The data a drag starting now carries: the source's, or an empty set.
    std::unique_ptr<QMimeData> dragData() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintPlaceholder(QPainter &painter);

    QImage m_image;
    DragSource m_onDragImage;
    std::optional<QPoint> m_pressPosition;
};

} // namespace quorvane
