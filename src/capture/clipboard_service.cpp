// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/clipboard_service.h"

#include "capture/clipboard_error.h"
#include "core/diagnostics.h"
#include "platform/pasteboard.h"

#include <QFontDatabase>
#include <QStringView>

#include <cmath>

namespace quorvane {

namespace {

const QString kPlainText = QStringLiteral("text/plain");
const QString kRtf = QStringLiteral("text/rtf");
const QString kRtfApplication = QStringLiteral("application/rtf");
const QString kMarkdown = QStringLiteral("text/markdown");
const QString kHtml = QStringLiteral("text/html");

// Font sizes of RTF count half points; this is the size when the desktop names none.
constexpr double kFallbackPointSize = 13.0;

const char kHtmlHead[] =
    "<!DOCTYPE html>\n"
    "<html>\n"
    "<head>\n"
    "    <meta charset=\"UTF-8\">\n"
    "    <style>\n"
    "        body { font-family: -apple-system, BlinkMacSystemFont, \"Segoe UI\", Helvetica, Arial, sans-serif; }\n"
    "        pre { white-space: pre-wrap; word-wrap: break-word; }\n"
    "    </style>\n"
    "</head>\n"
    "<body>\n"
    "    <pre>";
const char kHtmlTail[] = "</pre>\n</body>\n</html>";

// RTF body text: the group and escape characters are escaped, line breaks become
// paragraph marks, and everything outside ASCII is a \u control word (one per UTF-16 unit,
// with "?" for readers that know no Unicode).
QByteArray rtfEscaped(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case u'\\':
            out += "\\\\";
            break;
        case u'{':
            out += "\\{";
            break;
        case u'}':
            out += "\\}";
            break;
        case u'\t':
            out += "\\tab ";
            break;
        case u'\r':
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += "\\par\n";
            break;
        case u'\n':
            out += "\\par\n";
            break;
        default:
            if (c >= 0x20 && c < 0x80) {
                out += char(c);
            } else {
                out += "\\u";
                out += QByteArray::number(int(qint16(c)));
                out += '?';
            }
        }
    }
    return out;
}

} // namespace

ClipboardService::ClipboardService(Pasteboard &pasteboard, QObject *parent)
    : QObject(parent)
    , m_pasteboard(pasteboard)
{
}

void ClipboardService::copyText(const QString &text)
{
    if (text.isEmpty())
        throw ClipboardError(ClipboardErrorKind::emptyContent);
    if (m_pasteboard.write({{kPlainText, text.toUtf8()}}).isEmpty())
        throw ClipboardError(ClipboardErrorKind::writeFailed,
                             //: Why copying failed: the desktop took none of the text
                             //% "Failed to put the text on the clipboard"
                             Phrase::text(QT_TRID_NOOP("error.clipboard.reason.text_not_written")));
    countOperation();
}

void ClipboardService::copyTextInFormats(const QString &text, const QList<ClipboardFormat> &formats)
{
    if (text.isEmpty())
        throw ClipboardError(ClipboardErrorKind::emptyContent);

    // Every representation is made first; the clipboard is replaced only when all exist.
    QList<Pasteboard::Representation> representations;
    auto put = [&representations](const QString &mimeType, const QByteArray &data) {
        for (Pasteboard::Representation &r : representations) {
            if (r.mimeType == mimeType) {
                r.data = data;
                return;
            }
        }
        representations.append({mimeType, data});
    };
    for (const ClipboardFormat format : formats) {
        switch (format) {
        case ClipboardFormat::plainText:
            put(kPlainText, text.toUtf8());
            break;
        case ClipboardFormat::rtf: {
            const std::optional<QByteArray> rtf = rtfData(text);
            if (!rtf)
                throw ClipboardError(ClipboardErrorKind::conversionFailed, format);
            // Editors on Linux ask for either name of RTF.
            put(kRtf, *rtf);
            put(kRtfApplication, *rtf);
            break;
        }
        case ClipboardFormat::markdown:
            put(kMarkdown, text.toUtf8());
            break;
        case ClipboardFormat::html: {
            const std::optional<QByteArray> html = htmlData(text);
            if (!html)
                throw ClipboardError(ClipboardErrorKind::conversionFailed, format);
            put(kHtml, *html);
            break;
        }
        }
    }
    if (representations.isEmpty())
        throw ClipboardError(ClipboardErrorKind::writeFailed,
                             //: Why copying failed: there was nothing to copy
                             //% "No items to put on the clipboard"
                             Phrase::text(QT_TRID_NOOP("error.clipboard.reason.nothing_to_write")));
    if (m_pasteboard.write(representations).isEmpty())
        throw ClipboardError(ClipboardErrorKind::writeFailed,
                             //: Why copying failed: the desktop took none of the items
                             //% "Failed to put any items on the clipboard"
                             Phrase::text(QT_TRID_NOOP("error.clipboard.reason.items_not_written")));
    countOperation();
}

std::optional<QByteArray> ClipboardService::rtfData(const QString &text) const
{
    if (!QStringView(text).isValidUtf16()) {
        diagWarning(lcCapture(), QStringLiteral("RTF conversion failed: the text is not valid Unicode"));
        return std::nullopt;
    }
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kFallbackPointSize;
    QString family = font.family();
    family.remove(u';'); // ends a font table entry

    // The colour table's first entry is "auto"; the text uses the second, black, so it
    // reads on a light page whatever the desktop's theme colour is.
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    rtf += rtfEscaped(family);
    rtf += ";}}{\\colortbl;\\red0\\green0\\blue0;}\n\\pard\\plain\\f0\\fs";
    rtf += QByteArray::number(std::lround(points * 2));
    rtf += "\\cf1 ";
    rtf += rtfEscaped(text);
    rtf += '}';
    return rtf;
}

std::optional<QByteArray> ClipboardService::htmlData(const QString &text) const
{
    if (!QStringView(text).isValidUtf16()) {
        diagWarning(lcCapture(), QStringLiteral("HTML conversion failed: the text is not valid Unicode"));
        return std::nullopt;
    }
    // The ampersand goes first, so the ampersands of the later entities stay as they are.
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"))
        .replace(u'"', QStringLiteral("&quot;"))
        .replace(u'\'', QStringLiteral("&#39;"))
        .replace(u'\n', QStringLiteral("<br>"));
    return QByteArray(kHtmlHead) + escaped.toUtf8() + QByteArray(kHtmlTail);
}

void ClipboardService::countOperation()
{
    ++m_operationCount;
    emit operationCountChanged(m_operationCount);
}

} // namespace quorvane
