// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/localized_error.h"

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

LocalizedError::LocalizedError(ErrorText text, Phrase value)
    : m_text(text), m_value(value), m_description(Phrase::text(text.key, {std::move(value)}))
{
}

void LocalizedError::setDescription(ErrorText text, std::vector<Phrase> arguments)
{
    m_description = Phrase::text(text.key, std::move(arguments));
}

void LocalizedError::setUntranslatedDescription(QString description)
{
    m_description = Phrase(std::move(description));
}

const char *LocalizedError::what() const noexcept
{
    if (m_what.empty())
        m_what = englishDescription().toStdString();
    return m_what.c_str();
}

Phrase errorPhrase(const std::exception &error)
{
    if (const auto *localized = dynamic_cast<const LocalizedError *>(&error))
        return localized->description();
    return QString::fromLocal8Bit(error.what());
}

Phrase errorPhrase(const std::exception_ptr &error)
{
    if (!error) {
        //: Shown when an operation finished but handed back neither a result nor an error
        //% "The operation ended without a result"
        return Phrase::text(QT_TRID_NOOP("error.no_result"));
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return errorPhrase(e);
    } catch (...) {
        //: Shown when an operation failed in a way the program cannot describe
        //% "Unknown error"
        return Phrase::text(QT_TRID_NOOP("error.unknown"));
    }
}

QString describeError(const std::exception &error)
{
    return errorPhrase(error).translated();
}

QString describeError(const std::exception_ptr &error)
{
    return errorPhrase(error).translated();
}

QString logDescription(const std::exception &error)
{
    return errorPhrase(error).english();
}

QString logDescription(const std::exception_ptr &error)
{
    return errorPhrase(error).english();
}

} // namespace quorvane
