// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace quorvane {

// How the recognition languages offered to the user meet Tesseract's language data.
namespace TesseractLanguageMap {

// Tesseract's data name of a supported language id ("fr-FR" -> "fra"); empty for others.
QString dataName(const QString &languageId);

// The Debian package that installs a data name ("chi_sim" -> "tesseract-ocr-chi-sim").
QString packageName(const QString &dataName);

// The writing system a data name is written in ("deu" -> "Latin", "jpn" -> "Han"): the
// automatic language choice ranks the languages of the locale's script against one another
// on a few words, and those of the other scripts on a piece of a line.
QString script(const QString &dataName);

// Languages used when the user asks for automatic detection: the supported languages
// of `locale`'s interface languages, in the locale's order, then English; no repeats.
QStringList automaticLanguageIds(const QLocale &locale);

} // namespace TesseractLanguageMap

} // namespace quorvane
