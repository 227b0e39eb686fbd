// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/tesseract_language_map.h"

#include "capture/ocr_language.h"

#include <QHash>

namespace quorvane::TesseractLanguageMap {

namespace {

const QHash<QString, QString> &dataNames()
{
    static const QHash<QString, QString> names{
        {"en-US", "eng"}, {"es-ES", "spa"}, {"fr-FR", "fra"}, {"de-DE", "deu"},
        {"it-IT", "ita"}, {"pt-PT", "por"}, {"nl-NL", "nld"}, {"da-DK", "dan"},
        {"no-NO", "nor"}, {"sv-SE", "swe"}, {"pl-PL", "pol"}, {"cs-CZ", "ces"},
        {"ro-RO", "ron"}, {"zh-Hans", "chi_sim"}, {"zh-Hant", "chi_tra"}, {"ja-JP", "jpn"},
        {"ko-KR", "kor"}, {"th-TH", "tha"}, {"vi-VN", "vie"}, {"ru-RU", "rus"},
        {"uk-UA", "ukr"}, {"ar-SA", "ara"}, {"tr-TR", "tur"}, {"id-ID", "ind"},
        {"ms-MY", "msa"},
    };
    return names;
}

// Chinese is told apart by script, every other language by the language alone, so that
// a de-AT or pt-BR user still gets German or Portuguese.
bool sameLanguage(const QLocale &a, const QLocale &b)
{
    if (a.language() != b.language())
        return false;
    if (a.language() == QLocale::Chinese)
        return a.script() == b.script();
    return true;
}

} // namespace

QString dataName(const QString &languageId)
{
    return dataNames().value(languageId);
}

QString script(const QString &dataName)
{
    static const QHash<QString, QString> scripts{
        {"chi_sim", "Han"}, {"chi_tra", "Han"}, {"jpn", "Han"}, {"kor", "Hangul"}, {"tha", "Thai"},
        {"rus", "Cyrillic"}, {"ukr", "Cyrillic"}, {"ara", "Arabic"},
    };
    return scripts.value(dataName, QStringLiteral("Latin"));
}

QString packageName(const QString &dataName)
{
    QString suffix = dataName;
    suffix.replace(QLatin1Char('_'), QLatin1Char('-'));
    return QStringLiteral("tesseract-ocr-") + suffix;
}

QStringList automaticLanguageIds(const QLocale &locale)
{
    QStringList ids;
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QLocale wanted(uiLanguage);
        if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage)
            continue;
        for (const OCRLanguage &row : OCRLanguage::supportedLanguages()) {
            if (sameLanguage(QLocale(row.id), wanted) && !ids.contains(row.id)) {
                ids.append(row.id);
                break;
            }
        }
    }
    const QString english = QStringLiteral("en-US");
    if (!ids.contains(english))
        ids.append(english);
    return ids;
}

} // namespace quorvane::TesseractLanguageMap
