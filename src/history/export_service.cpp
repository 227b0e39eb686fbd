// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/export_service.h"

#include "core/diagnostics.h"
#include "history/export_error.h"
#include "platform/atomic_save.h"
#include "platform/date_text.h"
#include "platform/save_panel.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextDocument>
#include <QUrl>

#include <cmath>
#include <limits>

namespace quorvane {

namespace {

constexpr int kSeparatorLength = 60;
constexpr double kMarginPoints = 72;

// A rectangle side as a whole number, cut toward zero; never undefined for absurd values.
qint64 truncatedSide(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.0e18;
    return static_cast<qint64>(std::clamp(value, -limit, limit));
}

// The metadata lines every format shares, each ending in `lineEnd` and a line feed.
QString metadataLines(const CaptureHistoryEntry &entry, const QString &lineEnd,
                      const char *captured, const char *source, const char *mode,
                      const char *dimensions)
{
    QString lines;
    lines += QLatin1String(captured) + DateText::longDateShortTime(entry.timestamp) + lineEnd + '\n';
    if (entry.sourceAppBundleID)
        lines += QLatin1String(source) + *entry.sourceAppBundleID + lineEnd + '\n';
    lines += QLatin1String(mode) + displayName(entry.captureMode) + lineEnd + '\n';
    lines += QLatin1String(dimensions) + QString::number(truncatedSide(entry.sourceRect.width()))
             + QString::fromUtf8(" × ") + QString::number(truncatedSide(entry.sourceRect.height()))
             + QStringLiteral(" pixels") + lineEnd + '\n';
    return lines;
}

QString plainMetadata(const CaptureHistoryEntry &entry)
{
    return metadataLines(entry, QString(), "Captured: ", "Source: ", "Capture Mode: ", "Dimensions: ");
}

void writeAtomically(const QString &destination, const QByteArray &bytes)
{
    if (const auto failure = saveAtomically(destination, bytes))
        throw ExportError::fileSystemFailure(*failure);
}

QFont systemFont(QFontDatabase::SystemFont kind, qreal points, QFont::Weight weight = QFont::Normal)
{
    QFont font = QFontDatabase::systemFont(kind);
    font.setPointSizeF(points);
    font.setWeight(weight);
    // Ligatures ("ﬁ") would reach the file's text layer as single characters, so a search
    // for "fi" would miss them. Scripts that need shaping to be read are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QTextCharFormat run(const QFont &font, const QColor &colour)
{
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(colour);
    return format;
}

struct PlacedLine {
    QTextLine line;
    QPointF position; // of the line's layout on its page
};

// Pages of whole lines, in reading order: a page takes lines while they fit below each
// other, and the first line that does not opens the next page. So each line is drawn
// exactly once, never cut by a page's edge or repeated on the next page. Always at least
// one page.
QList<QList<PlacedLine>> linesByPage(const QTextDocument &document, qreal pageHeight)
{
    QList<QList<PlacedLine>> pages(1);
    qreal pageTop = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QPointF origin = document.documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal top = origin.y() + line.y();
            if (!pages.last().isEmpty() && top + line.height() - pageTop > pageHeight) {
                pages.append(QList<PlacedLine>());
                pageTop = top;
            }
            pages.last().append(PlacedLine{line, origin - QPointF(0, pageTop)});
        }
    }
    return pages;
}

} // namespace

ExportService::ExportService(SavePanel &savePanel, QObject *parent) : QObject(parent), m_savePanel(savePanel)
{
}

ExportService::~ExportService() = default;

bool ExportService::exportEntry(const CaptureHistoryEntry &entry, ExportFormat format, QWidget *window)
{
    const QString filename = makeDefaultFilename(entry, format);
    const std::optional<QString> destination = showSavePanel(filename, format, window);
    if (!destination)
        return false;
    try {
        switch (format) {
        case ExportFormat::txt: exportAsText(entry, *destination); break;
        case ExportFormat::markdown: exportAsMarkdown(entry, *destination); break;
        case ExportFormat::pdf: exportAsPDF(entry, *destination); break;
        }
    } catch (const LocalizedError &error) {
        diagWarning(lcHistory(), QStringLiteral("[ExportService.export] %1").arg(error.englishDescription()));
        emit exportFailed(error.localizedDescription());
        return false;
    } catch (const std::exception &error) {
        const QString description = QString::fromUtf8(error.what());
        diagWarning(lcHistory(), QStringLiteral("[ExportService.export] %1").arg(description));
        emit exportFailed(description);
        return false;
    }
    diag(lcHistory(), QStringLiteral("[ExportService.export] %1").arg(*destination));
    emit exportSucceeded(QUrl::fromLocalFile(*destination), displayName(format));
    return true;
}

std::optional<QString> ExportService::showSavePanel(const QString &defaultFilename, ExportFormat format,
                                                   QWidget *window)
{
    SavePanelRequest request;
    //: Export save panel title
    //% "Export Capture"
    request.title = qtTrId("export.panel.title");
    //: Export save panel message
    //% "Choose where to save the exported file"
    request.message = qtTrId("export.panel.message");
    request.defaultFileName = defaultFilename;
    request.mimeType = mimeType(format);
    request.window = window;
    return m_savePanel.run(request);
}

QString ExportService::makeDefaultFilename(const CaptureHistoryEntry &entry, ExportFormat format)
{
    const QString date = entry.timestamp.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"));

    // Every white-space character separates, so runs of them leave empty pieces.
    QStringList pieces{QString()};
    for (QChar c : entry.title()) {
        if (c.isSpace())
            pieces.append(QString());
        else
            pieces.last().append(c);
    }
    static const QRegularExpression unsafe(QStringLiteral("[^a-zA-Z0-9_-]"));
    const QString words = pieces.mid(0, 3).join(QLatin1Char('_')).remove(unsafe);

    QString name = QStringLiteral("Quorvane_") + date;
    if (!words.isEmpty())
        name += QLatin1Char('_') + words;
    return name + QLatin1Char('.') + rawValue(format);
}

void ExportService::exportAsText(const CaptureHistoryEntry &entry, const QString &destination)
{
    const QString content = plainMetadata(entry) + QLatin1Char('\n')
                            + QString(kSeparatorLength, QLatin1Char('-')) + QStringLiteral("\n\n")
                            + entry.text;
    writeAtomically(destination, content.toUtf8());
}

void ExportService::exportAsMarkdown(const CaptureHistoryEntry &entry, const QString &destination)
{
    QString content = QStringLiteral("# Captured Text\n\n");
    content += metadataLines(entry, QStringLiteral("  "), "**Captured:** ", "**Source:** ",
                             "**Capture Mode:** ", "**Dimensions:** ");
    content += QStringLiteral("\n---\n\n");
    if (entry.captureMode == CaptureMode::code)
        content += QStringLiteral("```\n") + entry.text + QStringLiteral("\n```\n");
    else
        content += entry.text + QLatin1Char('\n');
    writeAtomically(destination, content.toUtf8());
}

std::unique_ptr<QTextDocument> ExportService::makePDFAttributedString(const CaptureHistoryEntry &entry)
{
    // Printed colours, independent of the desktop's light or dark palette.
    const QColor textColour(Qt::black);
    const QColor secondaryColour(0x80, 0x80, 0x80);
    const QColor separatorColour(0xC6, 0xC6, 0xC8);

    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("Captured Text\n\n"),
                      run(systemFont(QFontDatabase::GeneralFont, 18, QFont::Bold), textColour));
    cursor.insertText(plainMetadata(entry) + QLatin1Char('\n'),
                      run(systemFont(QFontDatabase::GeneralFont, 10), secondaryColour));
    cursor.insertText(QString(kSeparatorLength, QChar(0x2500)) + QStringLiteral("\n\n"),
                      run(systemFont(QFontDatabase::GeneralFont, 10), separatorColour));
    const QFont bodyFont = entry.captureMode == CaptureMode::code
                               ? systemFont(QFontDatabase::FixedFont, 11)
                               : systemFont(QFontDatabase::GeneralFont, 12);
    cursor.insertText(entry.text, run(bodyFont, textColour));
    return document;
}

void ExportService::exportAsPDF(const CaptureHistoryEntry &entry, const QString &destination)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Quorvane"));
        writer.setTitle(entry.title());
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                 QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                                 QPageLayout::Point);
        if (!writer.setPageLayout(letter))
            throw ExportError(ExportErrorKind::pdfCreationFailed);

        std::unique_ptr<QTextDocument> document = makePDFAttributedString(entry);
        // Lay the text out as one column of the text area's width with the writer's
        // metrics, then deal its lines out onto pages.
        document->documentLayout()->setPaintDevice(&writer);
        document->setTextWidth(writer.width());
        const QList<QList<PlacedLine>> pages = linesByPage(*document, writer.height());

        QPainter painter;
        if (!painter.begin(&writer))
            throw ExportError(ExportErrorKind::pdfCreationFailed);
        painter.setPen(Qt::black);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0 && !writer.newPage())
                throw ExportError(ExportErrorKind::pdfCreationFailed);
            for (const PlacedLine &placed : pages[page])
                placed.line.draw(&painter, placed.position);
        }
        if (!painter.end())
            throw ExportError(ExportErrorKind::pdfCreationFailed);
    }
    if (pdf.data().isEmpty())
        throw ExportError(ExportErrorKind::pdfCreationFailed);

    writeAtomically(destination, pdf.data());
}

} // namespace quorvane
