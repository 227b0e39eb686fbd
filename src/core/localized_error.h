// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <string>

namespace quorvane {

// Text of one error case: the id of its translatable text, which holds at most one "%1"
// that receives the case's value.
struct ErrorText {
    const char *key;
};

// Base of every error the services throw: a case with an optional value and a
// user-readable description. The description is looked up when asked for, so an error kept
// on screen reads in the interface language chosen since.
class LocalizedError : public std::exception {
public:
    LocalizedError(ErrorText text, QString value);

    QString localizedDescription() const;
    const char *what() const noexcept override;

    const QString &value() const { return m_value; }
    const char *key() const { return m_text.key; }

protected:
    // For errors whose description is another text than the case's: `text` filled with
    // `arguments` (at most two).
    void setDescription(ErrorText text, QStringList arguments);
    // For errors described in words that are not the program's (the system's own).
    void setUntranslatedDescription(QString description);

private:
    ErrorText m_text;
    QString m_value;
    ErrorText m_descriptionText;
    QStringList m_arguments;
    QString m_untranslated;
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
