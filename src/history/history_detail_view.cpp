// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_detail_view.h"

#include "core/text_utils.h"
#include "history/export_service.h"
#include "history/history_action_button.h"
#include "history/history_style.h"
#include "history/history_view_model.h"
#include "pins/pin_widget_manager.h"
#include "platform/date_text.h"
#include "platform/language_change.h"

#include <QFrame>
#include <QPointer>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QtMath>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

constexpr int kThumbnailRadius = 8;

QLabel *captionLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText); // some carry names read from the history file
    label->setFont(HistoryStyle::font(HistoryStyle::TextStyle::caption));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, HistoryStyle::secondary(pal));
    label->setPalette(pal);
    return label;
}

QFrame *divider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPixmap roundedPixmap(const QImage &image, const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), kThumbnailRadius, kThumbnailRadius);
    painter.setClipPath(shape);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), image);
    return pixmap;
}

QString dimensionsText(const QRectF &rect)
{
    const QRectF standard = rect.normalized();
    //: Capture dimensions
    //% "%1 × %2 pixels"
    return qtTrId("history.detail.dimensions")
        .arg(QString::number(standard.width(), 'f', 0), QString::number(standard.height(), 'f', 0));
}

} // namespace

HistoryDetailView::HistoryDetailView(HistoryViewModel &viewModel, PinWidgetManager &pinManager,
                                     QWidget *parent)
    : QWidget(parent), m_viewModel(viewModel), m_pinManager(pinManager)
{
    m_pages = new QStackedLayout(this);
    m_placeholder = makePlaceholder();
    m_detail = makeDetail();
    m_pages->addWidget(m_placeholder);
    m_pages->addWidget(m_detail);
    setEntry(std::nullopt);
    onLanguageChange(this, [this] { retranslate(); });
}

void HistoryDetailView::retranslate()
{
    //: No selection message
    //% "Select a capture to view details"
    m_placeholderText->setText(qtTrId("history.detail.no_selection"));
    //: Captured text label
    //% "Captured Text"
    m_textLabel->setText(qtTrId("history.detail.text_label"));
    //: Copy button
    //% "Copy"
    setTextKeepingShortcut(m_copyButton, qtTrId("history.detail.copy"));
    //: Pin to Desktop button
    //% "Pin"
    m_pinButton->setText(qtTrId("history.detail.pin"));
    //: Pin button tooltip
    //% "Pin to desktop as floating widget"
    m_pinButton->setToolTip(qtTrId("history.detail.pin.tooltip"));
    //: Copy as markdown button
    //% "Copy as Markdown"
    m_markdownButton->setText(qtTrId("history.detail.copy_markdown"));
    //: Export button
    //% "Export as…"
    m_exportButton->setText(qtTrId("history.detail.export"));
    //: Export button tooltip
    //% "Export this capture to a file"
    m_exportButton->setToolTip(qtTrId("history.detail.export.tooltip"));
    for (QAction *item : m_exportMenu->actions()) {
        if (const std::optional<ExportFormat> format = exportFormatFromRawValue(item->data().toString()))
            item->setText(displayName(*format));
    }
    //: Delete button
    //% "Delete"
    setTextKeepingShortcut(m_deleteButton, qtTrId("history.detail.delete"));
    // The record's own lines: its mode, age, source and size.
    if (m_entry)
        setEntry(m_entry);
}

QSize HistoryDetailView::minimumSizeHint() const
{
    // The bar's own layout knows its buttons' new texts at once; the layouts above it
    // learn of them a few event loop turns later.
    const int bar = m_actionBar->layout()->minimumSize().width();
    return QWidget::minimumSizeHint().expandedTo(QSize(std::max(minWidth, bar), 0));
}

QWidget *HistoryDetailView::makePlaceholder()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("detailPlaceholder"));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(16);
    layout->addStretch(1);
    auto *icon = new QLabel(page);
    icon->setPixmap(HistoryStyle::symbolPixmap("sidebar.left", 48, HistoryStyle::secondary(page->palette())));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    auto *text = new QLabel(page);
    m_placeholderText = text;
    text->setFont(HistoryStyle::font(HistoryStyle::TextStyle::title3));
    QPalette pal = text->palette();
    pal.setColor(QPalette::WindowText, HistoryStyle::secondary(pal));
    text->setPalette(pal);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    layout->addStretch(1);
    return page;
}

namespace {

// The captured text at its full height: the pane around it scrolls, so that one scroll bar
// moves the header, the picture and the text together, never a second one inside.
class WholeTextEdit : public QPlainTextEdit {
public:
    static constexpr int minimumHeight = 200;

    explicit WholeTextEdit(QWidget *parent) : QPlainTextEdit(parent)
    {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(minimumHeight);
        // The plain text layout counts its size in lines, wrapped ones included.
        connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
                &WholeTextEdit::fit);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QPlainTextEdit::resizeEvent(event);
        fit();
    }

private:
    void fit()
    {
        const qreal lines = document()->documentLayout()->documentSize().height();
        // One line more than counted: the view scrolls as soon as its last line is cut at all.
        const int text = qCeil((lines + 1) * fontMetrics().lineSpacing() + 2 * document()->documentMargin());
        // The frame, the padding and the border around the text.
        const int chrome = height() - viewport()->height();
        setFixedHeight(std::max(minimumHeight, text + chrome));
    }
};

} // namespace

QWidget *HistoryDetailView::makeDetail()
{
    auto *page = new QWidget(this);
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *content = new QWidget(scroll);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(16);

    // Header: time and mode badge, relative time, source, size.
    auto *header = new QVBoxLayout;
    header->setSpacing(4);
    auto *timeRow = new QHBoxLayout;
    m_dateLabel = new QLabel(content);
    m_dateLabel->setObjectName(QStringLiteral("detailDate"));
    m_dateLabel->setFont(HistoryStyle::font(HistoryStyle::TextStyle::headline));
    timeRow->addWidget(m_dateLabel);
    timeRow->addStretch(1);
    m_badge = new QLabel(content);
    m_badge->setObjectName(QStringLiteral("detailBadge"));
    m_badge->setFont(HistoryStyle::font(HistoryStyle::TextStyle::caption));
    const QColor tint = HistoryStyle::withOpacity(HistoryStyle::accent(palette()), 0.15);
    m_badge->setStyleSheet(QStringLiteral("QLabel { background: rgba(%1, %2, %3, %4); border-radius: 4px;"
                                          " padding: 4px 8px; }")
                               .arg(tint.red()).arg(tint.green()).arg(tint.blue()).arg(tint.alpha()));
    timeRow->addWidget(m_badge);
    header->addLayout(timeRow);
    m_relativeLabel = captionLabel(content, "detailRelativeTime");
    header->addWidget(m_relativeLabel);
    m_sourceLabel = captionLabel(content, "detailSource");
    header->addWidget(m_sourceLabel);
    m_dimensionsLabel = captionLabel(content, "detailDimensions");
    header->addWidget(m_dimensionsLabel);
    column->addLayout(header);

    column->addWidget(divider(content));

    m_thumbnail = new QLabel(content);
    m_thumbnail->setObjectName(QStringLiteral("detailThumbnail"));
    auto *shadow = new QGraphicsDropShadowEffect(m_thumbnail);
    shadow->setColor(QColor(0, 0, 0, 26));
    shadow->setBlurRadius(4);
    shadow->setOffset(0, 2);
    m_thumbnail->setGraphicsEffect(shadow);
    m_thumbnail->setContentsMargins(0, 0, 0, 8);
    column->addWidget(m_thumbnail, 0, Qt::AlignLeft);

    // The captured text: selectable and copyable, never changed.
    auto *textSection = new QVBoxLayout;
    textSection->setSpacing(8);
    auto *textRow = new QHBoxLayout;
    auto *textLabel = new QLabel(content);
    m_textLabel = textLabel;
    textLabel->setFont(HistoryStyle::font(HistoryStyle::TextStyle::subheadline));
    QPalette secondary = textLabel->palette();
    secondary.setColor(QPalette::WindowText, HistoryStyle::secondary(secondary));
    textLabel->setPalette(secondary);
    textRow->addWidget(textLabel);
    textRow->addStretch(1);
    m_characterCount = captionLabel(content, "detailCharacterCount");
    textRow->addWidget(m_characterCount);
    textSection->addLayout(textRow);
    m_text = new WholeTextEdit(content);
    m_text->setObjectName(QStringLiteral("detailText"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const QColor outline = HistoryStyle::withOpacity(HistoryStyle::secondary(palette()), 0.2);
    m_text->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(base); padding: 8px;"
                                         " border: 1px solid rgba(%1, %2, %3, %4); border-radius: 6px; }")
                              .arg(outline.red()).arg(outline.green()).arg(outline.blue()).arg(outline.alpha()));
    textSection->addWidget(m_text);
    column->addLayout(textSection);
    column->addStretch(1);

    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    outer->addWidget(divider(page));
    m_actionBar = makeActionBar();
    outer->addWidget(m_actionBar);
    return page;
}

QWidget *HistoryDetailView::makeActionBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("detailActionBar"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(buttonSpacing);

    auto button = [bar, layout](const char *objectName, const char *symbol) {
        auto *b = new HistoryActionButton(HistoryStyle::symbol(QLatin1String(symbol)), bar);
        b->setObjectName(QLatin1String(objectName));
        b->setMinimumHeight(32);
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };

    QPushButton *copyButton = button("copyButton", "doc.on.doc");
    m_copyButton = copyButton;
    copyButton->setDefault(true);
    copyButton->setShortcut(QKeySequence(Qt::Key_Return));
    connect(copyButton, &QPushButton::clicked, this, &HistoryDetailView::copy);
    // The keypad's Enter is the same key to the user.
    auto *enter = new QShortcut(QKeySequence(Qt::Key_Enter), copyButton);
    connect(enter, &QShortcut::activated, copyButton, &QPushButton::click);

    m_pinButton = button("pinButton", "pin");
    connect(m_pinButton, &QPushButton::clicked, this, &HistoryDetailView::pin);

    m_markdownButton = button("copyMarkdownButton", "doc.text");
    connect(m_markdownButton, &QPushButton::clicked, this, &HistoryDetailView::copyAsMarkdown);

    m_exportButton = button("exportButton", "square.and.arrow.up");
    m_exportMenu = new QMenu(m_exportButton);
    for (ExportFormat format : kAllExportFormats) {
        const char *symbol = format == ExportFormat::txt        ? "doc.plaintext"
                             : format == ExportFormat::markdown ? "doc.richtext"
                                                                : "doc.fill";
        QAction *item = m_exportMenu->addAction(HistoryStyle::symbol(QLatin1String(symbol)), displayName(format));
        item->setData(rawValue(format));
        connect(item, &QAction::triggered, this, [this, format] { exportAs(format); });
    }
    m_exportButton->setMenu(m_exportMenu);

    layout->addStretch(1);

    QPushButton *deleteButton = button("deleteButton", "trash");
    m_deleteButton = deleteButton;
    QPalette destructive = deleteButton->palette();
    destructive.setColor(QPalette::ButtonText, QColor(0xD7, 0x26, 0x1E));
    deleteButton->setPalette(destructive);
    // Command-Delete: the Super key stands for Command, Backspace is the Delete key.
    deleteButton->setShortcut(QKeySequence(Qt::META | Qt::Key_Backspace));
    // And the key a Linux file manager or mail program deletes with. A text field with the
    // focus keeps it for its own text.
    auto *deleteKey = new QShortcut(QKeySequence(QKeySequence::Delete), deleteButton);
    connect(deleteKey, &QShortcut::activated, deleteButton, &QPushButton::animateClick);
    connect(deleteButton, &QPushButton::clicked, this, &HistoryDetailView::requestDelete);
    return bar;
}

QSize HistoryDetailView::thumbnailDisplaySize(const QSize &imageSize)
{
    if (imageSize.width() <= 0 || imageSize.height() <= 0)
        return {};
    const qreal aspect = qreal(imageSize.width()) / imageSize.height();
    const int width = std::min(maxThumbnailWidth, imageSize.width());
    return {width, std::max(1, qRound(width / aspect))};
}

void HistoryDetailView::setEntry(const std::optional<CaptureHistoryEntry> &entry)
{
    m_entry = entry;
    if (!entry) {
        m_pages->setCurrentWidget(m_placeholder);
        return;
    }

    m_dateLabel->setText(DateText::mediumDateShortTime(entry->timestamp));
    m_badge->setVisible(entry->captureMode != CaptureMode::normal);
    m_badge->setText(displayName(entry->captureMode));
    m_relativeLabel->setText(DateText::relative(entry->timestamp, m_viewModel.now()));
    m_sourceLabel->setVisible(entry->sourceAppBundleID.has_value());
    if (entry->sourceAppBundleID) {
        //: Source app label
        //% "From: %1"
        m_sourceLabel->setText(qtTrId("history.detail.source_app").arg(*entry->sourceAppBundleID));
    }
    m_dimensionsLabel->setText(dimensionsText(entry->sourceRect));

    const QImage image = entry->thumbnailData.isEmpty() ? QImage() : QImage::fromData(entry->thumbnailData);
    const QSize shown = thumbnailDisplaySize(image.size());
    m_thumbnail->setVisible(!shown.isEmpty());
    if (!shown.isEmpty()) {
        m_thumbnail->setPixmap(roundedPixmap(image, shown, devicePixelRatioF()));
        m_thumbnail->setFixedSize(shown + QSize(0, 8));
    }

    //: Character count
    //% "%n character(s)"
    m_characterCount->setText(qtTrId("history.detail.character_count", int(graphemeCount(entry->text))));
    m_text->setFont(HistoryStyle::font(HistoryStyle::TextStyle::body, entry->captureMode == CaptureMode::code));
    if (m_text->toPlainText() != entry->text)
        m_text->setPlainText(entry->text);

    m_pages->setCurrentWidget(m_detail);
}

void HistoryDetailView::copy()
{
    if (m_entry)
        m_viewModel.copyEntryText(*m_entry);
}

void HistoryDetailView::pin()
{
    if (m_entry)
        m_pinManager.pinHistoryEntry(*m_entry, std::nullopt);
}

void HistoryDetailView::copyAsMarkdown()
{
    if (m_entry)
        m_viewModel.copyEntryAsMarkdown(*m_entry);
}

void HistoryDetailView::exportAs(ExportFormat format)
{
    if (!m_entry)
        return;
    // After the menu has closed; the task keeps its own copy of the record.
    QTimer::singleShot(0, &m_viewModel,
                       [service = &m_viewModel.exportService(), entry = *m_entry, format, window = QPointer(window())] {
                           service->exportEntry(entry, format, window);
                       });
}

void HistoryDetailView::requestDelete()
{
    if (!m_entry)
        return;
    m_viewModel.setEntryToDelete(*m_entry);
    m_viewModel.setShowDeleteConfirmation(true);
}

} // namespace quorvane
