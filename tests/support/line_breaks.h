// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/phrase_breaks.h"

#include <QFont>
#include <QStringList>
#include <QTextLayout>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <set>

namespace quorvane::test {

// The lines `text` makes when wrapped at word boundaries to `width` in `font`, as a wrapping
// label lays it out; without the joiners that keep words together.
inline QStringList wrappedAt(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << withoutLineBreakJoiners(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

// Where `lines`, one text wrapped, break although the interface language `code` does not
// allow it there, as "before|after": Japanese breaks between phrases, Chinese and Thai by
// ICU's line rules for them (Thai at words). Empty for other languages.
inline QStringList breaksTheLanguageForbids(const QStringList &lines, const QString &code)
{
    const char *rules = code == "ja" ? "ja@lw=phrase" : code.startsWith("zh") ? "zh" : code == "th" ? "th" : nullptr;
    if (!rules || lines.size() < 2)
        return {};
    const QString text = lines.join(QString());
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> breaks(icu::BreakIterator::createLineInstance(icu::Locale(rules), status));
    breaks->setText(icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size())));
    std::set<qsizetype> allowed;
    for (int32_t at = breaks->first(); at != icu::BreakIterator::DONE; at = breaks->next())
        allowed.insert(at);
    QStringList forbidden;
    qsizetype at = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        at += lines[i].size();
        if (!allowed.count(at))
            forbidden << lines[i] + "|" + lines[i + 1];
    }
    return forbidden;
}

} // namespace quorvane::test
