// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard service: its conversions and failure rules against a recording
// pasteboard, and what another program (xclip) reads from the real X clipboard.
#include "x_display_test_tools.h"

#include "capture/clipboard_error.h"
#include "capture/clipboard_service.h"
#include "platform/pasteboard.h"
#include "platform/system_pasteboard.h"
#include "support/scoped_interface_language.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTemporaryFile>

#include <gtest/gtest.h>

using namespace quorvane;
using namespace quorvane::test;

namespace {

// Records every write; can refuse some or all representations.
class RecordingPasteboard : public Pasteboard {
public:
    QList<QList<Representation>> writes;
    bool refuseAll = false;

    QStringList write(const QList<Representation> &representations) override
    {
        writes.append(representations);
        if (refuseAll)
            return {};
        QStringList accepted;
        for (const Representation &r : representations)
            accepted.append(r.mimeType);
        return accepted;
    }

    QStringList lastTypes() const
    {
        QStringList types;
        for (const Representation &r : writes.last())
            types.append(r.mimeType);
        return types;
    }
    QByteArray lastData(const QString &type) const
    {
        for (const Representation &r : writes.last()) {
            if (r.mimeType == type)
                return r.data;
        }
        return {};
    }
};

template <typename Fn>
std::optional<ClipboardError> clipboardErrorOf(Fn fn)
{
    try {
        fn();
    } catch (const ClipboardError &error) {
        return error;
    }
    return std::nullopt;
}

// A text whose UTF-16 holds a lone surrogate cannot be encoded.
const QString kMalformed = QStringLiteral("bad ") + QChar(0xD800) + QStringLiteral(" text");

const QByteArray kHead =
    "<!DOCTYPE html>\n<html>\n<head>\n    <meta charset=\"UTF-8\">\n    <style>\n"
    "        body { font-family: -apple-system, BlinkMacSystemFont, \"Segoe UI\", Helvetica, Arial, sans-serif; }\n"
    "        pre { white-space: pre-wrap; word-wrap: break-word; }\n"
    "    </style>\n</head>\n<body>\n    <pre>";
const QByteArray kTail = "</pre>\n</body>\n</html>";

class ClipboardServiceTest : public ::testing::Test {
protected:
    RecordingPasteboard pasteboard;
    ClipboardService service{pasteboard};
};

TEST_F(ClipboardServiceTest, EmptyTextIsRefusedWithoutTouchingTheClipboard)
{
    auto plain = clipboardErrorOf([&] { service.copyText(QString()); });
    auto formats = clipboardErrorOf([&] { service.copyTextInFormats(QString(), {ClipboardFormat::html}); });
    ASSERT_TRUE(plain && formats);
    EXPECT_EQ(plain->kind(), ClipboardErrorKind::emptyContent);
    EXPECT_EQ(formats->kind(), ClipboardErrorKind::emptyContent);
    EXPECT_EQ(plain->localizedDescription(), "Cannot copy empty content to clipboard");
    EXPECT_TRUE(pasteboard.writes.isEmpty());
    EXPECT_EQ(service.operationCount(), 0);

    service.copyText(" ");
    EXPECT_EQ(pasteboard.lastData("text/plain"), " ");
}

TEST_F(ClipboardServiceTest, CopyTextReplacesTheClipboardWithPlainTextAndCounts)
{
    QSignalSpy counted(&service, &ClipboardService::operationCountChanged);
    service.copyText("Grüße\nzwei");
    ASSERT_EQ(pasteboard.writes.size(), 1);
    EXPECT_EQ(pasteboard.lastTypes(), QStringList{"text/plain"});
    EXPECT_EQ(pasteboard.lastData("text/plain"), QString("Grüße\nzwei").toUtf8());
    EXPECT_EQ(service.operationCount(), 1);
    ASSERT_EQ(counted.size(), 1);
    EXPECT_EQ(counted.first().first().toInt(), 1);
}

TEST_F(ClipboardServiceTest, FormatsAreWrittenTogetherOnceAndCountedOnce)
{
    service.copyTextInFormats("# Title", {ClipboardFormat::markdown, ClipboardFormat::plainText,
                                          ClipboardFormat::markdown});
    ASSERT_EQ(pasteboard.writes.size(), 1);
    EXPECT_EQ(pasteboard.lastTypes(), (QStringList{"text/markdown", "text/plain"}));
    EXPECT_EQ(pasteboard.lastData("text/markdown"), "# Title");
    EXPECT_EQ(service.operationCount(), 1);

    service.copyTextInFormats("x", {ClipboardFormat::rtf, ClipboardFormat::html});
    EXPECT_EQ(pasteboard.lastTypes(), (QStringList{"text/rtf", "application/rtf", "text/html"}));
    EXPECT_EQ(pasteboard.lastData("text/rtf"), pasteboard.lastData("application/rtf"));
    EXPECT_EQ(service.operationCount(), 2);
}

TEST_F(ClipboardServiceTest, FailedConversionOrNoFormatsLeaveTheClipboardUntouched)
{
    auto rtf = clipboardErrorOf([&] {
        service.copyTextInFormats(kMalformed, {ClipboardFormat::plainText, ClipboardFormat::rtf});
    });
    ASSERT_TRUE(rtf.has_value());
    EXPECT_EQ(rtf->kind(), ClipboardErrorKind::conversionFailed);
    EXPECT_EQ(rtf->format(), ClipboardFormat::rtf);
    EXPECT_EQ(rtf->localizedDescription(), "Failed to convert text to Rich Text format");

    auto html = clipboardErrorOf([&] { service.copyTextInFormats(kMalformed, {ClipboardFormat::html}); });
    ASSERT_TRUE(html.has_value());
    EXPECT_EQ(html->localizedDescription(), "Failed to convert text to HTML format");

    auto none = clipboardErrorOf([&] { service.copyTextInFormats("text", {}); });
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->kind(), ClipboardErrorKind::writeFailed);
    EXPECT_EQ(none->localizedDescription(), "Failed to copy to clipboard: No items to put on the clipboard");

    EXPECT_TRUE(pasteboard.writes.isEmpty());
    EXPECT_EQ(service.operationCount(), 0);
}

TEST_F(ClipboardServiceTest, RefusedWritesFailAndAreNotCounted)
{
    service.copyText("one");
    service.copyText("two");
    service.copyTextInFormats("three", {ClipboardFormat::plainText});
    pasteboard.refuseAll = true;
    auto plain = clipboardErrorOf([&] { service.copyText("four"); });
    auto formats = clipboardErrorOf([&] { service.copyTextInFormats("five", {ClipboardFormat::plainText}); });
    ASSERT_TRUE(plain && formats);
    EXPECT_EQ(plain->localizedDescription(), "Failed to copy to clipboard: Failed to put the text on the clipboard");
    EXPECT_EQ(formats->localizedDescription(),
              "Failed to copy to clipboard: Failed to put any items on the clipboard");
    EXPECT_EQ(service.operationCount(), 3);

    // The reason is the program's own: in German, the whole message is German.
    test::ScopedInterfaceLanguage german("de");
    EXPECT_EQ(clipboardErrorOf([&] { service.copyText("six"); })->localizedDescription(),
              "Kopieren in die Zwischenablage fehlgeschlagen: Der Text konnte nicht in die Zwischenablage gelegt werden");
    german.english();
}

TEST_F(ClipboardServiceTest, HtmlEscapesEveryMarkupCharacterOnceInsideThePreBlock)
{
    const std::optional<QByteArray> html = service.htmlData("a & b < c \"q\" 'p' >\nline 2 &lt;");
    ASSERT_TRUE(html.has_value());
    EXPECT_EQ(kHead.size(), 275);
    EXPECT_EQ(kTail.size(), 22);
    EXPECT_EQ(*html, kHead
                         + "a &amp; b &lt; c &quot;q&quot; &#39;p&#39; &gt;<br>line 2 &amp;lt;"
                         + kTail);
    EXPECT_EQ(*service.htmlData("ü"), kHead + "\xc3\xbc" + kTail);
}

TEST_F(ClipboardServiceTest, RtfIsBlackTextWithItsSpecialCharactersEscaped)
{
    const std::optional<QByteArray> rtf =
        service.rtfData(QStringLiteral("{a}\\b\r\nç\t€ \U0001F600\nend"));
    ASSERT_TRUE(rtf.has_value());
    const QByteArray doc = *rtf;
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi")) << doc.constData();
    EXPECT_TRUE(doc.endsWith("end}")) << doc.constData();
    // The only colour is black, and the text uses it.
    EXPECT_TRUE(doc.contains("{\\colortbl;\\red0\\green0\\blue0;}")) << doc.constData();
    EXPECT_TRUE(doc.contains("\\cf1 ")) << doc.constData();
    EXPECT_TRUE(doc.contains(
        "\\{a\\}\\\\b\\par\n\\u231?\\tab \\u8364? \\u-10179?\\u-8704?\\par\nend}"))
        << doc.constData();
    // Braces of the document balance: escaped ones do not count.
    int depth = 0;
    for (qsizetype i = 0; i < doc.size(); ++i) {
        if (doc[i] == '\\') {
            ++i;
            continue;
        }
        depth += doc[i] == '{' ? 1 : doc[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(ClipboardFormatText, NamesAndErrorTexts)
{
    EXPECT_EQ(displayName(ClipboardFormat::plainText), "Plain Text");
    EXPECT_EQ(displayName(ClipboardFormat::rtf), "Rich Text");
    EXPECT_EQ(displayName(ClipboardFormat::markdown), "Markdown");
    EXPECT_EQ(displayName(ClipboardFormat::html), "HTML");
    EXPECT_EQ(ClipboardError(ClipboardErrorKind::unsupportedFormat, ClipboardFormat::markdown)
                  .localizedDescription(),
              "Clipboard format Markdown is not supported");
}

// The real X clipboard, read by another program.
class SystemClipboardTest : public ::testing::Test {
protected:
    static QByteArray readWithXclip(const QString &target)
    {
        const ToolRun run = runTool("xclip", {"-selection", "clipboard", "-o", "-t", target});
        EXPECT_EQ(run.exitCode, 0) << target.toStdString() << ": " << run.errors.constData();
        return run.output;
    }

    SystemPasteboard pasteboard{QGuiApplication::clipboard()};
    ClipboardService service{pasteboard};
};

TEST_F(SystemClipboardTest, AnotherProgramReadsEveryFormatWritten)
{
    const QString text = QStringLiteral("Zeile <1> & \"zwei\"\nÄrger 😀");
    service.copyTextInFormats(text, {ClipboardFormat::plainText, ClipboardFormat::rtf,
                                     ClipboardFormat::markdown, ClipboardFormat::html});
    EXPECT_EQ(readWithXclip("UTF8_STRING"), text.toUtf8());
    EXPECT_EQ(readWithXclip("text/plain"), text.toUtf8());
    EXPECT_EQ(readWithXclip("text/rtf"), *service.rtfData(text));
    EXPECT_EQ(readWithXclip("application/rtf"), *service.rtfData(text));
    EXPECT_EQ(readWithXclip("text/markdown"), text.toUtf8());
    EXPECT_EQ(readWithXclip("text/html"), *service.htmlData(text));

    service.copyText("only plain");
    EXPECT_EQ(readWithXclip("UTF8_STRING"), "only plain");
    const QByteArray targets = readWithXclip("TARGETS");
    EXPECT_FALSE(targets.contains("text/html")) << targets.constData();
}

TEST_F(SystemClipboardTest, FailedConversionKeepsWhatAnotherProgramPutOnTheClipboard)
{
    QTemporaryFile content;
    ASSERT_TRUE(content.open());
    content.write("from another program");
    content.flush();
    // xclip stays in the background and serves the clipboard until someone else takes it.
    ASSERT_TRUE(QProcess::startDetached("xclip", {"-selection", "clipboard", "-i", content.fileName()}));
    ASSERT_TRUE(waitUntil([] {
        return runTool("xclip", {"-selection", "clipboard", "-o"}).output == "from another program";
    }));

    auto error = clipboardErrorOf([&] {
        service.copyTextInFormats(kMalformed, {ClipboardFormat::plainText, ClipboardFormat::html});
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind(), ClipboardErrorKind::conversionFailed);
    EXPECT_EQ(readWithXclip("UTF8_STRING"), "from another program");

    // Taking the clipboard back ends the background xclip.
    service.copyText("done");
    EXPECT_EQ(readWithXclip("UTF8_STRING"), "done");
}

} // namespace
