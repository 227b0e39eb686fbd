// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/capture_history_entry.h"
#include "history/export_format.h"

#include <QWidget>

#include <optional>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;

namespace quorvane {

class HistoryViewModel;
class PinWidgetManager;

// The right-hand pane of the history window: the selected capture's time, mode, source,
// size, thumbnail and text, and the actions on it (copy, pin, copy as Markdown, export,
// delete). With nothing selected it shows a placeholder. It keeps no state of its own:
// every action goes to the view model, its export service or the pin manager.
class HistoryDetailView : public QWidget {
    Q_OBJECT
public:
    static constexpr int maxThumbnailWidth = 256;
    static constexpr int buttonSpacing = 12;
    static constexpr int padding = 16;

    // Both must outlive the pane.
    HistoryDetailView(HistoryViewModel &viewModel, PinWidgetManager &pinManager,
                      QWidget *parent = nullptr);

    const std::optional<CaptureHistoryEntry> &entry() const { return m_entry; }
    // Shows `entry`, or the placeholder for none.
    void setEntry(const std::optional<CaptureHistoryEntry> &entry);

    // The size the thumbnail of an image of `imageSize` is drawn at: at most
    // `maxThumbnailWidth` wide, never enlarged, aspect kept.
    static QSize thumbnailDisplaySize(const QSize &imageSize);

    // The actions of the bar, for the keyboard and for tests.
    void copy();
    void pin();
    void copyAsMarkdown();
    void exportAs(ExportFormat format);
    void requestDelete();

    QMenu *exportMenu() const { return m_exportMenu; }

    // At least 400 wide, and as wide as the action bar needs to show every button's text
    // whole in the interface language.
    QSize minimumSizeHint() const override;
    static constexpr int minWidth = 400;

private:
    // Sets every text in the interface language, the shown record's lines included.
    void retranslate();
    QWidget *makeDetail();
    QWidget *makePlaceholder();
    QWidget *makeActionBar();

    HistoryViewModel &m_viewModel;
    PinWidgetManager &m_pinManager;
    std::optional<CaptureHistoryEntry> m_entry;

    QStackedLayout *m_pages;
    QWidget *m_placeholder;
    QWidget *m_detail;
    QWidget *m_actionBar = nullptr;
    QLabel *m_dateLabel;
    QLabel *m_badge;
    QLabel *m_relativeLabel;
    QLabel *m_sourceLabel;
    QLabel *m_dimensionsLabel;
    QLabel *m_thumbnail;
    QLabel *m_characterCount;
    QPlainTextEdit *m_text;
    QMenu *m_exportMenu;
    QLabel *m_placeholderText;
    QLabel *m_textLabel;
    QPushButton *m_copyButton;
    QPushButton *m_pinButton;
    QPushButton *m_markdownButton;
    QPushButton *m_exportButton;
    QPushButton *m_deleteButton;
};

} // namespace quorvane
