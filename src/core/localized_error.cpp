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
