// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_mode.h"

#include <QStyledItemDelegate>

namespace quorvane {

class HistoryThumbnailCache;

// Paints one capture of the history list from the rows of a HistoryListModel: a square
// thumbnail (or a grey placeholder), the time relative to now, a badge for repeated and
// code captures, the title in at most two lines (monospaced for code), and the accent
// tint of the selection. Every row has the same height, so the list lays out without
// measuring rows, and selecting a row moves no text.
class HistoryListItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int thumbnailSize = 60;
    static constexpr int cornerRadius = 6;
    static constexpr int padding = 8;
    static constexpr int badgeSize = 20;
    // Space the list keeps beside each row and between two rows.
    static constexpr int rowMargin = 8;
    static constexpr int rowSpacing = 4;

    // Where a row's parts go inside the item rectangle the view gives it.
    struct Geometry {
        QRect row;       // the tinted, rounded shape
        QRect thumbnail; // the square
        QRect badge;     // empty for modes without one
        QRect timeLine;
        QRect title;     // as tall as the lines the title takes
        QStringList titleLines; // at most two, the second elided when the title goes on
    };

    // `thumbnails` must outlive the delegate.
    explicit HistoryListItemDelegate(HistoryThumbnailCache &thumbnails, QObject *parent = nullptr);

    // "↻" for repeat, "</>" for code, empty (no badge) otherwise.
    static QString badgeText(CaptureMode mode);
    static Geometry geometry(const QRect &itemRect, const QModelIndex &index);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The badge's help text is the capture mode's name.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    HistoryThumbnailCache &m_thumbnails;
};

} // namespace quorvane
