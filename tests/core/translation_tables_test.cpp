// SPDX-License-Identifier: GPL-3.0-or-later
// The interface's translation files as translators and lupdate leave them: every text of the
// program translated into every language the picker offers, finished, with its placeholders.
#include "core/app_language.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

struct Entry {
    QString source;
    bool plural = false;
    QString state; // the translation's type: "", "unfinished", "vanished", "obsolete"
    QStringList forms;
};

QMap<QString, Entry> readTable(const QString &code)
{
    QFile file(QStringLiteral(QUORVANE_SOURCE_DIR "/translations/quorvane_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, Entry> entries;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"message") {
            id = xml.attributes().value("id").toString();
            entries[id].plural = xml.attributes().value("numerus") == u"yes";
        } else if (name == u"source") {
            entries[id].source = xml.readElementText();
        } else if (name == u"translation") {
            Entry &entry = entries[id];
            entry.state = xml.attributes().value("type").toString();
            if (!entry.plural)
                entry.forms = {xml.readElementText()};
        } else if (name == u"numerusform") {
            entries[id].forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// %1..%9 as a set, and whether %n appears.
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

// How many plural forms lrelease compiles for each language (Qt's numerus rules).
int pluralForms(const QString &code)
{
    static const QHash<QString, int> forms{
        {"zh-Hans", 1}, {"zh-Hant", 1}, {"ja", 1}, {"ko", 1}, {"tr", 1}, {"th", 1}, {"vi", 1}, {"id", 1},
        {"hu", 1},      {"ru", 3},      {"pl", 3}, {"cs", 3}, {"ro", 3}, {"uk", 3}, {"sk", 3}, {"hr", 3},
        {"ar", 6}};
    return forms.value(code, 2);
}

} // namespace

TEST(TranslationTablesTest, EnglishHoldsEveryIdTheSourcesUseFinished)
{
    const QMap<QString, Entry> english = readTable("en");
    ASSERT_FALSE(english.isEmpty());

    static const QRegularExpression lookup(QStringLiteral(R"re((?:qtTrId|QT_TRID_NOOP)\(\s*"([^"]+)")re"));
    QDirIterator sources(QStringLiteral(QUORVANE_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : lookup.globalMatch(text))
            EXPECT_TRUE(english.contains(match.captured(1)))
                << match.captured(1).toStdString() << " in " << file.fileName().toStdString()
                << ": run scripts/update-translations";
    }
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        EXPECT_TRUE(it->state.isEmpty()) << it.key().toStdString() << " is " << it->state.toStdString();
        EXPECT_EQ(it->forms.size(), it->plural ? 2 : 1) << it.key().toStdString();
    }
}

TEST(TranslationTablesTest, EveryLanguageTranslatesEveryTextKeepingItsPlaceholders)
{
    const QMap<QString, Entry> english = readTable("en");
    for (AppLanguage language : kAllAppLanguages) {
        const QString code = languageCode(language).value_or("en");
        if (code == "en")
            continue;
        const QMap<QString, Entry> table = readTable(code);
        const std::string name = code.toStdString();
        ASSERT_FALSE(table.isEmpty()) << name << " has no translation file";
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const std::string id = name + " " + it.key().toStdString();
            const Entry entry = table.value(it.key());
            ASSERT_TRUE(table.contains(it.key())) << id << " is missing";
            EXPECT_TRUE(entry.state.isEmpty()) << id << " is " << entry.state.toStdString();
            EXPECT_EQ(entry.source, it->source) << id << " was translated from older English";
            EXPECT_EQ(entry.forms.size(), it->plural ? pluralForms(code) : 1) << id;
            for (const QString &form : entry.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << id << " is empty";
                EXPECT_EQ(placeholders(form), placeholders(it->source)) << id << ": " << form.toStdString();
            }
            // The last form stands for "many" and must show the number.
            if (it->plural) {
                EXPECT_TRUE(entry.forms.value(entry.forms.size() - 1).contains("%n")) << id;
            }
            // A right-to-left sentence that opens with a Latin name ("Quorvane ...") would be
            // laid out left to right from its first letter: it starts with a right-to-left mark.
            for (QString form : entry.forms) {
                form.replace(QRegularExpression(QStringLiteral("%[n1-9]")), QStringLiteral("1"));
                if (QLocale(code).textDirection() == Qt::RightToLeft && !form.isRightToLeft()
                    && form.contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))))
                    ADD_FAILURE() << id << " reads left to right: " << form.toStdString();
            }
        }
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            EXPECT_TRUE(english.contains(it.key())) << name << " " << it.key().toStdString() << " is no longer used";
    }
}
