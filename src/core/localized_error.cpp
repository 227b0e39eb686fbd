#include "core/localized_error.h"


namespace quorvane {

LocalizedError::LocalizedError(ErrorText text, QString value)
    : m_text(text), m_value(std::move(value))
{
    const QString pattern = qtTrId(m_text.key);
    m_description = pattern.contains(QLatin1String("%1")) ? pattern.arg(m_value) : pattern;
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
