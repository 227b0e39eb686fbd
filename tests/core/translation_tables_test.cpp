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

#include <array>

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

// Each language calls each of the program's ideas by one name: the texts that name it carry
// that language's word for it (a stem, or alternatives where the grammar bends the word).
TEST(TranslationTablesTest, EachLanguageNamesPinsCapturesScansClearingAndHistoryOneWay)
{
    static const QHash<QString, std::array<const char *, 5>> terms{
        // language: pin, capture, scan, clear, history
        {"en", {"pin", "captur", "scan", "clear", "histor"}},
        {"ar", {"ثبت|مثب|تثبيت", "لتقاط|لقط|التقط|ملتقط", "قراءة", "مسح", "سجل"}},
        {"cs", {"připn|připín", "zachyt|zachyc|snímk|snímek", "sken", "vymaz", "histor"}},
        {"da", {"fastgj|fastgør", "fang", "scan", "ryd", "histor"}},
        {"de", {"pin|anheft|angeheft", "erfass", "scan", "lösch", "verlauf"}},
        {"el", {"καρφιτσ|καρφίτσ", "καταγραφ|καταγράφ|κατέγραψ|καταγεγραμμ", "σάρω|σαρώ", "απαλοιφ", "ιστορικ"}},
        {"es", {"ancla", "captur", "escane", "borra", "historial"}},
        {"fi", {"kiinni", "kaappa|kaapat", "skann", "tyhjenn", "histori"}},
        {"fr", {"épingl", "captur", "lecture|lire|lit ", "effac", "historique"}},
        {"hi", {"पिन", "कैप्चर", "स्कैन", "साफ़", "इतिहास"}},
        {"hr", {"prikvač", "snim", "skeni", "očist|čišćenje", "povijest"}},
        {"hu", {"kitűz", "rögzít", "beolvas", "törl", "előzmény"}},
        {"id", {"semat", "tangkap", "pindai|pemindaian", "hapus", "riwayat"}},
        {"it", {"fissa|fissat", "cattur", "scansion", "cancell", "cronologi"}},
        {"ja", {"ピン", "キャプチャ", "スキャン", "消去", "履歴"}},
        {"ko", {"고정", "캡처", "스캔", "지우|지울", "기록"}},
        {"nb", {"fest", "fang", "skann", "tøm|fjern", "historikk"}},
        {"nl", {"pin|vastgez|vastzet", "vastleg|vastgeleg", "scan", "wis", "geschiedenis"}},
        {"pl", {"przyp", "przechwyc|przechwyt", "skan", "wyczy|czyszcz", "histori"}},
        {"pt-BR", {"fixa", "captur", "ler |leitura|lê ", "limpa", "histórico"}},
        {"ro", {"fixa|fixe|fixat", "captur", "scan", "gole|goli", "istoric"}},
        {"ru", {"закреп", "захват|захвач|снимк|снимок", "сканир", "очист", "истори"}},
        {"sk", {"pripn|pripín", "zachyt|snímk|snímok", "sken", "vymaz", "histór"}},
        {"sv", {"fäst", "fång", "skann", "rensa", "historik"}},
        {"th", {"ปักหมุด", "จับ", "สแกน", "ล้าง", "ประวัติ"}},
        {"tr", {"sabit", "yakala", "tara", "temizle", "geçmiş"}},
        {"uk", {"закріп", "захоп|знімк|знімок", "скан", "очист|очищ", "історі"}},
        {"vi", {"ghim", "chụp", "quét", "xóa", "lịch sử"}},
        {"zh-Hans", {"贴图", "捕获", "扫", "清除", "历史"}},
        {"zh-Hant", {"釘選", "擷取", "掃描", "清除", "歷史"}},
    };
    static const std::array<QStringList, 5> named{
        QStringList{"history.detail.pin", "history.detail.pin.tooltip", "pin_widget.replace_confirmation.title",
                    "pin_widget.close_confirmation.message", "preferences.general.show_dock_icon",
                    "notification.pin_set_aside.message"},
        QStringList{"menubar.panel.capture", "history.list.title", "shortcut.quick_zarrow", "shortcut.repeat_zarrow",
                    "desktop.action.repeat", "notification.pin_set_aside.message", "metainfo.feature.history",
                    "error.screen_capture.reason.empty_image"},
        QStringList{"capture_mode.scan_code", "shortcut.scan_code", "notification.accessibility.scan_code_mode",
                    "code_scan_error.cancelled", "preferences.shortcuts.scan_code.description"},
        QStringList{"history.clear_all.confirm", "history.clear_all.title", "history.filtered_empty.clear",
                    "history.search.clear_all", "preferences.history.clear_history"},
        QStringList{"preferences.tab.history", "menubar.history", "history.window.title",
                    "notification.accessibility.hint", "error.settings_store.reason.history_size",
                    "metainfo.feature.history"},
    };
    for (AppLanguage language : kAllAppLanguages) {
        const QString code = languageCode(language).value_or("en");
        const QMap<QString, Entry> table = readTable(code);
        ASSERT_TRUE(terms.contains(code)) << code.toStdString() << " has no glossary";
        const auto &words = terms.value(code);
        for (std::size_t idea = 0; idea < words.size(); ++idea) {
            const QRegularExpression word(QString::fromUtf8(words[idea]));
            for (const QString &id : named[idea]) {
                for (const QString &form : table.value(id).forms)
                    EXPECT_TRUE(form.toLower().contains(word))
                        << code.toStdString() << " " << id.toStdString() << " lacks " << words[idea] << ": "
                        << form.toStdString();
            }
        }
        // Scanning is not clearing, and global shortcuts are not the General tab's.
        const QRegularExpression clearing(QString::fromUtf8(words[3]));
        for (const QString &id : named[2])
            EXPECT_FALSE(table.value(id).forms.value(0).toLower().contains(clearing)) << code.toStdString() << " " << id.toStdString();
        const QString general = table.value("preferences.tab.general").forms.value(0).toLower();
        EXPECT_FALSE(table.value("permission.accessibility").forms.value(0).toLower().contains(general)) << code.toStdString();
    }
}

// Menu items that open a window, placeholders and progress end in the one-character ellipsis,
// in English and in every translation of the same text; never in three full stops.
TEST(TranslationTablesTest, EllipsesAreOneCharacterWhereverTheSourceHasOne)
{
    const QMap<QString, Entry> english = readTable("en");
    const QString ellipsis = QStringLiteral("\u2026");
    for (AppLanguage language : kAllAppLanguages) {
        const QString code = languageCode(language).value_or("en");
        const QMap<QString, Entry> table = readTable(code);
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            for (const QString &form : table.value(it.key()).forms) {
                const std::string id = code.toStdString() + " " + it.key().toStdString() + ": " + form.toStdString();
                EXPECT_FALSE(form.contains("...")) << id;
                EXPECT_EQ(form.contains(ellipsis), it->source.contains(ellipsis)) << id;
            }
        }
    }
}
