// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/localized_error.h"


namespace quorvane {

LocalizedError::LocalizedError(ErrorText text, QString value)
    : m_text(text), m_value(value), m_descriptionText(text), m_arguments{std::move(value)}
{
}

QString LocalizedError::localizedDescription() const
{
    if (!m_untranslated.isEmpty())
        return m_untranslated;
    const QString pattern = qtTrId(m_descriptionText.key);
    if (m_arguments.size() >= 2)
        return pattern.arg(m_arguments.at(0), m_arguments.at(1));
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(m_arguments.value(0)) : pattern;
}

void LocalizedError::setDescription(ErrorText text, QStringList arguments)
{
    m_descriptionText = text;
    m_arguments = std::move(arguments);
}

void LocalizedError::setUntranslatedDescription(QString description)
{
    m_untranslated = std::move(description);
}

const char *LocalizedError::what() const noexcept
{
    if (m_what.empty())
        m_what = localizedDescription().toStdString();
    return m_what.c_str();
}

QString describeError(const std::exception &error)
{
    if (const auto *localized = dynamic_cast<const LocalizedError *>(&error))
        return localized->localizedDescription();
    return QString::fromLocal8Bit(error.what());
}

QString describeError(const std::exception_ptr &error)
{
    if (!error)
        return QStringLiteral("ended without a result");
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return describeError(e);
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

} // namespace quorvane
