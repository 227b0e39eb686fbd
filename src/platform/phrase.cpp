// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/phrase.h"

#include "platform/interface_translations.h"

namespace quorvane {

Phrase Phrase::text(const char *id, std::vector<Phrase> arguments, int count)
{
    Phrase phrase;
    phrase.m_id = id;
    phrase.m_arguments = std::move(arguments);
    phrase.m_count = count;
    return phrase;
}

Phrase Phrase::filled(QString pattern, std::vector<Phrase> arguments)
{
    Phrase phrase(std::move(pattern));
    phrase.m_arguments = std::move(arguments);
    return phrase;
}

QString Phrase::render(bool english) const
{
    if (!m_id && m_arguments.empty())
        return m_plain;
    const QString pattern = !m_id ? m_plain
                            : english ? InterfaceTranslations::englishText(m_id, m_count)
                                      : qtTrId(m_id, m_count);
    const auto argument = [&](std::size_t i) {
        return english ? m_arguments[i].english() : m_arguments[i].translated();
    };
    // Both values in one pass, so that a "%2" inside the first value stays as it is.
    if (m_arguments.size() >= 2)
        return pattern.arg(argument(0), argument(1));
    if (m_arguments.size() == 1 && pattern.contains(QLatin1String("%1")))
        return pattern.arg(argument(0));
    return pattern;
}

} // namespace quorvane
