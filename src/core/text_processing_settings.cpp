// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_processing_settings.h"

#include <QRegularExpression>

namespace quorvane {

namespace {
bool isWhitespaceOrNewline(QChar c)
{
    return c.isSpace();
}

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isWhitespaceOrNewline(text.at(begin)))
        ++begin;
    while (end > begin && isWhitespaceOrNewline(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

QString TextProcessingSettings::process(const QString &text, CaptureMode mode) const
{
    if (mode == CaptureMode::code)
        return text;

    QString result = trimmed(text);

    if (collapseSpaces) {
        static const QRegularExpression runOfSpaces(QStringLiteral("  +"));
        result.replace(runOfSpaces, QStringLiteral(" "));
    }

    if (!preserveLineBreaks) {
        static const QRegularExpression paragraphBreak(QStringLiteral("\n\n+"));
        const QString placeholder = QStringLiteral("\u00B6\u00B6");
        result.replace(paragraphBreak, placeholder);
        result.replace(QLatin1Char('\n'), QLatin1Char(' '));
        result.replace(placeholder, QStringLiteral("\n\n"));
    }

    if (avoidSmartQuotes) {
        result.replace(QChar(0x201C), QLatin1Char('"'));
        result.replace(QChar(0x201D), QLatin1Char('"'));
        result.replace(QChar(0x2018), QLatin1Char('\''));
        result.replace(QChar(0x2019), QLatin1Char('\''));
        result.replace(QChar(0x2014), QStringLiteral("--"));
        result.replace(QChar(0x2013), QStringLiteral("-"));
        result.replace(QChar(0x2026), QStringLiteral("..."));
    }
    return result;
}

json::Json TextProcessingSettings::toJson() const
{
    return json::Json{{"preserveLineBreaks", preserveLineBreaks},
                      {"avoidSmartQuotes", avoidSmartQuotes},
                      {"collapseSpaces", collapseSpaces}};
}

TextProcessingSettings TextProcessingSettings::fromJson(const json::Json &object)
{
    json::requireObject(object, "textProcessing");
    TextProcessingSettings s;
    s.preserveLineBreaks = json::readBool(json::requireMember(object, "preserveLineBreaks"), "preserveLineBreaks");
    s.avoidSmartQuotes = json::readBool(json::requireMember(object, "avoidSmartQuotes"), "avoidSmartQuotes");
    s.collapseSpaces = json::readBool(json::requireMember(object, "collapseSpaces"), "collapseSpaces");
    return s;
}

} // namespace quorvane
