#pragma once

#include <QString>

#include <exception>
#include <string>

namespace quorvane {

// Text of one error case: the id of its translatable text, which holds at most one "%1"
// that receives the case's value.
struct ErrorText {
    const char *key;
};

// Base of every error the services throw: a case with an optional value and a
// user-readable description in the interface language.
class LocalizedError : public std::exception {
public:
    LocalizedError(ErrorText text, QString value);

    virtual QString localizedDescription() const;
    const char *what() const noexcept override;

    const QString &value() const { return m_value; }
    const char *key() const { return m_text.key; }

protected:
    // For errors whose description is not the case text filled with the value.
    void setDescription(QString description);

private:
    ErrorText m_text;
    QString m_value;
    QString m_description;
    mutable std::string m_what;
};

// An error enumeration: `Kind` names the cases; `Derived::textOf(kind)` gives each its text.
template <typename Derived, typename KindT>
class CaseError : public LocalizedError {
public:
    using Kind = KindT;
    explicit CaseError(Kind kind, QString value = {})
        : LocalizedError(Derived::textOf(kind), std::move(value)), m_kind(kind) {}

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// The user-readable description of `error`: a service error's own text, else what it says.
QString describeError(const std::exception &error);
// The same for a stored failure; an absent one "ended without a result".
QString describeError(const std::exception_ptr &error);

} // namespace quorvane
