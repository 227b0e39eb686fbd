#include "core/localized_error.h"

#include "platform/l10n.h"

namespace quorvane {

LocalizedError::LocalizedError(ErrorText text, QString value)
    : m_text(text), m_value(std::move(value))
{
    const QString pattern = L10n::text(m_text.key, m_text.englishDefault, m_text.comment);
    m_description = L10n::fill(pattern, {m_value});
}

QString LocalizedError::localizedDescription() const
{
    return m_description;
}

void LocalizedError::setDescription(QString description)
{
    m_description = std::move(description);
}

const char *LocalizedError::what() const noexcept
{
    if (m_what.empty())
        m_what = localizedDescription().toStdString();
    return m_what.c_str();
}

} // namespace quorvane
