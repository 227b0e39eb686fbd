// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/phrase.h"

#include <QString>

#include <exception>
#include <string>
#include <vector>

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
    LocalizedError(ErrorText text, Phrase value);

    QString localizedDescription() const { return m_description.translated(); }
    // The same in English, for the logs.
    QString englishDescription() const { return m_description.english(); }
    const Phrase &description() const { return m_description; }
    // English, as the logs and the standard library's handlers read it.
    const char *what() const noexcept override;

    QString value() const { return m_value.translated(); }
    QString englishValue() const { return m_value.english(); }
    const char *key() const { return m_text.key; }

protected:
    // For errors whose description is another text than the case's: `text` filled with
    // `arguments` (at most two).
    void setDescription(ErrorText text, std::vector<Phrase> arguments);
    // For errors that a phrase of their own describes whole (a file's failure, say).
    void setOwnDescription(Phrase description);

private:
    ErrorText m_text;
    Phrase m_value;
    Phrase m_description;
    mutable std::string m_what;
};

// An error enumeration: `Kind` names the cases; `Derived::textOf(kind)` gives each its text.
template <typename Derived, typename KindT>
class CaseError : public LocalizedError {
public:
    using Kind = KindT;
    explicit CaseError(Kind kind, Phrase value = {})
        : LocalizedError(Derived::textOf(kind), std::move(value)), m_kind(kind) {}

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// What `error` says, as a phrase to read in either language: a service error's own text, else
// its what(); an absent one "ended without a result".
Phrase errorPhrase(const std::exception &error);
Phrase errorPhrase(const std::exception_ptr &error);
// The user-readable description of `error`: a service error's own text, else what it says.
QString describeError(const std::exception &error);
// The same for a stored failure; an absent one "ended without a result".
QString describeError(const std::exception_ptr &error);
// The descriptions for the logs: in English whatever the interface language.
QString logDescription(const std::exception &error);
QString logDescription(const std::exception_ptr &error);

} // namespace quorvane
