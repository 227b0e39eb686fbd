// SPDX-License-Identifier: GPL-3.0-or-later
// Adds the interface's translations to the desktop entry and the AppStream metadata, so that
// menus and software centres speak the languages the program speaks.
//   quorvane_translate_desktop_files <entry.desktop> <metainfo.xml> <output folder> <table.qm>...
// Each table is named quorvane_<code>.qm; the English one names the source texts.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The texts only the desktop entry and the metadata show. The ids are listed here so that
// lupdate gathers them with the program's own.
const char *const metadataTexts[] = {
    //: Comment of the desktop entry (a menu's tooltip): what the program does, one sentence
    //% "Turn any region of the screen into text, scan barcodes and keep a capture history"
    QT_TRID_NOOP("desktop.comment"),
    //: Search words of the desktop entry: words users type to find the program, each followed by a semicolon
    //% "OCR;text;screenshot;capture;barcode;QR;clipboard;"
    QT_TRID_NOOP("desktop.keywords"),
    //: Launcher action of the desktop entry (shown in the dock or menu): capture the region captured last again
    //% "Repeat Last Capture"
    QT_TRID_NOOP("desktop.action.repeat"),
    //: Launcher action of the desktop entry: capture text keeping the indentation of code
    //% "Capture Code"
    QT_TRID_NOOP("desktop.action.code"),
    //: One-line summary in software centres
    //% "Turn any region of the screen into text"
    QT_TRID_NOOP("metainfo.summary"),
    //: Description paragraph in software centres
    //% "Quorvane lives in the system tray. Press its shortcut, drag over a region of the screen, and the text inside it is recognised on this computer and copied to the clipboard."
    QT_TRID_NOOP("metainfo.description"),
    //: Feature list item in software centres
    //% "Repeat a capture of the last region with one shortcut"
    QT_TRID_NOOP("metainfo.feature.repeat"),
    //: Feature list item in software centres
    //% "Keep the indentation of code in code mode"
    QT_TRID_NOOP("metainfo.feature.code"),
    //: Feature list item in software centres
    //% "Read QR codes and barcodes"
    QT_TRID_NOOP("metainfo.feature.codes"),
    //: Feature list item in software centres
    //% "Find earlier captures in a searchable history"
    QT_TRID_NOOP("metainfo.feature.history"),
    //: Feature list item in software centres; "quorvane capture" is a command and stays as is
    //% "Start captures from the desktop's own shortcut settings or a script with the quorvane capture command"
    QT_TRID_NOOP("metainfo.feature.command"),
};

// Desktop entry keys and the ids of their texts, per group.
const std::map<std::pair<QString, QString>, const char *> entryTexts = {
    {{"Desktop Entry", "GenericName"}, "about.subtitle"},
    {{"Desktop Entry", "Comment"}, "desktop.comment"},
    {{"Desktop Entry", "Keywords"}, "desktop.keywords"},
    {{"Desktop Action capture", "Name"}, "menubar.capture"},
    {{"Desktop Action repeat", "Name"}, "desktop.action.repeat"},
    {{"Desktop Action code", "Name"}, "desktop.action.code"},
    {{"Desktop Action scan", "Name"}, "menubar.scan_code"},
};

struct Table {
    QString locale; // as desktop entries and AppStream name it: de, pt_BR, zh_CN
    std::unique_ptr<QTranslator> translator;

    QString text(const char *id) const { return translator->translate(nullptr, id); }
};

// The interface's language codes that are not already locale names.
QString localeName(const QString &code)
{
    static const std::map<QString, QString> names = {
        {"zh-Hans", "zh_CN"}, {"zh-Hant", "zh_TW"}, {"pt-BR", "pt_BR"}};
    const auto found = names.find(code);
    return found == names.end() ? code : found->second;
}

QString escapedXml(QString text)
{
    return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}

QString normalised(const QString &text)
{
    return text.simplified();
}

bool writeFile(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    file.write(lines.join('\n').toUtf8() + '\n');
    return file.flush();
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Every key with a text gets a localised copy per language right below it.
QStringList translatedEntry(const QStringList &lines, const std::vector<Table> &tables)
{
    QStringList out;
    QString group;
    for (const QString &line : lines) {
        out << line;
        if (line.startsWith('[')) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const QString key = line.section('=', 0, 0);
        const auto found = entryTexts.find({group, key});
        if (found == entryTexts.end())
            continue;
        for (const Table &table : tables) {
            QString text = table.text(found->second).simplified();
            if (text.isEmpty())
                continue;
            if (key == QLatin1String("Keywords") && !text.endsWith(';'))
                text += ';';
            out << QStringLiteral("%1[%2]=%3").arg(key, table.locale, text);
        }
    }
    return out;
}

// Each one-line summary, paragraph and list item gets a localised copy per language right
// below it; the English table tells which id an element's text is.
QStringList translatedMetainfo(const QStringList &lines, const Table &english, const std::vector<Table> &tables)
{
    std::map<QString, const char *> idOfText;
    for (const char *id : metadataTexts)
        idOfText[normalised(english.text(id))] = id;
    static const QRegularExpression element(QStringLiteral("^(\\s*)<(summary|p|li)>(.*)</\\2>\\s*$"));
    QStringList out;
    for (const QString &line : lines) {
        out << line;
        const QRegularExpressionMatch match = element.match(line);
        if (!match.hasMatch())
            continue;
        const auto found = idOfText.find(normalised(match.captured(3)));
        if (found == idOfText.end())
            continue;
        for (const Table &table : tables) {
            const QString text = table.text(found->second).simplified();
            if (!text.isEmpty() && text != normalised(english.text(found->second))) {
                out << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                           .arg(match.captured(1), match.captured(2), table.locale, escapedXml(text));
            }
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 5) {
        std::fprintf(stderr, "usage: quorvane_translate_desktop_files <entry.desktop> <metainfo.xml> "
                             "<output folder> <table.qm>...\n");
        return 2;
    }
    std::vector<Table> tables;
    std::optional<Table> english;
    for (const QString &path : arguments.mid(4)) {
        Table table{localeName(QFileInfo(path).completeBaseName().section('_', 1)),
                    std::make_unique<QTranslator>()};
        if (!table.translator->load(path)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        if (table.locale == QLatin1String("en"))
            english = std::move(table);
        else
            tables.push_back(std::move(table));
    }
    if (!english) {
        std::fprintf(stderr, "the English table is missing\n");
        return 1;
    }
    std::sort(tables.begin(), tables.end(), [](const Table &a, const Table &b) { return a.locale < b.locale; });

    const QString entry = arguments.at(1);
    const QString metainfo = arguments.at(2);
    const QDir output(arguments.at(3));
    const QStringList entryLines = readLines(entry);
    const QStringList metainfoLines = readLines(metainfo);
    if (entryLines.isEmpty() || metainfoLines.isEmpty()) {
        std::fprintf(stderr, "cannot read %s or %s\n", qPrintable(entry), qPrintable(metainfo));
        return 1;
    }
    if (!writeFile(output.filePath(QFileInfo(entry).fileName()), translatedEntry(entryLines, tables))
        || !writeFile(output.filePath(QFileInfo(metainfo).fileName().remove(QStringLiteral(".in"))),
                      translatedMetainfo(metainfoLines, *english, tables))) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(output.path()));
        return 1;
    }
    return 0;
}
