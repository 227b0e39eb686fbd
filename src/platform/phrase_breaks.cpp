// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/phrase_breaks.h"

#include "platform/interface_translations.h"

#include <QTextBoundaryFinder>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <set>

namespace quorvane {

namespace {

constexpr QChar kWordJoiner(0x2060);
constexpr QChar kNoBreakSpace(0x00A0);

// Where ICU's phrase rules for Japanese let a line break, as UTF-16 offsets; empty when
// ICU cannot say (then nothing is joined).
std::set<qsizetype> phraseBoundaries(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> breaks(
        icu::BreakIterator::createLineInstance(icu::Locale("ja@lw=phrase"), status));
    if (U_FAILURE(status) || !breaks)
        return {};
    breaks->setText(icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size())));
    std::set<qsizetype> boundaries;
    for (int32_t at = breaks->first(); at != icu::BreakIterator::DONE; at = breaks->next())
        boundaries.insert(at);
    return boundaries;
}

} // namespace

QString withLanguageLineBreaks(const QString &text, const QString &languageCode)
{
    if (languageCode.section(QLatin1Char('-'), 0, 0) != QLatin1String("ja") || text.isEmpty())
        return text;
    const std::set<qsizetype> allowed = phraseBoundaries(text);
    if (allowed.empty())
        return text;
    // Joined where Qt would break and the phrases do not; a space that only sets a Latin word
    // off from the Japanese that goes with it ("Esc キー", "OCR を") becomes a no-break one.
    const auto japanese = [](QChar c) {
        return c.script() == QChar::Script_Hiragana || c.script() == QChar::Script_Katakana
               || c.script() == QChar::Script_Han;
    };
    const auto latin = [](QChar c) { return c.script() == QChar::Script_Latin || c.isDigit(); };
    QString joined;
    joined.reserve(text.size() + text.size() / 2);
    QTextBoundaryFinder qtBreaks(QTextBoundaryFinder::Line, text);
    qsizetype from = 0;
    for (qsizetype at = qtBreaks.toNextBoundary(); at != -1 && at < text.size(); at = qtBreaks.toNextBoundary()) {
        joined += QStringView(text).mid(from, at - from);
        if (!text.at(at - 1).isSpace()) {
            if (!allowed.count(at))
                joined += kWordJoiner;
        } else if (at >= 2 && latin(text.at(at - 2)) && japanese(text.at(at))) {
            // Qt's layout breaks after any space but a no-break one, joiner or not.
            joined.back() = kNoBreakSpace;
        }
        from = at;
    }
    joined += QStringView(text).mid(from);
    return joined;
}

QString withInterfaceLineBreaks(const QString &text)
{
    return withLanguageLineBreaks(text, InterfaceTranslations::current());
}

QString withoutLineBreakJoiners(QString text)
{
    return text.remove(kWordJoiner);
}

} // namespace quorvane
