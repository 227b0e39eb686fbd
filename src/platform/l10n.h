#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace quorvane {

// Looks up user-visible strings by dotted key. English is built in: every call site
// carries its English default, so a key missing from the active table reads in English.
class L10n {
public:
    // The active table's text for `key`, or `englishDefault` when it has none.
    // `comment` is the translator's note; it documents the call site only.
    static QString text(const char *key, const char *englishDefault, const char *comment = nullptr);
    static QString text(const QString &key, const QString &englishDefault);

    // Fills "%@" and "%d" placeholders with `values` in order, in one pass: an inserted
    // value is never scanned again, so a value that itself holds "%@" stays as it is.
    // "%%" stands for one percent sign. Placeholders beyond the values are left in place.
    static QString fill(const QString &pattern, const QStringList &values);

    // Text of `key` with its placeholders filled.
    static QString format(const char *key, const char *englishDefault, const char *comment,
                          const QStringList &values);

    // Replaces the active table (key -> translation); an empty table means English.
    static void setTable(const QHash<QString, QString> &table);
    // Loads the table of `languageCode` from the built-in resources; false when there is none
    // (English then stays active).
    static bool loadLanguage(const QString &languageCode);

private:
    static QHash<QString, QString> &table();
};

} // namespace quorvane
