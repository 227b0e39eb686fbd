// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/language_drop_delegate.h"

#include <QMimeData>
#include <QStringDecoder>

namespace quorvane {

LanguageDropDelegate::LanguageDropDelegate(OCRLanguage language, ReadLanguages readLanguages,
                                           WriteLanguages writeLanguages, QList<OCRLanguage> allLanguages)
    : m_language(std::move(language)),
      m_readLanguages(std::move(readLanguages)),
      m_writeLanguages(std::move(writeLanguages)),
      m_allLanguages(std::move(allLanguages))
{
}

void LanguageDropDelegate::dropEntered(const QMimeData &data) const
{
    const QString type = QString::fromLatin1(payloadType);
    if (!data.hasFormat(type))
        return;
    const QByteArray bytes = data.data(type);
    if (bytes.isEmpty())
        return;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString dragged = decoder.decode(bytes);
    if (decoder.hasError())
        return;
    if (const std::optional<QStringList> reordered = moved(m_readLanguages(), dragged, m_language.id))
        m_writeLanguages(*reordered);
}

std::optional<QStringList> LanguageDropDelegate::moved(const QStringList &languages, const QString &dragged,
                                                       const QString &target)
{
    if (dragged == target)
        return std::nullopt;
    const qsizetype from = languages.indexOf(dragged);
    const qsizetype to = languages.indexOf(target);
    if (from < 0 || to < 0)
        return std::nullopt;
    QStringList result = languages;
    // Moving down puts it just after the target, moving up just before it: in both cases
    // it ends at the target's old position.
    result.move(from, to);
    return result;
}

} // namespace quorvane
