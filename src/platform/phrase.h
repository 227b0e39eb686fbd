// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

namespace quorvane {

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

// A failure whose reason is a phrase: `what()` gives it in English, for the logs.
class PhraseError : public std::runtime_error {
public:
    explicit PhraseError(Phrase reason)
        : std::runtime_error(reason.english().toStdString()), m_reason(std::move(reason)) {}
    const Phrase &reason() const { return m_reason; }

private:
    Phrase m_reason;
};

} // namespace quorvane
