// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_test_support.h"
#include "history_window_fakes.h"

#include "history/export_error.h"
#include "history/export_service.h"
#include "support/child_process.h"

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <cerrno>
#include <cstring>

using namespace quorvane;
using namespace quorvane::test;

namespace {

// 09:30:05 on 14 March 2025, local time.
const QDateTime kTaken(QDate(2025, 3, 14), QTime(9, 30, 5));

CaptureHistoryEntry record(const QString &text, CaptureMode mode = CaptureMode::normal)
{
    CaptureHistoryEntry entry = makeEntry(text, kTaken);
    entry.captureMode = mode;
    entry.sourceRect = QRectF(5, 5, 600.9, 300.2);
    return entry;
}

QString readText(const QString &path)
{
    return QString::fromUtf8(readFile(path));
}

// What a PDF reader makes of the file: its page count and its text.
struct PdfContent {
    int pages = 0;
    QString text;
};

PdfContent readPdf(const QString &path)
{
    PdfContent content;
    QProcess info;
    info.start("pdfinfo", {path});
    info.waitForFinished(30000);
    const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput()));
    content.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    text.waitForFinished(30000);
    content.text = QString::fromUtf8(text.readAllStandardOutput());
    return content;
}

class ExportServiceTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FakeSavePanel savePanel;
    ExportService service{savePanel};
};

} // namespace

TEST_F(ExportServiceTest, DefaultFilenameJoinsTimeAndFirstThreeCleanedWords)
{
    EXPECT_EQ(ExportService::makeDefaultFilename(record("Invoice number 42 from ACME"), ExportFormat::pdf),
              "Quorvane_2025-03-14_093005_Invoice_number_42.pdf");
    EXPECT_EQ(ExportService::makeDefaultFilename(record("?!...,"), ExportFormat::txt),
              "Quorvane_2025-03-14_093005.txt");
    // Runs of spaces leave empty words behind.
    EXPECT_EQ(ExportService::makeDefaultFilename(record("Hello,   world"), ExportFormat::markdown),
              "Quorvane_2025-03-14_093005_Hello__.md");
    EXPECT_EQ(ExportService::makeDefaultFilename(record(QString::fromUtf8("Größe/../x y\nz")), ExportFormat::txt),
              "Quorvane_2025-03-14_093005_Grex_y.txt");
}

TEST_F(ExportServiceTest, TextFileHoldsMetadataSeparatorAndText)
{
    CaptureHistoryEntry entry = record("line one\nline two", CaptureMode::repeat);
    entry.sourceAppBundleID = QString("org.example.Editor");
    service.exportAsText(entry, path("a.txt"));
    const QString separator(60, '-');
    EXPECT_EQ(readText(path("a.txt")),
              QString::fromUtf8("Captured: March 14, 2025, 9:30 AM\nSource: org.example.Editor\n"
                                "Capture Mode: Repeat\nDimensions: 600 × 300 pixels\n\n")
                  + separator + "\n\nline one\nline two");

    entry.sourceAppBundleID.reset();
    service.exportAsText(entry, path("a.txt")); // replaces the file
    EXPECT_FALSE(readText(path("a.txt")).contains("Source:"));
}

TEST_F(ExportServiceTest, FullDiskFailsTheExportAndKeepsTheFileThatWasThere)
{
    writeFile(path("a.txt"), "kept");
    for (const ExportFormat format : {ExportFormat::txt, ExportFormat::pdf}) {
        const int status = test::runInChild(
            [&] {
                try {
                    format == ExportFormat::txt ? service.exportAsText(record("new text"), path("a.txt"))
                                                : service.exportAsPDF(record("new text"), path("a.txt"));
                } catch (const ExportError &error) {
                    // The cause is named: EFBIG, the file size limit standing in for a full disk.
                    return error.localizedDescription().contains(QString::fromLocal8Bit(std::strerror(EFBIG))) ? 0 : 2;
                }
                return 1;
            },
            16);
        EXPECT_EQ(status, 0) << (format == ExportFormat::txt ? "text" : "PDF");
        EXPECT_EQ(readFile(path("a.txt")), "kept");
    }
}

TEST_F(ExportServiceTest, MarkdownFencesOnlyCodeCaptures)
{
    service.exportAsMarkdown(record("int x;", CaptureMode::code), path("code.md"));
    EXPECT_EQ(readText(path("code.md")),
              QString::fromUtf8("# Captured Text\n\n**Captured:** March 14, 2025, 9:30 AM  \n"
                                "**Capture Mode:** Code  \n**Dimensions:** 600 × 300 pixels  \n"
                                "\n---\n\n```\nint x;\n```\n"));
    for (CaptureMode mode : {CaptureMode::repeat, CaptureMode::scanCode}) {
        service.exportAsMarkdown(record("plain", mode), path("plain.md"));
        EXPECT_TRUE(readText(path("plain.md")).endsWith("---\n\nplain\n"));
    }
}

TEST_F(ExportServiceTest, PdfPagesFollowEachOtherWithoutRepeatingText)
{
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QString("Line %1 of the long capture").arg(i, 3, 10, QLatin1Char('0'));
    service.exportAsPDF(record(lines.join('\n')), path("long.pdf"));

    const PdfContent pdf = readPdf(path("long.pdf"));
    EXPECT_GE(pdf.pages, 3);
    qsizetype position = 0;
    for (const QString &line : lines) {
        EXPECT_EQ(pdf.text.count(line), 1) << line.toStdString();
        const qsizetype found = pdf.text.indexOf(line, position);
        ASSERT_GE(found, position) << line.toStdString();
        position = found;
    }
}

TEST_F(ExportServiceTest, PdfTextIsFoundAsTypedWithoutLigatures)
{
    for (CaptureMode mode : {CaptureMode::normal, CaptureMode::code}) {
        service.exportAsPDF(record("The office staff find five flat files", mode), path("words.pdf"));
        const QString text = readPdf(path("words.pdf")).text;
        EXPECT_TRUE(text.contains("office staff find five flat files")) << text.toStdString();
    }
}

TEST_F(ExportServiceTest, PdfShowsEveryLineOfAParagraphAcrossPageBreaksOnce)
{
    // One paragraph each, many pages long: Latin words, words too long for a line, and
    // mixed scripts. Every word is distinct, so a line drawn twice shows in the count.
    QStringList latin, longWords, mixed;
    for (int i = 0; i < 2200; ++i)
        latin << QString("w%1").arg(i, 4, 10, QLatin1Char('0'));
    for (int i = 0; i < 60; ++i)
        longWords << QString("L%1").arg(i, 3, 10, QLatin1Char('0')) + QString(70, QLatin1Char('x'))
                  << QString("s%1").arg(i);
    for (int i = 0; i < 900; ++i)
        mixed << QString::fromUtf8(i % 3 == 0 ? "слово%1" : i % 3 == 1 ? "λέξη%1" : "word%1").arg(i);
    for (const QStringList &words : {latin, longWords, mixed}) {
        service.exportAsPDF(record(words.join(' ')), path("paragraph.pdf"));
        const PdfContent pdf = readPdf(path("paragraph.pdf"));
        ASSERT_GE(pdf.pages, 2);
        QString body = pdf.text.mid(pdf.text.indexOf(QString(10, QChar(0x2500))) + 60);
        // A word wider than a line is broken over two, so the letters count, not the words.
        if (words != longWords) {
            EXPECT_EQ(body.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size(), words.size());
        }
        EXPECT_EQ(body.remove(QRegularExpression("\\s+")), words.join(QString())) << words.first().toStdString();
    }
}

TEST_F(ExportServiceTest, PdfOfEmptyTextIsOnePageWithTitleAndMetadata)
{
    service.exportAsPDF(record(QString()), path("empty.pdf"));
    const PdfContent pdf = readPdf(path("empty.pdf"));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(pdf.text.contains("Captured Text"));
    EXPECT_TRUE(pdf.text.contains("Capture Mode: Normal"));
    EXPECT_TRUE(pdf.text.contains(QString(10, QChar(0x2500))));
}

TEST_F(ExportServiceTest, ExportAnnouncesOutcomeAndStaysSilentOnCancel)
{
    // Each announcement: which one, then the URL and format, or the error.
    QList<QStringList> posts;
    QObject::connect(&service, &ExportService::exportSucceeded, [&](const QUrl &url, const QString &format) {
        posts.append({"ExportSucceeded", url.toString(), format});
    });
    QObject::connect(&service, &ExportService::exportFailed,
                     [&](const QString &error) { posts.append({"ExportFailed", error}); });

    EXPECT_FALSE(service.exportEntry(record("x"), ExportFormat::pdf));
    EXPECT_TRUE(posts.isEmpty());
    ASSERT_EQ(savePanel.requests.size(), 1u);
    EXPECT_EQ(savePanel.requests[0].defaultFileName, "Quorvane_2025-03-14_093005_x.pdf");
    EXPECT_EQ(savePanel.requests[0].mimeType, "application/pdf");
    EXPECT_EQ(savePanel.requests[0].title, "Export Capture");

    savePanel.answer = path("out.md");
    EXPECT_TRUE(service.exportEntry(record("x"), ExportFormat::markdown));
    ASSERT_EQ(posts.size(), 1);
    EXPECT_EQ(posts[0], (QStringList{"ExportSucceeded", QUrl::fromLocalFile(path("out.md")).toString(), "Markdown (.md)"}));

    for (ExportFormat format : {ExportFormat::txt, ExportFormat::pdf}) {
        savePanel.answer = path("missing-folder/out");
        EXPECT_FALSE(service.exportEntry(record("x"), format));
        EXPECT_EQ(posts.last().value(0), "ExportFailed");
        EXPECT_FALSE(posts.last().value(1).isEmpty());
    }
    EXPECT_TRUE(posts.last().value(1).contains("missing-folder/out")) << posts.last().value(1).toStdString();
}
