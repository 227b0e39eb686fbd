// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// A text of the program with its values, put together when it is read: in the interface
// language for the user, in English for the logs, so that a log attached to a report reads
// the same whatever language its writer uses. Made from a plain string it holds words that
// are not the program's (a path, the system's own description) and reads alike both ways.
class Phrase {
public:
    Phrase() = default;
    Phrase(QString plain) : m_plain(std::move(plain)) {}
    Phrase(const char *plain) : m_plain(QString::fromUtf8(plain)) {}
    // The text `id` (a qtTrId id) filled with `arguments` (%1, %2) and, for a plural text, `count` (%n).
    static Phrase text(const char *id, std::vector<Phrase> arguments = {}, int count = -1);
    // Words that are not the program's holding phrases that are: `pattern` filled with `arguments`.
    static Phrase filled(QString pattern, std::vector<Phrase> arguments);

    QString translated() const { return render(false); }
    QString english() const { return render(true); }

private:
    QString render(bool english) const;

    const char *m_id = nullptr;
    std::vector<Phrase> m_arguments;
    int m_count = -1;
    QString m_plain;
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
    // For errors described in words that are not the program's (the system's own).
    void setUntranslatedDescription(QString description);

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
