// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/localized_error.h"

namespace quorvane {

LocalizedError::LocalizedError(ErrorText text, Phrase value)
    : m_text(text), m_value(value), m_description(Phrase::text(text.key, {std::move(value)}))
{
}

void LocalizedError::setDescription(ErrorText text, std::vector<Phrase> arguments)
{
    m_description = Phrase::text(text.key, std::move(arguments));
}

void LocalizedError::setOwnDescription(Phrase description)
{
    m_description = std::move(description);
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
    if (const auto *phrased = dynamic_cast<const PhraseError *>(&error))
        return phrased->reason();
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
