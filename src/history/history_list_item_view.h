#pragma once

#include "core/capture_history_entry.h"

#include <QDateTime>
#include <QPixmap>
#include <QWidget>

#include <optional>

namespace quorvane {

// One capture in the history list: a square thumbnail, the time relative to now, a
// badge for repeated and code captures, and the title in at most two lines. A click
// anywhere on the row asks for its selection; the row never selects itself.
class HistoryListItemView : public QWidget {
    Q_OBJECT
public:
    static constexpr int thumbnailSize = 60;
    static constexpr int cornerRadius = 6;
    static constexpr int padding = 8;
    static constexpr int badgeSize = 20;

    // `now` is the moment the relative time is measured from.
    HistoryListItemView(CaptureHistoryEntry entry, bool isSelected, const QDateTime &now,
                        QWidget *parent = nullptr);

    const CaptureHistoryEntry &entry() const { return m_entry; }
    bool isSelected() const { return m_isSelected; }
    void setSelected(bool selected);
    void setNow(const QDateTime &now);

    // The relative time as the row shows it.
    QString timeText() const;
    // "↻" for repeat, "</>" for code, empty (no badge) otherwise.
    static QString badgeText(CaptureMode mode);
    // The thumbnail as drawn: the image scaled to fill the square and cropped, or none
    // when the data is empty or not an image (the placeholder is drawn instead).
    const std::optional<QPixmap> &thumbnail() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect thumbnailRect() const;
    QRect badgeRect() const;
    QRect titleRect() const;

    CaptureHistoryEntry m_entry;
    bool m_isSelected;
    QDateTime m_now;
    mutable std::optional<std::optional<QPixmap>> m_thumbnail; // decoded on first use
};

} // namespace quorvane
