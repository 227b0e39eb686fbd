// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace quorvane::InterfaceTranslations {

// Every text of the interface is looked up by id (qtTrId); the tables are compiled into the
// program as ":/translations/quorvane_<code>.qm", where <code> is a language's raw value
// ("de", "zh-Hans", "pt-BR"). English ("en") holds the source texts and their plural forms
// and is always installed beneath the chosen language, so an id the chosen table lacks
// still reads in English and never as its id.

// The table of `code` (":/translations/quorvane_<code>.qm").
QString tablePath(const QString &code);
bool hasTable(const QString &code);

// Installs the English texts into the running application (once; later calls do nothing).
// Needs a QCoreApplication. A later application object, made after the first is gone, gets
// the tables in use again at its first call here.
void installEnglish();

// Makes `code` the interface language: its table replaces the previously chosen one and the
// layout direction follows the language (right to left for Arabic). An empty code, "en" or
// a code without a table leaves English alone. Installing or removing a table sends every
// widget a QEvent::LanguageChange. Returns whether `code`'s table is now in use (true for
// English). Main thread only; lookups from other threads stay safe while it runs, since the
// application guards its list of tables.
bool use(const QString &code);

// The code whose table is in use; "en" when only English is.
QString current();

// The English text of `id` whatever the interface language, `count` in place of "%n" for a
// plural text; the id itself when the English table lacks it. Any thread, no application
// object needed.
QString englishText(const char *id, int count = -1);

// The conventions dates and numbers are written in: the interface language's, with the
// system's region where the system speaks that language (its date order, its clock).
QLocale locale();

} // namespace quorvane::InterfaceTranslations
